#include "holidays/holidaytree.h"

#include "ui_common/geometry.h"
#include "ui_common/menutree.h"

#include <QCollator>
#include <QHash>
#include <QSet>
#include <QTextDocument>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

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

// Between a country and its region in a list's name.
constexpr QStringView kRegionDash = u" \u2014 ";

// The countries' nodes in the order build_holiday_tree promises.
void group_by_country(QList<QTreeWidgetItem *> &nodes)
{
    struct Entry
    {
        QTreeWidgetItem *node;
        int country;     // the rank of the country's first list in the table
        QString region;  // empty for a nationwide list
    };
    QHash<QString, int> countries;
    std::vector<Entry> entries;
    entries.reserve(size_t(nodes.size()));
    for (QTreeWidgetItem *node : nodes) {
        const QString name = node->text(0);
        const qsizetype dash = name.indexOf(kRegionDash);
        const QString country = (dash < 0 ? name : name.left(dash)).trimmed();
        const int rank = countries.value(country, int(countries.size()));
        countries.insert(country, rank);
        entries.push_back({node, rank, dash < 0 ? QString() : name.mid(dash + kRegionDash.size()).trimmed()});
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        if (a.country != b.country)
            return a.country < b.country;
        if (a.region.isEmpty() || b.region.isEmpty())
            return a.region.isEmpty() && !b.region.isEmpty();
        return collator.compare(a.region, b.region) < 0;
    });
    for (qsizetype i = 0; i < nodes.size(); ++i)
        nodes[i] = entries[size_t(i)].node;
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
        // A long name is cut short by the tree's width, so the tooltip shows
        // it whole. A tooltip would read markup in a received name, so it
        // gets the name as plain text.
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
    group_by_country(nodes);
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
                         MenuNode{QStringLiteral("ics_file"), QStringLiteral("Open iCalendar file"), QString(), false, Qt::black},
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

void filter_holiday_tree(QTreeWidget *tree, const QString &text)
{
    const QString wanted = text.trimmed();
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *node = tree->topLevelItem(i);
        if (is_holiday_list_node(node))
            node->setHidden(!node->text(0).contains(wanted, Qt::CaseInsensitive));
    }
}

bool is_holiday_list_node(const QTreeWidgetItem *node)
{
    return !node->parent() && node->data(0, Qt::UserRole).toString().startsWith(u'C');
}

qint32 holiday_node_id(const QString &key)
{
    bool ok = false;
    const qint32 id = key.mid(1).toInt(&ok);
    return ok ? id : 0;
}

} // namespace dayvane
