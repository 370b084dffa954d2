// Loading a calendar year into the main window and drawing its views,
// against a bare read of the same rows; and switching months.

#include "app/calendarviews.h"
#include "app/calendarwindow.h"
#include "store/connection.h"
#include "store/sqlcipherengine.h"
#include "store/transaction.h"
#include "ui_common/appstate.h"
#include "ui_common/interaction.h"
#include "calendaryear/calendaryear.h"

#include <sqlcipher/sqlite3.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QHBoxLayout>
#include <QTableWidget>
#include <QTreeWidget>
#include <QDir>
#include <QTemporaryDir>

#include "timingreporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace dayvane;

constexpr int kYear = 2024;

struct Fixture
{
    QTemporaryDir dir{QDir::current().absoluteFilePath(QStringLiteral("bench-XXXXXX"))};
    std::unique_ptr<CalendarWindow> window;
    qint32 calendar = 0;

    Fixture()
    {
        app_state().database.emplace(create_calendar_database(dir.filePath(QStringLiteral("QZDB.mdb"))));
        Database &db = *app_state().database;
        db.exec(QStringLiteral("INSERT INTO calendars (Name) VALUES ('Bench');"));
        calendar = qint32(db.last_insert_id());
        db.exec(QStringLiteral("INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (%1, %2);").arg(calendar).arg(kYear));
        const qint64 year_id = db.last_insert_id();
        Transaction transaction(db);
        Statement insert = db.prepare(QStringLiteral(
            "INSERT INTO days (NameLink, YearLink, DateVal, DayStart, DayStop, minutes1, minutes2, TimeSegments,"
            " \"Date comment\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?);"));
        for (QDate date(kYear, 1, 1); date.year() == kYear; date = date.addDays(1)) {
            const bool weekday = date.dayOfWeek() <= 5;
            insert.reset();
            insert.bind(1, calendar);
            insert.bind(2, year_id);
            insert.bind(3, date);
            insert.bind(4, weekday ? 480 : 0);
            insert.bind(5, weekday ? 990 : 0);
            insert.bind(6, weekday ? 480 : 0);
            insert.bind(7, weekday ? 510 : 0);
            insert.bind(8, weekday ? QStringLiteral("y@480>720+n@720>750+y@750>990") : QStringLiteral(""));
            insert.bind(9, date.day() == 1 ? QStringLiteral("First of the month") : QStringLiteral(""));
            insert.exec();
        }
        transaction.commit();
        window = std::make_unique<CalendarWindow>();
        app_state().db_connected = true;
        app_state().calendar_id = calendar;
        window->views().select_date_for_load(QDate(kYear, 3, 15));
    }
};

Fixture &fixture()
{
    static Fixture instance;
    return instance;
}

void BM_LoadYear(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        CalendarYear year = load_calendar_year(*app_state().database, f.calendar, kYear);
        benchmark::DoNotOptimize(year.year_totals());
    }
}
BENCHMARK(BM_LoadYear)->Unit(benchmark::kMicrosecond);

void BM_LoadYearAndDrawViews(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        if (!f.window->views().reload(0))
            state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_LoadYearAndDrawViews)->Unit(benchmark::kMicrosecond);

void BM_SwitchMonth(benchmark::State &state)
{
    Fixture &f = fixture();
    f.window->views().reload(0);
    auto *calendar = f.window->findChild<QCalendarWidget *>(QStringLiteral("calendar"));
    int month = 1;
    for (auto _ : state) {
        month = month % 12 + 1;
        // As a click on another month's day does: the views follow the control.
        calendar->setSelectedDate(QDate(kYear, month, 10));
    }
}
BENCHMARK(BM_SwitchMonth)->Unit(benchmark::kMicrosecond);

void BM_BareRead(benchmark::State &state)
{
    Fixture &f = fixture();
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(sqlcipher_handle(*app_state().database),
                       "SELECT id, DateVal, DayStart, DayStop, minutes1, minutes2, TimeSegments, \"Date comment\""
                       " FROM days WHERE NameLink = ? AND DateVal BETWEEN ? AND ? ORDER BY DateVal",
                       -1, &stmt, nullptr);
    // The floor of any loader: the same rows into day entries, text
    // converted and dates read, with nothing else around it.
    std::vector<DayEntry> entries;
    for (auto _ : state) {
        entries.clear();
        sqlite3_bind_int64(stmt, 1, f.calendar);
        sqlite3_bind_text(stmt, 2, "2023-12-31", -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 3, "2025-01-11", -1, SQLITE_STATIC);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            DayEntry day;
            day.id = sqlite3_column_int(stmt, 0);
            day.date = QDate::fromString(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 1))),
                                         Qt::ISODate);
            day.day_start = qint16(sqlite3_column_int(stmt, 2));
            day.day_stop = qint16(sqlite3_column_int(stmt, 3));
            day.minutes1 = sqlite3_column_int(stmt, 4);
            day.minutes2 = sqlite3_column_int(stmt, 5);
            day.time_segments = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 6)));
            day.comment = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 7)));
            entries.push_back(std::move(day));
        }
        sqlite3_reset(stmt);
        benchmark::DoNotOptimize(entries.data());
    }
    sqlite3_finalize(stmt);
}
BENCHMARK(BM_BareRead)->Unit(benchmark::kMicrosecond);

// Opening windows as the user does, each drawn once: the main window from
// nothing to its first picture, and the windows its commands open, against a
// bare dialog of a command tree and a grid.
class DrawingInteraction : public Interaction
{
public:
    void show_message(QWidget *, const QString &, const QString &, MessageIcon) override {}
    bool ask_yes_no(QWidget *, const QString &, const QString &, MessageIcon, bool) override { return false; }
    std::optional<QString> choose_open_file(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> choose_save_file(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    bool choose_printer(QWidget *, QPrinter &, const QString &) override { return false; }
    bool open_url(const QUrl &) override { return true; }
    bool start_program(const QString &, const QStringList &) override { return true; }
    int show_modal(QDialog &dialog) override
    {
        dialog.show();
        benchmark::DoNotOptimize(dialog.grab());
        dialog.hide();
        ++shown;
        return QDialog::Rejected;
    }
    int shown = 0;
};

void BM_DrawMainWindow(benchmark::State &state)
{
    fixture();
    for (auto _ : state) {
        CalendarWindow window;
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
    // Each window built registered itself as the main one.
    app_state().main_window = fixture().window.get();
    app_state().main_link = fixture().window.get();
}
BENCHMARK(BM_DrawMainWindow)->Unit(benchmark::kMillisecond);

void BM_OpenWindow(benchmark::State &state, const char *command)
{
    Fixture &f = fixture();
    DrawingInteraction drawing;
    set_interaction(&drawing);
    f.window->views().reload_calendar();
    for (auto _ : state)
        f.window->run_command(QLatin1String(command));
    if (drawing.shown != int(state.iterations()))
        state.SkipWithError("the window did not open");
    set_interaction(nullptr);
}
BENCHMARK_CAPTURE(BM_OpenWindow, calendar_list, "open_calendar_list")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenWindow, editor, "edit_calendar")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenWindow, holiday_list, "holiday_listing")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenWindow, user_list, "users")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenWindow, settings, "workstation_settings")->Unit(benchmark::kMillisecond);

void BM_BareDialog(benchmark::State &state)
{
    for (auto _ : state) {
        QDialog dialog;
        auto *layout = new QHBoxLayout(&dialog);
        auto *tree = new QTreeWidget;
        for (int i = 0; i < 10; ++i)
            new QTreeWidgetItem(tree, {QStringLiteral("Command %1").arg(i)});
        auto *grid = new QTableWidget(50, 2);
        for (int row = 0; row < 50; ++row)
            grid->setItem(row, 0, new QTableWidgetItem(QStringLiteral("Calendar %1").arg(row)));
        layout->addWidget(tree);
        layout->addWidget(grid, 1);
        dialog.show();
        benchmark::DoNotOptimize(dialog.grab());
    }
}
BENCHMARK(BM_BareDialog)->Unit(benchmark::kMillisecond);

void print_summary(const TimingReporter &times)
{
    if (times.wall("BM_BareDialog") > 0) {
        std::printf("Main window built and drawn %.1f ms; calendar list %.1f ms, editor %.1f ms, holiday list %.1f ms, "
                    "user list %.1f ms, settings %.1f ms, bare dialog %.1f ms (goals: 500 and 100-200)\n",
                    times.wall("BM_DrawMainWindow"), times.wall("BM_OpenWindow/calendar_list"),
                    times.wall("BM_OpenWindow/editor"), times.wall("BM_OpenWindow/holiday_list"),
                    times.wall("BM_OpenWindow/user_list"), times.wall("BM_OpenWindow/settings"), times.wall("BM_BareDialog"));
    }
    const double bare = times.wall("BM_BareRead");
    if (bare <= 0)
        return;
    const double load = times.wall("BM_LoadYear");
    std::printf("Year load with totals %.1f us = %.2f x the bare read (%.1f us, goal <= 3); "
                "load and draw of the four views %.1f us; month switch %.1f us (goal < 5000)\n",
                load, load / bare, bare, times.wall("BM_LoadYearAndDrawViews"), times.wall("BM_SwitchMonth"));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    run_benchmarks(&argc, argv, print_summary);
    fixture().window.reset();
    app_state() = AppState();
    return 0;
}
