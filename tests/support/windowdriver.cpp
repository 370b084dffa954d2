#include "windowdriver.h"

#include "scriptedinteraction.h"

#include "store/connection.h"
#include "store/recordset.h"
#include "ui_common/appstate.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/menutree.h"
#include "users/passwords.h"

#include <QDialog>
#include <QFrame>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QTableWidget>
#include <QTreeWidget>

namespace dayvane::test {

QTableWidget *grid(QWidget &window) { return window.findChild<QTableWidget *>(QStringLiteral("grid")); }

QString cell_text(QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid ? grid->item(row, column) : nullptr;
    return item ? item->text() : QString();
}

QStringList column_texts(QTableWidget *grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (row_data(grid, row) != 0)
            texts << cell_text(grid, row, column);
    }
    return texts;
}

bool frame_shown(QWidget &window, int index)
{
    const QFrame *frame = find_indexed<QFrame>(window, QStringLiteral("frame"), index);
    return frame && frame->isVisible();
}

void type_into(QWidget &window, const QString &box, const QString &text, int index)
{
    QLineEdit *edit = find_indexed<QLineEdit>(window, box, index);
    ASSERT_NE(edit, nullptr) << box.toStdString();
    edit->clear();
    QTest::keyClicks(edit, text);
}

void retype(QWidget &window, const QString &box, const QString &text)
{
    auto *edit = window.findChild<QLineEdit *>(box);
    ASSERT_NE(edit, nullptr) << box.toStdString();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void run_node(QWidget &window, const QString &key, int tree_index)
{
    QTreeWidget *tree = find_indexed<QTreeWidget>(window, QStringLiteral("menu_tree"), tree_index);
    ASSERT_NE(tree, nullptr);
    QTreeWidgetItem *node = find_menu_node(tree, key);
    ASSERT_NE(node, nullptr) << key.toStdString();
    tree->setCurrentItem(node);
    QTest::keyClick(tree, Qt::Key_Return);
}

void select_user_row(QWidget &window, qint64 user_id)
{
    QTableWidget *table = grid(window);
    for (int row = 0; row < table->rowCount(); ++row) {
        if (row_data(table, row) == user_id)
            return table->setCurrentCell(row, 0);
    }
    FAIL() << "no row for user " << user_id;
}

QTableWidget *select_calendar_row(QWidget &window, const QString &name, const QString &year)
{
    QTableWidget *table = grid(window);
    for (int row = 0; row < table->rowCount() && row_data(table, row) != 0; ++row) {
        if (table->item(row, 0)->text() == name && table->item(row, 1)->text() == year) {
            table->setCurrentCell(row, 0);
            return table;
        }
    }
    ADD_FAILURE() << "no row " << name.toStdString() << " " << year.toStdString();
    return table;
}

void answer_system_password(ScriptedInteraction &user, const QString &password)
{
    user.on_window(QStringLiteral("system_password"), [password](QDialog &window) {
        if (!password.isEmpty()) {
            type_into(window, QStringLiteral("password"), password, 0);
            run_node(window, QStringLiteral("accept_password"), 0);
        }
        window.close();
    });
}

ConnectedDatabase::ConnectedDatabase(Backend backend)
    : file(backend)
{
    app_state() = AppState();
    sample = fill_sample(file.db());
    file.close();
    app_state().database.emplace(open_existing_database(file.workstation_path()));
    app_state().db_connected = true;
}

Database &ConnectedDatabase::owner()
{
    if (file.path() == file.workstation_path())
        return *app_state().database;
    if (!m_owner)
        m_owner.emplace(open_existing_database(file.path()));
    return *m_owner;
}

ConnectedDatabase::~ConnectedDatabase() { app_state() = AppState(); }

void store_system_password(Database &db, const QString &password)
{
    RecordSet variables = RecordSet::open(db, QStringLiteral("SELECT Q011.* FROM Q011;"));
    if (variables.record_count() > 0) {
        variables.edit();
    } else {
        variables.add_new();
        variables.set_field(QStringLiteral("Variable"), QStringLiteral("System password"));
    }
    variables.set_field(QStringLiteral("Value"), *scramble_password(password));
    variables.update();
}

void store_user_password(Database &db, qint64 user_id, const QString &password)
{
    RecordSet user = RecordSet::open(db, QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q017.* FROM Q017;").arg(user_id));
    user.edit();
    user.set_field(QStringLiteral("password"), *scramble_password(password));
    user.update();
}

namespace {

void model_pairs(const QAbstractItemView &view, const QModelIndex &parent, std::vector<ColourPair> &pairs)
{
    const QAbstractItemModel *model = view.model();
    for (int row = 0; row < model->rowCount(parent); ++row) {
        for (int column = 0; column < model->columnCount(parent); ++column) {
            const QModelIndex index = model->index(row, column, parent);
            const QVariant text = index.data(Qt::ForegroundRole), background = index.data(Qt::BackgroundRole);
            if (text.isValid() || background.isValid()) {
                pairs.push_back({view.objectName() + u'/' + index.data().toString(),
                                 text.isValid() ? text.value<QBrush>().color() : view.palette().color(QPalette::Text),
                                 background.isValid() ? background.value<QBrush>().color()
                                                      : view.palette().color(QPalette::Base)});
            }
            if (column == 0)
                model_pairs(view, index, pairs);
        }
    }
}

} // namespace

std::vector<ColourPair> colour_pairs(QWidget &window)
{
    std::vector<ColourPair> pairs;
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> roles[] = {
        {QPalette::Text, QPalette::Base}, {QPalette::WindowText, QPalette::Window},
        {QPalette::HighlightedText, QPalette::Highlight}};
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    for (QWidget *widget : widgets) {
        if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model() && !qobject_cast<QHeaderView *>(view))
            model_pairs(*view, QModelIndex(), pairs);
        const QPalette palette = widget->palette();
        for (const auto &[text, background] : roles) {
            if (widget->testAttribute(Qt::WA_SetPalette)
                && (palette.isBrushSet(QPalette::Active, text) || palette.isBrushSet(QPalette::Active, background)))
                pairs.push_back({widget->objectName(), palette.color(text), palette.color(background)});
        }
    }
    return pairs;
}

} // namespace dayvane::test
