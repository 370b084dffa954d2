#include "store/transaction.h"

#include "store/database.h"
#include "store/dberror.h"

namespace dayvane {

namespace {
// Each thread's own, as each thread has connections of its own.
thread_local int g_savepoints = 0;
}

Transaction::Transaction(Database &db, WriteScope scope)
    : m_db(db)
{
    if (m_db.in_transaction()) {
        if (!m_db.write_scope().covers(scope))
            throw DbError(DbError::ProgramError,
                          QStringLiteral("A change of the whole database or of another calendar was begun inside "
                                         "a change of calendar %1.")
                              .arg(m_db.write_scope().calendar_id()),
                          m_db.source());
        m_savepoint = QStringLiteral("nested_%1").arg(++g_savepoints);
        // Sent, not run: on a server it travels with the next request.
        m_db.prepare(QStringLiteral("SAVEPOINT %1").arg(m_savepoint)).send();
    } else {
        m_db.begin(scope);
    }
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    if (m_savepoint.isEmpty()) {
        m_db.rollback();
        return;
    }
    try {
        m_db.exec(QStringLiteral("ROLLBACK TO %1;").arg(m_savepoint));
        m_db.exec(QStringLiteral("RELEASE %1;").arg(m_savepoint));
    } catch (...) {
        // The engine may already have rolled back after an I/O error.
    }
}

void Transaction::commit()
{
    if (m_savepoint.isEmpty())
        m_db.commit();
    else
        m_db.prepare(QStringLiteral("RELEASE %1").arg(m_savepoint)).send();
    m_open = false;
}

} // namespace dayvane
