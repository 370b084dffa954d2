#pragma once

#include "printing/engine/reportdefinition.h"
#include "printing/reportrows.h"
#include "testdatabase.h"  // write_file

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

namespace dayvane::test {

inline constexpr auto kTypical = "y@480>720+y@780>1020";  // 8:00-12:00, 13:00-17:00
inline constexpr auto kLongDay = "y@420>720+y@780>1080";  // 7:00-12:00, 13:00-18:00

// February 2026 (the 1st a Sunday, 28 days) of the calendar Office "North":
// typical weekdays, "Kick-off" on the 2nd, a long Friday 13th "Stocktaking",
// a paid holiday without comment on the 16th, a day off "Closed for repairs"
// on the 20th; and a paid holiday on Friday 30 January, which February's
// grid shows. Without a typical day every workday is altered.
const CalendarYear &february(bool with_typical_day = true);

// The one-month report of February as the main window hands it over, with
// week captions "w1".."w6" and "p1".."p6" and each summary caption its
// label's name in angle brackets.
std::vector<ReportRow> month_rows(const CalendarYear &year, int filter);
// The twelve-month report listing `events` in its event list.
std::vector<ReportRow> year_rows(const CalendarYear &year, const std::vector<QDate> &events, int filter = 0);

// The shipped definition files in the source tree.
QString shipped_report(const QString &file_name);
ReportDefinition shipped_definition(const QString &file_name);
// Writes a report database with T000 holding `rows`; returns its path.
QString write_report_database(const QString &folder, const std::vector<ReportRow> &rows);

// True when `texts` all occur in `text`, each after the one before.
::testing::AssertionResult appear_in_order(const QString &text, const QStringList &texts);

} // namespace dayvane::test
