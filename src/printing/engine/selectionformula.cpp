#include "printing/engine/selectionformula.h"

#include "printing/engine/reportdata.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace dayvane {

bool SelectionFormula::selects(const ReportRow &row) const
{
    return !page || row.page == page;
}

SelectionResult parse_selection_formula(const QString &text)
{
    if (text.trimmed().isEmpty())
        return {SelectionFormula{}, QString()};
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*\{\s*T000\s*\.\s*Page\s*\}\s*=\s*([+-]?\d{1,9})\s*$)"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return {std::nullopt, QCoreApplication::translate("dayvane", "Unreadable selection formula: %1").arg(text)};
    return {SelectionFormula{match.captured(1).toInt()}, QString()};
}

std::vector<ReportRow> select_rows(const std::vector<ReportRow> &rows, const SelectionFormula &formula)
{
    std::vector<ReportRow> selected;
    selected.reserve(rows.size());
    for (const ReportRow &row : rows)
        if (formula.selects(row))
            selected.push_back(row);
    return selected;
}

} // namespace dayvane
