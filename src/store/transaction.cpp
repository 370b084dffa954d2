#include "store/transaction.h"

#include "store/database.h"

namespace dayvane {

namespace {
int g_savepoints = 0;
}

Transaction::Transaction(Database &db)
    : m_db(db)
{
    if (m_db.in_transaction()) {
        m_savepoint = QStringLiteral("nested_%1").arg(++g_savepoints);
        // Sent, not run: on a server it travels with the next request.
        m_db.prepare(QStringLiteral("SAVEPOINT %1").arg(m_savepoint)).send();
    } else {
        m_db.begin();
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
