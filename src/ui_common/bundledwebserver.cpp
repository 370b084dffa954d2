#include "ui_common/bundledwebserver.h"

#include "ui_common/busycursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/prctl.h>

#include <csignal>

namespace dayvane {

namespace {

constexpr int kStartMs = 5000;
constexpr qint64 kMaxSettingsBytes = 64 * 1024;

struct Bundled
{
    QProcess *process = nullptr;  // a child of the application: ends with it
    QString host;
    bool tried = false;
};

Bundled &bundled()
{
    static Bundled state;
    return state;
}

// The port the server prints as its first line; 0 when it printed none in time.
int read_port(QProcess &process)
{
    QByteArray line;
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(kStartMs))
            return 0;
    }
    line = process.readLine().trimmed();
    bool ok = false;
    const int port = line.toInt(&ok);
    return ok && port > 0 && port <= 65535 ? port : 0;
}

QString start(const QString &program)
{
    auto *process = new QProcess(QCoreApplication::instance());
    process->setProgram(program);
    process->setArguments({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--print-port")});
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Ended with the program, even when the program is killed.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process->start();
    const int port = process->waitForStarted(kStartMs) ? read_port(*process) : 0;
    if (port == 0) {
        delete process;  // kills it if it runs
        return {};
    }
    bundled().process = process;
    // Asked to stop before the program goes, rather than killed with it.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, process, [process] {
        process->terminate();
        if (!process->waitForFinished(2000))
            process->kill();
        process->waitForFinished(1000);
    });
    return QStringLiteral("127.0.0.1:%1").arg(port);
}

} // namespace

QStringList bundled_web_server_candidates(const QString &program_folder)
{
    const QDir folder(program_folder);
    return {QDir::cleanPath(folder.filePath(QStringLiteral("../libexec/dayvane/dayvane-web"))),
            QDir::cleanPath(folder.filePath(QStringLiteral("../tools/dayvane-web/dayvane-web")))};
}

QString bundled_web_host()
{
    Bundled &state = bundled();
    if (state.process) {
        if (state.process->state() == QProcess::Running)
            return state.host;
        // It ended (or was ended) while the program ran: started again.
        state.process->deleteLater();
        state.process = nullptr;
        state.tried = false;
    }
    if (state.tried)
        return {};
    state.tried = true;
    const BusyCursor busy;
    for (const QString &program : bundled_web_server_candidates(QCoreApplication::applicationDirPath())) {
        if (QFileInfo(program).isExecutable()) {
            state.host = start(program);
            return state.host;
        }
    }
    return {};
}

QString system_web_host()
{
    const QString path = qEnvironmentVariable("DAYVANE_SYSTEM_SETTINGS", QStringLiteral("/etc/dayvane/dayvane.conf"));
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.read(kMaxSettingsBytes)).split(u'\n');
    for (const QString &line : lines) {
        const QString text = line.trimmed();
        const qsizetype equals = text.indexOf(u'=');
        if (text.startsWith(u'#') || equals < 0)
            continue;
        if (text.left(equals).trimmed() == u"web_host")
            return text.mid(equals + 1).trimmed();
    }
    return {};
}

} // namespace dayvane
