#include "testserver.h"

#include "store/database.h"

#include <QFile>
#include <QProcess>
#include <QUuid>

#include <memory>
#include <stdexcept>

namespace dayvane::test {

TestServer *TestServer::instance()
{
    static const std::unique_ptr<TestServer> server = []() -> std::unique_ptr<TestServer> {
        const QString state = qEnvironmentVariable("DAYVANE_TEST_SERVER", QStringLiteral(DAYVANE_TEST_SERVER_STATE));
        QFile file(state);
        if (state.isEmpty() || !file.open(QIODevice::ReadOnly))
            return nullptr;
        return std::unique_ptr<TestServer>(new TestServer(state, QString::fromUtf8(file.readAll()).trimmed()));
    }();
    return server.get();
}

TestServer::TestServer(QString state, QString folder)
    : m_state(std::move(state))
    , m_folder(std::move(folder))
{
}

QString TestServer::admin_address() const
{
    return QStringLiteral("host=%1 user=postgres dbname=postgres").arg(m_folder);
}

QString TestServer::create_database()
{
    const QString name = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128);
    Database::connect(admin_address()).exec(QStringLiteral("CREATE DATABASE %1;").arg(name));
    return QStringLiteral("host=%1 user=postgres dbname=%2").arg(m_folder, name);
}

void TestServer::cluster(const QString &action) const
{
    QProcess process;
    process.start(QStringLiteral(DAYVANE_PGCLUSTER), {action, m_state});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error("pgcluster " + action.toStdString() + " failed: "
                                 + process.readAllStandardError().toStdString());
}

void TestServer::stop_immediately()
{
    cluster(QStringLiteral("crash"));
}

void TestServer::start()
{
    cluster(QStringLiteral("resume"));
}

} // namespace dayvane::test
