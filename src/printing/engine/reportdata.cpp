#include "printing/engine/reportdata.h"

#include "store/database.h"
#include "store/statement.h"

#include <QStringList>

namespace dayvane {

namespace {

QString field_names()
{
    QStringList names{QStringLiteral("\"Group\""), QStringLiteral("\"SubGroup\""), QStringLiteral("\"Page\"")};
    for (int i = 0; i < kReportFieldCount; ++i)
        names << QStringLiteral("F%1").arg(i);
    return names.join(QStringLiteral(", "));
}

QVariant text_or_null(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

} // namespace

void create_report_table(Database &db)
{
    QStringList columns{QStringLiteral("\"Group\" TEXT"), QStringLiteral("\"SubGroup\" TEXT"),
                        QStringLiteral("\"Page\" INTEGER")};
    for (int i = 0; i < kReportFieldCount; ++i)
        columns << QStringLiteral("F%1 TEXT").arg(i);
    db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS T000 (%1);").arg(columns.join(QStringLiteral(", "))));
}

void insert_report_row(Database &db, const ReportRow &row)
{
    static const QString sql = [] {
        QStringList marks;
        for (int i = 0; i < kReportFieldCount + 3; ++i)
            marks << QStringLiteral("?");
        return QStringLiteral("INSERT INTO T000 (%1) VALUES (%2);").arg(field_names(), marks.join(QStringLiteral(", ")));
    }();
    Statement &insert = db.cached(sql);
    insert.bind(1, text_or_null(row.group));
    insert.bind(2, text_or_null(row.subgroup));
    insert.bind(3, row.page ? QVariant(*row.page) : QVariant());
    for (int i = 0; i < kReportFieldCount; ++i)
        insert.bind(i + 4, text_or_null(row.fields[std::size_t(i)]));
    insert.exec();
}

std::vector<ReportRow> read_report_rows(Database &db)
{
    Statement select = db.prepare(QStringLiteral("SELECT %1 FROM T000 ORDER BY rowid;").arg(field_names()));
    std::vector<ReportRow> rows;
    while (select.step()) {
        ReportRow row;
        row.group = select.column(0).toString();
        row.subgroup = select.column(1).toString();
        const QVariant page = select.column(2);
        bool number = false;
        const int value = page.toInt(&number);
        if (!page.isNull() && number)
            row.page = value;
        for (int i = 0; i < kReportFieldCount; ++i)
            row.fields[std::size_t(i)] = select.column(i + 3).toString();
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace dayvane
