#include "store/connection.h"
#include "store/dberror.h"
#include "store/history.h"
#include "store/schema.h"
#include "store/scramble.h"
#include "store/transaction.h"

#include "testdatabase.h"

#include <QDataStream>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// Two workstations on the sample calendar "zeta office".
class History : public ::testing::TestWithParam<Backend>
{
protected:
    History() { second.author() = {QStringLiteral("PC-2"), QStringLiteral("bob"), qint32(s.bob), QStringLiteral("Bob Adams")}; }
    // One change setting every field of `dates` (of 2024); `fail` makes it fail after its writes.
    qint32 change(Database &on, qint32 remembered, const QStringList &dates, const QString &mark, bool fail = false)
    {
        return change_calendar_days(on, zeta, remembered, QDate(2024, 1, 1), QDate(2024, 12, 31), [&](std::vector<DayState> &days) {
            for (const QString &date : dates) {
                on.exec(QStringLiteral("UPDATE days SET \"DayType\" = 2, \"DayStart\" = 60, \"DayStop\" = 120, minutes1 = 7,"
                                       " minutes2 = 8, \"TimeSegments\" = 'y@60>120', \"Date comment\" = '%1'"
                                       " WHERE \"NameLink\" = %2 AND \"DateVal\" = '%3';")
                            .arg(mark).arg(zeta).arg(date));
            }
            if (fail)
                throw DbError(DbError::Constraint, QStringLiteral("refused"), QStringLiteral("test"));
            days = read_day_states(on, zeta, QDate(2024, 1, 1), QDate(2024, 12, 31));
            return QStringLiteral("Changed: ") + mark;
        });
    }
    std::vector<DayState> days() { return read_day_states(db, zeta, QDate(2023, 1, 1), QDate(2024, 12, 31)); }
    std::vector<HistoryEntry> entries(const HistoryFilter &filter = {}) { return read_history(db, filter); }
    QStringList actions(HistoryFilter filter)
    {
        filter.calendar_id = zeta;
        QStringList list;
        for (const HistoryEntry &entry : entries(filter))
            list << entry.action;
        return list;
    }

    TestDatabase t{GetParam()};
    const Sample s = fill_sample(t.db());
    Database &db = t.db();
    Database second = open_existing_database(t.path());
    const qint32 zeta = qint32(s.zeta);
};
INSTANTIATE_TEST_SUITE_P(Backends, History, ::testing::ValuesIn(backends()), backend_name);

TEST_P(History, EveryAcceptedChangeHasOneEntryAndUndoRestoresItsDaysUnlessChangedSince)
{
    const std::vector<DayState> original = days();
    db.author().user_id = qint32(s.ann);
    db.author().user_name = QStringLiteral("Ann Smith");
    EXPECT_EQ(change(db, 0, {QStringLiteral("2024-01-08"), QStringLiteral("2024-01-09")}, QStringLiteral("first")), 1);
    EXPECT_THROW(change(second, 0, {QStringLiteral("2024-01-10")}, QStringLiteral("stale")), DbError);
    EXPECT_THROW(change(second, 1, {QStringLiteral("2024-01-10")}, QStringLiteral("failed"), true), DbError);
    EXPECT_EQ(change(second, 1, {QStringLiteral("2024-01-09"), QStringLiteral("2024-01-10")}, QStringLiteral("second")), 2);

    std::vector<HistoryEntry> list = entries({zeta, {}, {}, {}});
    ASSERT_EQ(list.size(), 2u);
    const HistoryEntry &first = list[1];
    EXPECT_EQ(QStringList({list[0].action, list[0].workstation, list[0].login, list[0].user_name}),
              QStringList({"Changed: second", "PC-2", "bob", "Bob Adams"}));
    EXPECT_EQ(QStringList({first.workstation, first.user_name, first.calendar_name}),
              QStringList({QSysInfo::machineHostName(), "Ann Smith", "zeta office"}));
    EXPECT_FALSE(first.login.isEmpty());
    EXPECT_LE(qAbs(first.changed_at.secsTo(QDateTime::currentDateTimeUtc())), 60);
    EXPECT_EQ(std::pair(first.first_date, first.last_date), std::pair(QDate(2024, 1, 8), QDate(2024, 1, 9)));
    const std::vector<DayChange> changed = read_changed_days(db, first.id);
    ASSERT_EQ(changed.size(), 2u);
    EXPECT_TRUE(changed[0].before == original[4] && changed[1].before == original[5]);  // 8 and 9 January
    EXPECT_EQ(changed[1].after, (DayState{QDate(2024, 1, 9), 2, 60, 120, 7, 8, "y@60>120", "first"}));
    // The second change took 9 January since: the first is not undone, and the user is shown which change it was.
    const std::vector<DayState> now = days();
    UndoOutcome refused = undo_change(db, first.id, 2);
    EXPECT_EQ(std::tuple(refused.revision, refused.conflict_date), std::tuple(std::nullopt, QDate(2024, 1, 9)));
    ASSERT_TRUE(refused.later);
    EXPECT_EQ(refused.later->id, list[0].id);
    EXPECT_TRUE(days() == now);
    EXPECT_THROW(undo_change(db, list[0].id, 1), DbError);  // an out-of-date window
    // Newest first, both undo, and every field of every day is as before.
    EXPECT_EQ(undo_change(second, list[0].id, 2).revision, 3);
    EXPECT_EQ(undo_change(db, first.id, 3).revision, 4);
    EXPECT_TRUE(days() == original);
    const std::vector<DayChange> undone = read_changed_days(db, entries({zeta, {}, {}, {}})[0].id);
    ASSERT_EQ(undone.size(), 2u);  // the same days, the other way round
    EXPECT_TRUE(undone[0].after == changed[0].before && undone[1].after == changed[1].before
                && undone[1].before == changed[1].after);
    // Filters: by the days changed (not just the span), by who.
    EXPECT_EQ(actions({}), QStringList({"Undone: Changed: first", "Undone: Changed: second", "Changed: second",
                                        "Changed: first"}));
    EXPECT_EQ(actions({{}, QDate(2024, 1, 10), QDate(2024, 1, 31), {}}),
              QStringList({"Undone: Changed: second", "Changed: second"}));
    EXPECT_EQ(actions({{}, {}, QDate(2024, 1, 7), {}}), QStringList());
    EXPECT_EQ(actions({{}, {}, {}, QStringLiteral("bOb")}), QStringList({"Undone: Changed: second", "Changed: second"}));
    EXPECT_EQ(entries({s.alpha, {}, {}, {}}).size(), 0u);
    // The year deleted since (and added again): its days are new days, whatever they hold, and the deletion is named.
    const qint64 seventh = (change(db, 4, {QStringLiteral("2024-01-07")}, QStringLiteral("seventh")), entries()[0].id);
    {
        Transaction deletion(db);
        record_change(db, zeta, QStringLiteral("Year deleted: 2024"), {}, QDate(2024, 1, 1), QDate(2024, 12, 31));
        deletion.commit();
    }
    const UndoOutcome across = undo_change(db, seventh, 5);
    EXPECT_EQ(std::tuple(across.revision, across.conflict_date), std::tuple(std::nullopt, QDate(2024, 1, 7)));
    EXPECT_EQ(across.later ? across.later->action : QString(), QStringLiteral("Year deleted: 2024"));
}

// An older database gains the history when opened; dayvane-db prints and prunes it, pruning only with the system password.
TEST_P(History, OlderDatabasesAreUpgradedAndDayvaneDbPrintsAndPrunesTheHistory)
{
    test::make_older(db, 1);
    t.close();
    // Looking changes nothing, and waits for no workstation in the middle of a save: check, history, export and a
    // copy's source leave the older version for the older programs; only upgrade (or the program) upgrades.
    const QString tool = QStringLiteral(DAYVANE_DB_TOOL);
    QTemporaryDir copies;
    {
        Database writer = is_calendar_server(t.path())
                              ? Database::connect(t.path())
                              : Database::open(t.path(), key_from_connect_string(kSecondConnectString));
        Transaction saving(writer);
        scalar(writer, QStringLiteral("SELECT count(*) FROM days;"));
        for (const QStringList &look : {QStringList{"check", t.path()}, {"history", t.path()},
                                        {"export", t.path(), "alpha", "2024", "--csv", "-"},
                                        {"copy", t.path(), copies.filePath(QStringLiteral("QZDB.mdb"))}}) {
            const ProgramRun run = run_program(tool, look);
            EXPECT_EQ(run.exit_code, 0) << look.join(u' ').toStdString() << ": " << run.errors.toStdString();
            EXPECT_EQ(open_for_inspection(t.path()).user_version(), 1) << look[0].toStdString();
        }
    }
    EXPECT_TRUE(run_program(tool, {QStringLiteral("upgrade"), t.path()}).output.startsWith(u"Upgraded "));
    Database reopened = open_existing_database(t.path());
    EXPECT_EQ(reopened.user_version(), schema_version_of(reopened));
    EXPECT_EQ(change(reopened, 0, {QStringLiteral("2024-01-08")}, QStringLiteral("one\ttab")), 1);
    record_change(reopened, 0, QStringLiteral("User changed: Ann Smith"));
    execute(reopened, QStringLiteral("INSERT INTO system_variables (\"Variable\", \"Value\") VALUES ('System password', ?);"),
            {*scramble_text("letmein1")});
    // The sample's "zeta office" is read-restricted: its entries need a password.
    const ProgramRun all = run_program(tool, {QStringLiteral("history"), t.path()}, "letmein1\n");
    ASSERT_EQ(all.exit_code, 0) << all.errors.toStdString();
    const QStringList lines = all.output.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    const QStringList fields = lines[1].split(u'\t');
    ASSERT_EQ(fields.size(), 6);
    EXPECT_TRUE(QDateTime::fromString(fields[0], Qt::ISODate).isValid()) << fields[0].toStdString();
    EXPECT_EQ(fields.mid(1, 1) + fields.mid(4), QStringList({QSysInfo::machineHostName(), "zeta office", "Changed: one tab"}));
    EXPECT_EQ(lines[0].section(u'\t', 4), QStringLiteral("\tUser changed: Ann Smith"));
    const ProgramRun one = run_program(tool, {QStringLiteral("history"), t.path(), QStringLiteral("ZETA OFFICE")}, "letmein1\n");
    EXPECT_EQ(one.output.count(u'\n'), 1);

    const QStringList prune{QStringLiteral("prune-history"), t.path(), QStringLiteral("--before"),
                            QDate::currentDate().addDays(1).toString(Qt::ISODate)};
    EXPECT_EQ(run_program(tool, prune, "wrong\n").exit_code, 1);
    EXPECT_EQ(read_history(reopened).size(), 2u);
    const ProgramRun pruned = run_program(tool, prune, "letmein1\n");
    EXPECT_EQ(pruned.exit_code, 0) << pruned.errors.toStdString();
    EXPECT_TRUE(pruned.output.startsWith(u"Removed 2 entries")) << pruned.output.toStdString();
    const std::vector<HistoryEntry> left = read_history(reopened);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(left[0].action.startsWith(u"History before ")) << left[0].action.toStdString();
    // Days kept in the first, compressed format still read.
    QByteArray first_format;
    QDataStream out(&first_format, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << quint8(1) << quint32(1) << qint64(QDate(2024, 1, 8).toJulianDay());
    for (const QString &comment : {QStringLiteral("was"), QStringLiteral("is")})
        out << qint32(1) << qint32(60) << qint32(120) << qint32(7) << qint32(8) << QStringLiteral("y@60>120") << comment;
    execute(reopened, QStringLiteral("UPDATE change_history SET \"Days\" = ?;"), {qCompress(first_format, 1)});
    const std::vector<DayChange> kept = read_changed_days(reopened, left[0].id);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].before.comment, QStringLiteral("was"));
    EXPECT_EQ(kept[0].after, (DayState{QDate(2024, 1, 8), 1, 60, 120, 7, 8, "y@60>120", "is"}));
}

} // namespace
