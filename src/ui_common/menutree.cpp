#include "ui_common/menutree.h"

#include "ui_common/geometry.h"
#include "ui_common/readablecolour.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

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

constexpr int kShortcutRole = Qt::UserRole + 1;
// The colour a node asked for, before pairing it with its background.
constexpr int kWantedColourRole = Qt::UserRole + 2;

QColor node_background(const QTreeWidgetItem *item)
{
    const QBrush own = item->background(0);
    if (own.style() != Qt::NoBrush)
        return own.color();
    return item->treeWidget() ? item->treeWidget()->palette().color(QPalette::Base) : QColor(Qt::white);
}

// What a screen reader says a node is, after its text: a command that Enter
// runs or a heading that groups commands, with its shortcut if it has one.
QString spoken_kind(const QTreeWidgetItem *item, const QString &shortcut)
{
    const QString kind = item->font(0).bold() ? QCoreApplication::translate("dayvane", "Heading")
                                              : QCoreApplication::translate("dayvane", "Command");
    return shortcut.isEmpty() ? kind : QCoreApplication::translate("dayvane", "%1, %2").arg(kind, shortcut);
}

// Draws a node's shortcut at the right of its row, its text elided before it.
class ShortcutDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QString shortcut = index.data(kShortcutRole).toString();
        if (shortcut.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QWidget *widget = item.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        const int margins = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) * 2 + 2;
        const int room = item.fontMetrics.horizontalAdvance(shortcut) + item.fontMetrics.averageCharWidth() * 2;
        item.text = item.fontMetrics.elidedText(item.text, Qt::ElideRight, std::max(0, item.rect.width() - room - margins));
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
        // The row's own text colour: the shortcut reads as well as the command.
        const bool selected = item.state & QStyle::State_Selected;
        painter->save();
        painter->setFont(item.font);
        painter->setPen(selected ? item.palette.color(QPalette::HighlightedText)
                                 : index.data(Qt::ForegroundRole).value<QBrush>().color());
        painter->drawText(item.rect.adjusted(0, 0, -item.fontMetrics.averageCharWidth(), 0),
                          Qt::AlignRight | Qt::AlignVCenter, shortcut);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QString shortcut = index.data(kShortcutRole).toString();
        if (!shortcut.isEmpty())
            size.rwidth() += option.fontMetrics.horizontalAdvance(shortcut) + option.fontMetrics.averageCharWidth() * 2;
        return size;
    }
};

} // namespace

void build_menu(QTreeWidget *tree, const std::vector<MenuNode> &nodes)
{
    tree->clear();
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    if (tree->accessibleName().isEmpty()) {
        tree->setAccessibleName(QCoreApplication::translate("dayvane", "Commands"));
        tree->setAccessibleDescription(
            QCoreApplication::translate("dayvane", "The arrow keys choose a command, Enter runs it"));
    }
    for (const MenuNode &node : nodes) {
        QTreeWidgetItem *parent = node.parent.isEmpty() ? nullptr : find_menu_node(tree, node.parent);
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, node.text);
        // The trees are narrow and elide long commands; the tip shows them whole.
        item->setToolTip(0, node.text);
        item->setData(0, Qt::UserRole, node.key);
        set_node_colour(item, node.colour);
        if (node.heading) {
            QFont font = item->font(0);
            font.setBold(true);
            item->setFont(0, font);
        }
        item->setData(0, Qt::AccessibleDescriptionRole, spoken_kind(item, QString()));
    }
}

int menu_tree_width(const QTreeWidget *tree, int design)
{
    QStyleOptionViewItem option;
    option.initFrom(tree);
    int widest = 0;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(tree)); *it; ++it) {
        int depth = tree->rootIsDecorated() ? 1 : 0;
        for (const QTreeWidgetItem *parent = (*it)->parent(); parent; parent = parent->parent())
            ++depth;
        const QModelIndex index = tree->indexFromItem(*it);
        option.font = (*it)->font(0);
        option.fontMetrics = QFontMetrics(option.font);
        widest = std::max(widest, depth * tree->indentation() + tree->itemDelegate()->sizeHint(option, index).width());
    }
    // Room for a scroll bar, should a short window need one.
    const int scroll_bar = tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tree);
    return std::max(design, widest + 2 * tree->frameWidth() + scroll_bar);
}

void keep_menu_tree_fitted(QTreeWidget *tree, int design)
{
    const auto fit = [tree, design] { tree->setFixedWidth(menu_tree_width(tree, design)); };
    fit();
    // New or changed texts only: removing nodes never needs more room, and
    // the model resets and removes its rows while the tree is being destroyed.
    QAbstractItemModel *model = tree->model();
    QObject::connect(model, &QAbstractItemModel::dataChanged, tree, fit);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, tree, fit);
}

QTreeWidgetItem *find_menu_node(QTreeWidget *tree, const QString &key)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == key)
            return *it;
    }
    return nullptr;
}

void show_menu_shortcut(QTreeWidget *tree, const QString &key, const QKeySequence &shortcut)
{
    QTreeWidgetItem *item = find_menu_node(tree, key);
    const QString keys = shortcut.toString(QKeySequence::NativeText);
    item->setData(0, kShortcutRole, keys);
    item->setToolTip(0, QStringLiteral("%1 (%2)").arg(item->text(0), keys));
    item->setData(0, Qt::AccessibleDescriptionRole, spoken_kind(item, keys));
    if (!dynamic_cast<ShortcutDelegate *>(tree->itemDelegate()))
        tree->setItemDelegate(new ShortcutDelegate(tree));
}

QString menu_node_shortcut(QTreeWidgetItem *node)
{
    return node->data(0, kShortcutRole).toString();
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
    // The text is paired with the background whatever the desktop's theme:
    // a dark theme's light text does not read on a light tree.
    palette.setColor(QPalette::Text, text_colour_on(colour));
    palette.setColor(QPalette::WindowText, text_colour_on(colour));
    tree->setPalette(palette);
    tree->setAutoFillBackground(true);
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        (*it)->setBackground(0, colour);
        const QVariant wanted = (*it)->data(0, kWantedColourRole);
        if (wanted.isValid())
            set_node_colour(*it, wanted.value<QColor>());
    }
    tree->viewport()->update();
}

void set_node_colour(QTreeWidgetItem *item, const QColor &colour)
{
    item->setData(0, kWantedColourRole, colour);
    item->setForeground(0, readable_on(colour, node_background(item)));
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
