#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace dayvane {

class Database;

// One line of a report as the table T000 of the report database holds it:
// the block it belongs to ("A".."E"), the kind of row inside the block
// ("a".."j", or empty), the page of the twelve-month report (empty for the
// one-month report) and up to 27 cells. Empty cells are stored as NULL.
inline constexpr int kReportFieldCount = 27;
struct ReportRow
{
    QString group;
    QString subgroup;
    std::optional<int> page;
    std::array<QString, kReportFieldCount> fields;

    friend bool operator==(const ReportRow &, const ReportRow &) = default;
};

// Creates T000 in `db` unless it is there.
void create_report_table(Database &db);
// Adds `row` at the end of T000.
void insert_report_row(Database &db, const ReportRow &row);
// Every row of T000 in the order it was written. Throws DbError.
std::vector<ReportRow> read_report_rows(Database &db);

} // namespace dayvane
