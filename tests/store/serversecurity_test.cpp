#include "store/calendarnotices.h"
#include "store/connection.h"
#include "store/database.h"
#include "store/dberror.h"
#include "store/history.h"
#include "store/scramble.h"
#include "store/serversecurity.h"
#include "store/statement.h"

#include "testdatabase.h"
#include "testserver.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// What a statement did: refused (with the server's reason), or its first row's first value ("" when it gave no row).
struct Outcome
{
    bool refused = false;
    QString value;
};

Outcome attempt(Database &db, const QString &sql)
{
    try {
        Statement statement = db.prepare(sql);
        return {false, statement.step() ? statement.column(0).toString() : QString()};
    } catch (const DbError &error) {
        return {true, error.description()};
    }
}

QString bytea(const char *typed)
{
    return QStringLiteral("'\\x%1'::bytea").arg(QString::fromLatin1(scramble_text(typed)->toHex()));
}

} // namespace

// A workstation's login, with nothing but its own credentials, tries through libpq what the program's checks
// refuse. Sessions: A and B are two connections of that login, O the tables' owner (no superuser).
TEST(ServerSecurity, AWorkstationLoginPassesNoCheckTheProgramWouldMake)
{
    TestServer *server = TestServer::instance();
    if (!server)
        GTEST_SKIP() << "the run started no database server";
    const QString address = server->create_database();
    Database owner = create_calendar_database_at(address);
    const Sample s = fill_sample(owner);
    execute(owner, QStringLiteral("UPDATE users SET password = ? WHERE id = ?;"), {*scramble_text("ann-pass1"), s.ann});
    execute(owner, QStringLiteral("INSERT INTO system_variables (\"Variable\", \"Value\") VALUES ('System password', ?);"),
            {*scramble_text("system-1")});
    record_change(owner, qint32(s.zeta), QStringLiteral("Days changed"), {}, {}, {}, true);
    EXPECT_FALSE(administers(owner) && owner.dialect() != Database::Dialect::PostgreSQL);
    const QString station = server->workstation_address(address, QStringLiteral("dayvane_attacker"));
    Database a = Database::connect(station), b = Database::connect(station);
    EXPECT_TRUE(privileged_connection_warning(a).isEmpty());
    EXPECT_FALSE(privileged_connection_warning(owner).isEmpty());

    const QString zeta = QString::number(s.zeta), alpha = QString::number(s.alpha), ann = QString::number(s.ann);
    const QString zeta_days = QStringLiteral("SELECT count(*) FROM days WHERE \"NameLink\" = ") + zeta;
    const auto R = [](const QString &sql) { return sql; };
    const struct Step { char session; QString sql; bool refused; QString value; } steps[] = {
        // Read restriction: the days, comments and history of "zeta office".
        {'A', zeta_days, false, "0"},
        {'O', zeta_days, false, "7"},
        {'A', R("SELECT count(*) FROM change_history WHERE \"CalendarLink\" = ") + zeta, false, "0"},
        {'A', R("SELECT count(*) FROM days WHERE \"NameLink\" = ") + alpha, false, "1"},
        // Passwords: whether one is set, never the password.
        {'A', R("SELECT password FROM users"), true, {}},
        {'A', R("SELECT * FROM users"), true, {}},
        {'A', R("SELECT \"Value\" FROM system_variables"), true, {}},
        {'A', R("SELECT dayvane_password_set(") + ann + u')', false, "true"},
        // Changes without the proof the program's checks ask for.
        {'A', R("UPDATE days SET minutes1 = 1 WHERE \"NameLink\" = ") + alpha + QStringLiteral(" RETURNING id"), false, ""},
        {'A', R("SELECT dayvane_claim_calendar(") + alpha + u')', true, {}},
        {'A', R("SELECT dayvane_claim_calendar(") + zeta + u')', true, {}},
        {'A', R("UPDATE calendars SET revision = revision + 1 RETURNING id"), false, ""},
        {'A', R("UPDATE calendars SET \"RestrictRead\" = false RETURNING id"), false, ""},
        {'A', R("DELETE FROM calendars RETURNING id"), false, ""},
        {'A', R("INSERT INTO calendars (\"Name\") VALUES ('Mine')"), true, {}},
        {'A', R("DELETE FROM calendar_years RETURNING id"), false, ""},
        {'A', R("INSERT INTO users (\"LastName\") VALUES ('Intruder')"), true, {}},
        {'A', R("UPDATE users SET password = NULL RETURNING id"), false, ""},
        {'A', R("DELETE FROM users WHERE id = ") + ann + QStringLiteral(" RETURNING id"), false, ""},
        {'A', R("UPDATE system_variables SET \"Value\" = NULL RETURNING id"), true, {}},
        {'A', R("INSERT INTO system_variables (\"Variable\") VALUES ('System password')"), true, {}},
        {'A', R("SELECT dayvane_set_system_password('\\x01')"), true, {}},
        {'A', R("SELECT dayvane_prune_history('9999')"), true, {}},
        // The history: added to, stamped by the server, never changed.
        {'A', R("UPDATE change_history SET \"Action\" = 'x' RETURNING id"), true, {}},
        {'A', R("DELETE FROM change_history RETURNING id"), true, {}},
        {'A', R("TRUNCATE change_history"), true, {}},
        {'A', R("INSERT INTO change_history (\"ChangedAt\", \"Action\", \"Login\", \"ServerLogin\", \"ServerTime\")"
                " VALUES ('2020', 'Forged', 'OFFICE-PC-2/tbecker', 'postgres', '2000-01-01')"
                " RETURNING \"ServerLogin\" || ' ' || (\"ServerTime\" > '2020-01-01')::text"),
         false, "dayvane_attacker true"},
        // What every workstation runs, and the schema.
        {'A', R("UPDATE stored_query SET select_sql = 'SELECT 1' RETURNING name"), true, {}},
        {'A', R("INSERT INTO stored_query (name, select_sql) VALUES ('Q999', 'SELECT 1')"), true, {}},
        {'A', R("DELETE FROM dayvane_schema RETURNING version"), true, {}},
        {'A', R("UPDATE database_identity SET id = md5('x') RETURNING id"), true, {}},
        {'A', R("ALTER TABLE days DISABLE ROW LEVEL SECURITY"), true, {}},
        {'A', R("ALTER TABLE change_history DISABLE TRIGGER dayvane_stamp"), true, {}},
        {'A', R("CREATE FUNCTION dayvane_hidden_calendars() RETURNS integer[] LANGUAGE sql AS 'SELECT ''{}''::integer[]'"),
         true, {}},
        // Forged proofs: a setting, a temporary table, the sequences themselves.
        {'A', R("SELECT set_config('dayvane.proven_user', '") + ann + QStringLiteral("', false)"), false, ann},
        {'A', R("CREATE TEMP TABLE dayvane_proven_user AS SELECT ") + ann + QStringLiteral(" AS currval"), false, ""},
        {'A', R("SELECT setval('dayvane_proven_user', ") + ann + u')', true, {}},
        {'A', R("SELECT setval('dayvane_claim', ") + alpha + u')', true, {}},
        {'A', R("SELECT nextval('dayvane_proven_system')"), true, {}},
        {'A', R("SELECT dayvane_session_value('dayvane_proven_user')"), true, {}},
        {'A', zeta_days, false, "0"},
        // A wrong password proves nothing; the owner's proves this session only.
        {'A', R("SELECT proven FROM dayvane_prove_user(") + ann + u',' + bytea("ann-pass2") + u')', false, "false"},
        {'A', R("SELECT proven FROM dayvane_prove_user(") + ann + u',' + bytea("ann-pass1") + u')', false, "true"},
        {'A', zeta_days, false, "7"},
        {'B', zeta_days, false, "0"},
        // Owner's proof: the days, not the calendar's name or restriction.
        {'A', R("UPDATE calendars SET \"Name\" = 'Renamed' WHERE id = ") + zeta + QStringLiteral(" RETURNING id"), false, ""},
        {'A', R("SELECT dayvane_claim_calendar(") + alpha + u')', true, {}},
        {'A', R("BEGIN"), false, ""},
        {'A', R("SELECT dayvane_claim_calendar(") + zeta + u')', false, ""},
        {'A', R("UPDATE days SET minutes1 = 1 WHERE \"NameLink\" = ") + zeta + QStringLiteral(" AND \"DateVal\" = '2024-01-02' RETURNING 'changed'"), false, "changed"},
        {'A', R("UPDATE days SET minutes1 = 1 WHERE \"NameLink\" = ") + alpha + QStringLiteral(" RETURNING 'changed'"), false, ""},
        {'A', R("COMMIT"), false, ""},
        // A change made by hand is recorded all the same.
        {'O', R("SELECT \"Action\" || '|' || \"ServerLogin\" || '|' || \"FirstDate\" FROM change_history"
                " WHERE \"CalendarLink\" = ") + zeta + QStringLiteral(" ORDER BY id DESC LIMIT 1"),
         false, "Days changed outside the program|dayvane_attacker|2024-01-02"},
        {'A', R("UPDATE days SET minutes1 = 2 WHERE \"NameLink\" = ") + zeta + QStringLiteral(" RETURNING 'changed'"), false, ""},
        // A claim or a user's own proof lets through the revision or the password, nothing else.
        {'A', R("BEGIN"), false, ""},
        {'A', R("SELECT dayvane_claim_calendar(") + zeta + u')', false, ""},
        {'A', R("UPDATE calendars SET \"RestrictRead\" = false WHERE id = ") + zeta + QStringLiteral(" RETURNING id"), true, {}},
        {'A', R("ROLLBACK"), false, ""},
        {'A', R("UPDATE users SET \"LastName\" = 'Smith-Jones' WHERE id = ") + ann + QStringLiteral(" RETURNING id"), true, {}},
        {'A', R("UPDATE users SET password = ") + bytea("ann-pass1") + QStringLiteral(" WHERE id = ") + ann + QStringLiteral(" RETURNING id"), false, ann},
        // The system password's proof: everything the program guards with it.
        {'B', R("SELECT dayvane_prove_system_password(") + bytea("system-1") + u')', false, "true"},
        {'B', zeta_days, false, "7"},
        {'B', R("UPDATE calendars SET \"Name\" = 'Renamed' WHERE id = ") + alpha + QStringLiteral(" RETURNING \"Name\""), false, "Renamed"},
        {'B', R("SELECT dayvane_prune_history('2000')"), false, "0"},
        {'A', R("SELECT dayvane_prune_history('2000')"), true, {}},
        // Another workstation's new system password ends the proof.
        {'O', R("UPDATE system_variables SET \"Value\" = ") + bytea("system-2") + QStringLiteral(" RETURNING 1"), false, "1"},
        {'B', R("UPDATE calendars SET \"Name\" = 'Again' WHERE id = ") + alpha + QStringLiteral(" RETURNING \"Name\""), false, ""},
    };
    for (const Step &step : steps) {
        Database &db = step.session == 'A' ? a : step.session == 'B' ? b : owner;
        const Outcome outcome = attempt(db, step.sql);
        EXPECT_EQ(outcome.refused, step.refused) << step.session << ": " << step.sql.toStdString() << " -> "
                                                 << outcome.value.toStdString();
        if (!step.refused) {
            EXPECT_EQ(outcome.value.toStdString(), step.value.toStdString()) << step.session << ": " << step.sql.toStdString();
        }
    }
    // The history shows the server's login beside the one the program sent.
    QStringList forged;
    for (const HistoryEntry &entry : read_history(a))
        if (entry.action == u"Forged")
            forged << entry.shown_login();
    EXPECT_EQ(forged, QStringList{"OFFICE-PC-2/tbecker (server: dayvane_attacker)"});
    // Guessing is slowed: from the sixth failure in a session, a second each.
    Database guesser = Database::connect(station);
    QElapsedTimer timer;
    for (int guess = 1; guess <= 6; ++guess) {
        const QString guessed = QStringLiteral("SELECT dayvane_prove_system_password('\\x0%1')").arg(guess);
        timer.start();  // the last guess is the one measured
        EXPECT_EQ(attempt(guesser, guessed).value, QStringLiteral("false"));
    }
    EXPECT_GE(timer.elapsed(), 900);
    // The program proves again after a reconnect what it had proved.
    Database program = Database::connect(station);
    EXPECT_TRUE(prove_user_on_server(program, qint32(s.ann), *scramble_text("ann-pass1")).proven);
    const QString pid = attempt(program, QStringLiteral("SELECT pg_backend_pid()")).value;
    Database::connect(server->admin_address()).exec(QStringLiteral("SELECT pg_terminate_backend(%1);").arg(pid));
    attempt(program, QStringLiteral("SELECT 1"));  // finds the connection lost
    EXPECT_EQ(attempt(program, zeta_days).value, QStringLiteral("7"));
    EXPECT_NE(attempt(program, QStringLiteral("SELECT pg_backend_pid()")).value, pid);
    // An older server tells calendar changes once upgraded, a change by hand
    // too; its workstations hear them.
    make_older(owner, 3);
    EXPECT_EQ(upgrade_calendar_database(address), 3);
    Database listener = Database::connect(station);
    ASSERT_TRUE(listen_for_calendar_changes(listener));
    owner.exec(QStringLiteral("UPDATE calendars SET revision = 41 WHERE id = %1;").arg(alpha));
    attempt(listener, QStringLiteral("SELECT 1"));  // the notice arrives before its answer
    EXPECT_EQ(take_calendar_changes(listener).changes, std::vector<CalendarChange>(1, {qint32(s.alpha), 41}));
    // An older server database is left to its administrator.
    make_older(owner, 2);
    const OpenResult opened = open_calendar_database_at(station);
    EXPECT_EQ(opened.step, OpenStep::UpgradeFailed);
    EXPECT_TRUE(opened.detail.contains(QStringLiteral("ask its administrator to run: dayvane-db upgrade"))) << opened.detail.toStdString();
    EXPECT_EQ(upgrade_calendar_database(address), 2);
    Database after = Database::connect(station);
    EXPECT_EQ(attempt(after, zeta_days).value, QStringLiteral("0"));
    // A session that skips the program's start reads no days at all.
    Database bare = Database::connect(station);
    bare.exec(QStringLiteral("DISCARD SEQUENCES;"));
    EXPECT_TRUE(attempt(bare, zeta_days).refused);
}
