#include "users/security.h"

#include "store/dberror.h"
#include "store/history.h"
#include "store/recordset.h"
#include "store/revisions.h"
#include "store/serversecurity.h"
#include "store/stepnumber.h"
#include "ui_common/appstate.h"
#include "ui_common/errorreport.h"
#include "ui_common/interaction.h"
#include "users/passwords.h"
#include "users/systempasswordwindow.h"
#include "users/userlistwindow.h"

#include <QApplication>

namespace dayvane {

namespace {

// Runs a database step at its own boundary: a DbError is reported and the
// step's neutral result returned.
template <typename Result, typename Step>
Result reported(Result neutral, Step step)
{
    try {
        return step();
    } catch (const DbError &error) {
        report_error(error);
        return neutral;
    }
}

bool with_system_password()
{
    return check_operation_allowed(true, true);
}

// The stored system password: whether one is defined, and its value.
struct StoredSystemPassword
{
    bool defined = false;
    QVariant value;
};

void tell_system_password_mismatch()
{
    AppState &state = app_state();
    inform(state.main_window, message_lines({QCoreApplication::translate("dayvane", "The system password supplied does not match the system"),
                                             QCoreApplication::translate("dayvane", "password stored on the database.")}));
    open_system_password_window(state.main_window);
}

// The gate's system password check where the server holds the password: it
// compares what was entered and keeps the proof for the session.
bool check_system_password_with_server()
{
    AppState &state = app_state();
    const bool entered = !state.entered_system_password.trimmed().isEmpty();
    // A password the program cannot store matches no stored one.
    std::optional<QByteArray> scrambled;
    if (entered)
        scrambled = scramble_password(state.entered_system_password).value_or(QByteArray(1, '\0'));
    const std::optional<SystemPasswordState> answer = reported(std::optional<SystemPasswordState>(), [&] {
        set_step_number(1);
        return std::optional<SystemPasswordState>(check_system_password_on_server(*state.database, scrambled));
    });
    if (!answer)
        return false;
    switch (*answer) {
    case SystemPasswordState::Undefined:
        return true;
    case SystemPasswordState::NullValue:
    case SystemPasswordState::Match:
        if (entered)
            return true;
        break;
    case SystemPasswordState::Mismatch:
        if (entered) {
            tell_system_password_mismatch();
            return false;
        }
        break;
    }
    open_system_password_window(state.main_window);
    return !state.entered_system_password.trimmed().isEmpty();
}

// The system password part of the gate: nothing to ask while none is
// defined; a password entered this run must still match the stored one,
// which another workstation may have changed.
bool check_system_password()
{
    AppState &state = app_state();
    if (server_holds_proofs(*state.database))
        return check_system_password_with_server();
    const std::optional<StoredSystemPassword> stored =
        reported(std::optional<StoredSystemPassword>(), [&] {
            set_step_number(1);
            RecordSet variables = RecordSet::open(*state.database, QStringLiteral("SELECT Q011.* FROM Q011;"));
            set_step_number(2);
            StoredSystemPassword result;
            if (variables.record_count() > 0)
                result = {true, variables.field(QStringLiteral("Value"))};
            return std::optional<StoredSystemPassword>(result);
        });
    if (!stored)
        return false;
    if (!stored->defined)
        return true;

    if (!state.entered_system_password.trimmed().isEmpty()) {
        if (stored->value.isNull() || state.entered_system_password == unscramble_password(stored->value))
            return true;
        tell_system_password_mismatch();
        return false;
    }
    open_system_password_window(state.main_window);
    return !state.entered_system_password.trimmed().isEmpty();
}

// The outcome of a user's proof: the message, or the user made current.
void tell_user_proof(qint32 user_id, const QString &name, bool has_password, bool proven, QWidget *parent)
{
    AppState &state = app_state();
    if (!has_password) {
        inform(parent, QCoreApplication::translate("dayvane", "User: ") + name + QCoreApplication::translate("dayvane", " does not have a password assigned."));
    } else if (!proven) {
        inform(parent, QCoreApplication::translate("dayvane", "Incorrect password for ") + name + QStringLiteral("!"));
    } else {
        state.current_user_id = user_id;
        state.current_user_name = name;
        state.database->author().user_id = user_id;
        state.database->author().user_name = name;
    }
}

// The proof where the server holds the password: it compares, and keeps the
// proof for the session.
void verify_user_password_with_server(qint32 user_id, const QString &typed, QWidget *parent)
{
    AppState &state = app_state();
    // A password the program cannot store matches no stored one.
    const QByteArray scrambled = scramble_password(typed).value_or(QByteArray(1, '\0'));
    const std::optional<UserProof> proof = reported(std::optional<UserProof>(), [&] {
        set_step_number(1);
        const UserProof answer = prove_user_on_server(*state.database, user_id, scrambled);
        set_step_number(2);
        if (!answer.found)
            throw DbError(DbError::ProgramError, QString::fromUtf8(QT_TRANSLATE_NOOP("dayvane", "DB record not found")), QStringLiteral("verify_user_password"));
        return std::optional<UserProof>(answer);
    });
    if (proof)
        tell_user_proof(user_id, proof->name, proof->has_password, proof->proven, parent);
}

} // namespace

void install_system_password_check()
{
    set_system_password_check(check_system_password);
}

bool check_calendar_revision(qint32 calendar_id, qint32 remembered)
{
    if (!check_operation_allowed(true))
        return false;
    return reported(false, [&] {
        check_calendar_revision(*app_state().database, calendar_id, remembered);
        return true;
    });
}

bool check_calendar_access(bool read)
{
    if (!check_operation_allowed(true))
        return false;
    AppState &state = app_state();
    const std::optional<CalendarOwnership> ownership = reported(std::optional<CalendarOwnership>(), [&] {
        return std::optional<CalendarOwnership>(read_calendar_ownership(*state.database, state.calendar_id));
    });
    if (!ownership)
        return false;

    if (read) {
        if (!ownership->restrict_read || state.current_user_id == ownership->owner_id)
            return true;
    } else {
        if (ownership->owner_id < 1)
            return with_system_password();
        if (state.current_user_id == ownership->owner_id)
            return true;
    }

    request_user_password(state.main_window);
    if (state.current_user_id == ownership->owner_id && ownership->owner_id >= 1)
        return true;
    const bool proceed = interaction().ask_yes_no(
        state.main_window, kMessageTitle,
        message_lines({QCoreApplication::translate("dayvane", "Insufficient access permission."), QString(),
                       QCoreApplication::translate("dayvane", "Do you want to proceed with the system password?")}),
        MessageIcon::Information);
    return proceed && with_system_password();
}

std::optional<qint32> change_calendar_days(qint32 calendar_id, qint32 remembered, const QDate &first,
                                           const QDate &last,
                                           const std::function<QString(Database &, std::vector<DayState> &)> &writes)
{
    if (!check_operation_allowed(true))
        return std::nullopt;
    Database &db = *app_state().database;
    return reported(std::optional<qint32>(), [&] {
        return std::optional<qint32>(
            dayvane::change_calendar_days(db, calendar_id, remembered, first, last,
                                          [&](std::vector<DayState> &days) { return writes(db, days); }));
    });
}

std::optional<YearRange> get_calendar_year_range(qint32 calendar_id)
{
    if (!check_operation_allowed(true))
        return std::nullopt;
    const std::optional<YearRange> range = reported(std::optional<YearRange>(), [&] {
        return std::optional<YearRange>(read_calendar_year_range(*app_state().database, calendar_id));
    });
    if (range && range->count == 0) {
        inform(app_state().main_window, QCoreApplication::translate("dayvane", "The application was unable to acquire the calendars year range."));
        return std::nullopt;
    }
    return range;
}

void verify_user_password(qint32 user_id, const QString &typed)
{
    AppState &state = app_state();
    QWidget *parent = QApplication::activeWindow();
    if (typed.trimmed().isEmpty()) {
        interaction().show_message(parent, QCoreApplication::translate("dayvane", "Password"), QCoreApplication::translate("dayvane", "Password cannot be blank."),
                                   MessageIcon::Information);
        return;
    }
    // Nobody is current while the proof runs: a refused gate or a failed
    // read must not leave the unproven user in place.
    state.current_user_id = 0;
    state.current_user_name.clear();
    if (state.database) {
        state.database->author().user_id = 0;
        state.database->author().user_name.clear();
    }
    if (!check_operation_allowed(true))
        return;
    if (server_holds_proofs(*state.database)) {
        verify_user_password_with_server(user_id, typed, parent);
        return;
    }
    QString name;
    const std::optional<QString> stored = reported(std::optional<QString>(), [&]() -> std::optional<QString> {
        set_step_number(1);
        RecordSet user = RecordSet::open(*state.database,
                                         QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q015.* FROM Q015;").arg(user_id));
        set_step_number(2);
        if (user.record_count() == 0)
            throw DbError(DbError::ProgramError, QString::fromUtf8(QT_TRANSLATE_NOOP("dayvane", "DB record not found")), QStringLiteral("verify_user_password"));
        set_step_number(3);
        if (!user.is_null(QStringLiteral("Name")))
            name = user.field(QStringLiteral("Name")).toString();
        return unscramble_password(user.field(QStringLiteral("password")));
    });
    if (!stored)
        return;
    tell_user_proof(user_id, name, !stored->isEmpty(), typed == *stored, parent);
}

} // namespace dayvane
