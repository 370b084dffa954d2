#include "printing/reportdatabase.h"

#include "printingfixture.h"
#include "store/database.h"
#include "store/dberror.h"
#include "store/stepnumber.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

TEST(ReportDatabase, EachReportReplacesTheRowsOfTheLastOneCompactsTheFileAndAForeignFileFails)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kReportDatabaseName);
    // Writes `rows` as a report does, each row a step after the
    // preparation's five; returns what the file then holds.
    const auto write_and_read = [&](const std::vector<ReportRow> &rows) {
        {
            Database db = prepare_report_database(path);
            EXPECT_EQ(step_number(), 5);
            write_report_rows(db, rows);
            EXPECT_EQ(step_number(), 5 + int(rows.size()));
        }
        Database db = Database::open(path, QByteArray());
        return read_report_rows(db);
    };
    const auto row = [](const QString &group, const QString &subgroup, std::optional<int> page, const QString &first) {
        ReportRow made{group, subgroup, page, {first}};
        made.fields[26] = QStringLiteral("last");
        return made;
    };
    ASSERT_FALSE(QFileInfo::exists(path));
    const std::vector<ReportRow> first = {row("A", "", std::nullopt, "It's \"quoted\""), row("B", "c", 1, "101"),
                                          row("E", "b", std::nullopt, "")};
    EXPECT_EQ(write_and_read(first), first);  // the file is created when missing
    // A scratch copy left behind by a crash is not in the way.
    write_file(dir.filePath(kReportScratchName), "left over");
    const std::vector<ReportRow> second = {row("D", "a", 2, "Events")};
    EXPECT_EQ(write_and_read(second), second);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(kReportScratchName)));
    // A large report's file shrinks again with the next one.
    write_and_read(std::vector<ReportRow>(3000, row("E", "b", std::nullopt, QString(200, u'x'))));
    EXPECT_GT(QFileInfo(path).size(), 500 * 1024);
    EXPECT_TRUE(write_and_read({}).empty());
    EXPECT_LT(QFileInfo(path).size(), 64 * 1024);
    // A file that is no database fails at the first step; so does a folder
    // that cannot hold the file, without a crash.
    write_file(path, QByteArray(4096, '\x5a'));
    set_step_number(0);
    EXPECT_THROW(prepare_report_database(path), DbError);
    EXPECT_EQ(step_number(), 1);
    EXPECT_THROW(prepare_report_database(dir.filePath("missing/QZX.mdb")), DbError);
}
