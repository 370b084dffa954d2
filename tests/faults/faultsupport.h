#pragma once

#include "faultcontent.h"

#include <QDate>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <map>

namespace dayvane {
class Database;
}

namespace dayvane::faults {

// A day record's fields as stored (null texts read as empty).
struct StoredDay
{
    QString segments;
    QString comment;
    qint32 minutes1 = 0;
    qint32 minutes2 = 0;
    qint32 day_start = 0;
    qint32 day_stop = 0;

    friend bool operator==(const StoredDay &, const StoredDay &) = default;
};
StoredDay stored_form(const DayContent &content);

// Plain SQL, so the checks do not lean on the code under test.
std::map<QDate, StoredDay> read_days(Database &db, qint64 calendar);
qint32 stored_revision(Database &db, qint64 calendar);
QString integrity_check(Database &db);

// A loop count for the fault tests: `fallback`, or the environment
// variable `name` when it holds a positive number (slow builds such as the
// sanitizer build may set smaller ones).
int loop_count(const char *name, int fallback);

// The fault worker as a child process, read line by line.
class Worker
{
public:
    // `command` is the program and what comes before `arguments`: the
    // worker itself, or a launcher that runs a copy of it.
    explicit Worker(const QStringList &arguments,
                    const QStringList &command = {QStringLiteral(DAYVANE_FAULT_WORKER)});
    ~Worker();  // kills the worker if it still runs

    // Waits, as long as output keeps coming within `timeout_ms`, for a line
    // starting with `prefix`; false when the worker ends or stays silent.
    bool wait_for_line(const QString &prefix, int timeout_ms);
    void send_line(const QByteArray &line);
    // Waits for the end; false on timeout (the worker is then killed).
    bool wait_for_exit(int timeout_ms);
    // SIGKILL, and waits until the worker is gone.
    void kill();

    // Every complete line so far, in order.
    const QStringList &lines();
    QString error_output();
    QProcess &process() { return m_process; }

private:
    void take_output();

    QProcess m_process;
    QByteArray m_pending;
    QStringList m_lines;
    qsizetype m_searched = 0;
};

} // namespace dayvane::faults
