// dayvane-db export, run as the real program on a real database file and on
// the test server.
#include "store/scramble.h"
#include "testdatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

class DayvaneDbExport : public testing::TestWithParam<Backend> {};

TEST_P(DayvaneDbExport, WritesTheYearToAFileOrStandardOutputAndAsksForThePasswordOfARestrictedCalendar)
{
    TestDatabase file(GetParam());
    QTemporaryDir folder;
    const Sample sample = fill_sample(file.db());
    execute(file.db(), QStringLiteral("UPDATE users SET password = ? WHERE id = ?;"),
            {*scramble_text("secret"), sample.ann});
    execute(file.db(), QStringLiteral("INSERT INTO system_variables (\"Variable\", \"Value\") VALUES (?, ?);"),
            {QStringLiteral("System password"), *scramble_text("admin")});
    file.close();
    const QString out = folder.filePath(QStringLiteral("year.out"));
    const QString alpha_uid = QStringLiteral("UID:20240108-period1-calendar%1@dayvane").arg(sample.alpha);
    // The arguments after the location, what is typed, the exit code and what the output file (standard
    // output for "-") or else the errors hold.
    const struct { QStringList args; QByteArray typed; int exit_code; QString expected; } cases[] = {
        {{"ALPHA", "2024", "--csv", out}, {}, 0, "2024-01-08,Monday,Typical workday,"},
        {{"alpha", "2024", "--ics", "-"}, {}, 0, alpha_uid},
        {{"Zeta Office", "2024", "--csv", out}, "wrong\n", 1, "The password is wrong"},
        {{"Zeta Office", "2024", "--csv", "-"}, "secret\n", 0, "2024-01-01,Monday,\"Paid, no work\","},
        {{"zeta office", "2024", "--ics", "-"}, "admin\n", 0, "X-WR-CALNAME:zeta office"},
        {{"Zeta Office", "2022", "--csv", out}, "secret\n", 1, "has no year 2022"},
        {{"gamma", "2024", "--ics", out}, {}, 1, "There is no calendar named \"gamma\""},
        {{"Alpha", "2024", "--pdf", out}, {}, 2, "Usage:"},
    };
    for (const auto &c : cases) {
        QFile::remove(out);
        const ProgramRun tool = run_program(QStringLiteral(DAYVANE_DB_TOOL),
                                            QStringList{QStringLiteral("export"), file.path()} + c.args, c.typed);
        EXPECT_EQ(tool.exit_code, c.exit_code) << tool.errors.toStdString();
        QString written;
        if (c.exit_code != 0) {
            written = tool.errors;
            EXPECT_FALSE(QFile::exists(out)) << c.args.join(u' ').toStdString();
        } else if (c.args.last() == u"-") {
            written = tool.output;
        } else {
            QFile result(out);
            EXPECT_TRUE(result.open(QIODevice::ReadOnly));
            written = QString::fromUtf8(result.readAll());
        }
        EXPECT_TRUE(written.contains(c.expected)) << c.args.join(u' ').toStdString() << "\n" << written.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, DayvaneDbExport, testing::ValuesIn(backends()), backend_name);

} // namespace
