#pragma once

#include "store/dberror.h"

#include <QString>

namespace dayvane {

// Shows a failed database operation: "Error:", its number, description and
// source, and the step it had reached as "Location". The operation that
// calls it ends without further change.
void report_error(qint64 number, const QString &description, const QString &source, int step);
// The same for a caught DbError, at the current step number.
void report_error(const DbError &error);

// Runs one database operation at its boundary: a DbError it throws is
// reported and false returned.
template <typename Operation>
bool run_reported(Operation operation)
{
    try {
        operation();
        return true;
    } catch (const DbError &error) {
        report_error(error);
        return false;
    }
}

} // namespace dayvane
