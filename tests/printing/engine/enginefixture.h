#pragma once

#include "printing/engine/reportdata.h"
#include "printing/engine/reportdefinition.h"
#include "pdftools.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

namespace dayvane::test {

// The shipped definition files in the source tree.
QString shipped_report(const QString &file_name);
ReportDefinition shipped_definition(const QString &file_name);

// Rows as the program writes them for April 2026 of a calendar with an
// 8h working day from Monday to Friday, a paid holiday, an altered day and
// commented dates; `long_comment` is the comment of the altered day.
std::vector<ReportRow> one_month_rows(const QString &long_comment = QString());
// Rows of the twelve-month report for 2026 (page 1 and page 2) of the same
// calendar, with `events` commented dates in the event list.
std::vector<ReportRow> twelve_month_rows(int events = 14);

// Writes a report database with T000 holding `rows`; returns its path.
QString write_report_database(const QString &folder, const std::vector<ReportRow> &rows);

// True when `texts` all occur in `text`, each after the one before.
::testing::AssertionResult appear_in_order(const QString &text, const QStringList &texts);

} // namespace dayvane::test
