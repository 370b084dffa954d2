#include "ui_common/menutree.h"

#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace dayvane;

namespace {

// Clicks the node as the user does.
void click(QTreeWidget &tree, const QString &key)
{
    QTreeWidgetItem *item = find_menu_node(&tree, key);
    ASSERT_NE(item, nullptr) << key.toStdString();
    tree.scrollToItem(item);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
}

} // namespace

TEST(MenuTree, HeadingsToggleAndCommandsRunOnEveryClickOrEnterAndAFlatListRunsEveryNode)
{
    const std::vector<MenuNode> nodes{{"close", "Close", {}, false, kCloseNodeColour}, {"group", "Group", {}, true},
                                      {"run", "Run", "group"}, {"other", "Other", "group"}};
    QTreeWidget tree;
    build_menu(&tree, nodes);
    QStringList ran;
    connect_menu(&tree, MenuStyle::Headings, [&] { ran << selected_menu_key(&tree); });
    QTreeWidgetItem *group = find_menu_node(&tree, QStringLiteral("group"));
    group->setExpanded(true);
    tree.resize(300, 300);
    tree.show();
    EXPECT_EQ(tree.topLevelItemCount(), 2);
    EXPECT_EQ(group->childCount(), 2);
    EXPECT_TRUE(group->font(0).bold());
    EXPECT_EQ(find_menu_node(&tree, QStringLiteral("close"))->foreground(0).color(), QColor(0, 0, 255));

    // Enter with nothing selected runs nothing; a click on a heading toggles it.
    QTest::keyClick(&tree, Qt::Key_Return);
    click(tree, QStringLiteral("group"));
    EXPECT_FALSE(group->isExpanded());
    click(tree, QStringLiteral("group"));
    EXPECT_TRUE(group->isExpanded());
    EXPECT_TRUE(ran.isEmpty());
    click(tree, QStringLiteral("run"));
    click(tree, QStringLiteral("run"));
    // Enter on a heading hands its key on; no command carries it.
    tree.setCurrentItem(group);
    QTest::keyClick(&tree, Qt::Key_Return);
    EXPECT_EQ(ran, QStringList({QStringLiteral("run"), QStringLiteral("run"), QStringLiteral("group")}));

    // The dialog windows' flat list, in their colour: a click on a heading runs it too.
    ran.clear();
    const std::unique_ptr<QTreeWidget> flat(
        make_menu_tree(nodes, MenuStyle::Flat, [&] { ran << selected_menu_key(flat.get()); }));
    flat->resize(300, 200);
    flat->show();
    EXPECT_EQ(flat->palette().color(QPalette::Base), QColor(211, 240, 193));
    EXPECT_EQ(find_menu_node(flat.get(), QStringLiteral("other"))->background(0).color(), QColor(211, 240, 193));
    click(*flat, QStringLiteral("group"));
    click(*flat, QStringLiteral("close"));
    EXPECT_EQ(ran, QStringList({QStringLiteral("group"), QStringLiteral("close")}));
}
