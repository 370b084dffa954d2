#pragma once

#include "testdatabase.h"
#include "widgettyping.h"

#include <QString>

#include <optional>

class QDialog;
class QWidget;

namespace dayvane::test {

// Drives a window as the user would: its menu tree and its boxes.
void run_node(QWidget &window, const QString &key, int tree_index = -1);
// Selects the grid row whose row data is `user_id`.
void select_user_row(QWidget &window, qint64 user_id);

// A calendar database connected as the program's one connection, with the
// sample data; the shared state is reset before and after.
class ConnectedDatabase
{
public:
    ConnectedDatabase();
    ~ConnectedDatabase();

    TestDatabase file;
    Sample sample;
};

// Stores `password` as the system password, as another workstation would.
void store_system_password(Database &db, const QString &password);
void store_user_password(Database &db, qint64 user_id, const QString &password);

} // namespace dayvane::test
