#pragma once

#include <QString>
#include <QStringList>

namespace dayvane {

// The folder for the workstation's own files ("QZ.ini", the report
// database): DAYVANE_HOME when set, else the program's folder when it is
// writable and not an installed system folder, else the user's
// configuration folder (created when missing).
QString settings_folder();

// The rule behind settings_folder(), for a given environment.
QString choose_settings_folder(const QString &home, const QString &program_folder, const QString &config_folder);

// Whether `program_folder` is the "bin" folder of an installation (the
// data folder "../share/dayvane" beside it): such a folder is shared by
// every user, even when the one running may write there.
bool is_installed_program_folder(const QString &program_folder);

// Where a file shipped with the program (a report definition, say) may
// lie, in the order searched: DAYVANE_HOME, the program's folder, its
// "reports" subfolder and the installed data folder "../share/dayvane".
QStringList shipped_file_candidates(const QString &name);
// The first candidate that exists; else the one in the program's folder, so
// that a message can name where the file was expected.
QString find_shipped_file(const QString &name);

} // namespace dayvane
