#include "store/dberror.h"
#include "store/recordsettext.h"

#include "printers.h"

#include <QDate>

#include <gtest/gtest.h>

using namespace dayvane;

TEST(RecordSetText, ReadsEveryFormTheProgramWrites)
{
    using T = QueryParameter::Type;
    struct Parameter { const char *name; T type; QVariant value; };  // no value: declared only
    struct Case { const char *text, *query; std::vector<Parameter> parameters; };
    const Case cases[] = {
        {"PARAMETERS CalendarID Long=5, [Year] Short=2024; SELECT Q002.* FROM Q002;", "Q002",
         {{"CalendarID", T::Long, 5}, {"Year", T::Short, 2024}}},
        {"PARAMETERS CalendarID Long=3, StartDt DateTime=#1/5/2024#, EndDt DateTime=#12/31/2024#; SELECT *  FROM Q008;",
         "Q008", {{"CalendarID", T::Long, 3}, {"StartDt", T::DateTime, QDate(2024, 1, 5)}, {"EndDt", T::DateTime, QDate(2024, 12, 31)}}},
        {"PARAMETERS NameTest Text ( 255 )='O''Brien''s ; SELECT, x'; SELECT Q001.* FROM Q001;", "Q001",
         {{"NameTest", T::Text, "O'Brien's ; SELECT, x"}}},
        {"PARAMETERS NameTest Text ( 255 )='a''''b''; SELECT Q010.* FROM Q010;'''; SELECT Q001.* FROM Q001;", "Q001",
         {{"NameTest", T::Text, "a''b'; SELECT Q010.* FROM Q010;'"}}},
        {"SELECT Q011.*FROM Q011;", "Q011", {}},
        {"PARAMETERS [Password] Text ( 255 )=''; SELECT Q011a.* FROM Q011a;", "Q011a", {{"Password", T::Text, ""}}},
        // Declared without a value: the caller supplies it when opening.
        {"parameters [Password] text; select q011a.* from q011a", "q011a", {{"Password", T::Text, {}}}},
        {"PARAMETERS RecordID Long=-1; SELECT Q004.* FROM Q004;", "Q004", {{"RecordID", T::Long, -1}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const RecordSetText t = parse_record_set_text(QString::fromUtf8(c.text));
        EXPECT_EQ(t.query, c.query);
        ASSERT_EQ(t.parameters.size(), c.parameters.size());
        for (std::size_t i = 0; i < t.parameters.size(); ++i) {
            const Parameter &expected = c.parameters[i];
            EXPECT_EQ(t.parameters[i].name, expected.name);
            EXPECT_EQ(t.parameters[i].type, expected.type);
            EXPECT_EQ(t.parameters[i].has_value, expected.value.isValid());
            if (expected.value.isValid()) {
                EXPECT_EQ(t.parameters[i].value, expected.value) << t.parameters[i].value.toString().toStdString();
            }
        }
    }
    EXPECT_EQ(sql_text_literal(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
}

TEST(RecordSetText, RefusesMalformedTextWithAnEngineError)
{
    struct Case { const char *text; int number; };
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
