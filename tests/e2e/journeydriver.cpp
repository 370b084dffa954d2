#include "journeydriver.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRegularExpression>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

namespace dayvane::e2e {

using test::find_indexed;

namespace {

QString file_safe(QString name)
{
    return name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
}

} // namespace

const JourneySettings &settings()
{
    static const JourneySettings read{
        qEnvironmentVariable("DAYVANE_E2E_PHASE"),
        qEnvironmentVariable("DAYVANE_E2E_OUTPUT"),
        qEnvironmentVariable("DAYVANE_E2E_DATABASE"),
        qEnvironmentVariable("DAYVANE_E2E_SYSTEM_PASSWORD"),
        qEnvironmentVariable("DAYVANE_E2E_SCREENSHOTS"),
    };
    return read;
}

void snap(const QString &step)
{
    static int taken = 0;
    if (settings().screenshots.isEmpty())
        return;
    ++taken;
    const QDir folder(settings().screenshots);
    // The program's own window first, then the windows over it.
    QWidgetList windows = QApplication::topLevelWidgets();
    std::stable_sort(windows.begin(), windows.end(), [](const QWidget *a, const QWidget *b) {
        return a->objectName() == QLatin1String("calendar") && b->objectName() != QLatin1String("calendar");
    });
    for (QWidget *window : windows) {
        if (!window->isVisible() || window->windowType() == Qt::ToolTip || window->windowType() == Qt::Popup)
            continue;
        QString name = QStringLiteral("%1-%2").arg(taken, 2, 10, QLatin1Char('0')).arg(step);
        if (window->objectName() != QLatin1String("calendar"))
            name += u'-' + (window->objectName().isEmpty() ? QStringLiteral("window") : window->objectName());
        EXPECT_TRUE(window->grab().save(folder.filePath(file_safe(name) + QStringLiteral(".png"))))
            << name.toStdString();
    }
}

void run_node(QWidget &window, const QString &key, int tree_index)
{
    QTreeWidget *tree = find_indexed<QTreeWidget>(window, QStringLiteral("menu_tree"), tree_index);
    ASSERT_NE(tree, nullptr);
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == key) {
            tree->setCurrentItem(*it);
            QTest::keyClick(tree, Qt::Key_Return);
            return;
        }
    }
    FAIL() << "no menu node " << key.toStdString();
}

QTreeWidgetItem *menu_node_by_text(QWidget &window, const QString &text, const QString &parent_text)
{
    auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("menu_tree"));
    if (!tree)
        return nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->text(0) == text
            && (parent_text.isEmpty() || ((*it)->parent() && (*it)->parent()->text(0) == parent_text)))
            return *it;
    }
    return nullptr;
}

QString label_text(QWidget &window, const QString &name, int index)
{
    const QLabel *label = find_indexed<QLabel>(window, name, index);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

QString cell_text(QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid ? grid->item(row, column) : nullptr;
    return item ? item->text() : QString();
}

int row_with(QTableWidget *grid, int column, const QString &text)
{
    for (int row = 0; grid && row < grid->rowCount(); ++row) {
        if (cell_text(grid, row, column) == text)
            return row;
    }
    return -1;
}

void click_cell(QTableWidget *grid, int row, int column)
{
    ASSERT_NE(grid, nullptr);
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
}

QString month_shown(QWidget &main_window)
{
    auto *month = main_window.findChild<QTreeWidget *>(QStringLiteral("calendar_month_tree"));
    return month && month->topLevelItemCount() > 0 ? month->topLevelItem(0)->text(0) : QString();
}

void click_date(QWidget &main_window, QDate date, bool twice)
{
    auto *calendar = main_window.findChild<QCalendarWidget *>(QStringLiteral("calendar"));
    ASSERT_NE(calendar, nullptr);
    auto *view = calendar->findChild<QTableView *>();
    ASSERT_NE(view, nullptr);
    // Row 0 holds the day names; the first "1" in the grid is the 1st of the
    // month shown (the days before it belong to the month before).
    const QAbstractItemModel *model = view->model();
    int first = -1;
    for (int position = 0; position < 14 && first < 0; ++position) {
        if (model->index(1 + position / 7, position % 7).data().toString() == QLatin1String("1"))
            first = position;
    }
    ASSERT_GE(first, 0);
    const int position = first + date.day() - 1;
    const QModelIndex cell = model->index(1 + position / 7, position % 7);
    ASSERT_EQ(cell.data().toString(), QString::number(date.day()));
    const QPoint centre = view->visualRect(cell).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

int minutes_of(const QString &duration)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+)h (\\d+)m$"));
    const QRegularExpressionMatch match = form.match(duration.trimmed());
    return match.hasMatch() ? match.captured(1).toInt() * 60 + match.captured(2).toInt() : -1;
}

QString duration_text(int minutes)
{
    return QStringLiteral("%1h %2m").arg(minutes / 60).arg(minutes % 60);
}

} // namespace dayvane::e2e
