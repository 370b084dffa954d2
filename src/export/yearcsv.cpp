#include "export/yearcsv.h"

#include "export/dayclassnames.h"
#include "model/textforms.h"
#include "model/timesegments.h"
#include "calendaryear/calendaryear.h"

#include <QStringList>

namespace dayvane {

namespace {

QString csv_field(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A text a spreadsheet would take for a formula ("=HYPERLINK(...)", typed
// into a comment by anyone who may edit the calendar) is opened as text.
QString spreadsheet_text(const QString &text)
{
    static const QString formula_starts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && formula_starts.contains(text.front()) ? QLatin1Char('\'') + text : text;
}

void append_row(QString &out, const QStringList &fields, QChar separator)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += separator;
        out += csv_field(fields.at(i), separator);
    }
    out += QLatin1String("\r\n");
}

QString period_lines(const QString &segments)
{
    QStringList lines;
    for (const QString &line : format_time_segments(segments)) {
        if (!line.isEmpty())
            lines << line;
    }
    return lines.join(QLatin1String("; "));
}

} // namespace

QByteArray year_csv(const CalendarYear &year, QChar separator)
{
    QString out;
    append_row(out, {QStringLiteral("Date"), QStringLiteral("Weekday"), QStringLiteral("Day class"),
                     QStringLiteral("Periods"), QStringLiteral("Worked minutes"), QStringLiteral("Worked"),
                     QStringLiteral("Paid minutes"), QStringLiteral("Paid"), QStringLiteral("Comment")},
               separator);
    const QDate last(year.year(), 12, 31);
    for (QDate date(year.year(), 1, 1); date <= last; date = date.addDays(1)) {
        const DayEntry *entry = year.entry(date);
        const DayEntry day = entry ? *entry : DayEntry{};
        append_row(out, {date.toString(Qt::ISODate), english_weekday(date), day_class_name(year.day_kind(day)),
                         period_lines(day.time_segments), QString::number(day.minutes1),
                         format_minutes(day.minutes1), QString::number(day.minutes2),
                         format_minutes(day.minutes2), spreadsheet_text(day.comment)},
                   separator);
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + out.toUtf8();
}

} // namespace dayvane
