#pragma once

#include <QString>

namespace dayvane {

class Database;

// Passwords of the demo database, shown to whoever creates it.
struct DemoPasswords
{
    QString system_password;
    QString owner_name;
    QString owner_password;
};

// Fills an empty calendar database with three calendars over two years of
// realistic work days, public holidays as paid days, events, users, and one
// owned, read-restricted calendar; all in one transaction.
DemoPasswords write_demo_data(Database &db, int first_year);

} // namespace dayvane
