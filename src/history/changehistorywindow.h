#pragma once

#include "store/history.h"
#include "ui_common/modalwindow.h"

#include <vector>

class QLabel;
class QLineEdit;
class QTableView;
class QTableWidget;
class QTreeWidget;

namespace dayvane {

class HistoryModel;

// The window "change_history" (caption "Change history"): the history of
// the calendar open in the main window, newest first, in the grid
// "entries" (When, Workstation, Login, User, Calendar, What). The selected
// entry's changed days show in the grid "changed_days" (Date, Before,
// After). The boxes "txt_from" and "txt_to" (changed days, yyyy-mm-dd, either
// may stay empty) and "txt_who" (a part of a workstation, login or user
// name) filter the entries when Enter is pressed in them. The command tree
// holds "close" and "undo_change", which restores the selected entry's days
// as they were before it, itself a change with its own entry.
class ChangeHistoryWindow : public ModalWindow
{
    Q_OBJECT

public:
    explicit ChangeHistoryWindow(QWidget *parent = nullptr);
    ~ChangeHistoryWindow() override;

    // Reads the entries that pass the filter; false after telling the user
    // why it could not.
    bool load();
    void process_menu();
    void undo_selected();

    // The entries shown, in their order.
    const std::vector<HistoryEntry> &entries() const;
    void select_entry(qint64 id);

private:
    void show_changed_days();
    std::optional<HistoryFilter> filter();

    QTreeWidget *m_tree = nullptr;
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
    QLineEdit *m_who = nullptr;
    QTableView *m_entries = nullptr;
    HistoryModel *m_model = nullptr;
    QTableWidget *m_days = nullptr;
    QLabel *m_count = nullptr;
};

// Opens the window on the open calendar after the read-access check; the
// "change_history" command calls this.
void open_change_history(QWidget *parent);

// Undoes this workstation's login's newest change of the open calendar's
// days, as the window's undo does (its confirmation and checks); the
// "undo_my_last_change" command calls this.
void undo_my_last_change(QWidget *parent);

} // namespace dayvane
