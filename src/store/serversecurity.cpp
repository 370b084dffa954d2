#include "store/serversecurity.h"

#include "store/database.h"
#include "store/dberror.h"
#include "store/engine.h"
#include "store/statement.h"

#include <QStringList>

// What a calendar server enforces itself, whoever connects: workstations
// log in with roles of the group kWorkstationRole and may read and change
// only what the program's own checks would let them; the tables' owner
// (the administrator) passes everything.
//
// A proof (a user's password, the system password) lives in this session
// only, as the session's value of a sequence that only the functions below
// may set: the session can read it (currval) but cannot set it (no USAGE or
// UPDATE on the sequence), and it ends with the session. A change of days
// claims its calendar for the transaction the same way, which keeps the
// check on each day's row to two currval calls.

namespace dayvane {

namespace {

const char *const kSecuritySql = R"sql(
CREATE SEQUENCE dayvane_proven_user MINVALUE 0;
CREATE SEQUENCE dayvane_proven_system MINVALUE -9223372036854775808;
CREATE SEQUENCE dayvane_failed_proofs MINVALUE 0;
-- A claim: the transaction (its id's low 32 bits) and the calendar in one
-- value, so that checking a row reads one sequence.
CREATE SEQUENCE dayvane_claim MINVALUE 0;

-- What the server stamps on each entry, beside what the program sends.
ALTER TABLE change_history
    ADD COLUMN "ServerTime" timestamptz,
    ADD COLUMN "ServerLogin" text,
    ADD COLUMN "ClientAddress" inet,
    ADD COLUMN "Transaction" xid8;

-- The calendars whose days a transaction changes, checked at its commit.
CREATE UNLOGGED TABLE dayvane_claims (
    xact xid8 NOT NULL,
    calendar integer NOT NULL,
    PRIMARY KEY (xact, calendar)
);

-- The session's value of a proof sequence; 0 before one was set. The
-- helpers without a search_path of their own run with their callers' (the
-- functions here); what they name is qualified.
CREATE FUNCTION dayvane_session_value(sequence regclass) RETURNS bigint
LANGUAGE plpgsql STABLE AS $$
BEGIN
    RETURN currval(sequence);
EXCEPTION WHEN object_not_in_prerequisite_state THEN
    RETURN 0;
END $$;

-- Whether `role` has the tables' owner's rights or is a superuser: such a
-- role passes every check. (PL/pgSQL throughout: its plans are kept for the
-- session, where an SQL function's would be made again at every call.)
CREATE FUNCTION dayvane_administrator(role name) RETURNS boolean
LANGUAGE plpgsql STABLE AS $$
BEGIN
    RETURN coalesce((SELECT r.rolsuper OR pg_has_role(role, c.relowner, 'USAGE')
                     FROM pg_catalog.pg_roles r, pg_catalog.pg_class c
                     WHERE r.rolname = role AND c.oid = '@schema@.calendars'::regclass), false);
END $$;

-- The stored system password as a fingerprint a proof keeps: 0 when none
-- guards (no row, or a null value), which the program treats the same way.
CREATE FUNCTION dayvane_system_fingerprint() RETURNS bigint
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
DECLARE
    stored bytea;
BEGIN
    SELECT "Value" INTO stored FROM system_variables ORDER BY id LIMIT 1;
    RETURN CASE WHEN stored IS NULL THEN 0 ELSE hashtextextended(encode(stored, 'hex'), 7) | 1 END;
END $$;

-- Both proofs of this session at once: the proven user (0 for none), and
-- whether what the system password guards is allowed (its proof holds
-- while the stored password is unchanged). Every proof function sets both
-- sequences, so one read finds both or neither.
CREATE FUNCTION dayvane_proofs(OUT proven_user integer, OUT system_proven boolean)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
DECLARE
    proven_system bigint := 0;
    stored bytea;
BEGIN
    proven_user := 0;
    BEGIN
        proven_user := currval('@schema@.dayvane_proven_user');
        proven_system := currval('@schema@.dayvane_proven_system');
    EXCEPTION WHEN object_not_in_prerequisite_state THEN
        NULL;
    END;
    -- As dayvane_system_fingerprint(), inline: this runs with every read.
    SELECT "Value" INTO stored FROM system_variables ORDER BY id LIMIT 1;
    system_proven := stored IS NULL OR proven_system = (hashtextextended(encode(stored, 'hex'), 7) | 1)
                     OR dayvane_administrator(session_user);
END $$;

-- Gives both proof sequences a value in this session (see dayvane_proofs).
CREATE FUNCTION dayvane_start_proofs() RETURNS void
LANGUAGE plpgsql AS $$
BEGIN
    PERFORM setval('@schema@.dayvane_proven_user', dayvane_session_value('@schema@.dayvane_proven_user')),
            setval('@schema@.dayvane_proven_system', dayvane_session_value('@schema@.dayvane_proven_system'));
END $$;

-- Run by the program when it connects: every sequence the policies read
-- gets a value in this session (what it had, or nothing proved), so that
-- the policy on days can read the claim without a function call. A
-- session that skips it is refused every read of days.
CREATE FUNCTION dayvane_start_session() RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
BEGIN
    PERFORM dayvane_start_proofs();
    PERFORM setval('@schema@.dayvane_claim', dayvane_session_value('@schema@.dayvane_claim'));
END $$;

-- (Only a user's change of their own record asks: SQL is fast enough.)
CREATE FUNCTION dayvane_proven_user() RETURNS integer
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
    SELECT proven_user FROM dayvane_proofs()
$$;

CREATE FUNCTION dayvane_system_proven() RETURNS boolean
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
DECLARE
    proofs record;
BEGIN
    SELECT * INTO proofs FROM dayvane_proofs();
    RETURN proofs.system_proven;
END $$;

-- The restricted calendars whose days this session may not read. Every
-- read of days or history runs it, so it is dayvane_proofs() inline, in
-- the order that costs least, without the owner's case: the owner's own
-- policy lets it read everything.
CREATE FUNCTION dayvane_hidden_calendars() RETURNS integer[]
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
DECLARE
    proven_user integer := 0;
    proven_system bigint := 0;
    stored bytea;
BEGIN
    SELECT "Value" INTO stored FROM system_variables ORDER BY id LIMIT 1;
    IF stored IS NULL THEN
        RETURN '{}';
    END IF;
    -- Set for every session the program starts (dayvane_start_session); any
    -- other session is refused here.
    proven_user := currval('@schema@.dayvane_proven_user');
    proven_system := currval('@schema@.dayvane_proven_system');
    IF proven_system = (hashtextextended(encode(stored, 'hex'), 7) | 1) THEN
        RETURN '{}';
    END IF;
    RETURN ARRAY(SELECT id FROM calendars WHERE "RestrictRead" AND "OwnerLink" IS DISTINCT FROM proven_user);
END $$;

-- Repeated failures in one session slow down: a second's wait after five.
CREATE FUNCTION dayvane_note_failure() RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
    failures bigint := dayvane_session_value('@schema@.dayvane_failed_proofs') + 1;
BEGIN
    PERFORM setval('@schema@.dayvane_failed_proofs', failures);
    IF failures > 5 THEN
        PERFORM pg_sleep(1);
    END IF;
END $$;

-- Proves a user's password (as the program stores it) for this session;
-- any other outcome ends the session's user proof, as in the program.
CREATE FUNCTION dayvane_prove_user(user_id integer, typed bytea,
                                   OUT user_found boolean, OUT name text, OUT has_password boolean, OUT proven boolean)
LANGUAGE plpgsql SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
DECLARE
    stored bytea;
BEGIN
    PERFORM dayvane_start_proofs();
    PERFORM setval('@schema@.dayvane_proven_user', 0);
    SELECT trim(coalesce(u."FirstName", '') || ' ' || coalesce(u."LastName", '')), u.password INTO name, stored
        FROM users u WHERE u.id = user_id;
    user_found := FOUND;
    has_password := coalesce(octet_length(stored), 0) > 0;
    proven := has_password AND stored = typed;
    IF proven THEN
        PERFORM setval('@schema@.dayvane_proven_user', user_id);
    ELSIF has_password THEN
        PERFORM dayvane_note_failure();
    END IF;
END $$;

-- The system password check of the program's gate: 'none' when no system
-- password is defined, 'null' when its value is null, else whether `typed`
-- (null: nothing entered) matches; a match is this session's proof, a
-- mismatch ends it.
CREATE FUNCTION dayvane_check_system_password(typed bytea) RETURNS text
LANGUAGE plpgsql SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
DECLARE
    stored bytea;
BEGIN
    PERFORM dayvane_start_proofs();
    SELECT "Value" INTO stored FROM system_variables ORDER BY id LIMIT 1;
    IF NOT FOUND THEN
        RETURN 'none';
    ELSIF stored IS NULL THEN
        RETURN 'null';
    ELSIF typed IS NULL THEN
        RETURN 'mismatch';
    ELSIF stored = typed THEN
        PERFORM setval('@schema@.dayvane_proven_system', dayvane_system_fingerprint());
        RETURN 'match';
    END IF;
    PERFORM setval('@schema@.dayvane_proven_system', 0);
    PERFORM dayvane_note_failure();
    RETURN 'mismatch';
END $$;

-- The program's proof of the system password as typed (its query Q011a).
CREATE FUNCTION dayvane_prove_system_password(typed bytea) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
BEGIN
    PERFORM dayvane_start_proofs();
    IF EXISTS (SELECT 1 FROM system_variables WHERE "Variable" = 'System password' AND "Value" = typed) THEN
        PERFORM setval('@schema@.dayvane_proven_system', dayvane_system_fingerprint());
        RETURN true;
    END IF;
    PERFORM setval('@schema@.dayvane_proven_system', 0);
    PERFORM dayvane_note_failure();
    RETURN false;
END $$;

CREATE FUNCTION dayvane_forget_system_password() RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
BEGIN
    PERFORM dayvane_start_proofs();
    PERFORM setval('@schema@.dayvane_proven_system', 0);
END $$;

-- Defines or changes the system password: a defined one must be proven
-- first. The new one is this session's proof.
CREATE FUNCTION dayvane_set_system_password(typed bytea) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
BEGIN
    IF NOT dayvane_system_proven() THEN
        RAISE EXCEPTION 'The server refuses to change the system password: the current one was not proved.'
            USING ERRCODE = 'insufficient_privilege';
    END IF;
    PERFORM dayvane_start_proofs();
    UPDATE system_variables SET "Value" = typed WHERE id = (SELECT min(id) FROM system_variables);
    IF NOT FOUND THEN
        INSERT INTO system_variables ("Variable", "Value") VALUES ('System password', typed);
    END IF;
    PERFORM setval('@schema@.dayvane_proven_system', dayvane_system_fingerprint());
END $$;

-- Whether the user has a password, which a workstation may know but not read.
CREATE FUNCTION dayvane_password_set(user_id integer) RETURNS boolean
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
BEGIN
    RETURN (SELECT coalesce(octet_length(password), 0) > 0 FROM users WHERE id = user_id);
END $$;

-- Claims a calendar's days for this transaction, where the program's check
-- lets the session change them: with the system password's proof, or the
-- owner's for an owned calendar.
CREATE FUNCTION dayvane_claim_calendar(calendar integer) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
DECLARE
    owner integer;
    proofs record;
BEGIN
    SELECT "OwnerLink" INTO owner FROM calendars WHERE id = calendar;
    SELECT * INTO proofs FROM dayvane_proofs();
    IF NOT (proofs.system_proven OR (owner >= 1 AND owner = proofs.proven_user)) THEN
        RAISE EXCEPTION 'The server refuses to change the days of calendar %: neither its owner''s password nor the system password was proved.', calendar
            USING ERRCODE = 'insufficient_privilege';
    END IF;
    PERFORM setval('@schema@.dayvane_claim', (txid_current() % 4294967296) * 2147483648 + calendar);
    INSERT INTO dayvane_claims (xact, calendar) VALUES (pg_current_xact_id(), calendar) ON CONFLICT DO NOTHING;
END $$;

-- At commit: a claimed calendar's change without the program's history
-- entry (days changed by hand) is recorded here, so none goes unrecorded.
CREATE FUNCTION dayvane_record_claim() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
DECLARE
    first date;
    last date;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM (SELECT "Transaction" FROM change_history WHERE "CalendarLink" = NEW.calendar
                                  ORDER BY id DESC LIMIT 3) newest
                   WHERE "Transaction" = NEW.xact) THEN
        SELECT min("DateVal"), max("DateVal") INTO first, last FROM days
            WHERE "NameLink" = NEW.calendar AND xmin::text = (NEW.xact::text::numeric % 4294967296)::text;
        INSERT INTO change_history ("ChangedAt", "Workstation", "Login", "CalendarLink", "CalendarName", "Action",
                                    "FirstDate", "LastDate")
            VALUES (to_char(now() AT TIME ZONE 'UTC', 'YYYY-MM-DD"T"HH24:MI:SS.MS"Z"'), '', session_user, NEW.calendar,
                    coalesce((SELECT "Name" FROM calendars WHERE id = NEW.calendar), ''),
                    'Days changed outside the program', first, last);
    END IF;
    DELETE FROM dayvane_claims WHERE xact = NEW.xact AND calendar = NEW.calendar;
    RETURN NULL;
END $$;
CREATE CONSTRAINT TRIGGER dayvane_claim_recorded AFTER INSERT ON dayvane_claims
    DEFERRABLE INITIALLY DEFERRED FOR EACH ROW EXECUTE FUNCTION dayvane_record_claim();

CREATE FUNCTION dayvane_stamp_history() RETURNS trigger
LANGUAGE plpgsql SET search_path = @schema@, pg_temp AS $$
BEGIN
    NEW."ServerTime" := now();
    NEW."ServerLogin" := session_user;
    NEW."ClientAddress" := inet_client_addr();
    NEW."Transaction" := pg_current_xact_id();
    RETURN NEW;
END $$;
CREATE TRIGGER dayvane_stamp BEFORE INSERT ON change_history FOR EACH ROW EXECUTE FUNCTION dayvane_stamp_history();

-- Removes the entries before `before` (the program's time text); only
-- with the system password's proof.
CREATE FUNCTION dayvane_prune_history(before text) RETURNS integer
LANGUAGE plpgsql SECURITY DEFINER SET search_path = @schema@, pg_temp AS $$
DECLARE
    removed integer;
BEGIN
    IF NOT dayvane_system_proven() THEN
        RAISE EXCEPTION 'The server refuses to remove history entries: the system password was not proved.'
            USING ERRCODE = 'insufficient_privilege';
    END IF;
    DELETE FROM change_history WHERE "ChangedAt" < before;
    GET DIAGNOSTICS removed = ROW_COUNT;
    RETURN removed;
END $$;

-- What only the system password may change in a calendar or a user (the
-- columns named as the trigger's arguments); the owner of a calendar may
-- change its revision with its days, and a user their own password.
CREATE FUNCTION dayvane_guard() RETURNS trigger
LANGUAGE plpgsql SET search_path = @schema@, pg_temp AS $$
DECLARE
    guarded text;
BEGIN
    FOREACH guarded IN ARRAY TG_ARGV LOOP
        IF to_jsonb(NEW) -> guarded IS DISTINCT FROM to_jsonb(OLD) -> guarded
           AND NOT (dayvane_system_proven() OR dayvane_administrator(current_user)) THEN
            RAISE EXCEPTION 'The server refuses to change % of % %: the system password was not proved.',
                guarded, TG_TABLE_NAME, OLD.id
                USING ERRCODE = 'insufficient_privilege';
        END IF;
    END LOOP;
    RETURN NEW;
END $$;
CREATE TRIGGER dayvane_guard BEFORE UPDATE ON calendars
    FOR EACH ROW EXECUTE FUNCTION dayvane_guard('id', 'Name', 'OwnerLink', 'RestrictRead');
CREATE TRIGGER dayvane_guard BEFORE UPDATE ON users
    FOR EACH ROW EXECUTE FUNCTION dayvane_guard('id', 'EmployeeID', 'FirstName', 'LastName');

-- Row-level security on every table, forced, so that the owner's own
-- functions pass only through the owner's policy.
DO $$
DECLARE
    t text;
BEGIN
    FOREACH t IN ARRAY ARRAY['calendars', 'calendar_years', 'days', 'users', 'system_variables', 'stored_query',
                             'change_history', 'database_identity', 'dayvane_schema', 'dayvane_claims'] LOOP
        EXECUTE format('ALTER TABLE %I ENABLE ROW LEVEL SECURITY', t);
        EXECUTE format('ALTER TABLE %I FORCE ROW LEVEL SECURITY', t);
        EXECUTE format('CREATE POLICY administrator ON %I TO CURRENT_USER USING (true) WITH CHECK (true)', t);
        EXECUTE format('REVOKE ALL ON %I FROM PUBLIC', t);
    END LOOP;
END $$;

CREATE POLICY read ON calendars FOR SELECT TO dayvane_workstation USING (true);
CREATE POLICY add ON calendars FOR INSERT TO dayvane_workstation WITH CHECK (dayvane_system_proven());
CREATE POLICY change ON calendars FOR UPDATE TO dayvane_workstation
    USING (dayvane_system_proven()
           OR dayvane_session_value('@schema@.dayvane_claim') = (txid_current_if_assigned() % 4294967296) * 2147483648 + id);
CREATE POLICY remove ON calendars FOR DELETE TO dayvane_workstation USING (dayvane_system_proven());
GRANT SELECT, INSERT, UPDATE, DELETE ON calendars TO dayvane_workstation;

-- A calendar's years are listed whatever its restriction, as a year is
-- picked before the owner proves; they hold no day data.
CREATE POLICY read ON calendar_years FOR SELECT TO dayvane_workstation USING (true);
CREATE POLICY add ON calendar_years FOR INSERT TO dayvane_workstation WITH CHECK (dayvane_system_proven());
CREATE POLICY remove ON calendar_years FOR DELETE TO dayvane_workstation USING (dayvane_system_proven());
GRANT SELECT, INSERT, DELETE ON calendar_years TO dayvane_workstation;

-- The function is asked once per statement, not once per row. (A change
-- writes a year of days in one statement: the subquery, set up for every
-- statement, costs the change little.)
CREATE POLICY read ON days FOR SELECT TO dayvane_workstation
    USING ("NameLink" <> ALL ((SELECT dayvane_hidden_calendars())::integer[]));
CREATE POLICY add ON days FOR INSERT TO dayvane_workstation
    WITH CHECK (currval('@schema@.dayvane_claim') = (txid_current_if_assigned() % 4294967296) * 2147483648 + "NameLink");
CREATE POLICY change ON days FOR UPDATE TO dayvane_workstation
    USING (currval('@schema@.dayvane_claim') = (txid_current_if_assigned() % 4294967296) * 2147483648 + "NameLink");
CREATE POLICY remove ON days FOR DELETE TO dayvane_workstation
    USING (currval('@schema@.dayvane_claim') = (txid_current_if_assigned() % 4294967296) * 2147483648 + "NameLink");
GRANT SELECT, INSERT, UPDATE, DELETE ON days TO dayvane_workstation;

CREATE POLICY read ON users FOR SELECT TO dayvane_workstation USING (true);
CREATE POLICY add ON users FOR INSERT TO dayvane_workstation WITH CHECK (dayvane_system_proven());
CREATE POLICY change ON users FOR UPDATE TO dayvane_workstation
    USING (dayvane_system_proven() OR id = dayvane_proven_user());
-- A calendar's owner stays, as the user list refuses to delete one.
CREATE POLICY remove ON users FOR DELETE TO dayvane_workstation
    USING (NOT EXISTS (SELECT 1 FROM calendars WHERE "OwnerLink" = users.id));
GRANT SELECT (id, "EmployeeID", "FirstName", "LastName", revision) ON users TO dayvane_workstation;
GRANT INSERT ("EmployeeID", "FirstName", "LastName", password, revision),
      UPDATE ("EmployeeID", "FirstName", "LastName", password, revision), DELETE ON users TO dayvane_workstation;

CREATE POLICY read ON system_variables FOR SELECT TO dayvane_workstation USING (true);
GRANT SELECT (id, "Variable") ON system_variables TO dayvane_workstation;

CREATE POLICY read ON change_history FOR SELECT TO dayvane_workstation
    USING ("CalendarLink" <> ALL ((SELECT dayvane_hidden_calendars())::integer[]));
CREATE POLICY add ON change_history FOR INSERT TO dayvane_workstation WITH CHECK (true);
GRANT SELECT, INSERT ON change_history TO dayvane_workstation;

CREATE POLICY read ON stored_query FOR SELECT TO dayvane_workstation USING (true);
CREATE POLICY read ON database_identity FOR SELECT TO dayvane_workstation USING (true);
CREATE POLICY read ON dayvane_schema FOR SELECT TO dayvane_workstation USING (true);
GRANT SELECT ON stored_query, database_identity, dayvane_schema TO dayvane_workstation;

GRANT SELECT ON dayvane_claim TO dayvane_workstation;
GRANT SELECT ON ALL SEQUENCES IN SCHEMA @schema@ TO dayvane_workstation;
REVOKE ALL ON dayvane_proven_user, dayvane_proven_system, dayvane_failed_proofs FROM dayvane_workstation;

REVOKE ALL ON FUNCTION dayvane_session_value(regclass), dayvane_administrator(name), dayvane_system_fingerprint(),
    dayvane_proofs(), dayvane_start_proofs(), dayvane_note_failure(), dayvane_record_claim(), dayvane_stamp_history(), dayvane_guard() FROM PUBLIC;
REVOKE ALL ON FUNCTION dayvane_proven_user(), dayvane_system_proven(), dayvane_hidden_calendars(),
    dayvane_prove_user(integer, bytea), dayvane_check_system_password(bytea), dayvane_prove_system_password(bytea),
    dayvane_forget_system_password(), dayvane_set_system_password(bytea), dayvane_password_set(integer),
    dayvane_claim_calendar(integer), dayvane_prune_history(text), dayvane_start_session() FROM PUBLIC;
GRANT EXECUTE ON FUNCTION dayvane_session_value(regclass), dayvane_administrator(name),
    dayvane_proven_user(), dayvane_system_proven(), dayvane_hidden_calendars(),
    dayvane_prove_user(integer, bytea), dayvane_check_system_password(bytea), dayvane_prove_system_password(bytea),
    dayvane_forget_system_password(), dayvane_set_system_password(bytea), dayvane_password_set(integer),
    dayvane_claim_calendar(integer), dayvane_prune_history(text), dayvane_start_session() TO dayvane_workstation;
)sql";

// The SQL of a literal bytea.
QString bytea_literal(const QByteArray &bytes)
{
    return QStringLiteral("'\\x%1'::bytea").arg(QString::fromLatin1(bytes.toHex()));
}

const QString kUserProofKey = QStringLiteral("user proof");
const QString kSystemProofKey = QStringLiteral("system password proof");

} // namespace

const QStringList &server_stamp_columns(const QString &table)
{
    static const QStringList stamps{QStringLiteral("ServerTime"), QStringLiteral("ServerLogin"),
                                    QStringLiteral("ClientAddress"), QStringLiteral("Transaction")};
    static const QStringList none;
    return table == QLatin1String("change_history") ? stamps : none;
}

void install_server_security(Database &db)
{
    // The group role is the cluster's, shared by its calendar databases; two
    // databases set up at once both try to make it, and one is told of the
    // other's (a unique violation while the other's is not yet committed).
    db.exec(QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_catalog.pg_roles WHERE rolname = '%1') THEN"
                           " CREATE ROLE %1 NOLOGIN; END IF;"
                           " EXCEPTION WHEN duplicate_object OR unique_violation THEN NULL; END $$;")
                .arg(kWorkstationRole));
    Statement schema = db.prepare(QStringLiteral("SELECT quote_ident(current_schema())"));
    schema.step();
    db.exec(QString::fromUtf8(kSecuritySql).replace(QStringLiteral("@schema@"), schema.column(0).toString()));
}

void grant_workstation(Database &db, const QString &role)
{
    Statement quoted = db.prepare(QStringLiteral("SELECT quote_ident(?)"));
    quoted.bind(1, role);
    quoted.step();
    db.exec(QStringLiteral("GRANT %1 TO %2;").arg(kWorkstationRole, quoted.column(0).toString()));
}

bool administers(Database &db)
{
    Statement check = db.prepare(QStringLiteral(
        "SELECT r.rolsuper OR pg_has_role(current_user, c.relowner, 'USAGE') FROM pg_catalog.pg_roles r,"
        " pg_catalog.pg_class c WHERE r.rolname = current_user AND c.oid = to_regclass('calendars')"));
    return check.step() && check.column(0).toBool();
}

QString privileged_connection_warning(Database &db)
{
    if (db.dialect() != Database::Dialect::PostgreSQL || !administers(db))
        return {};
    Statement role = db.prepare(QStringLiteral("SELECT current_user"));
    role.step();
    return QStringLiteral("This connection runs as %1, which owns the calendar tables or is a superuser: it passes "
                          "every protection of the server. Workstations should log in with a role of the group %2 "
                          "(dayvane-db grant ADDRESS ROLE).")
        .arg(role.column(0).toString(), kWorkstationRole);
}

bool server_holds_proofs(Database &db)
{
    return db.server_holds_proofs();
}

UserProof prove_user_on_server(Database &db, qint32 user_id, const QByteArray &scrambled)
{
    const QString call = QStringLiteral("dayvane_prove_user(%1, %2)").arg(user_id).arg(bytea_literal(scrambled));
    Statement proof = db.prepare(QStringLiteral("SELECT user_found, name, has_password, proven FROM ") + call);
    UserProof result;
    if (proof.step())
        result = {proof.column(0).toBool(), proof.column(1).toString(), proof.column(2).toBool(), proof.column(3).toBool()};
    db.engine().keep_in_session(kUserProofKey,
                                result.proven ? QStringLiteral("DO $$BEGIN PERFORM %1; END$$;").arg(call) : QString());
    return result;
}

SystemPasswordState check_system_password_on_server(Database &db, const std::optional<QByteArray> &scrambled)
{
    const QString call = QStringLiteral("dayvane_check_system_password(%1)")
                             .arg(scrambled ? bytea_literal(*scrambled) : QStringLiteral("NULL"));
    Statement check = db.prepare(QStringLiteral("SELECT ") + call);
    const QString state = check.step() ? check.column(0).toString() : QString();
    if (state == QLatin1String("none"))
        return SystemPasswordState::Undefined;
    if (state == QLatin1String("null"))
        return SystemPasswordState::NullValue;
    if (scrambled)
        note_system_password_proof(db, *scrambled, state == QLatin1String("match"));
    return state == QLatin1String("match") ? SystemPasswordState::Match : SystemPasswordState::Mismatch;
}

void forget_system_password_on_server(Database &db)
{
    db.engine().keep_in_session(kSystemProofKey, {});
    Statement forget = db.prepare(QStringLiteral("SELECT dayvane_forget_system_password()"));
    forget.step();
}

void set_system_password_on_server(Database &db, const QByteArray &scrambled)
{
    Statement set = db.prepare(QStringLiteral("SELECT dayvane_set_system_password(?)"));
    set.bind(1, scrambled);
    set.step();
    note_system_password_proof(db, scrambled, true);
}

void note_system_password_proof(Database &db, const QByteArray &scrambled, bool proven)
{
    db.engine().keep_in_session(
        kSystemProofKey,
        proven ? QStringLiteral("DO $$BEGIN PERFORM dayvane_check_system_password(%1); END$$;").arg(bytea_literal(scrambled))
               : QString());
}

void claim_calendar_days(Database &db, qint32 calendar_id)
{
    if (!server_holds_proofs(db))
        return;
    Statement &claim = db.cached(QStringLiteral("SELECT dayvane_claim_calendar(?)"));
    claim.bind(1, calendar_id);
    // Its failure comes with the writes it was sent with.
    claim.send();
}

int prune_history_on_server(Database &db, const QString &before)
{
    Statement prune = db.prepare(QStringLiteral("SELECT dayvane_prune_history(?)"));
    prune.bind(1, before);
    return prune.step() ? prune.column(0).toInt() : 0;
}

} // namespace dayvane
