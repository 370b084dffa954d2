#include "export/yearcsv.h"

#include "exportsample.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dayvane;

namespace {

struct ReadBack {
    bool bom = false;
    std::vector<QStringList> rows;
};

// The rows as Python's csv module reads `csv`.
ReadBack read_with_python(const QByteArray &csv)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("year.csv")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(csv);
    file.close();
    QProcess python;
    python.start(QStringLiteral(DAYVANE_PYTHON), {QStringLiteral(DAYVANE_READ_CSV), file.fileName()});
    EXPECT_TRUE(python.waitForFinished(30000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonObject json = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    ReadBack back;
    back.bom = json.value(QStringLiteral("bom")).toBool();
    for (const QJsonValue &row : json.value(QStringLiteral("rows")).toArray())
        back.rows.push_back(row.toVariant().toStringList());
    return back;
}

TEST(YearCsv, ReadsBackWithARealCsvReader)
{
    CalendarYear year = test::sample_year();
    year.add_day({801, QDate(2024, 8, 1), 0, 0, 0, 0, {}, QStringLiteral("=HYPERLINK(\"http://x\")")});
    const QByteArray csv = year_csv(year);
    EXPECT_TRUE(csv.endsWith("\r\n"));
    EXPECT_EQ(csv.count("\r\n"), 367 + 1);  // header, 366 days and the CRLF inside one comment

    const ReadBack back = read_with_python(csv);
    EXPECT_TRUE(back.bom);
    ASSERT_EQ(back.rows.size(), 367u);  // header and every day of leap year 2024, Dec 31 2023 left out
    EXPECT_EQ(back.rows[0].join(u'|'),
              u"Date|Weekday|Day class|Periods|Worked minutes|Worked|Paid minutes|Paid|Comment");
    const std::map<QString, QStringList> expected{
        {u"2024-01-01"_qs, {u"2024-01-01"_qs, u"Monday"_qs, u"No work, no pay"_qs, {}, u"0"_qs, u"0h 0m"_qs,
                             u"0"_qs, u"0h 0m"_qs, {}}},
        {u"2024-01-02"_qs, {u"2024-01-02"_qs, u"Tuesday"_qs, u"Typical workday"_qs,
                             u"08:00 AM..12:00 PM (4h 0m Wrk); 01:00 PM..05:00 PM (4h 0m Wrk)"_qs, u"480"_qs,
                             u"8h 0m"_qs, u"480"_qs, u"8h 0m"_qs, test::kHostileComment}},
        {u"2024-03-15"_qs, {u"2024-03-15"_qs, u"Friday"_qs, u"Altered workday"_qs,
                             u"10:00 PM..06:00 AM (8h 0m Wrk)"_qs, u"480"_qs, u"8h 0m"_qs, u"480"_qs,
                             u"8h 0m"_qs, test::kSeparatorComment}},
        {u"2024-07-04"_qs, {u"2024-07-04"_qs, u"Thursday"_qs, u"Paid, no work"_qs,
                             u"08:00 AM..04:00 PM (8h 0m)"_qs, u"0"_qs, u"0h 0m"_qs, u"480"_qs, u"8h 0m"_qs, {}}},
        // A formula in a comment stays text.
        {u"2024-08-01"_qs, {u"2024-08-01"_qs, u"Thursday"_qs, u"No work, no pay"_qs, {}, u"0"_qs, u"0h 0m"_qs,
                             u"0"_qs, u"0h 0m"_qs, u"'=HYPERLINK(\"http://x\")"_qs}},
        {u"2024-12-31"_qs, {u"2024-12-31"_qs, u"Tuesday"_qs, u"No work, no pay"_qs, {}, u"0"_qs, u"0h 0m"_qs,
                             u"0"_qs, u"0h 0m"_qs, u"End\nof year"_qs}},
    };
    for (const auto &[date, row] : expected) {
        const QDate day = QDate::fromString(date, Qt::ISODate);
        const QStringList &read = back.rows[std::size_t(QDate(2024, 1, 1).daysTo(day) + 1)];
        EXPECT_EQ(read, row) << date.toStdString();
    }
}

} // namespace
