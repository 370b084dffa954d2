#pragma once

#include <QString>

#include <exception>
#include <string>

namespace dayvane {

// The one exception type of the store. Every failure of a database operation
// reaches the caller as a DbError; the caller's boundary hands number,
// description and source to the error report and ends the operation.
class DbError : public std::exception
{
public:
    // Numbers below 1000 are the engine's own result codes (26: the file is
    // not a database or the password is wrong, 5: the file is busy, ...).
    // The record-set layer and the program use the numbers below.
    enum Code : int {
        // The engine results that callers tell apart; every engine reports
        // its failures with these numbers.
        Busy = 5,           // another connection holds the lock
        Locked = 6,
        IoError = 10,
        CantOpen = 14,
        NotADatabase = 26,  // or the password is wrong
        EngineError = 1,    // any other failure; the description says which
        Constraint = 19,    // a unique key or reference refused the change
        // The program's own error for missing or stale data.
        ProgramError = 513,
        RecordSetSyntax = 3001,    // the SQL text cannot be read
        UnknownQuery = 3002,       // no stored query of that name
        UnknownParameter = 3003,   // the text sets a parameter the query lacks
        MissingParameter = 3004,   // the query needs a parameter the text lacks
        BadParameterValue = 3005,  // a value does not fit its declared type
        UnknownField = 3006,
        NoCurrentRecord = 3007,
        NotUpdatable = 3008,       // writing to a read-only field or query
        NotEditing = 3009,         // update or set_field without edit/add_new
        RecordChanged = 3010,      // the record was deleted by someone else
        SchemaTooNew = 3011,
        SchemaMissing = 3012,      // a valid database, but not a calendar one
        FileExists = 3013,         // creating a database over an existing file
        // A database server's answers. Unreachable and ServerGone may pass:
        // the next attempt connects again.
        ServerUnreachable = 3014,     // no answer within the time-out
        PasswordNeeded = 3015,        // the server asks for a password
        AuthenticationFailed = 3016,  // the server refused the user or password
        DatabaseMissing = 3017,       // the server has no database of that name
        ServerGone = 3018,            // the connection broke during a request
        RoleMissing = 3019,           // the server has no user of that name
        TooManyConnections = 3020,    // the server, database or user takes no more: may pass
        BadAddress = 3021,            // libpq cannot read the address
        TlsRefused = 3022,            // the secure connection the address asks for failed
        UpgradeFailed = 3023,         // an older calendar database could not be brought up to date
        UpgradeNeeded = 3024,         // an older server database that only its administrator may upgrade
    };

    DbError(int number, QString description, QString source);

    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    const QString &source() const { return m_source; }
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_description;
    QString m_source;
    std::string m_what;
};

} // namespace dayvane
