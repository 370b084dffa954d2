#include "faultsupport.h"

#include "store/database.h"

#include <QDeadlineTimer>

namespace dayvane::faults {

StoredDay stored_form(const DayContent &content)
{
    return {content.segments, content.comment, content.values.minutes1, content.values.minutes2,
            content.values.day_start, content.values.day_stop};
}

std::map<QDate, StoredDay> read_days(Database &db, qint64 calendar)
{
    Statement stmt = db.prepare(QStringLiteral(
        "SELECT DateVal, TimeSegments, \"Date comment\", minutes1, minutes2, DayStart, DayStop FROM days"
        " WHERE NameLink = ?;"));
    stmt.bind(1, calendar);
    std::map<QDate, StoredDay> days;
    while (stmt.step()) {
        days[stmt.column(0).toDate()] = {
            stmt.column(1).toString(), stmt.column(2).toString(), stmt.column(3).toInt(),
            stmt.column(4).toInt(),    stmt.column(5).toInt(),    stmt.column(6).toInt()};
    }
    return days;
}

qint32 stored_revision(Database &db, qint64 calendar)
{
    Statement stmt = db.prepare(QStringLiteral("SELECT revision FROM calendars WHERE id = ?;"));
    stmt.bind(1, calendar);
    return stmt.step() ? stmt.column(0).toInt() : -1;
}

QString integrity_check(Database &db)
{
    Statement stmt = db.prepare(QStringLiteral("PRAGMA integrity_check;"));
    QStringList rows;
    while (stmt.step())
        rows << stmt.column(0).toString();
    return rows.join(u'\n');
}

int loop_count(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

Worker::Worker(const QStringList &arguments, const QStringList &command)
{
    m_process.setProgram(command.first());
    m_process.setArguments(command.mid(1) + arguments);
    m_process.start();
}

Worker::~Worker()
{
    if (m_process.state() != QProcess::NotRunning)
        kill();
}

void Worker::take_output()
{
    m_pending += m_process.readAllStandardOutput();
    qsizetype end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        m_lines << QString::fromUtf8(m_pending.left(end));
        m_pending.remove(0, end + 1);
    }
}

bool Worker::wait_for_line(const QString &prefix, int timeout_ms)
{
    if (!m_process.waitForStarted(timeout_ms))
        return false;
    for (;;) {
        take_output();
        for (; m_searched < m_lines.size(); ++m_searched) {
            if (m_lines.at(m_searched).startsWith(prefix))
                return ++m_searched, true;
        }
        if (m_process.state() == QProcess::NotRunning || !m_process.waitForReadyRead(timeout_ms))
            return false;
    }
}

void Worker::send_line(const QByteArray &line)
{
    m_process.write(line + '\n');
    m_process.waitForBytesWritten();
}

bool Worker::wait_for_exit(int timeout_ms)
{
    // Reading as it goes, so a full pipe never stops the worker.
    const QDeadlineTimer deadline(timeout_ms);
    while (m_process.state() != QProcess::NotRunning) {
        if (deadline.hasExpired()) {
            kill();
            return false;
        }
        m_process.waitForFinished(int(qMin<qint64>(deadline.remainingTime(), 1000)));
        take_output();
    }
    take_output();
    return true;
}

void Worker::kill()
{
    m_process.kill();
    m_process.waitForFinished(-1);
    take_output();
}

const QStringList &Worker::lines()
{
    take_output();
    return m_lines;
}

QString Worker::error_output()
{
    return QString::fromUtf8(m_process.readAllStandardError());
}

} // namespace dayvane::faults
