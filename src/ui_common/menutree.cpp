#include "ui_common/menutree.h"

#include "ui_common/geometry.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace dayvane {

namespace {

// Enter and Return on the tree run the command of the selected node.
class EnterKeyFilter : public QObject
{
public:
    EnterKeyFilter(QTreeWidget *tree, std::function<void()> run)
        : QObject(tree)
        , m_run(std::move(run))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_run();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_run;
};

} // namespace

void build_menu(QTreeWidget *tree, const std::vector<MenuNode> &nodes)
{
    tree->clear();
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    for (const MenuNode &node : nodes) {
        QTreeWidgetItem *parent = node.parent.isEmpty() ? nullptr : find_menu_node(tree, node.parent);
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, node.text);
        // The trees are narrow and elide long commands; the tip shows them whole.
        item->setToolTip(0, node.text);
        item->setData(0, Qt::UserRole, node.key);
        item->setForeground(0, node.colour);
        if (node.heading) {
            QFont font = item->font(0);
            font.setBold(true);
            item->setFont(0, font);
        }
    }
}

QTreeWidgetItem *find_menu_node(QTreeWidget *tree, const QString &key)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == key)
            return *it;
    }
    return nullptr;
}

QString selected_menu_key(QTreeWidget *tree)
{
    const QList<QTreeWidgetItem *> selected = tree->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->data(0, Qt::UserRole).toString();
}

void connect_menu(QTreeWidget *tree, MenuStyle style, std::function<void()> process_menu)
{
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setExpandsOnDoubleClick(false);
    auto run_selected = [tree, process_menu] {
        if (!tree->selectedItems().isEmpty())
            process_menu();
    };
    QObject::connect(tree, &QTreeWidget::itemClicked, tree, [tree, style, run_selected](QTreeWidgetItem *item) {
        if (style == MenuStyle::Headings && item->childCount() > 0) {
            item->setExpanded(!item->isExpanded());
            return;
        }
        // The click selects before it is reported; be sure it did.
        tree->setCurrentItem(item);
        run_selected();
    });
    tree->installEventFilter(new EnterKeyFilter(tree, run_selected));
}

void set_tree_back_colour(QTreeWidget *tree, const QColor &colour)
{
    QPalette palette = tree->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    tree->setPalette(palette);
    tree->setAutoFillBackground(true);
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        (*it)->setBackground(0, colour);
    tree->viewport()->update();
}

} // namespace dayvane

namespace dayvane {

QTreeWidget *make_menu_tree(const std::vector<MenuNode> &nodes, MenuStyle style, std::function<void()> process_menu)
{
    auto *tree = new QTreeWidget;
    tree->setObjectName(QStringLiteral("menu_tree"));
    build_menu(tree, nodes);
    if (style == MenuStyle::Flat) {
        tree->setRootIsDecorated(false);
        // A short list needs no more room than its rows.
        tree->setMaximumHeight(tree->fontMetrics().height() * int(nodes.size() + 1) + 8);
    } else {
        tree->expandAll();
    }
    set_tree_back_colour(tree, colour_from_number(kMenuTreeColour));
    connect_menu(tree, style, std::move(process_menu));
    return tree;
}

} // namespace dayvane
