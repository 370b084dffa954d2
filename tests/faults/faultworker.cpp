// dayvane-fault-worker: the other workstation of the fault tests. Modes and
// what each prints:
//   concurrency PATH CALENDAR TAG CHANGES SEED: "ready"; after a line on
//       stdin, CHANGES one-day changes (change K writes concurrency_date(TAG,
//       K)): "accepted K REVISION" or "refused K" (out of date) for each;
//       then "done CHANGES".
//   crash PATH CALENDAR: "ready", then saves the whole year over and over
//       (year_content), "saved REVISION" after each commit.
//   failover PATH CALENDAR: as crash, each line ending in the steady clock's
//       milliseconds: "saved REVISION MS"; a lost connection is told ("lost
//       unknown MS" when the change may or may not have been saved, else
//       "lost not-saved MS") and the next save connects again.
//   open PATH: "calendar STEP FILES_LEFT DETAIL" from opening as the program
//       does (FILES_LEFT: how many more files it left open), then
//       "existing opened ROWS days=SUMS free_pages=N INTEGRITY" or
//       "existing error NUMBER DESCRIPTION" from opening without the checks.
//   settings PATH: "settings READ VALUES PEAK_KIB" (READ, VALUES 0 or 1).
// Exit status: 0 at the mode's end, 3 for an unexpected error (on stderr), 2
// for bad arguments.

#include "faultcontent.h"

#include "app/settingsfile.h"
#include "editor/rangesave.h"
#include "store/connection.h"
#include "store/dberror.h"
#include "store/history.h"
#include "store/recordset.h"
#include "store/revisions.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QThread>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>

namespace {

using namespace dayvane;
using namespace dayvane::faults;

void say(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// What the editor does: loads the revision; then saves `content` of the next
// revision to the range in one transaction that checks the loaded revision
// and adds 1 to it.
qint32 load_and_save(Database &db, qint32 calendar, const QDate &start, const QDate &end,
                     const std::function<DayContent(qint32)> &content)
{
    const qint32 remembered = RecordSet::open(db, calendar_record_query(calendar)).field(QStringLiteral("revision")).toInt();
    const DayContent day = content(remembered + 1);
    RangeWrite write{calendar, start, end, {}, day.values, day.segments, day.comment};
    write.weekdays.fill(true);
    return change_calendar_days(db, calendar, remembered, start, end, [&](std::vector<DayState> &days) {
        write_day_to_range(db, write, &days);
        return range_save_action(write);
    });
}

void run_concurrency(const QStringList &args)
{
    const qint32 calendar = args.at(1).toInt();
    const int tag = args.at(2).toInt(), changes = args.at(3).toInt();
    QRandomGenerator random(args.at(4).toUInt());
    Database db = open_existing_database(args.at(0));
    say(QStringLiteral("ready"));
    std::string go;
    std::getline(std::cin, go);
    for (int k = 0; k < changes; ++k) {
        const QDate date = concurrency_date(tag, k);
        try {
            const qint32 revision = load_and_save(db, calendar, date, date, [&](qint32 next) {
                // The user's time between loading and saving lets the other
                // process change the calendar in between.
                QThread::usleep(random.bounded(2000));
                return change_content(tag, k, next);
            });
            say(QStringLiteral("accepted %1 %2").arg(k).arg(revision));
        } catch (const DbError &error) {
            if (error.number() != DbError::ProgramError || error.description() != kOutOfDate)
                throw;
            say(QStringLiteral("refused %1").arg(k));
        }
    }
    say(QStringLiteral("done %1").arg(changes));
}

void save_years(const QStringList &args, bool keep_going)
{
    Database db = open_existing_database(args.at(0));
    say(QStringLiteral("ready"));
    const auto now = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
    };
    for (;;) {
        try {
            const qint32 revision = load_and_save(db, args.at(1).toInt(), QDate(kFaultYear, 1, 1),
                                                  QDate(kFaultYear, 12, 31), year_content);
            say(keep_going ? QStringLiteral("saved %1 %2").arg(revision).arg(now()) : QStringLiteral("saved %1").arg(revision));
        } catch (const DbError &error) {
            if (!keep_going || error.number() != DbError::ServerGone)
                throw;
            const bool unknown = error.description().contains(QLatin1String("may or may not have been saved"));
            say(QStringLiteral("lost %1 %2").arg(unknown ? u"unknown" : u"not-saved").arg(now()));
            QThread::msleep(20);  // until a server takes the next one
        }
    }
}

void run_crash(const QStringList &args) { save_years(args, false); }
void run_failover(const QStringList &args) { save_years(args, true); }

QString first_value(Database &db, const QString &sql)  // of the first row
{
    Statement statement = db.prepare(sql);
    return statement.step() ? statement.column(0).toString() : QString();
}

int open_files()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
}

void run_open(const QStringList &args)
{
    const int files = open_files();
    const OpenResult result = open_calendar_database_at(args.at(0), {});
    say(QStringLiteral("calendar %1 %2 %3").arg(int(result.step)).arg(open_files() - files).arg(result.detail));
    try {
        Database db = open_existing_database(args.at(0));
        // It opened: everything in it must read, or fail as an engine error.
        const QString integrity = first_value(db, QStringLiteral("PRAGMA integrity_check;"));
        RecordSet days = RecordSet::open(db, QStringLiteral("PARAMETERS CalendarID Long=1, StartDt DateTime=#1/1/1900#, "
                                                            "EndDt DateTime=#12/31/2999#; SELECT Q008.* FROM Q008;"));
        int rows = 0;
        for (; !days.eof(); days.move_next(), ++rows) {}
        // All day data in one line, to compare with the intact file's.
        const QString data = first_value(db, QStringLiteral(
            "SELECT count(*) || '/' || total(minutes1) || '/' || total(minutes2) || '/' || total(length(TimeSegments))"
            " || '/' || total(length(\"Date comment\")) FROM days;"));
        const QString free_pages = first_value(db, QStringLiteral("PRAGMA freelist_count;"));
        say(QStringLiteral("existing opened %1 days=%2 free_pages=%3 %4").arg(rows).arg(data, free_pages, integrity));
    } catch (const DbError &error) {
        say(QStringLiteral("existing error %1 %2").arg(error.number()).arg(error.description()));
    }
}

void run_settings(const QStringList &args)
{
    const Settings settings = read_settings_file(args.at(0));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const bool values = settings.db_path || settings.news_version || settings.top || settings.left ||
                        settings.height || settings.view_index || settings.calendar_date;
    say(QStringLiteral("settings %1 %2 %3").arg(int(settings.anything_read)).arg(int(values)).arg(usage.ru_maxrss));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    // Each mode with the number of arguments it takes after its name.
    const std::map<QString, std::pair<qsizetype, void (*)(const QStringList &)>> modes = {
        {QStringLiteral("concurrency"), {5, run_concurrency}}, {QStringLiteral("crash"), {2, run_crash}},
        {QStringLiteral("failover"), {2, run_failover}},
        {QStringLiteral("open"), {1, run_open}},               {QStringLiteral("settings"), {1, run_settings}}};
    const auto mode = modes.find(args.value(0));
    if (mode == modes.end() || args.size() != mode->second.first + 1)
        return 2;
    try {
        mode->second.second(args.mid(1));
        return 0;
    } catch (const DbError &error) {
        std::fprintf(stderr, "DbError %s\n", error.what());
        return 3;
    }
}
