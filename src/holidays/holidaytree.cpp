#include "holidays/holidaytree.h"

#include "ui_common/geometry.h"
#include "ui_common/menutree.h"

#include <QCollator>
#include <QCoreApplication>
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

// A list node's full name, and whether the filter's text is in it.
constexpr int kListNameRole = Qt::UserRole + 1;
constexpr int kMatchedRole = Qt::UserRole + 2;

// Between a country and its region in a list's name.
constexpr QStringView kRegionDash = u" \u2014 ";

struct ListName
{
    QString country;
    QString region;  // empty for a nationwide list
};

// A nationwide list may carry the country's local name after it ("Germany
// (Deutschland)") where its regions' names do not ("Germany — Bavaria"), so
// the country is named without it.
ListName split_list_name(const QString &name)
{
    const qsizetype dash = name.indexOf(kRegionDash);
    if (dash < 0) {
        const qsizetype local = name.indexOf(QStringLiteral(" ("));
        return {(local > 0 && name.endsWith(u')') ? name.left(local) : name).trimmed(), QString()};
    }
    return {name.left(dash).trimmed(), name.mid(dash + kRegionDash.size()).trimmed()};
}

// The countries' nodes in the order build_holiday_tree promises, each
// region under its country's nationwide list when there is one.
QList<QTreeWidgetItem *> group_by_country(const QList<QTreeWidgetItem *> &nodes)
{
    struct Entry
    {
        QTreeWidgetItem *node;
        int country;  // the rank of the country's first list in the table
        ListName name;
    };
    QHash<QString, int> countries;
    std::vector<Entry> entries;
    entries.reserve(size_t(nodes.size()));
    for (QTreeWidgetItem *node : nodes) {
        ListName name = split_list_name(node->data(0, kListNameRole).toString());
        const int rank = countries.value(name.country, int(countries.size()));
        countries.insert(name.country, rank);
        entries.push_back({node, rank, std::move(name)});
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        if (a.country != b.country)
            return a.country < b.country;
        if (a.name.region.isEmpty() || b.name.region.isEmpty())
            return a.name.region.isEmpty() && !b.name.region.isEmpty();
        return collator.compare(a.name.region, b.name.region) < 0;
    });
    // Shown under its country, a region's node needs only the region's name:
    // the full names of a country's regions differ only at their ends, which a
    // narrow tree cuts off.
    QList<QTreeWidgetItem *> top;
    QTreeWidgetItem *nationwide = nullptr;
    int nationwide_country = -1;
    for (const Entry &entry : entries) {
        if (entry.name.region.isEmpty()) {
            nationwide = entry.node;
            nationwide_country = entry.country;
            top.append(entry.node);
        } else if (nationwide && nationwide_country == entry.country) {
            entry.node->setText(0, entry.name.region);
            nationwide->addChild(entry.node);
        } else {
            top.append(entry.node);
        }
    }
    return top;
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
        item->setData(0, kListNameRole, country.name);
        item->setData(0, kMatchedRole, true);
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
    return group_by_country(nodes);
}

} // namespace

void build_holiday_tree(QTreeWidget *tree, const HolidayTables *tables)
{
    // Painting and the header's sizing would follow every insertion.
    tree->setUpdatesEnabled(false);
    build_menu(tree, {
                         MenuNode{QStringLiteral("close"), QCoreApplication::translate("dayvane", "Close window"), QString(), false, kCloseNodeColour},
                         MenuNode{QStringLiteral("apply"), QCoreApplication::translate("dayvane", "Apply selection"), QString(), false, Qt::black},
                         MenuNode{QStringLiteral("ics_file"), QCoreApplication::translate("dayvane", "Open iCalendar file"), QString(), false, Qt::black},
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
    const auto matches = [&](const QTreeWidgetItem *node) {
        return node->data(0, kListNameRole).toString().contains(wanted, Qt::CaseInsensitive);
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *node = tree->topLevelItem(i);
        if (!is_holiday_list_node(node))
            continue;
        const bool whole = matches(node);
        bool any_region = false;
        for (int j = 0; j < node->childCount(); ++j) {
            QTreeWidgetItem *child = node->child(j);
            if (!is_holiday_list_node(child))
                continue;
            const bool shown = whole || matches(child);
            child->setHidden(!shown);
            any_region = any_region || shown;
        }
        node->setHidden(!whole && !any_region);
        node->setData(0, kMatchedRole, whole);
    }
}

bool is_holiday_list_node(const QTreeWidgetItem *node)
{
    return node->data(0, Qt::UserRole).toString().startsWith(u'C');
}

QTreeWidgetItem *first_found_list(QTreeWidget *tree)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *node = tree->topLevelItem(i);
        if (!is_holiday_list_node(node) || node->isHidden())
            continue;
        if (node->data(0, kMatchedRole).toBool())
            return node;
        for (int j = 0; j < node->childCount(); ++j) {
            if (is_holiday_list_node(node->child(j)) && !node->child(j)->isHidden())
                return node->child(j);
        }
    }
    return nullptr;
}

QString holiday_list_name(const QTreeWidgetItem *node)
{
    return node->data(0, kListNameRole).toString();
}

qint32 holiday_node_id(const QString &key)
{
    bool ok = false;
    const qint32 id = key.mid(1).toInt(&ok);
    return ok ? id : 0;
}

} // namespace dayvane
