#include "enginefixture.h"

#include "store/database.h"
#include "store/transaction.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <map>

namespace dayvane::test {

namespace {

const QStringList kMonthNames{QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
                              QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
                              QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
                              QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
const QStringList kShortMonths{QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
                               QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
                               QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
const QStringList kTypicalPeriods{QStringLiteral("08:00 AM..12:00 PM (4h 0m Wrk)"),
                                  QStringLiteral("12:00 PM..12:30 PM (0h 30m Pay)"),
                                  QStringLiteral("12:30 PM..04:30 PM (4h 0m Wrk)")};
constexpr int kYear = 2026;

// One day of the sample calendar: its class code, minutes and comment.
struct Day
{
    int class_code = 0;
    int work = 0;
    int pay = 0;
    QString comment;
    QStringList periods;  // only where they differ from the typical day's
};

QString hours(int minutes)
{
    return QStringLiteral("%1h %2m").arg(minutes / 60).arg(minutes % 60);
}

QString short_date(const QDate &date)
{
    return QStringLiteral("%1-%2").arg(kShortMonths[date.month() - 1]).arg(date.day(), 2, 10, QLatin1Char('0'));
}

Day sample_day(const QDate &date, const QString &long_comment = QString())
{
    static const std::map<QDate, QString> holidays{
        {QDate(kYear, 1, 1), QStringLiteral("New Year's Day")},  {QDate(kYear, 4, 3), QStringLiteral("Good Friday")},
        {QDate(kYear, 4, 6), QStringLiteral("Easter Monday")},   {QDate(kYear, 5, 25), QStringLiteral("Memorial Day")},
        {QDate(kYear, 7, 3), QStringLiteral("Independence Day (observed)")},
        {QDate(kYear, 9, 7), QStringLiteral("Labor Day")},       {QDate(kYear, 11, 26), QStringLiteral("Thanksgiving Day")},
        {QDate(kYear, 12, 25), QStringLiteral("Christmas Day")}};
    if (const auto holiday = holidays.find(date); holiday != holidays.end())
        return {300, 0, 510, holiday->second, {QStringLiteral("08:00 AM..04:30 PM (8h 30m Pay)")}};
    if (date == QDate(kYear, 4, 17))
        return {200, 240, 240,
                long_comment.isEmpty() ? QStringLiteral("Half day: staff outing in the afternoon") : long_comment,
                {QStringLiteral("08:00 AM..12:00 PM (4h 0m Wrk)")}};
    if (date == QDate(kYear, 12, 24))
        return {200, 240, 240, QStringLiteral("Christmas Eve, half day"), {QStringLiteral("08:00 AM..12:00 PM (4h 0m Wrk)")}};
    if (date == QDate(kYear, 8, 14))
        return {200, 600, 600, QStringLiteral("Stock-taking, long day"),
                {QStringLiteral("07:00 AM..12:00 PM (5h 0m Wrk)"), QStringLiteral("12:30 PM..05:30 PM (5h 0m Wrk)")}};
    if (date.dayOfWeek() >= 6)
        return {100, 0, 0, {}, {}};
    Day day{0, 480, 510, {}, {}};
    if (date == QDate(kYear, 4, 22))
        day.comment = QStringLiteral("Team meeting at the head office");
    else if (date == QDate(kYear, 2, 10))
        day.comment = QStringLiteral("Fire drill");
    return day;
}

QDate grid_start(int month)
{
    const QDate first(kYear, month, 1);
    return first.addDays(-(first.dayOfWeek() % 7));
}

// The summaries of a span of days.
struct Totals
{
    int typical_days = 0, typical = 0, altered_days = 0, altered = 0, paid_only_days = 0, paid_days = 0, paid = 0;

    void add(const Day &day)
    {
        if (day.class_code == 0) {
            ++typical_days;
            typical += day.work;
        } else if (day.class_code == 200) {
            ++altered_days;
            altered += day.work;
        } else if (day.class_code == 300)
            ++paid_only_days;
        if (day.pay > 0) {
            ++paid_days;
            paid += day.pay;
        }
    }
};

Totals totals(const QDate &from, const QDate &to)
{
    Totals sum;
    for (QDate date = from; date <= to; date = date.addDays(1))
        sum.add(sample_day(date));
    return sum;
}

ReportRow row(const QString &group, const QString &subgroup, std::optional<int> page = std::nullopt)
{
    ReportRow made;
    made.group = group;
    made.subgroup = subgroup;
    made.page = page;
    return made;
}

QString days(int count)
{
    return QStringLiteral("%1 days").arg(count);
}

// Period texts in rows of `per_row` as the program writes them: text i of
// row r is entry r * per_row + i of the twelve.
void add_period_rows(std::vector<ReportRow> &rows, ReportRow pattern, const QStringList &periods, int per_row,
                     int row_count)
{
    for (int r = 0; r < row_count; ++r) {
        ReportRow period_row = pattern;
        for (int i = 0; i < per_row; ++i)
            period_row.fields[std::size_t(i)] = periods.value(r * per_row + i);
        rows.push_back(period_row);
    }
}

} // namespace

QString shipped_report(const QString &file_name)
{
    return QDir(QStringLiteral(DAYVANE_REPORTS_DIR)).filePath(file_name);
}

ReportDefinition shipped_definition(const QString &file_name)
{
    DefinitionResult read = read_report_definition(shipped_report(file_name));
    EXPECT_TRUE(read.definition) << read.error.toStdString();
    return read.definition.value_or(ReportDefinition());
}

std::vector<ReportRow> one_month_rows(const QString &long_comment)
{
    constexpr int month = 4;
    std::vector<ReportRow> rows;
    ReportRow heading = row(QStringLiteral("A"), {});
    heading.fields[0] = QStringLiteral("Head office (%1)").arg(kMonthNames[month - 1]);
    rows.push_back(heading);
    for (int week = 0; week < 6; ++week) {
        ReportRow week_row = row(QStringLiteral("B"), {});
        int work = 0, pay = 0;
        for (int i = 0; i < 7; ++i) {
            const QDate date = grid_start(month).addDays(week * 7 + i);
            const Day day = sample_day(date);
            week_row.fields[std::size_t(i)] =
                QString::number(date.day() + (date.month() == month ? day.class_code : 400));
            work += day.work;
            pay += day.pay;
        }
        week_row.fields[7] = hours(work);
        week_row.fields[8] = hours(pay);
        rows.push_back(week_row);
    }
    ReportRow caption = row(QStringLiteral("C"), {});
    caption.fields[0] = kMonthNames[month - 1];
    caption.fields[3] = QString::number(kYear);
    rows.push_back(caption);

    const Totals m = totals(QDate(kYear, month, 1), QDate(kYear, month, 30));
    const Totals y = totals(QDate(kYear, 1, 1), QDate(kYear, 12, 31));
    auto summary = [&](const QString &label, int md, int mt, int yd, int yt, bool times = true) {
        ReportRow line = row(QStringLiteral("D"), QStringLiteral("a"));
        line.fields[0] = label;
        line.fields[1] = QString::number(md);
        line.fields[3] = QString::number(yd);
        if (times) {
            line.fields[2] = hours(mt);
            line.fields[4] = hours(yt);
        }
        rows.push_back(line);
    };
    summary(QStringLiteral("Work (typical)"), m.typical_days, m.typical, y.typical_days, y.typical);
    add_period_rows(rows, row(QStringLiteral("D"), QStringLiteral("b")), kTypicalPeriods, 3, 4);
    summary(QStringLiteral("Work (altered)"), m.altered_days, m.altered, y.altered_days, y.altered);
    summary(QStringLiteral("Work (total)"), m.typical_days + m.altered_days, m.typical + m.altered,
            y.typical_days + y.altered_days, y.typical + y.altered);
    summary(QStringLiteral("No work (pay only)"), m.paid_only_days, 0, y.paid_only_days, 0, false);
    summary(QStringLiteral("Pay"), m.paid_days, m.paid, y.paid_days, y.paid);

    ReportRow events = row(QStringLiteral("E"), QStringLiteral("a"));
    events.fields[1] = QStringLiteral("Events (All commented dates)");
    rows.push_back(events);
    for (QDate date(kYear, month, 1); date.month() == month; date = date.addDays(1)) {
        const Day day = sample_day(date, long_comment);
        if (day.comment.isEmpty())
            continue;
        ReportRow event = row(QStringLiteral("E"), QStringLiteral("b"));
        event.fields[0] = short_date(date);
        event.fields[1] = day.comment;
        event.fields[2] = hours(day.work);
        event.fields[3] = hours(day.pay);
        rows.push_back(event);
        if (day.class_code == 200)
            add_period_rows(rows, row(QStringLiteral("E"), QStringLiteral("c")), day.periods, 3, 4);
    }
    return rows;
}

std::vector<ReportRow> twelve_month_rows(int events)
{
    std::vector<ReportRow> rows;
    ReportRow heading = row(QStringLiteral("A"), {}, 1);
    heading.fields[0] = QStringLiteral("Head office (%1)").arg(kYear);
    rows.push_back(heading);
    for (int band = 0; band < 4; ++band) {
        ReportRow names = row(QStringLiteral("B"), QStringLiteral("a"), 1);
        for (int p = 0; p < 3; ++p)
            names.fields[std::size_t(9 * p)] = kMonthNames[band * 3 + p];
        rows.push_back(names);
        rows.push_back(row(QStringLiteral("B"), QStringLiteral("b"), 1));
        for (int week = 0; week < 6; ++week) {
            ReportRow week_row = row(QStringLiteral("B"), QStringLiteral("c"), 1);
            for (int p = 0; p < 3; ++p) {
                const int month = band * 3 + p + 1;
                int work = 0, pay = 0;
                for (int i = 0; i < 7; ++i) {
                    const QDate date = grid_start(month).addDays(week * 7 + i);
                    const Day day = sample_day(date);
                    week_row.fields[std::size_t(9 * p + i)] =
                        QString::number(date.day() + (date.month() == month ? day.class_code : 400));
                    work += day.work;
                    pay += day.pay;
                }
                week_row.fields[std::size_t(9 * p + 7)] = hours(work);
                week_row.fields[std::size_t(9 * p + 8)] = hours(pay);
            }
            rows.push_back(week_row);
        }
        rows.push_back(row(QStringLiteral("B"), QStringLiteral("d"), 1));
        const QStringList kinds{QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("g"), QStringLiteral("h"),
                                QStringLiteral("j")};
        for (const QString &kind : kinds) {
            ReportRow sums = row(QStringLiteral("B"), kind, 1);
            for (int p = 0; p < 3; ++p) {
                const int month = band * 3 + p + 1;
                const QDate first(kYear, month, 1);
                const Totals t = totals(first, first.addDays(first.daysInMonth() - 1));
                QString &work = sums.fields[std::size_t(9 * p + 7)];
                QString &pay = sums.fields[std::size_t(9 * p + 8)];
                if (kind == QLatin1String("e")) {
                    work = days(t.typical_days);
                    pay = hours(t.typical);
                } else if (kind == QLatin1String("f")) {
                    work = days(t.altered_days);
                    pay = hours(t.altered);
                } else if (kind == QLatin1String("g")) {
                    work = days(t.typical_days + t.altered_days);
                    pay = hours(t.typical + t.altered);
                } else if (kind == QLatin1String("h")) {
                    work = days(t.paid_only_days);
                } else {
                    work = days(t.paid_days);
                    pay = hours(t.paid);
                }
            }
            rows.push_back(sums);
        }
    }
    rows.push_back(row(QStringLiteral("C"), QStringLiteral("a"), 1));
    ReportRow typical = row(QStringLiteral("C"), QStringLiteral("b"), 1);
    typical.fields[0] = QStringLiteral("Work:8h 0m");
    typical.fields[1] = QStringLiteral("Paid:8h 30m");
    rows.push_back(typical);
    add_period_rows(rows, row(QStringLiteral("C"), QStringLiteral("c"), 1), kTypicalPeriods, 4, 3);
    rows.push_back(row(QStringLiteral("C"), QStringLiteral("d"), 1));
    ReportRow year = row(QStringLiteral("C"), QStringLiteral("e"), 1);
    year.fields[0] = QString::number(kYear);
    rows.push_back(year);
    const Totals y = totals(QDate(kYear, 1, 1), QDate(kYear, 12, 31));
    ReportRow work = row(QStringLiteral("C"), QStringLiteral("f"), 1);
    work.fields[0] = days(y.typical_days);
    work.fields[1] = hours(y.typical);
    work.fields[2] = days(y.altered_days);
    work.fields[3] = hours(y.altered);
    work.fields[4] = days(y.typical_days + y.altered_days);
    work.fields[5] = hours(y.typical + y.altered);
    rows.push_back(work);
    ReportRow pay = row(QStringLiteral("C"), QStringLiteral("g"), 1);
    pay.fields[0] = days(y.paid_only_days);
    pay.fields[1] = days(y.paid_days);
    pay.fields[2] = hours(y.paid);
    rows.push_back(pay);

    ReportRow list = row(QStringLiteral("D"), QStringLiteral("a"), 2);
    list.fields[0] = QStringLiteral("Events (All commented dates)");
    rows.push_back(list);
    rows.push_back(row(QStringLiteral("D"), QStringLiteral("b"), 2));
    int listed = 0;
    for (QDate date(kYear, 1, 1); date.year() == kYear && listed < events; date = date.addDays(1)) {
        Day day = sample_day(date);
        if (day.comment.isEmpty() && day.class_code == 0 && events > 14 && date.dayOfWeek() == 2)
            day.comment = QStringLiteral("Weekly planning meeting with the regional teams");
        if (day.comment.isEmpty())
            continue;
        ++listed;
        ReportRow event = row(QStringLiteral("D"), QStringLiteral("c"), 2);
        event.fields[0] = short_date(date);
        event.fields[1] = day.comment;
        event.fields[2] = hours(day.work);
        event.fields[3] = hours(day.pay);
        rows.push_back(event);
        if (!day.periods.isEmpty())
            add_period_rows(rows, row(QStringLiteral("D"), QStringLiteral("d"), 2), day.periods, 3, 4);
    }
    return rows;
}

QString write_report_database(const QString &folder, const std::vector<ReportRow> &rows)
{
    const QString path = QDir(folder).filePath(QStringLiteral("QZX.mdb"));
    QFile::remove(path);
    Database db = Database::open(path, QByteArray(), Database::OpenMode::Create);
    create_report_table(db);
    Transaction transaction(db);
    for (const ReportRow &report_row : rows)
        insert_report_row(db, report_row);
    transaction.commit();
    return path;
}

namespace {

QString run_tool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

int pdf_page_count(const QString &path)
{
    static const QRegularExpression pages(QStringLiteral(R"(^Pages:\s+(\d+))"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(run_tool(QStringLiteral("pdfinfo"), {path}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pdf_text(const QString &path)
{
    return run_tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

std::vector<PdfWord> pdf_words(const QString &path, std::vector<PdfPage> *pages)
{
    std::vector<PdfWord> words;
    QXmlStreamReader xml(run_tool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            ++page;
            if (pages)
                pages->push_back({a.value(QLatin1String("width")).toDouble(), a.value(QLatin1String("height")).toDouble()});
        } else if (xml.name() == QLatin1String("word")) {
            const double x0 = a.value(QLatin1String("xMin")).toDouble(), y0 = a.value(QLatin1String("yMin")).toDouble();
            const double x1 = a.value(QLatin1String("xMax")).toDouble(), y1 = a.value(QLatin1String("yMax")).toDouble();
            words.push_back({xml.readElementText(), page, QRectF(QPointF(x0, y0), QPointF(x1, y1))});
        }
    }
    return words;
}

QStringList words_outside_page(const QString &path)
{
    std::vector<PdfPage> pages;
    const std::vector<PdfWord> words = pdf_words(path, &pages);
    QStringList outside;
    for (const PdfWord &word : words) {
        const PdfPage &page = pages.at(std::size_t(word.page - 1));
        if (word.box.left() < 0 || word.box.top() < 0 || word.box.right() > page.width || word.box.bottom() > page.height)
            outside << QStringLiteral("%1 (page %2)").arg(word.text).arg(word.page);
    }
    return outside;
}

::testing::AssertionResult appear_in_order(const QString &text, const QStringList &texts)
{
    qsizetype from = 0;
    for (const QString &wanted : texts) {
        const qsizetype at = text.indexOf(wanted, from);
        if (at < 0)
            return ::testing::AssertionFailure() << '"' << wanted.toStdString() << "\" not found (in order) in:\n"
                                                 << text.toStdString();
        from = at + wanted.size();
    }
    return ::testing::AssertionSuccess();
}

} // namespace dayvane::test
