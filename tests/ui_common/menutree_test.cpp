#include "ui_common/menutree.h"

#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

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

TEST(MenuTree, HeadingsToggleAndCommandsRun)
{
    QTreeWidget tree;
    build_menu(&tree, {{"close", "Close", {}, false, kCloseNodeColour}, {"group", "Group", {}, true},
                       {"run", "Run", "group"}, {"other", "Other", "group"}});
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

    // Enter with nothing selected runs nothing.
    QTest::keyClick(&tree, Qt::Key_Return);
    EXPECT_TRUE(ran.isEmpty());

    click(tree, QStringLiteral("group"));
    EXPECT_FALSE(group->isExpanded());
    click(tree, QStringLiteral("group"));
    EXPECT_TRUE(group->isExpanded());
    EXPECT_TRUE(ran.isEmpty());

    click(tree, QStringLiteral("run"));
    EXPECT_EQ(ran, QStringList{QStringLiteral("run")});
    // Enter on a heading hands its key on; no command carries it.
    tree.setCurrentItem(group);
    QTest::keyClick(&tree, Qt::Key_Return);
    EXPECT_EQ(ran, QStringList({QStringLiteral("run"), QStringLiteral("group")}));

    set_tree_back_colour(&tree, QColor(211, 240, 193));
    EXPECT_EQ(tree.palette().color(QPalette::Base), QColor(211, 240, 193));
    EXPECT_EQ(find_menu_node(&tree, QStringLiteral("other"))->background(0).color(), QColor(211, 240, 193));
}

TEST(MenuTree, AFlatListRunsOnEveryClick)
{
    QTreeWidget tree;
    build_menu(&tree, {{"close", "Close", {}}, {"save", "Save", {}}});
    QStringList ran;
    connect_menu(&tree, MenuStyle::Flat, [&] { ran << selected_menu_key(&tree); });
    tree.resize(300, 200);
    tree.show();
    for (const char *key : {"save", "save", "close"})
        click(tree, QLatin1String(key));
    EXPECT_EQ(ran, QStringList({QStringLiteral("save"), QStringLiteral("save"), QStringLiteral("close")}));
}
