#include "store/transaction.h"

#include "store/database.h"

namespace dayvane {

Transaction::Transaction(Database &db)
    : m_db(db)
{
    m_db.exec(QStringLiteral("BEGIN IMMEDIATE;"));
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    try {
        m_db.exec(QStringLiteral("ROLLBACK;"));
    } catch (...) {
        // The engine may already have rolled back after an I/O error.
    }
}

void Transaction::commit()
{
    m_db.exec(QStringLiteral("COMMIT;"));
    m_open = false;
}

} // namespace dayvane
