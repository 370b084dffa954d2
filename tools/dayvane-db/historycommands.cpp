#include "historycommands.h"

#include "terminalpassword.h"

#include "store/database.h"
#include "store/history.h"
#include "store/recordset.h"
#include "store/recordsettext.h"

#include <QDateTime>
#include <QTextStream>

#include <set>

namespace dayvane {

namespace {

// A field never breaks the line or its columns.
QString field(QString text)
{
    return text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

std::optional<qint32> calendar_named(Database &db, const QString &name)
{
    RecordSet names = RecordSet::open(db, QStringLiteral("PARAMETERS NameTest Text ( 255 )=") + sql_text_literal(name)
                                              + QStringLiteral("; SELECT Q001.* FROM Q001;"));
    if (names.record_count() == 0)
        return std::nullopt;
    return names.field(QStringLiteral("id")).toInt();
}

} // namespace

int print_history(Database &db, const QString &calendar, QTextStream &out, QTextStream &err)
{
    if (!db.has_table(QStringLiteral("change_history"))) {
        err << "The database has no history of changes yet: it was last opened by an older version of the program.\n";
        return 0;
    }
    HistoryFilter filter;
    if (!calendar.isEmpty())
        filter.calendar_id = calendar_named(db, calendar);
    std::vector<HistoryEntry> entries = read_history(db, filter);
    if (!calendar.isEmpty() && !filter.calendar_id) {
        // No calendar has the name now: that of a deleted one.
        std::erase_if(entries, [&](const HistoryEntry &entry) {
            return entry.calendar_id == 0 || entry.calendar_name.compare(calendar, Qt::CaseInsensitive) != 0;
        });
        if (entries.empty()) {
            err << "There is no calendar \"" << calendar << "\" and no history of one.\n";
            return 1;
        }
    }
    // Every question before the first line, so that none interrupts the list.
    ReadAccess access(db, err);
    for (const HistoryEntry &entry : entries)
        access.may_read(entry.calendar_id);
    std::set<qint32> closed;
    for (const HistoryEntry &entry : entries) {
        // A calendar not to be read shows once, where its newest entry is.
        if (entry.calendar_id != 0 && !access.may_read(entry.calendar_id)) {
            if (closed.insert(entry.calendar_id).second)
                out << "\t\t\t\t" << field(entry.calendar_name) << "\t(read-restricted)\n";
            continue;
        }
        // Local time with its offset, so that a script can compare it.
        const QDateTime local = entry.changed_at.toLocalTime();
        out << local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate) << '\t' << field(entry.workstation) << '\t'
            << field(entry.shown_login()) << '\t' << field(entry.user_name) << '\t'
            << field(entry.calendar_id == 0 ? QString() : entry.calendar_name) << '\t' << field(entry.action) << '\n';
    }
    return 0;
}

int prune_history_before(Database &db, const QDate &before, QTextStream &out, QTextStream &err)
{
    const bool guarded = RecordSet::open(db, QStringLiteral("SELECT Q011.* FROM Q011;")).record_count() > 0;
    if (guarded && !password_admits(db, 0, read_password(err, QStringLiteral("The system password: ")))) {
        err << "The password is wrong; nothing was removed.\n";
        return 1;
    }
    const int removed = prune_history(db, before);
    out << "Removed " << removed << (removed == 1 ? " entry" : " entries") << " changed before "
        << before.toString(Qt::ISODate) << ".\n";
    return 0;
}

} // namespace dayvane
