#pragma once

#include <QString>
#include <QtGlobal>

class QTextStream;

namespace dayvane {

class Database;

// One line from standard input after `prompt`; a terminal does not echo it.
QString read_password(QTextStream &err, const QString &prompt);

// Whether `typed` is the password of user `owner` (below 1: none) or the
// system password, compared in stored (scrambled) form as the program does.
bool password_admits(Database &db, qint32 owner, const QString &typed);

} // namespace dayvane
