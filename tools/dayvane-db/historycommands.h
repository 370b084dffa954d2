#pragma once

#include <QDate>
#include <QString>

class QTextStream;

namespace dayvane {

class Database;

// `dayvane-db history`: the entries newest first, one a line, tab-separated:
// local time, workstation, login, user, calendar, what. `calendar` (by its
// name now or, for a deleted one, then; any case) narrows them to one
// calendar; empty: every entry, those of users and passwords too. A
// read-restricted calendar's entries need its owner's password or the system
// password (see ReadAccess); without one it shows as one line
// "(read-restricted)". Returns the exit code.
int print_history(Database &db, const QString &calendar, QTextStream &out, QTextStream &err);

// `dayvane-db prune-history`: removes the entries changed before local
// midnight starting `before`, after the system password when one is set.
int prune_history_before(Database &db, const QDate &before, QTextStream &out, QTextStream &err);

} // namespace dayvane
