#pragma once

#include <QColor>
#include <QKeySequence>
#include <QString>

#include <functional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace dayvane {

// One command node of a window's menu tree. Heading nodes are bold and group
// commands; the key is the command's identifier, kept in Qt::UserRole.
struct MenuNode
{
    QString key;
    QString text;
    QString parent;  // empty: a top-level node
    bool heading = false;
    QColor colour = Qt::black;
};

// The menu trees' background in the dialog windows, red 211 green 240 blue 193.
inline constexpr quint32 kMenuTreeColour = 12710099;
// The blue of "close" nodes.
inline const QColor kCloseNodeColour = QColor(0, 0, 255);

// Fills `tree` with `nodes` in order; a child goes last under its parent.
// Each node tells a screen reader whether it is a "Command" or a "Heading";
// an unnamed tree is named "Commands".
void build_menu(QTreeWidget *tree, const std::vector<MenuNode> &nodes);

QTreeWidgetItem *find_menu_node(QTreeWidget *tree, const QString &key);
// Shows `shortcut` beside the node `key` (its tip and accessible
// description too); the window binds the keys itself.
void show_menu_shortcut(QTreeWidget *tree, const QString &key, const QKeySequence &shortcut);
// The shortcut shown beside a node, as the desktop writes it; empty for none.
QString menu_node_shortcut(QTreeWidgetItem *node);
// The key of the selected node; empty when nothing is selected.
QString selected_menu_key(QTreeWidget *tree);

enum class MenuStyle { Headings, Flat };

// The menu convention: a click on a heading (a node with children) opens or
// closes it and runs nothing; a click on a command, or Enter on any node,
// runs `process_menu`, which reads the selected key. In a flat list a click
// runs `process_menu` directly. Nothing runs while no node is selected.
void connect_menu(QTreeWidget *tree, MenuStyle style, std::function<void()> process_menu);

// Keeps `tree` wide enough to show every node's text whole, open or closed,
// and never narrower than `design` pixels, following its texts as they change
// (a larger font, a longer language, a command renamed by the window).
void keep_menu_tree_fitted(QTreeWidget *tree, int design);
int menu_tree_width(const QTreeWidget *tree, int design);

// Paints the tree's background and every node's in `colour`, and pairs
// each node's text colour with it again (see set_node_colour).
void set_tree_back_colour(QTreeWidget *tree, const QColor &colour);

// Gives `item` the text colour `colour`, darkened or lightened where needed
// so that it reads on the node's background (its own, else the tree's).
void set_node_colour(QTreeWidgetItem *item, const QColor &colour);

// A dialog window's command tree "menu_tree": built from `nodes`, painted in
// kMenuTreeColour and following the menu convention. Headings start open.
QTreeWidget *make_menu_tree(const std::vector<MenuNode> &nodes, MenuStyle style, std::function<void()> process_menu);

} // namespace dayvane
