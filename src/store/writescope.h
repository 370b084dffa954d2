#pragma once

#include <QtGlobal>

namespace dayvane {

// What a writing transaction may change, and so which other writers it waits
// for on a server: the whole database (every other writer), or one calendar
// (writers of that calendar and of the whole database only). A file has one
// writer at a time whatever the scope.
class WriteScope
{
public:
    // Users, passwords, the schema, a calendar's name among the others' and
    // whatever else is shared: the safe default.
    static WriteScope database() { return WriteScope(0); }
    // The days, years, owner and read restriction of calendar `id`, with its
    // history entries. An id below 1 means the whole database.
    static WriteScope calendar(qint32 id) { return WriteScope(id > 0 ? id : 0); }

    bool whole_database() const { return m_calendar == 0; }
    qint32 calendar_id() const { return m_calendar; }
    // Whether a transaction of this scope holds what `inner` may change.
    bool covers(WriteScope inner) const { return whole_database() || inner.m_calendar == m_calendar; }

private:
    explicit WriteScope(qint32 calendar)
        : m_calendar(calendar)
    {
    }

    qint32 m_calendar;  // 0: the whole database
};

} // namespace dayvane
