#include "printing/reportdatabase.h"

#include "printing/engine/reportdata.h"
#include "store/database.h"
#include "store/dberror.h"
#include "store/stepnumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dayvane;

namespace {

ReportRow make_row(const QString &group, const QString &subgroup, std::optional<int> page, const QString &first)
{
    ReportRow row;
    row.group = group;
    row.subgroup = subgroup;
    row.page = page;
    row.fields[0] = first;
    row.fields[26] = QStringLiteral("last");
    return row;
}

std::vector<ReportRow> read_back(const QString &path)
{
    Database db = Database::open(path, QByteArray());
    return read_report_rows(db);
}

} // namespace

TEST(ReportDatabase, EachReportReplacesTheRowsOfTheLastOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kReportDatabaseName);
    const QString scratch = dir.filePath(kReportScratchName);
    ASSERT_FALSE(QFileInfo::exists(path));

    const std::vector<ReportRow> first = {make_row("A", "", std::nullopt, "It's \"quoted\""),
                                          make_row("B", "c", 1, "101"), make_row("E", "b", std::nullopt, "")};
    {
        Database db = prepare_report_database(path);  // created when missing
        EXPECT_EQ(step_number(), 5);
        write_report_rows(db, first);
        EXPECT_EQ(step_number(), 5 + int(first.size()));
    }
    EXPECT_EQ(read_back(path), first);

    // A scratch copy left behind by a crash is not in the way.
    {
        QFile stale(scratch);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("left over");
    }
    const std::vector<ReportRow> second = {make_row("D", "a", 2, "Events")};
    {
        Database db = prepare_report_database(path);
        write_report_rows(db, second);
    }
    EXPECT_EQ(read_back(path), second);
    EXPECT_FALSE(QFileInfo::exists(scratch));
}

TEST(ReportDatabase, CompactsTheFileAfterALargeReport)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kReportDatabaseName);
    std::vector<ReportRow> many(3000, make_row("E", "b", std::nullopt, QString(200, u'x')));
    {
        Database db = prepare_report_database(path);
        write_report_rows(db, many);
    }
    const qint64 full = QFileInfo(path).size();
    {
        Database db = prepare_report_database(path);
    }
    const qint64 emptied = QFileInfo(path).size();
    EXPECT_GT(full, 500 * 1024);
    EXPECT_LT(emptied, 64 * 1024);
    EXPECT_TRUE(read_back(path).empty());
}

TEST(ReportDatabase, AFileThatIsNoDatabaseFailsAtTheFirstStep)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kReportDatabaseName);
    {
        QFile garbage(path);
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, '\x5a'));
    }
    set_step_number(0);
    EXPECT_THROW(prepare_report_database(path), DbError);
    EXPECT_EQ(step_number(), 1);

    // A folder that cannot hold the file fails too, without a crash.
    EXPECT_THROW(prepare_report_database(dir.filePath("missing/QZX.mdb")), DbError);
}
