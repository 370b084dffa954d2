#pragma once

#include "ui_common/menutree.h"

#include <QKeySequence>
#include <QStringList>

#include <utility>
#include <vector>

namespace dayvane {

// The main window's command nodes, in the order they are added.
std::vector<MenuNode> main_menu_nodes();

// The nodes' keyboard shortcuts; a heading's opens it with its first
// command selected.
std::vector<std::pair<QString, QKeySequence>> main_menu_shortcuts();

// The headings that start expanded; all others start collapsed.
QStringList main_menu_expanded_headings();

} // namespace dayvane
