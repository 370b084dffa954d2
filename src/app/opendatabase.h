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

// Asks for a database server's address in the window "database_server" and
// connects to it as open_database does; false when the user closed the
// window (the connection is kept then) or the server refused.
bool choose_database_server(QWidget *parent);

} // namespace dayvane
