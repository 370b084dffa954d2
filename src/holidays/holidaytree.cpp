#include "holidays/holidaytree.h"

#include "ui_common/geometry.h"
#include "ui_common/menutree.h"

#include <QHash>
#include <QSet>
#include <QTextDocument>
#include <QTreeWidget>

namespace dayvane {

namespace {

QTreeWidgetItem *new_node(const QString &key, const QString &text, const QColor &background)
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, text);
    item->setData(0, Qt::UserRole, key);
    item->setBackground(0, background);
    return item;
}

// The country and year nodes are built apart from the tree and handed over
// in one step: a tree told of each node as it is added does far more work.
QList<QTreeWidgetItem *> country_nodes(const HolidayTables &tables, const QFont &bold, const QColor &background)
{
    QList<QTreeWidgetItem *> nodes;
    QHash<qint32, QTreeWidgetItem *> countries;
    for (const HolidayCountry &country : tables.countries) {
        if (countries.contains(country.id))
            continue;
        QTreeWidgetItem *item = new_node(u'C' + QString::number(country.id), country.name, background);
        item->setFont(0, bold);
        // A long name is cut short by the tree's width. A tooltip would read
        // markup in a received name, so it gets the name as plain text.
        item->setToolTip(0, Qt::convertFromPlainText(country.name));
        countries.insert(country.id, item);
        nodes.append(item);
    }
    QSet<qint32> year_lists;
    for (const HolidayYear &year : tables.years) {
        QTreeWidgetItem *country = countries.value(year.country_id);
        if (!country || year_lists.contains(year.year_list_id))
            continue;
        year_lists.insert(year.year_list_id);
        country->addChild(new_node(u'Y' + QString::number(year.year_list_id), QString::number(year.year), background));
    }
    return nodes;
}

} // namespace

void build_holiday_tree(QTreeWidget *tree, const HolidayTables *tables)
{
    // Painting and the header's sizing would follow every insertion.
    tree->setUpdatesEnabled(false);
    build_menu(tree, {
                         MenuNode{QStringLiteral("close"), QStringLiteral("Close window"), QString(), false, kCloseNodeColour},
                         MenuNode{QStringLiteral("apply"), QStringLiteral("Apply selection"), QString(), false, Qt::black},
                     });
    const QColor background = colour_from_number(kMenuTreeColour);
    set_tree_back_colour(tree, background);
    if (tables && !tables->countries.empty() && tables->countries.front().id > 0) {
        QFont bold = tree->font();
        bold.setBold(true);
        tree->addTopLevelItems(country_nodes(*tables, bold, background));
    }
    tree->setUpdatesEnabled(true);
}

qint32 holiday_node_id(const QString &key)
{
    bool ok = false;
    const qint32 id = key.mid(1).toInt(&ok);
    return ok ? id : 0;
}

} // namespace dayvane
