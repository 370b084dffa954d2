#pragma once

#include <QString>
#include <QVariant>

#include <vector>

namespace dayvane {

// One parameter of a record-set text's PARAMETERS clause.
struct QueryParameter
{
    enum class Type { Long, Short, DateTime, Text };

    QString name;      // without brackets: "Year" for "[Year]"
    Type type = Type::Long;
    QVariant value;    // qint64, QDate or QString; null when has_value is false
    bool has_value = false;
};

// The program's SQL text for opening a stored query, read apart:
//   "PARAMETERS CalendarID Long=5, [Year] Short=2024; SELECT Q002.* FROM Q002;"
//   "PARAMETERS [Date] DateTime=#1/5/2024#; SELECT Q007.* FROM Q007;"
//   "PARAMETERS NameTest Text ( 255 )='O''Brien'; SELECT Q001.* FROM Q001;"
//   "SELECT Q011.*FROM Q011;"   "SELECT *  FROM Q008;"
// Keywords and type names are read without regard to case. A quote inside a
// text value is written doubled. A parameter may be declared without a value;
// the caller then supplies it when opening.
struct RecordSetText
{
    std::vector<QueryParameter> parameters;
    QString query;  // the stored query's name
};

// Throws DbError RecordSetSyntax or BadParameterValue on malformed text.
RecordSetText parse_record_set_text(const QString &text);

// A text value for a PARAMETERS clause, between quotes, any quote doubled.
QString sql_text_literal(const QString &text);

} // namespace dayvane
