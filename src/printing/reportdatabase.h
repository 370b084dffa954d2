#pragma once

#include <QString>

#include <vector>

namespace dayvane {

class Database;
struct ReportRow;

// The report database and its scratch copy, in the workstation's own
// folder (beside "QZ.ini"): it is rewritten by every report, so it must be
// writable even when the program's folder is not.
inline const QString kReportDatabaseName = QStringLiteral("QZX.mdb");
inline const QString kReportScratchName = QStringLiteral("QZX.tmp");
QString report_database_path();

// Error source of a failure while preparing or writing the report rows.
inline const QString kReportSource = QStringLiteral("print_calendar");

// Empties T000 of the report database at `path` and compacts the file, in
// numbered steps: 1 open, 2 delete the rows, 3 compact into the scratch
// copy beside it, 4 copy that back, 5 open again. A missing file is created
// with an empty T000 first. Returns the open database; then each row
// written by write_report_rows() takes the next step number. Throws DbError.
Database prepare_report_database(const QString &path);

// Adds `rows` to T000 in order, all or none; the step number counts on from
// the preparation's last step.
void write_report_rows(Database &db, const std::vector<ReportRow> &rows);

} // namespace dayvane
