#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace dayvane {

struct ReportRow;

// Which rows of T000 a report shows: every row, or the rows of one page.
struct SelectionFormula
{
    std::optional<int> page;  // nullopt: every row

    bool selects(const ReportRow &row) const;
};

struct SelectionResult
{
    std::optional<SelectionFormula> formula;
    QString error;  // "Unreadable selection formula: ..." when there is none
};

// Reads "{T000.Page} = <integer>" (blanks anywhere between the parts) or the
// empty text (every row). Anything else gives an error, never an exception.
SelectionResult parse_selection_formula(const QString &text);

// The rows that `formula` selects, in their order.
std::vector<ReportRow> select_rows(const std::vector<ReportRow> &rows, const SelectionFormula &formula);

} // namespace dayvane
