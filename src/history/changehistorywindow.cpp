#include "history/changehistorywindow.h"

#include "model/timesegments.h"
#include "ui_common/appstate.h"
#include "ui_common/busycursor.h"
#include "ui_common/errorreport.h"
#include "ui_common/geometry.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/interaction.h"
#include "ui_common/mainwindowlink.h"
#include "ui_common/menutree.h"
#include "users/security.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace dayvane {

namespace {

QString local_time(const QDateTime &utc)
{
    return utc.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString long_date(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("ddd d MMM yyyy"));
}

// A day as the day view shows it: its periods, then its comment.
QString state_text(const DayState &day)
{
    QStringList periods;
    for (const QString &line : format_time_segments(day.time_segments)) {
        if (!line.isEmpty())
            periods << line;
    }
    QString text = periods.isEmpty() ? QCoreApplication::translate("dayvane", "No periods") : periods.join(QStringLiteral("; "));
    if (!day.comment.isEmpty())
        text += QStringLiteral(" \u2014 \u201c%1\u201d").arg(day.comment);
    if (day.day_type != 0)
        text += QCoreApplication::translate("dayvane", " (day type %1)").arg(day.day_type);
    return text;
}

QString who_text(const HistoryEntry &entry)
{
    QString who = entry.workstation + QStringLiteral(" (") + entry.shown_login();
    if (!entry.user_name.isEmpty())
        who += QStringLiteral(", ") + entry.user_name;
    return who + u')';
}

} // namespace

// The entries as a table model: ten thousand of them show at once, without
// an item per cell.
class HistoryModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void set_entries(std::vector<HistoryEntry> entries)
    {
        beginResetModel();
        m_entries = std::move(entries);
        endResetModel();
    }
    const std::vector<HistoryEntry> &entries() const { return m_entries; }

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : int(m_entries.size()); }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : 6; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        const HistoryEntry &entry = m_entries[size_t(index.row())];
        switch (index.column()) {
        case 0: return local_time(entry.changed_at);
        case 1: return entry.workstation;
        case 2: return entry.shown_login();
        case 3: return entry.user_name;
        case 4: return entry.calendar_name;
        default: return entry.no_day_changed() ? entry.action + QCoreApplication::translate("dayvane", " (no day changed)") : entry.action;
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char *const kHeaders[] = {QT_TRANSLATE_NOOP("dayvane", "When"), QT_TRANSLATE_NOOP("dayvane", "Workstation"), QT_TRANSLATE_NOOP("dayvane", "Login"), QT_TRANSLATE_NOOP("dayvane", "User"), QT_TRANSLATE_NOOP("dayvane", "Calendar"), QT_TRANSLATE_NOOP("dayvane", "What")};
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 6)
            return {};
        return QCoreApplication::translate("dayvane", kHeaders[section]);
    }

private:
    std::vector<HistoryEntry> m_entries;
};

ChangeHistoryWindow::ChangeHistoryWindow(QWidget *parent)
    : ModalWindow(QStringLiteral("change_history"), parent)
{
    setWindowTitle(tr("Change history"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_tree = make_menu_tree({MenuNode{QStringLiteral("close"), tr("Close window"), QString(), false,
                                      kCloseNodeColour},
                             MenuNode{QStringLiteral("undo_change"),
                                      tr("Restore the days as they were before this change"), QString()}},
                            MenuStyle::Flat, [this] { process_menu(); });
    m_tree->setMaximumHeight(2 * m_tree->sizeHintForRow(0) + 2 * m_tree->frameWidth() + 4);
    m_tree->setMinimumWidth(menu_tree_width(m_tree, design_pixels(4950)));
    top->addWidget(m_tree, 1);

    auto *filters = new QHBoxLayout;
    const auto box = [&](const char *name, const QString &label, const QString &hint) {
        auto *edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(name));
        edit->setPlaceholderText(hint);
        auto *caption = new QLabel(label);
        caption->setBuddy(edit);
        filters->addWidget(caption);
        filters->addWidget(edit);
        connect(edit, &QLineEdit::returnPressed, this, [this] { load(); });
        return edit;
    };
    m_from = box("txt_from", tr("Changed days &from"), QStringLiteral("yyyy-mm-dd"));
    m_to = box("txt_to", tr("&to"), QStringLiteral("yyyy-mm-dd"));
    m_who = box("txt_who", tr("&Workstation or user"), QStringLiteral("any"));
    auto *filter_column = new QVBoxLayout;
    filter_column->addLayout(filters);
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("lbl_count"));
    filter_column->addWidget(m_count);
    top->addLayout(filter_column, 3);
    layout->addLayout(top);

    auto *splitter = new QSplitter(Qt::Vertical);
    m_model = new HistoryModel(this);
    m_entries = new QTableView;
    m_entries->setObjectName(QStringLiteral("entries"));
    m_entries->setModel(m_model);
    m_entries->setAccessibleName(tr("Changes"));
    // Tab goes on to the changed days; arrows move within the list.
    m_entries->setTabKeyNavigation(false);
    m_entries->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_entries->setSelectionMode(QAbstractItemView::SingleSelection);
    m_entries->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_entries->verticalHeader()->hide();
    m_entries->horizontalHeader()->setStretchLastSection(true);
    m_entries->setWordWrap(false);
    for (const auto &[column, twips] : {std::pair(0, 2100), std::pair(1, 1800), std::pair(2, 1200), std::pair(3, 1800),
                                        std::pair(4, 1800)})
        m_entries->setColumnWidth(column, std::max(design_pixels(twips), m_entries->horizontalHeader()->sectionSizeHint(column)));
    connect(m_entries->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { show_changed_days(); });
    splitter->addWidget(m_entries);

    m_days = make_read_only_grid(QStringLiteral("changed_days"), QAbstractItemView::SingleSelection);
    m_days->setColumnCount(3);
    m_days->setAccessibleName(tr("Changed days"));
    m_days->setHorizontalHeaderLabels({tr("Date"), tr("Before"), tr("After")});
    m_days->setColumnWidth(0, design_pixels(1800));
    m_days->setColumnWidth(1, design_pixels(6000));
    m_days->horizontalHeader()->setStretchLastSection(true);
    splitter->addWidget(m_days);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
    set_design_size(14700, 9300, 4500);
}

ChangeHistoryWindow::~ChangeHistoryWindow() = default;

const std::vector<HistoryEntry> &ChangeHistoryWindow::entries() const
{
    return m_model->entries();
}

std::optional<HistoryFilter> ChangeHistoryWindow::filter()
{
    HistoryFilter filter;
    filter.calendar_id = app_state().calendar_id;
    filter.who = m_who->text().trimmed();
    for (const auto &[box, date] : {std::pair(m_from, &filter.from), std::pair(m_to, &filter.to)}) {
        const QString text = box->text().trimmed();
        if (text.isEmpty())
            continue;
        *date = QDate::fromString(text, Qt::ISODate);
        if (!date->isValid()) {
            inform(this, tr("Please enter the date as yyyy-mm-dd, for example 2026-03-02."));
            box->setFocus();
            box->selectAll();
            return std::nullopt;
        }
    }
    return filter;
}

bool ChangeHistoryWindow::load()
{
    const std::optional<HistoryFilter> wanted = filter();
    if (!wanted || !check_operation_allowed(true))
        return false;
    const BusyCursor busy;
    std::vector<HistoryEntry> read;
    if (!run_reported([&] { read = read_history(*app_state().database, *wanted); }))
        return false;
    m_model->set_entries(std::move(read));
    m_count->setText(entries().size() == 1 ? tr("1 change") : tr("%1 changes").arg(entries().size()));
    if (!entries().empty())
        m_entries->selectRow(0);
    show_changed_days();
    return true;
}

void ChangeHistoryWindow::select_entry(qint64 id)
{
    for (size_t row = 0; row < entries().size(); ++row) {
        if (entries()[row].id == id) {
            m_entries->selectRow(int(row));
            return;
        }
    }
}

void ChangeHistoryWindow::show_changed_days()
{
    m_days->setRowCount(0);
    const int row = m_entries->currentIndex().row();
    if (row < 0 || size_t(row) >= entries().size() || !entries()[size_t(row)].undoable)
        return;
    std::vector<DayChange> days;
    if (!run_reported([&] { days = read_changed_days(*app_state().database, entries()[size_t(row)].id); }))
        return;
    m_days->setRowCount(int(days.size()));
    for (int i = 0; i < int(days.size()); ++i) {
        const DayChange &day = days[size_t(i)];
        const QString texts[] = {long_date(day.before.date), state_text(day.before), state_text(day.after)};
        for (int column = 0; column < 3; ++column)
            m_days->setItem(i, column, new QTableWidgetItem(texts[column]));
    }
}

void ChangeHistoryWindow::process_menu()
{
    const QString key = selected_menu_key(m_tree);
    if (key == QLatin1String("close"))
        close();
    else if (key == QLatin1String("undo_change"))
        undo_selected();
}

namespace {

// Undoes `entry` once the user confirms it and the checks pass, telling
// what stops it; nullopt when nothing was tried.
std::optional<UndoOutcome> confirm_and_undo(QWidget *parent, const HistoryEntry &entry)
{
    if (!entry.undoable) {
        inform(parent, QCoreApplication::translate("dayvane", "Only a change of days can be undone; this change is shown for the record."));
        return std::nullopt;
    }
    if (entry.no_day_changed()) {
        inform(parent, QCoreApplication::translate("dayvane", "This change left every day as it was: there is nothing to restore."));
        return std::nullopt;
    }
    if (!interaction().ask_yes_no(parent, kMessageTitle,
                                  message_lines({QCoreApplication::translate("dayvane", "Restore the days as they were before this change?"),
                                                 QString(), entry.action}),
                                  MessageIcon::Question))
        return std::nullopt;
    AppState &state = app_state();
    if (!check_operation_allowed(true) || !check_calendar_revision(state.calendar_id, state.calendar_revision)
        || !check_calendar_access(false))
        return std::nullopt;
    UndoOutcome outcome;
    {
        const BusyCursor busy;
        if (!run_reported([&] { outcome = undo_change(*state.database, entry.id, state.calendar_revision); }))
            return std::nullopt;
    }
    if (outcome.gone) {
        inform(parent, QCoreApplication::translate("dayvane", "This change is no longer in the history."));
    } else if (outcome.revision) {
        state.calendar_revision = *outcome.revision;
        if (state.main_link)
            state.main_link->reload_and_redraw();
    } else {
        QStringList lines{QCoreApplication::translate("dayvane", "The days cannot be restored: %1 was changed since.").arg(long_date(outcome.conflict_date)),
                          QString()};
        if (outcome.later) {
            lines << QCoreApplication::translate("dayvane", "By the change of %1 on %2:").arg(local_time(outcome.later->changed_at), who_text(*outcome.later))
                  << outcome.later->action;
        } else {
            lines << QCoreApplication::translate("dayvane", "The change that did it has no history entry.");
        }
        inform(parent, message_lines(lines));
    }
    return outcome;
}

} // namespace

void ChangeHistoryWindow::undo_selected()
{
    const int row = m_entries->currentIndex().row();
    if (row < 0 || size_t(row) >= entries().size()) {
        inform(this, tr("There is no change selected."));
        return;
    }
    const std::optional<UndoOutcome> outcome = confirm_and_undo(this, entries()[size_t(row)]);
    if (!outcome)
        return;
    if (outcome->later)
        select_entry(outcome->later->id);
    else
        load();
}

void undo_my_last_change(QWidget *parent)
{
    AppState &state = app_state();
    if (!check_operation_allowed(true) || !state.calendar_loaded || !check_calendar_access(true))
        return;
    std::vector<HistoryEntry> entries;
    if (!run_reported([&] { entries = read_history(*state.database, {state.calendar_id, {}, {}, {}}); }))
        return;
    // This workstation's login made it, and the program could undo it.
    const ChangeAuthor &me = state.database->author();
    const auto mine = std::find_if(entries.begin(), entries.end(), [&](const HistoryEntry &entry) {
        return entry.undoable && !entry.no_day_changed() && entry.workstation == me.workstation && entry.login == me.login;
    });
    if (mine == entries.end()) {
        inform(parent, QCoreApplication::translate("dayvane", "There is no change of yours to this calendar to undo."));
        return;
    }
    confirm_and_undo(parent, *mine);
}

void open_change_history(QWidget *parent)
{
    AppState &state = app_state();
    if (!check_operation_allowed(true) || !state.calendar_loaded || !check_calendar_access(true))
        return;
    ChangeHistoryWindow window(parent);
    if (window.load())
        window.show_modal();
}

} // namespace dayvane
