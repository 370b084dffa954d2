#pragma once

#include <QString>
#include <QStringList>

namespace dayvane {

// The web server installed with the program (dayvane-web: help, news and
// holiday lists), started on a free loopback port the first time the
// program needs it, and stopped with the program. Nothing is started when
// the program is installed, only when it runs and no other server is set.

// "127.0.0.1:port" of the running bundled server, started now if need be
// (again, if it ended meanwhile); empty when there is none beside the
// program or it did not start (then it is not tried again in this run).
QString bundled_web_host();

// Where the bundled server may be, for a program in `program_folder`: the
// installed layout (bin/ beside libexec/dayvane/), then the build tree's.
QStringList bundled_web_server_candidates(const QString &program_folder);

// "host[:port]" of the web server an administrator set for every user of
// this computer: the "web_host" line of the system settings file
// (/etc/dayvane/dayvane.conf, or the file DAYVANE_SYSTEM_SETTINGS names);
// empty when there is none.
QString system_web_host();

} // namespace dayvane
