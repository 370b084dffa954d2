#pragma once

#include <QString>

class QWidget;

namespace dayvane {

class DbError;

// Shows a failed database operation: "Error:", its number, description and
// source, and the step it had reached as "Location". The operation that
// calls it ends without further change.
void report_error(qint64 number, const QString &description, const QString &source, int step);
// The same for a caught DbError, at the current step number.
void report_error(const DbError &error);

} // namespace dayvane
