#pragma once

#include <QString>

namespace dayvane {

class Database;

// Begins on construction taking the write lock at once (a file's BEGIN
// IMMEDIATE), so a second workstation waits (up to the busy timeout) instead
// of failing half way. Rolls back on destruction unless commit() was called. Inside another
// transaction it becomes a savepoint of it, so operations compose: the
// outer one decides what is finally written.
class Transaction
{
public:
    explicit Transaction(Database &db);
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
