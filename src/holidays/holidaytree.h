#pragma once

#include "holidays/holidayreply.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace dayvane {

// Fills the holiday window's command tree, clearing it first: "close"
// ("Close window", blue), "apply" ("Apply selection") and "ics_file" ("Open
// iCalendar file"); then, when
// `tables` is given and its first country has an id above 0, each country as
// a bold top-level node keyed "C" + id with the country's name and its full
// name as tooltip, and under it each of its years, in table order, keyed
// "Y" + year list id with the year as text. A year whose country is not
// listed, and a country or year whose key repeats an earlier one, are left
// out. Countries start closed. The tree is painted in the dialog windows'
// menu colour. Takes time in proportion to the number of records.
//
// The lists of one country stay together: a name "Germany — Bavaria" (an em
// dash between blanks) is a region of the list "Germany". Countries keep the
// table order of their first list; a country's regions are nodes under its
// nationwide list, after its years, alphabetically (in the user's locale,
// any case), each showing the region's name only ("Bavaria") with the full
// name as tooltip. Regions of a country without a nationwide list stay
// together at the top level under their full names.
void build_holiday_tree(QTreeWidget *tree, const HolidayTables *tables);

// Shows only the lists whose full name holds `text` (blanks at its ends
// ignored) in any case, all of them for an empty text; a country whose
// regions match stays shown with those regions only. The commands and the
// years of a shown list stay.
void filter_holiday_tree(QTreeWidget *tree, const QString &text);

// True for a list node (a country or a region) as opposed to a command or a
// year.
bool is_holiday_list_node(const QTreeWidgetItem *node);

// The first list the filter found, in tree order: a shown top-level list
// whose own name matched, or else its first shown region; nullptr when none.
QTreeWidgetItem *first_found_list(QTreeWidget *tree);

// A list node's full name ("Germany — Bavaria"), whatever the node shows.
QString holiday_list_name(const QTreeWidgetItem *node);

// The number after the key's one-letter prefix ("C12" gives 12); 0 when
// there is none.
qint32 holiday_node_id(const QString &key);

} // namespace dayvane
