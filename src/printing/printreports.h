#pragma once

#include "printing/engine/reportdata.h"

#include <QString>

#include <vector>

class QWidget;

namespace dayvane {

// The report definitions shipped with the program.
inline const QString kMonthReportDefinition = QStringLiteral("Calendar.rpt");
inline const QString kYearReportDefinition = QStringLiteral("Calendar_12.rpt");

// Writes `rows` into T000 of the report database and hands the definition
// named `definition` with the selection `formula` to the report engine: into
// the preview window, or, after the print dialog, to the chosen printer. A
// database or file failure is reported with its step and nothing is handed
// over; a cancelled print dialog ends silently and leaves the rows written.
// True when the engine ran.
bool run_calendar_report(QWidget *parent, const std::vector<ReportRow> &rows, const QString &definition,
                         const QString &formula, bool preview);

} // namespace dayvane
