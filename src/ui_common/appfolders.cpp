#include "ui_common/appfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace dayvane {

QString choose_settings_folder(const QString &home, const QString &program_folder, const QString &config_folder)
{
    if (!home.trimmed().isEmpty())
        return home.trimmed();
    const QFileInfo program(program_folder);
    if (program.isDir() && program.isWritable() && !is_installed_program_folder(program_folder))
        return program_folder;
    QDir().mkpath(config_folder);
    return config_folder;
}

bool is_installed_program_folder(const QString &program_folder)
{
    return QFileInfo(QDir(program_folder).filePath(QStringLiteral("../share/dayvane"))).isDir();
}

QString settings_folder()
{
    return choose_settings_folder(qEnvironmentVariable("DAYVANE_HOME"), QCoreApplication::applicationDirPath(),
                                  QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QStringList shipped_file_candidates(const QString &name)
{
    QStringList candidates;
    const QString home = qEnvironmentVariable("DAYVANE_HOME").trimmed();
    if (!home.isEmpty())
        candidates << QDir(home).filePath(name);
    const QDir program(QCoreApplication::applicationDirPath());
    candidates << program.filePath(name) << program.filePath(QStringLiteral("reports/") + name)
               << QDir::cleanPath(program.filePath(QStringLiteral("../share/dayvane/") + name));
    return candidates;
}

QString find_shipped_file(const QString &name)
{
    const QStringList candidates = shipped_file_candidates(name);
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

} // namespace dayvane
