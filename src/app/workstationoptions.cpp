#include "app/workstationoptions.h"

#include "ui_common/appfolders.h"

#include <QDir>
#include <QSettings>

namespace dayvane {

QString workstation_options_path()
{
    return QDir(settings_folder()).filePath(QStringLiteral("dayvane.ini"));
}

WorkstationOptions read_workstation_options(const QString &path)
{
    WorkstationOptions options;
    const QSettings file(path, QSettings::IniFormat);
    const QString first_day = file.value(QStringLiteral("Week/FirstDay")).toString().trimmed();
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        if (first_day.compare(QLocale::c().standaloneDayName(day, QLocale::LongFormat), Qt::CaseInsensitive) == 0)
            options.first_day = Qt::DayOfWeek(day);
    }
    options.language = file.value(QStringLiteral("Language/Code")).toString().trimmed().toLower();
    options.locale_forms = file.value(QStringLiteral("Dates/LocaleForms")).toString().trimmed().toLower() == QLatin1String("true");
    return options;
}

bool write_workstation_options(const QString &path, const WorkstationOptions &options)
{
    QSettings file(path, QSettings::IniFormat);
    file.setValue(QStringLiteral("Week/FirstDay"), options.first_day ? QLocale::c().standaloneDayName(*options.first_day, QLocale::LongFormat)
                                                                     : QStringLiteral("locale"));
    file.setValue(QStringLiteral("Language/Code"), options.language);
    file.setValue(QStringLiteral("Dates/LocaleForms"), options.locale_forms ? QStringLiteral("true") : QStringLiteral("false"));
    file.sync();
    return file.status() == QSettings::NoError;
}

Qt::DayOfWeek chosen_week_start(const WorkstationOptions &options, const QLocale &locale)
{
    if (options.first_day)
        return *options.first_day;
    return locale.language() == QLocale::C ? Qt::Sunday : locale.firstDayOfWeek();
}

} // namespace dayvane
