#pragma once

#include <QString>
#include <QtGlobal>

#include <map>
#include <vector>

class QTextStream;

namespace dayvane {

class Database;

// One line from standard input after `prompt`; a terminal does not echo it.
QString read_password(QTextStream &err, const QString &prompt);

// Whether `typed` is the password of user `owner` (below 1: none) or the
// system password, compared in stored (scrambled) form as the program does.
bool password_admits(Database &db, qint32 owner, const QString &typed);

// Which calendars one run of the tool may read. A read-restricted calendar
// asks on `err` for its owner's password or the system password (see
// read_password), unless a password given earlier in the run admits it.
class ReadAccess
{
public:
    // With `ask` false, read-restricted calendars stay closed without asking.
    ReadAccess(Database &db, QTextStream &err, bool ask = true);

    // Whether calendar `calendar_id` may be read: it is not read-restricted
    // (or no longer there), or a password admits it. Asks at most once a
    // calendar. Database errors pass as DbError.
    bool may_read(qint32 calendar_id);

private:
    Database &m_db;
    QTextStream &m_err;
    bool m_ask;
    std::vector<QString> m_admitted;
    std::map<qint32, bool> m_readable;
};

} // namespace dayvane
