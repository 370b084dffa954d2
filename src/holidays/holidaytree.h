#pragma once

#include "holidays/holidayreply.h"

class QTreeWidget;

namespace dayvane {

// Fills the holiday window's command tree, clearing it first: "close"
// ("Close window", blue) and "apply" ("Apply selection"); then, when
// `tables` is given and its first country has an id above 0, each country as
// a bold top-level node keyed "C" + id with the country's name, and under it
// each of its years, in table order, keyed "Y" + year list id with the year
// as text. A year whose country is not listed, and a country or year whose
// key repeats an earlier one, are left out. Countries start closed. The tree
// is painted in the dialog windows' menu colour. Takes time in proportion to
// the number of records.
void build_holiday_tree(QTreeWidget *tree, const HolidayTables *tables);

// The number after the key's one-letter prefix ("C12" gives 12); 0 when
// there is none.
qint32 holiday_node_id(const QString &key);

} // namespace dayvane
