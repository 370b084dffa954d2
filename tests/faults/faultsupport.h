#pragma once

#include "faultcontent.h"

#include "store/database.h"
#include "testdatabase.h"

#include <QProcess>
#include <QStringList>

#include <map>

namespace dayvane::faults {

// Every day of `calendar` as "segments|comment|minutes1|minutes2|start|stop",
// read with plain SQL so the checks do not lean on the code under test.
inline std::map<QDate, QString> read_days(Database &db, qint64 calendar)
{
    Statement stmt = db.prepare(QStringLiteral("SELECT DateVal, printf('%s|%s|%d|%d|%d|%d', TimeSegments, \"Date comment\","
                                               " minutes1, minutes2, DayStart, DayStop) FROM days WHERE NameLink = ?;"));
    stmt.bind(1, calendar);
    std::map<QDate, QString> days;
    while (stmt.step())
        days[stmt.column(0).toDate()] = stmt.column(1).toString();
    return days;
}

// What read_days() gives for a day holding `content`; a day never written
// for an empty DayContent.
inline QString stored_form(const DayContent &content)
{
    const DayValues &v = content.values;
    return QStringList{content.segments, content.comment, QString::number(v.minutes1), QString::number(v.minutes2),
                       QString::number(v.day_start), QString::number(v.day_stop)}
        .join(u'|');
}

inline qint32 stored_revision(Database &db, qint64 calendar)
{
    return qint32(test::scalar(db, QStringLiteral("SELECT revision FROM calendars WHERE id = %1;").arg(calendar)));
}

inline QString integrity_check(Database &db)
{
    Statement stmt = db.prepare(QStringLiteral("PRAGMA integrity_check;"));
    QStringList rows;
    while (stmt.step())
        rows << stmt.column(0).toString();
    return rows.join(u'\n');
}

// `fallback`, or the environment variable `name` when it holds a positive
// number (slow builds such as the sanitizer build may set smaller ones).
inline int loop_count(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// The fault worker as a child process, killed if it still runs at the end.
// `command` is the program and what comes before `arguments`: the worker
// itself, or a launcher that runs a copy of it.
class Worker
{
public:
    explicit Worker(const QStringList &arguments, QStringList command = {QStringLiteral(DAYVANE_FAULT_WORKER)})
    {
        const QString program = command.takeFirst();
        m_process.start(program, command + arguments);
    }
    ~Worker() { kill(); }

    // Waits, as long as output keeps coming within `timeout_ms`, for the
    // line `line`; false when the worker ends or stays silent.
    bool wait_for_line(const QString &line, int timeout_ms)
    {
        while (!lines().contains(line)) {
            if (!m_process.waitForReadyRead(timeout_ms))
                return false;
        }
        return true;
    }
    void send_line(const QByteArray &line)
    {
        m_process.write(line + '\n');
        m_process.waitForBytesWritten();
    }
    // False on timeout, and the worker is killed.
    bool wait_for_exit(int timeout_ms)
    {
        if (m_process.waitForFinished(timeout_ms))
            return true;
        kill();
        return false;
    }
    void kill()  // SIGKILL, and waits until the worker is gone
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(-1);
        }
    }
    // Every complete line so far.
    QStringList lines()
    {
        m_output += m_process.readAllStandardOutput();
        return QString::fromUtf8(m_output.left(m_output.lastIndexOf('\n') + 1)).split(u'\n', Qt::SkipEmptyParts);
    }
    std::string error_output() { return m_process.readAllStandardError().toStdString(); }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QByteArray m_output;
};

} // namespace dayvane::faults
