#include "store/dberror.h"
#include "store/recordsettext.h"

#include "printers.h"

#include <gtest/gtest.h>

using namespace dayvane;

namespace {

// The query, then each parameter as "name:TYPE=value" ("name:TYPE" when it is
// declared without a value; dates in ISO form); or "error NUMBER" for text
// refused with a described DbError.
QString parsed(const char *text)
{
    static const char *const types[] = {"Long", "Short", "DateTime", "Text"};
    try {
        const RecordSetText t = parse_record_set_text(QString::fromUtf8(text));
        QString result = t.query;
        for (const QueryParameter &p : t.parameters) {
            result += QStringLiteral(" %1:%2").arg(p.name, QLatin1String(types[int(p.type)]));
            if (p.has_value)
                result += u'=' + p.value.toString();
        }
        return result;
    } catch (const DbError &error) {
        return error.description().isEmpty() ? QStringLiteral("undescribed") : QStringLiteral("error %1").arg(error.number());
    }
}

} // namespace

TEST(RecordSetText, ReadsQuotedValuesAndRefusesMalformedText)
{
    // The program's other forms are read in the stored-query tests; any text
    // that it quotes comes back unchanged in the parser's fuzz target.
    EXPECT_EQ(parsed("PARAMETERS [Password] Text ( 255 )=''; SELECT Q011a.* FROM Q011a;"), u"Q011a Password:Text=");
    EXPECT_EQ(parsed("PARAMETERS [Password] Text ( 255 ); SELECT Q011a.* FROM Q011a;"), u"Q011a Password:Text");
    EXPECT_EQ(parsed("PARAMETERS CalendarID Long=3, [Year] Short=2024, NameTest Text ( 255 )='a''''b''; SELECT Q010.* "
                     "FROM Q010;'''; SELECT Q001.* FROM Q001;"),
              u"Q001 CalendarID:Long=3 Year:Short=2024 NameTest:Text=a''b'; SELECT Q010.* FROM Q010;'");
    EXPECT_EQ(sql_text_literal(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));

    struct Refusal { const char *text; int number; };
    const Refusal refusals[] = {
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
    for (const Refusal &c : refusals)
        EXPECT_EQ(parsed(c.text), QStringLiteral("error %1").arg(c.number)) << c.text;
}
