#include "store/dberror.h"
#include "store/recordsettext.h"

#include <QDate>

#include <gtest/gtest.h>

using namespace dayvane;

TEST(RecordSetText, ReadsEveryFormTheProgramWrites)
{
    {
        const RecordSetText t = parse_record_set_text(
            QStringLiteral("PARAMETERS CalendarID Long=5, [Year] Short=2024; SELECT Q002.* FROM Q002;"));
        EXPECT_EQ(t.query, QStringLiteral("Q002"));
        ASSERT_EQ(t.parameters.size(), 2u);
        EXPECT_EQ(t.parameters[0].name, QStringLiteral("CalendarID"));
        EXPECT_EQ(t.parameters[0].value.toLongLong(), 5);
        EXPECT_EQ(t.parameters[1].name, QStringLiteral("Year"));
        EXPECT_EQ(t.parameters[1].type, QueryParameter::Type::Short);
        EXPECT_EQ(t.parameters[1].value.toLongLong(), 2024);
    }
    {
        const RecordSetText t = parse_record_set_text(QStringLiteral(
            "PARAMETERS CalendarID Long=3, StartDt DateTime=#1/5/2024#, EndDt DateTime=#12/31/2024#; "
            "SELECT *  FROM Q008;"));
        EXPECT_EQ(t.query, QStringLiteral("Q008"));
        ASSERT_EQ(t.parameters.size(), 3u);
        EXPECT_EQ(t.parameters[1].value.toDate(), QDate(2024, 1, 5));
        EXPECT_EQ(t.parameters[2].value.toDate(), QDate(2024, 12, 31));
    }
    {
        const RecordSetText t = parse_record_set_text(
            QStringLiteral("PARAMETERS NameTest Text ( 255 )='O''Brien''s ; SELECT, x'; SELECT Q001.* FROM Q001;"));
        ASSERT_EQ(t.parameters.size(), 1u);
        EXPECT_EQ(t.parameters[0].type, QueryParameter::Type::Text);
        EXPECT_EQ(t.parameters[0].value.toString(), QStringLiteral("O'Brien's ; SELECT, x"));
    }
    {
        const RecordSetText t = parse_record_set_text(QStringLiteral("SELECT Q011.*FROM Q011;"));
        EXPECT_EQ(t.query, QStringLiteral("Q011"));
        EXPECT_TRUE(t.parameters.empty());
    }
    {
        const RecordSetText t = parse_record_set_text(
            QStringLiteral("PARAMETERS [Password] Text ( 255 )=''; SELECT Q011a.* FROM Q011a;"));
        EXPECT_EQ(t.query, QStringLiteral("Q011a"));
        EXPECT_EQ(t.parameters[0].value.toString(), QString());
        EXPECT_TRUE(t.parameters[0].has_value);
    }
    {
        // Declared without a value: the caller supplies it when opening.
        const RecordSetText t =
            parse_record_set_text(QStringLiteral("parameters [Password] text; select q011a.* from q011a"));
        EXPECT_EQ(t.query, QStringLiteral("q011a"));
        EXPECT_FALSE(t.parameters[0].has_value);
    }
    {
        const RecordSetText t = parse_record_set_text(QStringLiteral("PARAMETERS RecordID Long=-1; SELECT Q004.* FROM Q004;"));
        EXPECT_EQ(t.parameters[0].value.toLongLong(), -1);
    }
}

TEST(RecordSetText, RefusesMalformedTextWithAnEngineError)
{
    struct Case
    {
        const char *text;
        int number;
    };
    const Case cases[] = {
        {"", DbError::RecordSetSyntax},
        {"SELECT Q001.* FROM", DbError::RecordSetSyntax},
        {"SELECT Q001.* FROM Q002;", DbError::RecordSetSyntax},
        {"SELECT Q001.* FROM Q001; DROP TABLE days;", DbError::RecordSetSyntax},
        {"PARAMETERS NameTest Text ( 255 )='open; SELECT Q001.* FROM Q001;", DbError::RecordSetSyntax},
        {"PARAMETERS NameTest Text ( 255 )='a' b'; SELECT Q001.* FROM Q001;", DbError::RecordSetSyntax},
        {"PARAMETERS CalendarID Long=; SELECT Q004.* FROM Q004;", DbError::RecordSetSyntax},
        {"PARAMETERS CalendarID Long=12x; SELECT Q004.* FROM Q004;", DbError::RecordSetSyntax},
        {"PARAMETERS CalendarID Long=5 SELECT Q004.* FROM Q004;", DbError::RecordSetSyntax},
        {"PARAMETERS CalendarID Float=5; SELECT Q004.* FROM Q004;", DbError::RecordSetSyntax},
        {"PARAMETERS [Year Short=5; SELECT Q002.* FROM Q002;", DbError::RecordSetSyntax},
        {"PARAMETERS [Date] DateTime=#2/30/2024#; SELECT Q007.* FROM Q007;", DbError::BadParameterValue},
        {"PARAMETERS [Date] DateTime=#13/1/2024#; SELECT Q007.* FROM Q007;", DbError::BadParameterValue},
        {"PARAMETERS [Date] DateTime=#1/5/2024; SELECT Q007.* FROM Q007;", DbError::RecordSetSyntax},
        {"PARAMETERS [Date] DateTime=1/5/2024; SELECT Q007.* FROM Q007;", DbError::RecordSetSyntax},
        {"PARAMETERS [Year] Short=40000; SELECT Q002.* FROM Q002;", DbError::BadParameterValue},
        {"PARAMETERS RecordID Long=99999999999999999999999; SELECT Q004.* FROM Q004;", DbError::BadParameterValue},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        try {
            parse_record_set_text(QString::fromUtf8(c.text));
            ADD_FAILURE() << "accepted";
        } catch (const DbError &error) {
            EXPECT_EQ(error.number(), c.number);
            EXPECT_FALSE(error.description().isEmpty());
        }
    }
}

TEST(RecordSetText, TextLiteralDoublesQuotes)
{
    EXPECT_EQ(sql_text_literal(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
    const QString tricky = QStringLiteral("a''b'; SELECT Q010.* FROM Q010;'");
    const RecordSetText t = parse_record_set_text(QStringLiteral("PARAMETERS NameTest Text ( 255 )=")
                                                  + sql_text_literal(tricky)
                                                  + QStringLiteral("; SELECT Q001.* FROM Q001;"));
    EXPECT_EQ(t.parameters[0].value.toString(), tricky);
    EXPECT_EQ(t.query, QStringLiteral("Q001"));
}
