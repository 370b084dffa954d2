#pragma once

class QWidget;

namespace dayvane {

// Closes any open connection and forgets the current user, finds the
// calendar database (asking the user when no path is known or `reselect` is
// set), checks and opens it. Every refusal is explained to the user;
// refusals of the file itself also forget the path so the next start asks
// again, while a busy, unreachable or write-protected file keeps it. True
// when connected.
bool open_database(QWidget *parent, bool reselect);

} // namespace dayvane
