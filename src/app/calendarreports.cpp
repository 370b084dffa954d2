// The main window's reports: the selected month and the twelve-month
// layout, printed or previewed from what the window shows; and the loaded
// year exported as an iCalendar or CSV file.

#include "app/calendarviews.h"
#include "app/calendarwindow.h"
#include "export/yearcsv.h"
#include "export/yearicalendar.h"
#include "printing/printreports.h"
#include "printing/reportrows.h"
#include "store/databaseid.h"
#include "ui_common/appstate.h"
#include "ui_common/busycursor.h"
#include "ui_common/errorreport.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/interaction.h"
#include "users/security.h"

#include <QCalendarWidget>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimeZone>

namespace dayvane {

namespace {

// A loaded calendar that is still current and may be read.
bool may_print_calendar()
{
    const AppState &state = app_state();
    return state.calendar_loaded && check_calendar_revision(state.calendar_id, state.calendar_revision)
        && check_calendar_access(true);
}

} // namespace

void CalendarWindow::print_calendar_1_month(bool preview)
{
    const QDate grid_date = m_calendar->selectedDate();
    if (!may_print_calendar())
        return;
    MonthReportSource source;
    source.calendar_name = app_state().calendar_name;
    source.year = &m_views->calendar_year();
    source.grid_date = grid_date;
    source.current_date = app_state().current_date;
    source.event_filter = app_state().event_filter;
    const auto week_labels = findChildren<QLabel *>();
    for (const QLabel *label : week_labels) {
        const int row = label->property("index").toInt() - 1;
        if (row < 0 || row >= 6)
            continue;
        if (label->objectName() == QLatin1String("work_week"))
            source.work_week[std::size_t(row)] = label->text();
        else if (label->objectName() == QLatin1String("pay_week"))
            source.pay_week[std::size_t(row)] = label->text();
    }
    source.label = [this](const QString &name) {
        const QLabel *label = findChild<QLabel *>(name);
        return label ? label->text() : QString();
    };
    run_calendar_report(this, month_report_rows(source), kMonthReportDefinition, QString(), preview);
}

void CalendarWindow::print_calendar_12_month(int part, bool preview)
{
    // The checks may ask for a password, and the dialogs after the rows wait
    // for the user: the busy pointer shows only while the rows are built.
    if (!may_print_calendar())
        return;
    std::vector<ReportRow> rows;
    {
        const BusyCursor busy;
        std::vector<qsizetype> event_days;
        for (int row = 0; row < m_event_grid->rowCount(); ++row) {
            if (const qint64 data = row_data(m_event_grid, row); data > 0)
                event_days.push_back(qsizetype(data - 1));
        }
        rows = year_report_rows(m_views->calendar_year(), app_state().calendar_name, app_state().event_filter,
                                event_days);
    }
    run_calendar_report(this, rows, kYearReportDefinition, year_report_formula(part), preview);
}

void CalendarWindow::export_calendar(ExportFormat format)
{
    if (!may_print_calendar())
        return;
    const bool icalendar = format == ExportFormat::ICalendar;
    const CalendarYear &year = m_views->calendar_year();
    // The calendar's name may hold characters no file name takes.
    QString name = app_state().calendar_name;
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::optional<QString> path = interaction().choose_save_file(
        this, icalendar ? tr("Export as iCalendar file") : tr("Export as CSV file"),
        icalendar ? tr("iCalendar files (*.ics)") : tr("CSV files (*.csv)"),
        QDir(folder).filePath(QStringLiteral("%1 %2.%3").arg(name, QString::number(year.year()),
                                                             icalendar ? QStringLiteral("ics") : QStringLiteral("csv"))));
    if (!path)
        return;
    std::optional<QString> database_id;
    if (icalendar && !run_reported([&] { database_id = ensure_database_id(*app_state().database); }))
        return;
    bool written = false;
    QString failure;
    {
        const BusyCursor busy;
        const QByteArray data = icalendar
            ? year_icalendar(year, app_state().calendar_name, QTimeZone::systemTimeZone(), QDateTime::currentDateTimeUtc(),
                             database_id.value_or(QString()))
            : year_csv(year, format == ExportFormat::CsvSemicolon ? QLatin1Char(';') : QLatin1Char(','));
        // Written beside the target and renamed: a failed export leaves an
        // earlier file as it was.
        QSaveFile file(*path);
        written = file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
        failure = file.errorString();
    }
    if (!written) {
        interaction().show_message(
            this, kMessageTitle,
            message_lines({tr("The file \"%1\" could not be written:").arg(QDir::toNativeSeparators(*path)),
                           failure}),
            MessageIcon::Critical);
    }
}

} // namespace dayvane
