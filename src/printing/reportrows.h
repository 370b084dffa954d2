#pragma once

#include "printing/engine/reportdata.h"
#include "calendaryear/calendaryear.h"

#include <QDate>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace dayvane {

// The code a report prints for a grid cell: the day of the month plus 0 for
// a typical workday, 100 no work and no pay, 200 an altered workday, 300
// paid without work, and 400 whatever the class when `date` lies outside
// `shown_month` (the grid's leading and trailing days).
int day_code(const CalendarYear &year, QDate date, int shown_month);

// What the one-month report takes from the main window as it stands: the
// open calendar's name, the loaded year, the month grid's date, the event
// filter and the captions of the week and summary labels.
struct MonthReportSource
{
    // The main window's, which a rename updates; the loaded year keeps the
    // name it was loaded with.
    QString calendar_name;
    const CalendarYear *year = nullptr;
    QDate grid_date;     // the calendar control's selected date
    QDate current_date;  // its month picks the listed events
    int event_filter = 0;
    std::array<QString, 6> work_week;  // captions, week row 1..6
    std::array<QString, 6> pay_week;
    // The caption of a summary label by its name ("lbl_month_pay_time").
    std::function<QString(const QString &)> label;
};

// The rows of the one-month report, in the order they are written.
std::vector<ReportRow> month_report_rows(const MonthReportSource &source);

// The rows of both parts of the twelve-month report: part 1 (Page 1) the
// year's grids with month, typical-day and year figures, headed by
// `calendar_name` (the main window's, as for the one-month report), part 2
// (Page 2) the event list. `event_days` are the day indexes of the main
// window's event list, in its order.
std::vector<ReportRow> year_report_rows(const CalendarYear &year, const QString &calendar_name, int event_filter,
                                        const std::vector<qsizetype> &event_days);

// The selection formula of the twelve-month report: every row for part 0,
// else that part's page.
QString year_report_formula(int part);

} // namespace dayvane
