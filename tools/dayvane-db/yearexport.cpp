#include "yearexport.h"

#include "export/yearcsv.h"
#include "export/yearicalendar.h"
#include "store/databaseid.h"
#include "store/recordset.h"
#include "store/recordsettext.h"
#include "calendaryear/calendaryear.h"

#include "terminalpassword.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <QTimeZone>

#include <cstdio>

namespace dayvane {

namespace {

bool write_output(const QString &output, const QByteArray &data, QTextStream &err)
{
    if (output == QLatin1String("-")) {
        QFile out;
        if (out.open(stdout, QIODevice::WriteOnly) && out.write(data) == data.size() && out.flush())
            return true;
        err << "Standard output could not be written: " << out.errorString() << "\n";
        return false;
    }
    // Renamed into place when complete: a failure leaves an earlier file.
    QSaveFile file(output);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit())
        return true;
    err << "The file " << output << " could not be written: " << file.errorString() << "\n";
    return false;
}

} // namespace

int export_calendar_year(Database &db, const YearExportRequest &request, QTextStream &err)
{
    RecordSet names = RecordSet::open(db, QStringLiteral("PARAMETERS NameTest Text ( 255 )=")
                                              + sql_text_literal(request.calendar)
                                              + QStringLiteral("; SELECT Q001.* FROM Q001;"));
    if (names.record_count() == 0) {
        err << "There is no calendar named \"" << request.calendar << "\".\n";
        return 1;
    }
    const qint32 id = names.field(QStringLiteral("id")).toInt();
    const QString name = names.field(QStringLiteral("Name")).toString();
    names.close();

    if (!ReadAccess(db, err).may_read(id)) {
        err << "The password is wrong; nothing was exported.\n";
        return 1;
    }
    RecordSet years = RecordSet::open(
        db, QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=%2; SELECT Q002.* FROM Q002;")
                .arg(id)
                .arg(request.year));
    if (years.record_count() == 0) {
        err << "The calendar \"" << name << "\" has no year " << request.year << ".\n";
        return 1;
    }
    years.close();

    const CalendarYear year = load_calendar_year(db, id, request.year);
    // Looking changes nothing: a database without an id is not given one here.
    const std::optional<QString> database_id = request.icalendar ? read_database_id(db) : std::nullopt;
    if (request.icalendar && !database_id)
        err << "Note: the database has no id of its own yet, so these events' UIDs are unique to this export "
               "(dayvane-db upgrade, or an export from the program, gives it one).\n";
    const QByteArray data = request.icalendar
        ? year_icalendar(year, name, QTimeZone::systemTimeZone(), QDateTime::currentDateTimeUtc(),
                         database_id.value_or(QString()))
        : year_csv(year, request.csv_separator);
    return write_output(request.output, data, err) ? 0 : 1;
}

} // namespace dayvane
