#pragma once

#include "faultcontent.h"

#include <QProcess>
#include <QStringList>

namespace dayvane::faults {

// Long enough for the sanitizer build on a busy machine; only a hang takes it.
inline constexpr int kTimeoutMs = 120'000;

// The fault worker as a child process, killed if it still runs at the end.
// `command` is the program and what comes before `arguments`: the worker
// itself, or a launcher that runs a copy of it.
class Worker
{
public:
    explicit Worker(const QStringList &arguments, QStringList command = {QStringLiteral(DAYVANE_FAULT_WORKER)})
    {
        const QString program = command.takeFirst();
        process.start(program, command + arguments);
    }
    ~Worker() { kill(); }

    // Waits, as long as output keeps coming, for the line `line`; false when
    // the worker ends or stays silent.
    bool wait_for_line(const QString &line)
    {
        while (!lines().contains(line)) {
            if (!process.waitForReadyRead(kTimeoutMs))
                return false;
        }
        return true;
    }
    void kill()  // SIGKILL, and waits until the worker is gone
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(-1);
        }
    }
    // Every complete line so far.
    QStringList lines()
    {
        m_output += process.readAllStandardOutput();
        return QString::fromUtf8(m_output.left(m_output.lastIndexOf('\n') + 1)).split(u'\n', Qt::SkipEmptyParts);
    }
    std::string error_output() { return process.readAllStandardError().toStdString(); }

    QProcess process;

private:
    QByteArray m_output;
};

} // namespace dayvane::faults
