#include "terminalpassword.h"

#include "store/database.h"
#include "store/recordset.h"
#include "store/revisions.h"
#include "store/scramble.h"
#include "store/serversecurity.h"

#include <QTextStream>

#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

namespace dayvane {

QString read_password(QTextStream &err, const QString &prompt)
{
    err << prompt << Qt::flush;
    termios saved{};
    const bool terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        err << "\n" << Qt::flush;
    }
    return QString::fromLocal8Bit(line);
}

bool password_admits(Database &db, qint32 owner, const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return false;
    for (const QChar c : typed) {
        if (c.unicode() > 255)
            return false;
    }
    const std::optional<QByteArray> scrambled = scramble_text(typed.toLatin1());
    if (!scrambled)
        return false;
    if (server_holds_proofs(db)) {
        // The server compares and keeps the proof for this session, which
        // only looks: in a transaction of its own that may write the proof.
        const bool own = !db.in_transaction();
        if (own)
            db.exec(QStringLiteral("BEGIN READ WRITE;"));
        bool proven = owner >= 1 && prove_user_on_server(db, owner, *scrambled).proven;
        if (!proven)
            proven = RecordSet::open(db, QStringLiteral("PARAMETERS [Password] Text ( 255 ); SELECT Q011a.* FROM Q011a;"),
                                     {{QStringLiteral("Password"), *scrambled}})
                         .record_count() > 0;
        if (own)
            db.exec(QStringLiteral("COMMIT;"));
        return proven;
    }
    if (owner >= 1) {
        RecordSet user = RecordSet::open(
            db, QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q015.* FROM Q015;").arg(owner));
        if (user.record_count() > 0 && !user.is_null(QStringLiteral("password"))) {
            const QVariant stored = user.field(QStringLiteral("password"));
            // Text written by another program counts by its characters' codes.
            const QByteArray bytes = stored.typeId() == QMetaType::QByteArray ? stored.toByteArray()
                                                                             : stored.toString().toLatin1();
            if (!bytes.isEmpty() && bytes == *scrambled)
                return true;
        }
    }
    RecordSet system = RecordSet::open(
        db, QStringLiteral("PARAMETERS [Password] Text ( 255 ); SELECT Q011a.* FROM Q011a;"),
        {{QStringLiteral("Password"), *scrambled}});
    return system.record_count() > 0;
}

ReadAccess::ReadAccess(Database &db, QTextStream &err, bool ask)
    : m_db(db)
    , m_err(err)
    , m_ask(ask)
{
}

bool ReadAccess::may_read(qint32 calendar_id)
{
    if (const auto known = m_readable.find(calendar_id); known != m_readable.end())
        return known->second;
    RecordSet calendar = RecordSet::open(m_db, calendar_record_query(calendar_id));
    bool readable = calendar.record_count() == 0 || !calendar.field(QStringLiteral("RestrictRead")).toBool();
    if (!readable) {
        const qint32 owner = calendar.field(QStringLiteral("OwnerLink")).toInt();
        const QString name = calendar.field(QStringLiteral("Name")).toString();
        calendar.close();
        readable = std::any_of(m_admitted.begin(), m_admitted.end(),
                               [&](const QString &given) { return password_admits(m_db, owner, given); });
        // Standard input at its end has no more passwords to give.
        if (!readable && m_ask && std::cin) {
            const QString typed = read_password(
                m_err,
                QStringLiteral("The calendar \"%1\" is read-restricted. Its owner's password or the system password: ")
                    .arg(name));
            readable = password_admits(m_db, owner, typed);
            if (readable)
                m_admitted.push_back(typed);
        }
    }
    m_readable.emplace(calendar_id, readable);
    return readable;
}

} // namespace dayvane
