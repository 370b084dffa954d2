#pragma once

#include "ui_common/menutree.h"

#include <QStringList>

#include <vector>

namespace dayvane {

// The main window's command nodes, in the order they are added.
std::vector<MenuNode> main_menu_nodes();

// The headings that start expanded; all others start collapsed.
QStringList main_menu_expanded_headings();

} // namespace dayvane
