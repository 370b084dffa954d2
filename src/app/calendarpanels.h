#pragma once

#include <QString>

class QLabel;
class QTableWidget;
class QWidget;

namespace dayvane {

// Builders of the main window's passive panels. They create the labels and
// the grid under their object names with their reset texts and keep no
// state: the views find and fill them by name. The caller takes ownership.

QLabel *make_label(const QString &name, const QString &text = QString());

// "frame_calendar_summary": the day counts and times of the shown month
// ("lbl_month_…") and of the loaded year ("lbl_year_…") side by side.
QWidget *build_summary_panel();

// "frame_day": the selected day's date, start and end, worked and paid time
// and its event text.
QWidget *build_day_panel();

// "calendar_event_dates_grid": read-only, one row selected at a time, no row
// numbers. Its header shows long texts on two lines instead of cutting them.
QTableWidget *build_event_grid();

} // namespace dayvane
