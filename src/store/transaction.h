#pragma once

#include "store/writescope.h"

#include <QString>

namespace dayvane {

class Database;

// Begins on construction taking the write lock at once (a file's BEGIN
// IMMEDIATE; on a server the lock of `scope`), so a second workstation waits
// (up to the busy timeout) instead of failing half way. Rolls back on
// destruction unless commit() was called. Inside another transaction it
// becomes a savepoint of it, so operations compose: the outer one decides
// what is finally written. An inner scope the outer one does not cover (the
// whole database, or another calendar, inside a calendar's change) throws
// DbError ProgramError before anything is done: the outermost transaction
// must name the widest scope, as taking a wider lock half way could deadlock.
class Transaction
{
public:
    explicit Transaction(Database &db, WriteScope scope = WriteScope::database());
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    ~Transaction();

    void commit();

private:
    Database &m_db;
    QString m_savepoint;  // empty for an outermost transaction
    bool m_open = true;
};

} // namespace dayvane
