#include "holidaylists.h"

#include "holidays/icalendarlists.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace dayvane {

namespace {

void append_record(QString &text, QChar type, const QStringList &fields)
{
    text += type;
    text += u'=';
    text += fields.join(u'^');
    text += u'|';
}

QString file_error(const QString &path, int line, const QString &reason)
{
    return QStringLiteral("%1:%2: %3").arg(QFileInfo(path).fileName()).arg(line).arg(reason);
}

// "list <TAB> id <TAB> name [<TAB> code]": a list's heading.
bool read_heading(const QStringList &fields, const QString &file_code, HolidayList &list)
{
    if ((fields.size() != 3 && fields.size() != 4) || fields[0] != u"list")
        return false;
    bool ok = false;
    list.id = fields[1].toInt(&ok);
    list.name = clean_holiday_name(fields[2]);
    list.code = fields.size() == 4 ? fields[3].trimmed().toLower() : QString();
    if (list.code.isEmpty())
        list.code = file_code;
    return ok && list.id > 0 && !list.name.isEmpty();
}

QString file_code(const QString &path)
{
    return QFileInfo(path).completeBaseName().toLower();
}

QStringList files_of(const QString &folder, const QString &pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files | QDir::Readable, QDir::Name);
}

// The first year with more than kMaxHolidaysInYear holidays, if any.
std::optional<std::pair<int, size_t>> crowded_year(const HolidayList &list)
{
    for (const auto &[year, days] : list.years) {
        if (days.size() > size_t(kMaxHolidaysInYear))
            return std::pair(year, days.size());
    }
    return std::nullopt;
}

void append_list(QString &text, const HolidayList &list)
{
    const QString id = QString::number(list.id);
    append_record(text, u'C', {id, list.name});
    for (const auto &[year, days] : list.years) {
        const QString year_list = QString::number(year_list_id(list.id, year));
        append_record(text, u'Y', {id, year_list, QString::number(year)});
        for (const Holiday &day : days)
            append_record(text, u'H', {id, year_list, holiday_date_text(day.date), day.name});
    }
}

} // namespace

std::optional<std::vector<HolidayList>> read_holiday_file(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return std::nullopt;
    }
    std::vector<HolidayList> lists;
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (lists.empty() || fields[0] == u"list") {
            if (!read_heading(fields, file_code(path), lists.emplace_back())) {
                *error = file_error(path, number, QStringLiteral("expected \"list<TAB>id<TAB>name\" with an id above 0"));
                return std::nullopt;
            }
            continue;
        }
        const QDate date = fields.size() == 2 ? QDate::fromString(fields[0], Qt::ISODate) : QDate();
        const QString name = fields.size() == 2 ? clean_holiday_name(fields[1]) : QString();
        if (!date.isValid() || name.isEmpty()) {
            *error = file_error(path, number, QStringLiteral("expected \"yyyy-mm-dd<TAB>name\""));
            return std::nullopt;
        }
        add_holiday(lists.back(), date, name);
    }
    if (lists.empty()) {
        *error = file_error(path, number, QStringLiteral("no \"list\" line"));
        return std::nullopt;
    }
    return lists;
}

std::vector<HolidayList> load_holiday_folder(const QString &folder, int first_year, int last_year,
                                             QStringList *warnings)
{
    std::vector<HolidayList> lists;
    QSet<int> ids;
    int highest = 0;
    const auto take = [&](std::optional<HolidayList> list, const QString &error) {
        if (!list) {
            warnings->append(error);
            return;
        }
        // Both readers add through add_holiday(s), which keeps a date and name once.
        if (const auto crowded = crowded_year(*list)) {
            warnings->append(QStringLiteral("list \"%1\" left out: it has %2 holidays in %3, more than %4")
                                 .arg(list->name)
                                 .arg(crowded->second)
                                 .arg(crowded->first)
                                 .arg(kMaxHolidaysInYear));
            return;
        }
        if (list->id == 0)
            list->id = highest + 1;
        if (list->id > kHighestListId) {
            warnings->append(QStringLiteral("list \"%1\" left out: its id %2 is above %3, the highest id whose "
                                            "year list ids (id * 10000 + year) fit in 32 bits")
                                 .arg(list->name)
                                 .arg(list->id)
                                 .arg(kHighestListId));
            return;
        }
        if (ids.contains(list->id)) {
            warnings->append(QStringLiteral("list \"%1\" left out: its id %2 is already in use").arg(list->name).arg(list->id));
            return;
        }
        ids.insert(list->id);
        highest = std::max(highest, list->id);
        lists.push_back(std::move(*list));
    };
    const QDir dir(folder);
    for (const QString &name : files_of(folder, QStringLiteral("*.holidays"))) {
        QString error;
        std::optional<std::vector<HolidayList>> file = read_holiday_file(dir.filePath(name), &error);
        if (!file)
            take(std::nullopt, error);
        for (HolidayList &list : file.value_or(std::vector<HolidayList>()))
            take(std::move(list), error);
    }
    std::stable_sort(lists.begin(), lists.end(), [](const HolidayList &a, const HolidayList &b) { return a.id < b.id; });
    // The generated lists' ids are known before any iCalendar list needs a
    // fresh one, so a dropped-in file never takes a generated list's id.
    for (const QString &name : files_of(folder, QStringLiteral("*.ics"))) {
        QString error;
        std::optional<HolidayList> list = read_icalendar_file(dir.filePath(name), first_year, last_year, &error);
        if (list && list->id != 0 && ids.contains(list->id))
            list->id = 0;
        if (list)
            list->code = file_code(name);
        take(std::move(list), error);
    }
    return lists;
}

void keep_years(std::vector<HolidayList> &lists, int first_year, int last_year)
{
    for (HolidayList &list : lists)
        std::erase_if(list.years, [&](const auto &year) { return year.first < first_year || year.first > last_year; });
}

QStringList keep_lists(std::vector<HolidayList> &lists, const QStringList &patterns)
{
    QStringList unmatched;
    std::vector<bool> wanted(lists.size(), false);
    for (const QString &pattern : patterns) {
        const QRegularExpression code(QRegularExpression::wildcardToRegularExpression(pattern.trimmed()),
                                      QRegularExpression::CaseInsensitiveOption);
        bool matched = false;
        for (size_t i = 0; i < lists.size(); ++i) {
            if (code.match(lists[i].code).hasMatch())
                wanted[i] = matched = true;
        }
        if (!matched)
            unmatched << pattern;
    }
    std::vector<HolidayList> kept;
    for (size_t i = 0; i < lists.size(); ++i) {
        if (wanted[i])
            kept.push_back(std::move(lists[i]));
    }
    lists = std::move(kept);
    return unmatched;
}

int year_list_id(int list_id, int year)
{
    return list_id * 10000 + year;
}

QString holiday_date_text(const QDate &date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString holiday_payload(const std::vector<HolidayList> &lists)
{
    QString text;
    for (const HolidayList &list : lists)
        append_list(text, list);
    return text;
}

void fit_payload(std::vector<HolidayList> &lists, qsizetype max_bytes, QStringList *warnings)
{
    qsizetype used = 0;
    std::vector<HolidayList> kept;
    for (HolidayList &list : lists) {
        QString records;
        append_list(records, list);
        const qsizetype bytes = records.toUtf8().size();
        if (bytes <= max_bytes - used) {
            used += bytes;
            kept.push_back(std::move(list));
            continue;
        }
        warnings->append(QStringLiteral("list \"%1\" left out: its records (%2 bytes) would make the holiday reply "
                                        "larger than a client accepts; %3 bytes of lists fit in one reply")
                             .arg(list.name)
                             .arg(bytes)
                             .arg(max_bytes));
    }
    lists = std::move(kept);
}

QString holiday_reply(const QString &payload)
{
    return QStringLiteral("Holiday lists for Dayvane, served by dayvane-web.\r\n"
                          "Everything after the separator is the list.\r\n")
        + kWebReplySeparator + kWebListMarker + payload;
}

QString cut_short(const QString &reply)
{
    const qsizetype marker = reply.indexOf(kWebListMarker);
    const qsizetype start = marker < 0 ? 0 : marker + kWebListMarker.size();
    QString cut = reply.left(start + (reply.size() - start) / 2);
    while (cut.endsWith(u'|'))
        cut.chop(1);
    return cut;
}

} // namespace dayvane
