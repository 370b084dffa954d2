#include "printing/reportdatabase.h"

#include "printing/engine/reportdata.h"
#include "store/database.h"
#include "store/dberror.h"
#include "store/stepnumber.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dayvane;

namespace {

ReportRow make_row(const QString &group, const QString &subgroup, std::optional<int> page, const QString &first)
{
    ReportRow row{group, subgroup, page, {}};
    row.fields[0] = first;
    row.fields[26] = QStringLiteral("last");
    return row;
}

// Writes `rows` as a report does, each row a step after the preparation's
// five; returns what the file then holds.
std::vector<ReportRow> write_and_read(const QString &path, const std::vector<ReportRow> &rows)
{
    {
        Database db = prepare_report_database(path);
        EXPECT_EQ(step_number(), 5);
        write_report_rows(db, rows);
        EXPECT_EQ(step_number(), 5 + int(rows.size()));
    }
    Database db = Database::open(path, QByteArray());
    return read_report_rows(db);
}

void write_file(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

TEST(ReportDatabase, EachReportReplacesTheRowsOfTheLastOneAndCompactsTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kReportDatabaseName);
    ASSERT_FALSE(QFileInfo::exists(path));
    const std::vector<ReportRow> first = {make_row("A", "", std::nullopt, "It's \"quoted\""),
                                          make_row("B", "c", 1, "101"), make_row("E", "b", std::nullopt, "")};
    EXPECT_EQ(write_and_read(path, first), first);  // the file is created when missing

    // A scratch copy left behind by a crash is not in the way.
    write_file(dir.filePath(kReportScratchName), "left over");
    const std::vector<ReportRow> second = {make_row("D", "a", 2, "Events")};
    EXPECT_EQ(write_and_read(path, second), second);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(kReportScratchName)));

    // A large report's file shrinks again with the next one.
    write_and_read(path, std::vector<ReportRow>(3000, make_row("E", "b", std::nullopt, QString(200, u'x'))));
    EXPECT_GT(QFileInfo(path).size(), 500 * 1024);
    EXPECT_TRUE(write_and_read(path, {}).empty());
    EXPECT_LT(QFileInfo(path).size(), 64 * 1024);
}

TEST(ReportDatabase, AFileThatIsNoDatabaseFailsAtTheFirstStep)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kReportDatabaseName);
    write_file(path, QByteArray(4096, '\x5a'));
    set_step_number(0);
    EXPECT_THROW(prepare_report_database(path), DbError);
    EXPECT_EQ(step_number(), 1);

    // A folder that cannot hold the file fails too, without a crash.
    EXPECT_THROW(prepare_report_database(dir.filePath("missing/QZX.mdb")), DbError);
}
