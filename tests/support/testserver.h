#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace dayvane::test {

// The throw-away database server that the test run started with tests/support/pgcluster (CTest's "server" fixture),
// found through its state file in the build folder or in DAYVANE_TEST_SERVER.
class TestServer
{
public:
    // The run's server, or null when the run has none.
    static TestServer *instance();
    // A server in a new cluster of its own, for a test that stops it while others use the run's; removed with the
    // object. With `tcp`, it listens on a free loopback port too. Throws when it cannot be started.
    static std::unique_ptr<TestServer> start_own(bool tcp = false);
    ~TestServer();

    // The role that owns the tests' databases: not a superuser.
    static inline const QString kOwnerRole = QStringLiteral("dayvane_admin");

    // A new empty database of its own on the server, owned by kOwnerRole; its address.
    QString create_database();
    // The address of calendar database `address` (as its owner) for a workstation's login `role`, made a member
    // of the workstations' group.
    QString workstation_address(const QString &address, const QString &role = QStringLiteral("dayvane_ws"));
    // The server's own database, for administration.
    QString admin_address() const;
    // The same over loopback TCP; empty unless started with `tcp`.
    QString tcp_address() const;

    // Stops the server at once, as a crash or a pulled cable would.
    void stop_immediately();

    // Failover, between servers of their own on loopback TCP (start_own(true)):
    // A new synchronous streaming standby of this server: this server waits for it at every commit.
    std::unique_ptr<TestServer> start_standby();
    // This server, stopped or not, becomes a synchronous standby of `primary` from a new base backup; its data goes.
    void follow(const TestServer &primary);
    // The standby becomes a primary that waits for no standby until one follows it.
    void promote();
    // The standby stops receiving from its primary, whose commits then wait.
    void cut_off();
    // Every process of the server stops where it is, as on a hung machine: connections stay open, nothing answers.
    void freeze();
    int port() const { return m_port; }

private:
    TestServer(QString state, QString folder, bool owned);
    void cluster(const QString &action, const QStringList &more = {}) const;

    QString m_state;
    QString m_folder;
    bool m_owned;  // a cluster of its own, stopped and removed at the end
    int m_port = 0;  // its TCP port, 0 without one
};

} // namespace dayvane::test
