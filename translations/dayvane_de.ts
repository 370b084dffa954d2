<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <location filename="../src/printing/engine/reportengine.cpp" line="+107"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>dayvane</name>
    <message>
        <location filename="../src/app/calendarpanels.cpp" line="+68"/>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Typical</source>
        <translation>Regulär</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/app/mainmenu.cpp" line="+35"/>
        <source>Typical workdays</source>
        <translation>Reguläre Arbeitstage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altered</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/app/mainmenu.cpp" line="+1"/>
        <source>Altered workdays</source>
        <translation>Geänderte Arbeitstage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All work</source>
        <translation>Alle Arbeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All workdays</source>
        <translation>Alle Arbeitstage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid only</source>
        <translation>Nur bezahlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Days paid and not worked</source>
        <translation>Bezahlte Tage ohne Arbeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All paid</source>
        <translation>Alle bezahlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All paid days, worked or not</source>
        <translation>Alle bezahlten Tage, mit oder ohne Arbeit</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/app/calendarviews.cpp" line="+35"/>
        <location filename="../src/printing/reportrows.cpp" line="+35"/>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Selected day</source>
        <translation>Gewählter Tag</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Worked</source>
        <translation>Gearbeitet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location filename="../src/app/calendarwindow.cpp" line="+272"/>
        <source>Previous month (Page Up)</source>
        <translation>Voriger Monat (Bild auf)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next month (Page Down)</source>
        <translation>Nächster Monat (Bild ab)</translation>
    </message>
    <message>
        <location filename="../src/app/mainmenu.cpp" line="-20"/>
        <source>Close application</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System password</source>
        <translation>Systemkennwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter system password</source>
        <translation>Systemkennwort eingeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear system password</source>
        <translation>Systemkennwort löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User list</source>
        <translation>Benutzerliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set database location</source>
        <translation>Datenbank wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set database server</source>
        <translation>Datenbankserver wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Workstation settings</source>
        <translation>Arbeitsplatzeinstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar menu</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open calendar list</source>
        <translation>Kalenderliste öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make changes to calendar</source>
        <translation>Kalender bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open holiday list</source>
        <translation>Feiertagsliste öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change history</source>
        <translation>Änderungsverlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo my last change</source>
        <translation>Meine letzte Änderung rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload calendar</source>
        <translation>Kalender neu laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Event dates</source>
        <translation>Ereignistage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to event date</source>
        <translation>Zum Ereignistag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List all</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paid / no work</source>
        <translation>Bezahlt / ohne Arbeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No work / no pay</source>
        <translation>Ohne Arbeit / unbezahlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print calendar</source>
        <translation>Kalender drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Selected month</source>
        <translation>Gewählter Monat</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>12 month layout</source>
        <translation>12-Monats-Ansicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar &amp; Event list</source>
        <translation>Kalender &amp; Ereignisliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/history/changehistorywindow.cpp" line="+104"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Event list</source>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calendar (12 months)</source>
        <translation>Kalender (12 Monate)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>iCalendar file (.ics)</source>
        <translation>iCalendar-Datei (.ics)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV file (.csv)</source>
        <translation>CSV-Datei (.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV file for spreadsheets using ; (.csv)</source>
        <translation>CSV-Datei für Tabellen mit ; (.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Customer service</source>
        <translation>Kundendienst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On-line help</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Dayvane</source>
        <translation>Über Dayvane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Message from Corvantelle</source>
        <translation>Nachricht von Corvantelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact Corvantelle</source>
        <translation>Corvantelle kontaktieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go to Corvantelle website</source>
        <translation>Website von Corvantelle</translation>
    </message>
    <message>
        <location filename="../src/app/opendatabase.cpp" line="+21"/>
        <source>To select the database location at a later time, click on</source>
        <translation>Um die Datenbank später zu wählen, klicken Sie auf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;Set database location&gt; listed under the &lt;System&gt; menu item.</source>
        <translation>&lt;Datenbank wählen&gt; unter dem Menüpunkt &lt;System&gt;.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The database storage device is not recognized by the application.</source>
        <translation>Das Laufwerk der Datenbank wird vom Programm nicht erkannt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please install the database on your local drive for single user access</source>
        <translation>Legen Sie die Datenbank für einen Benutzer auf ein lokales Laufwerk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>or on a network drive for multi-user access.</source>
        <translation>oder für mehrere Benutzer auf ein Netzlaufwerk.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select the &apos;&apos;QZDB.mdb&apos;&apos; database.</source>
        <translation>Bitte wählen Sie die Datenbank &apos;&apos;QZDB.mdb&apos;&apos;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The database path must be 11 characters minimum</source>
        <translation>Der Datenbankpfad muss mindestens 11 Zeichen lang sein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g. &apos;&apos;C:\QZDB.mdb&apos;&apos;</source>
        <translation>z. B. &apos;&apos;C:\QZDB.mdb&apos;&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select the database named &apos;&apos;QZDB.mdb&apos;&apos;.</source>
        <translation>Bitte wählen Sie die Datenbank namens &apos;&apos;QZDB.mdb&apos;&apos;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The calendar database is busy: another workstation is saving. Try again in a moment.</source>
        <translation>Die Kalenderdatenbank ist belegt: Ein anderer Arbeitsplatz speichert. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The calendar database cannot be read: </source>
        <translation>Die Kalenderdatenbank kann nicht gelesen werden: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server does not answer:</source>
        <translation>Der Datenbankserver antwortet nicht:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The address is kept: try again with &lt;Set database server&gt; once the</source>
        <translation>Die Adresse bleibt erhalten: Versuchen Sie es mit &lt;Datenbankserver wählen&gt;, sobald der</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>server can be reached.</source>
        <translation>Server erreichbar ist.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server refused the user name or password:</source>
        <translation>Der Datenbankserver lehnt Benutzername oder Kennwort ab:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server has no such database:</source>
        <translation>Der Datenbankserver hat keine solche Datenbank:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server has no such user:</source>
        <translation>Der Datenbankserver kennt diesen Benutzer nicht:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server takes no more connections at the moment:</source>
        <translation>Der Datenbankserver nimmt derzeit keine Verbindungen mehr an:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Try again later, or ask the server&apos;s administrator.</source>
        <translation>Versuchen Sie es später oder fragen Sie den Administrator des Servers.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server address cannot be read:</source>
        <translation>Die Adresse des Datenbankservers ist ungültig:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The secure connection that the address asks for failed:</source>
        <translation>Die von der Adresse verlangte sichere Verbindung ist fehlgeschlagen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>See its sslmode setting.</source>
        <translation>Prüfen Sie die Einstellung sslmode.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The selected database does not appear to be a valid</source>
        <translation>Die gewählte Datenbank ist offenbar keine gültige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Corvantelle database.</source>
        <translation>Corvantelle-Datenbank.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Do you want to create a new, empty calendar database?</source>
        <translation>Möchten Sie eine neue, leere Kalenderdatenbank anlegen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It is saved as QZDB.mdb in the folder you choose.</source>
        <translation>Sie wird als QZDB.mdb im gewählten Ordner gespeichert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Create Corvantelle database</source>
        <translation>Corvantelle-Datenbank anlegen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The folder already holds a database:</source>
        <translation>Der Ordner enthält bereits eine Datenbank:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It is left as it is; choose another folder.</source>
        <translation>Sie bleibt unverändert; wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The calendar database cannot be created:</source>
        <translation>Die Kalenderdatenbank kann nicht angelegt werden:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Created an empty calendar database:</source>
        <translation>Leere Kalenderdatenbank angelegt:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No system password is set: set one with &lt;Enter system password&gt; under &lt;System&gt;.</source>
        <translation>Es ist kein Systemkennwort gesetzt: Legen Sie eines mit &lt;Systemkennwort eingeben&gt; unter &lt;System&gt; fest.</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The application requires the location of the Corvantelle database (QZDB.mdb).</source>
        <translation>Das Programm benötigt den Ort der Corvantelle-Datenbank (QZDB.mdb).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to select the database location now?</source>
        <translation>Möchten Sie die Datenbank jetzt wählen?</translation>
    </message>
    <message>
        <location filename="../src/calendars/calendarlistcommands.cpp" line="+224"/>
        <location filename="../src/users/userrecordwindow.cpp" line="+180"/>
        <source>DB record out of date</source>
        <translation>DB-Datensatz veraltet</translation>
    </message>
    <message>
        <location filename="../src/calendars/calendarlistwindow.cpp" line="+63"/>
        <location filename="../src/holidays/holidaytree.cpp" line="+142"/>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open calendar</source>
        <translation>Kalender öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a new calendar name</source>
        <translation>Neuen Kalender anlegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change name of calendar</source>
        <translation>Kalender umbenennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a year to calendar</source>
        <translation>Jahr hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ownership</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set ownership</source>
        <translation>Eigentümer festlegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove ownership</source>
        <translation>Eigentümer entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restrict read access</source>
        <translation>Lesezugriff beschränken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add restriction</source>
        <translation>Beschränkung hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove restriction</source>
        <translation>Beschränkung aufheben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete calendar year</source>
        <translation>Kalenderjahr löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload calendar names</source>
        <translation>Kalendernamen neu laden</translation>
    </message>
    <message>
        <location filename="../src/calendars/calendarstore.cpp" line="+39"/>
        <location filename="../src/holidays/holidayapply.cpp" line="+53"/>
        <location filename="../src/users/changepasswordwindow.cpp" line="+111"/>
        <location filename="../src/users/userlistwindow.cpp" line="+50"/>
        <location filename="../src/users/userrecordwindow.cpp" line="-75"/>
        <location line="+72"/>
        <source>DB record not found.</source>
        <translation>DB-Datensatz nicht gefunden.</translation>
    </message>
    <message>
        <location line="+167"/>
        <location filename="../src/calendaryear/calendaryear.cpp" line="+226"/>
        <location filename="../src/editor/dayload.cpp" line="+23"/>
        <location filename="../src/store/history.cpp" line="+427"/>
        <location filename="../src/users/security.cpp" line="+151"/>
        <location line="+114"/>
        <source>DB record not found</source>
        <translation>DB-Datensatz nicht gefunden</translation>
    </message>
    <message>
        <location filename="../src/calendaryear/calendaryear.cpp" line="+31"/>
        <source>Events (All commented dates)</source>
        <translation>Ereignisse (alle kommentierten Tage)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events (Typical workdays)</source>
        <translation>Ereignisse (reguläre Arbeitstage)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events (Non-typical workdays)</source>
        <translation>Ereignisse (abweichende Arbeitstage)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Events (Dates paid and not worked)</source>
        <translation>Ereignisse (bezahlt, ohne Arbeit)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events (Dates not worked and not paid)</source>
        <translation>Ereignisse (ohne Arbeit, unbezahlt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <location filename="../src/dialogs/aboutwindow.cpp" line="+57"/>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <location filename="../src/editor/calendareditwindow.cpp" line="+43"/>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <location filename="../src/export/dayclassnames.cpp" line="+13"/>
        <source>Typical workday</source>
        <translation>Regulärer Arbeitstag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Altered workday</source>
        <translation>Geänderter Arbeitstag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paid, no work</source>
        <translation>Bezahlt, ohne Arbeit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No work, no pay</source>
        <translation>Ohne Arbeit, unbezahlt</translation>
    </message>
    <message>
        <location filename="../src/history/changehistorywindow.cpp" line="-53"/>
        <source>No periods</source>
        <translation>Keine Zeiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> (day type %1)</source>
        <translation> (Tagesart %1)</translation>
    </message>
    <message>
        <location line="+43"/>
        <source> (no day changed)</source>
        <translation> (kein Tag geändert)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Workstation</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>Only a change of days can be undone; this change is shown for the record.</source>
        <translation>Nur Änderungen an Tagen lassen sich rückgängig machen; diese Änderung ist nur vermerkt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This change left every day as it was: there is nothing to restore.</source>
        <translation>Diese Änderung hat keinen Tag verändert: Es gibt nichts wiederherzustellen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Restore the days as they were before this change?</source>
        <translation>Die Tage wie vor dieser Änderung wiederherstellen?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>This change is no longer in the history.</source>
        <translation>Diese Änderung ist nicht mehr im Verlauf.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The days cannot be restored: %1 was changed since.</source>
        <translation>Die Tage können nicht wiederhergestellt werden: %1 wurde seitdem geändert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>By the change of %1 on %2:</source>
        <translation>Durch die Änderung von %1 am %2:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The change that did it has no history entry.</source>
        <translation>Die verursachende Änderung hat keinen Verlaufseintrag.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>There is no change of yours to this calendar to undo.</source>
        <translation>Sie haben an diesem Kalender keine Änderung, die sich rückgängig machen lässt.</translation>
    </message>
    <message>
        <location filename="../src/holidays/holidayexchange.cpp" line="+28"/>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <location filename="../src/holidays/holidayexchange.h" line="+34"/>
        <source>An error was encountered while connecting to the holiday list.</source>
        <translation>Beim Verbinden mit der Feiertagsliste ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <location filename="../src/holidays/holidaylistingwindow.cpp" line="+55"/>
        <source>Make &amp;No change to calendar time &lt;N&gt;</source>
        <translation>&amp;Nichts an der Kalenderzeit ändern &lt;N&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Change all work periods to &amp;Paid periods &lt;P&gt;</source>
        <translation> Alle Arbeitszeiten in &amp;bezahlte Zeiten ändern &lt;P&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> &amp;Clear all periods on date &lt;C&gt;</source>
        <translation> Alle Zeiten am Datum &amp;löschen &lt;C&gt;</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>(no date)</source>
        <translation>(kein Datum)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The calendar year has no day record for these dates.</source>
        <translation>Das Kalenderjahr hat für diese Tage keine Einträge.</translation>
    </message>
    <message>
        <location filename="../src/holidays/holidaytree.cpp" line="+1"/>
        <source>Apply selection</source>
        <translation>Auswahl übernehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open iCalendar file</source>
        <translation>iCalendar-Datei öffnen</translation>
    </message>
    <message>
        <location filename="../src/holidays/icalendarlists.cpp" line="+116"/>
        <source>line %1 is longer than 256 KB</source>
        <translation>Zeile %1 ist länger als 256 KB</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>line %1: components nested more than %2 deep</source>
        <translation>Zeile %1: Komponenten tiefer als %2 verschachtelt</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>the event &quot;%1&quot; has the date %2, which does not exist</source>
        <translation>das Ereignis „%1“ hat das Datum %2, das es nicht gibt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the recurring event &quot;%1&quot; %2</source>
        <translation>das wiederkehrende Ereignis „%1“ %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the recurring events take too long to expand (stopped at &quot;%1&quot;)</source>
        <translation>die wiederkehrenden Ereignisse brauchen zu lange (abgebrochen bei „%1“)</translation>
    </message>
    <message>
        <location line="+270"/>
        <source>the file gives more than %1 holidays</source>
        <translation>die Datei enthält mehr als %1 Feiertage</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the file is larger than 32 MB</source>
        <translation>die Datei ist größer als 32 MB</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>not an iCalendar object (BEGIN:VCALENDAR ... END:VCALENDAR)</source>
        <translation>kein iCalendar-Objekt (BEGIN:VCALENDAR ... END:VCALENDAR)</translation>
    </message>
    <message>
        <location filename="../src/printing/engine/reportdefinition.cpp" line="+28"/>
        <source>unclosed &quot;{&quot; in &quot;%1&quot;</source>
        <translation>nicht geschlossene „{“ in „%1“</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unknown field &quot;{%1}&quot;</source>
        <translation>unbekanntes Feld „{%1}“</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>unclosed quotation mark</source>
        <translation>nicht geschlossenes Anführungszeichen</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>&quot;%1&quot; is missing</source>
        <translation>„%1“ fehlt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;%1&quot; is not a number for %2</source>
        <translation>„%1“ ist keine Zahl für %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;%1&quot; is not a colour for %2</source>
        <translation>„%1“ ist keine Farbe für %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>font size %1 is too small</source>
        <translation>Schriftgröße %1 ist zu klein</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>unknown attribute &quot;%1&quot; for %2</source>
        <translation>unbekanntes Attribut „%1“ für %2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>align must be left, center or right, not &quot;%1&quot;</source>
        <translation>align muss left, center oder right sein, nicht „%1“</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>valign must be top, middle or bottom, not &quot;%1&quot;</source>
        <translation>valign muss top, middle oder bottom sein, nicht „%1“</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>unknown pattern &quot;%1&quot;</source>
        <translation>unbekanntes Muster „%1“</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a line must begin with a keyword, not &quot;%1=&quot;</source>
        <translation>eine Zeile muss mit einem Schlüsselwort beginnen, nicht „%1=“</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>unknown keyword &quot;%1&quot;</source>
        <translation>unbekanntes Schlüsselwort „%1“</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>paper must be auto, A4 or Letter, not &quot;%1&quot;</source>
        <translation>paper muss auto, A4 oder Letter sein, nicht „%1“</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>orientation must be portrait or landscape, not &quot;%1&quot;</source>
        <translation>orientation muss portrait oder landscape sein, nicht „%1“</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>margins must be one number or four (left,top,right,bottom), not &quot;%1&quot;</source>
        <translation>margins muss eine Zahl oder vier sein (links,oben,rechts,unten), nicht „%1“</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>dayclass needs a class code (0, 100, 200, ...) after it</source>
        <translation>dayclass braucht danach einen Klassencode (0, 100, 200, ...)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>break must read &quot;break on-page-change&quot;</source>
        <translation>break muss „break on-page-change“ lauten</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 needs a group letter after it</source>
        <translation>%1 braucht danach einen Gruppenbuchstaben</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is defined twice</source>
        <translation>%1 ist doppelt definiert</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1 outside a band (put a band, header or footer line first)</source>
        <translation>%1 außerhalb eines Bereichs (zuerst eine band-, header- oder footer-Zeile)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>give either value or field, not both</source>
        <translation>entweder value oder field angeben, nicht beides</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 needs a value or a field</source>
        <translation>%1 braucht value oder field</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: the definition has no band</source>
        <translation>%1: die Definition hat keinen Bereich</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The report definition &quot;%1&quot; cannot be found.</source>
        <translation>Die Berichtsdefinition „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The report definition &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Berichtsdefinition „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The report definition cannot be read:<byte value="xd"/>
%1</source>
        <translation>Die Berichtsdefinition kann nicht gelesen werden:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location filename="../src/printing/engine/reportengine.cpp" line="-74"/>
        <source>The PDF file &quot;%1&quot; cannot be written.</source>
        <translation>Die PDF-Datei „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No printer was chosen for the report.</source>
        <translation>Für den Bericht wurde kein Drucker gewählt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>Der Bericht konnte nicht auf „%1“ gedruckt werden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The report data file &quot;%1&quot; cannot be found.</source>
        <translation>Die Berichtsdatei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The report data cannot be read from &quot;%1&quot;:<byte value="xd"/>
%2 (%3)</source>
        <translation>Die Berichtsdaten können nicht aus „%1“ gelesen werden:<byte value="xd"/>
%2 (%3)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern …</translation>
    </message>
    <message>
        <location filename="../src/printing/engine/selectionformula.cpp" line="+23"/>
        <source>Unreadable selection formula: %1</source>
        <translation>Unlesbare Auswahlformel: %1</translation>
    </message>
    <message>
        <location filename="../src/printing/reportrows.cpp" line="+167"/>
        <source>Work (typical)</source>
        <translation>Arbeit (regulär)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Work (altered)</source>
        <translation>Arbeit (geändert)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work (total)</source>
        <translation>Arbeit (gesamt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No work (pay only)</source>
        <translation>Ohne Arbeit (nur bezahlt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay</source>
        <translation>Lohn</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Work:</source>
        <translation>Arbeit:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid:</source>
        <translation>Bezahlt:</translation>
    </message>
    <message>
        <location filename="../src/store/history.cpp" line="+72"/>
        <source>This change cannot be undone.</source>
        <translation>Diese Änderung lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <location filename="../src/ui_common/appstate.cpp" line="+29"/>
        <source>The application is not connected to a database.</source>
        <translation>Das Programm ist mit keiner Datenbank verbunden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please click on &lt;System&gt; / &lt;Set database location&gt;,</source>
        <translation>Bitte klicken Sie auf &lt;System&gt; / &lt;Datenbank wählen&gt;,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>select the database and then repeat this operation.</source>
        <translation>wählen Sie die Datenbank und wiederholen Sie den Vorgang.</translation>
    </message>
    <message>
        <location filename="../src/ui_common/errorreport.cpp" line="+26"/>
        <source>Error:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number: %1</source>
        <translation>Nummer: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Description: </source>
        <translation>Beschreibung: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Source: </source>
        <translation>Quelle: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Location: %1</source>
        <translation>Stelle: %1</translation>
    </message>
    <message>
        <location filename="../src/ui_common/inputfilter.cpp" line="+41"/>
        <source>Restricted characters</source>
        <translation>Unzulässige Zeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chacacters &apos; ! ? # * % | ; : - [ ] and &quot; cannot be used for field input.</source>
        <translation>Die Zeichen &apos; ! ? # * % | ; : - [ ] und &quot; sind in Eingabefeldern nicht erlaubt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+5"/>
        <source>Data input</source>
        <translation>Dateneingabe</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Input must be a value</source>
        <translation>Die Eingabe muss ein Wert sein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input must be</source>
        <translation>Die Eingabe muss</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&apos;&apos;A to Z&apos;&apos; or &apos;&apos;a&apos;&apos; to &apos;&apos;z&apos;&apos;</source>
        <translation>&apos;&apos;A bis Z&apos;&apos; oder &apos;&apos;a&apos;&apos; bis &apos;&apos;z&apos;&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>and / or 0 to 9</source>
        <translation>und / oder 0 bis 9 sein</translation>
    </message>
    <message>
        <location filename="../src/ui_common/webpages.cpp" line="+38"/>
        <source>Unable to connect to Corvantelle website.</source>
        <translation>Keine Verbindung zur Website von Corvantelle.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to connect to Corvantelle On-line help.</source>
        <translation>Keine Verbindung zur Online-Hilfe von Corvantelle.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No web browser could be started to show the page.</source>
        <translation>Es konnte kein Webbrowser für die Seite gestartet werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its address is </source>
        <translation>Ihre Adresse ist </translation>
    </message>
    <message>
        <location filename="../src/users/changepasswordwindow.cpp" line="-64"/>
        <source>Current password</source>
        <translation>Aktuelles Kennwort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New password</source>
        <translation>Neues Kennwort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm new password</source>
        <translation>Neues Kennwort bestätigen</translation>
    </message>
    <message>
        <location line="+68"/>
        <location filename="../src/users/userrecordwindow.cpp" line="-69"/>
        <source>DB record out of date.</source>
        <translation>DB-Datensatz veraltet.</translation>
    </message>
    <message>
        <location filename="../src/users/passwords.cpp" line="+38"/>
        <source>The password cannot be stored: use at most %1 characters of the Latin alphabet, digits and common signs.</source>
        <translation>Das Kennwort kann nicht gespeichert werden: Verwenden Sie höchstens %1 Zeichen aus lateinischen Buchstaben, Ziffern und üblichen Zeichen.</translation>
    </message>
    <message>
        <location filename="../src/users/security.cpp" line="-215"/>
        <source>The system password supplied does not match the system</source>
        <translation>Das eingegebene Systemkennwort stimmt nicht mit dem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>password stored on the database.</source>
        <translation>in der Datenbank gespeicherten Systemkennwort überein.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>User: </source>
        <translation>Benutzer: </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> does not have a password assigned.</source>
        <translation> hat kein Kennwort.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Incorrect password for </source>
        <translation>Falsches Kennwort für </translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Insufficient access permission.</source>
        <translation>Unzureichende Zugriffsrechte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to proceed with the system password?</source>
        <translation>Möchten Sie mit dem Systemkennwort fortfahren?</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The application was unable to acquire the calendars year range.</source>
        <translation>Das Programm konnte den Jahresbereich der Kalender nicht ermitteln.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Password cannot be blank.</source>
        <translation>Das Kennwort darf nicht leer sein.</translation>
    </message>
    <message>
        <location filename="../src/ui_common/menutree.cpp" line="+64"/>
        <source>Heading</source>
        <translation>Überschrift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The arrow keys choose a command, Enter runs it</source>
        <translation>Die Pfeiltasten wählen einen Befehl, die Eingabetaste führt ihn aus</translation>
    </message>
</context>
<context>
    <name>dayvane::AboutWindow</name>
    <message>
        <location filename="../src/dialogs/aboutwindow.cpp" line="+22"/>
        <source>About Corvantelle</source>
        <translation>Über Corvantelle</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Work calendars for the desktop</source>
        <translation>Arbeitskalender für den Desktop</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keeps an organisation&apos;s work calendars: the worked and paid periods of every day, month and year totals, event dates, printed reports and public holidays, in one database that several workstations may share.</source>
        <translation>Führt die Arbeitskalender einer Organisation: gearbeitete und bezahlte Zeiten jedes Tages, Monats- und Jahressummen, Ereignistage, gedruckte Berichte und Feiertage, in einer Datenbank, die sich mehrere Arbeitsplätze teilen können.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This program is provided as is, without warranty of any kind. Check the working times it computes before you rely on them, and keep copies of your calendar database.</source>
        <translation>Dieses Programm wird ohne jede Gewährleistung bereitgestellt. Prüfen Sie die berechneten Arbeitszeiten, bevor Sie sich darauf verlassen, und sichern Sie Ihre Kalenderdatenbank.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the desktop&apos;s system information program</source>
        <translation>Öffnet das Systeminformationsprogramm des Desktops</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>dayvane::CalendarEditWindow</name>
    <message>
        <location filename="../src/editor/calendareditcommands.cpp" line="+35"/>
        <source>The start time does not comply with the required</source>
        <translation>Die Anfangszeit entspricht nicht dem verlangten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The End time does not comply with the required</source>
        <translation>Die Endzeit entspricht nicht dem verlangten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please provide or clear start and end time.</source>
        <translation>Bitte Anfangs- und Endzeit angeben oder beide leeren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time entry conflicts with </source>
        <translation>Die Zeit überschneidet sich mit </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> to </source>
        <translation> bis </translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Clear all time periods for the day?</source>
        <translation>Alle Zeiten des Tages löschen?</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/editor/calendareditwindow.cpp" line="+317"/>
        <source>Date input</source>
        <translation>Datumseingabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No date of the range is selected.</source>
        <translation>Kein Tag des Zeitraums ist gewählt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the start and end date and the weekdays.</source>
        <translation>Bitte prüfen Sie Anfangs- und Enddatum und die Wochentage.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Override calendar?</source>
        <translation>Kalender überschreiben?</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>The calendar year must be </source>
        <translation>Das Kalenderjahr muss sein: </translation>
    </message>
    <message>
        <location filename="../src/editor/calendareditwindow.cpp" line="-279"/>
        <source>Edit calendar</source>
        <translation>Kalender bearbeiten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit time period</source>
        <translation>Zeit bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove time period</source>
        <translation>Zeit entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all time periods</source>
        <translation>Alle Zeiten löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save calendar</source>
        <translation>Kalender speichern</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Another workstation has changed this calendar. Saving will be refused: close this window and open the day again.</source>
        <translation>Ein anderer Arbeitsplatz hat diesen Kalender geändert. Speichern wird abgelehnt: Schließen Sie dieses Fenster und öffnen Sie den Tag erneut.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Calendar changed</source>
        <translation>Kalender geändert</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Time periods</source>
        <translation>Zeiträume</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter edits the time period of the row, Delete removes it</source>
        <translation>Die Eingabetaste bearbeitet den Zeitraum der Zeile, Entf entfernt ihn</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start time</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End time</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Day start</source>
        <translation>Tagesbeginn</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Day end</source>
        <translation>Tagesende</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+52"/>
        <source>Work time</source>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+52"/>
        <source>Total time</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>&amp;Event</source>
        <translation>&amp;Ereignis</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Apply to</source>
        <translation>Anwenden auf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Discard the changes to this day?</source>
        <translation>Änderungen an diesem Tag verwerfen?</translation>
    </message>
</context>
<context>
    <name>dayvane::CalendarListWindow</name>
    <message>
        <location filename="../src/calendars/calendarlistcommands.cpp" line="-158"/>
        <location line="+40"/>
        <source>The calendar name cannot be blank.</source>
        <translation>Der Kalendername darf nicht leer sein.</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>The calendar year must be between 2000 and 2100.</source>
        <translation>Das Kalenderjahr muss zwischen 2000 und 2100 liegen.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>New calendar name</source>
        <translation>Neuer Kalendername</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>The calendar name specified already exists.</source>
        <translation>Der angegebene Kalendername existiert bereits.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>New calendar year</source>
        <translation>Neues Kalenderjahr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The calendar has been changed by another user.</source>
        <translation>Der Kalender wurde von einem anderen Benutzer geändert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Year options are no longer valid.</source>
        <translation>Die Jahresauswahl ist nicht mehr gültig.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The specified calendar year already exists for this calendar name.</source>
        <translation>Das angegebene Jahr existiert für diesen Kalender bereits.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete year </source>
        <translation>Jahr </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> from calendar &apos;&apos;</source>
        <translation> aus Kalender &apos;&apos;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Calendar years must be contiguous.</source>
        <translation>Kalenderjahre müssen lückenlos aufeinander folgen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only the first year (%1) or the last year (%2) can be deleted.</source>
        <translation>Nur das erste (%1) oder das letzte Jahr (%2) kann gelöscht werden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Deleting the only year for this calendar name will cause</source>
        <translation>Wird das einzige Jahr dieses Kalenders gelöscht,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the deletion of the name as well.</source>
        <translation>wird auch der Kalender selbst gelöscht.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+75"/>
        <source>Do you want to proceed?</source>
        <translation>Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>Assign an owner to the calendar</source>
        <translation>Dem Kalender einen Eigentümer zuweisen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace calendar owner </source>
        <translation>Eigentümer des Kalenders ersetzen </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The calendar ownership selection has been applied successfully.</source>
        <translation>Der Eigentümer des Kalenders wurde festgelegt.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove ownership from calendar:</source>
        <translation>Eigentümer entfernen vom Kalender:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The &apos;&apos;System password&apos;&apos; will be required to make changes to the calendar</source>
        <translation>Für Änderungen am Kalender wird dann das &apos;&apos;Systemkennwort&apos;&apos; benötigt,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>after &apos;&apos;Calendar ownership&apos;&apos; has been removed.</source>
        <translation>nachdem der &apos;&apos;Eigentümer&apos;&apos; entfernt wurde.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The calendar does not have an owner assigned.</source>
        <translation>Der Kalender hat keinen Eigentümer.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add restriction to calendar:</source>
        <translation>Beschränkung hinzufügen zum Kalender:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adding &apos;&apos;Read restriction&apos;&apos; will allow only the owner to view this calendar.</source>
        <translation>Mit der &apos;&apos;Lesebeschränkung&apos;&apos; kann nur der Eigentümer diesen Kalender sehen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot add &apos;&apos;Read restriction&apos;&apos; to this calendar because an &apos;&apos;Owner&apos;&apos; has not </source>
        <translation>Die &apos;&apos;Lesebeschränkung&apos;&apos; ist nicht möglich, weil dem Kalender kein &apos;&apos;Eigentümer&apos;&apos; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>been assigned.</source>
        <translation>zugewiesen ist.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The &apos;&apos;Read restriction&apos;&apos; has been added to the calendar successfully.</source>
        <translation>Die &apos;&apos;Lesebeschränkung&apos;&apos; wurde dem Kalender hinzugefügt.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove &apos;&apos;Read restriction&apos;&apos; from calendar:</source>
        <translation>&apos;&apos;Lesebeschränkung&apos;&apos; aufheben für Kalender:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removing the &apos;&apos;Read restriction&apos;&apos; will allow public viewing</source>
        <translation>Ohne &apos;&apos;Lesebeschränkung&apos;&apos; können alle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>of the calendar.</source>
        <translation>den Kalender sehen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The &apos;&apos;Read restriction&apos;&apos; has been removed from the calendar successfully.</source>
        <translation>Die &apos;&apos;Lesebeschränkung&apos;&apos; des Kalenders wurde aufgehoben.</translation>
    </message>
    <message>
        <location filename="../src/calendars/calendarlistwindow.cpp" line="-21"/>
        <source>Calendar list</source>
        <translation>Kalenderliste</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+16"/>
        <location line="+17"/>
        <source>Calendar name</source>
        <translation>Kalendername</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+13"/>
        <location line="+16"/>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>New name of the calendar</source>
        <translation>Neuer Name des Kalenders</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Year to add</source>
        <translation>Hinzuzufügendes Jahr</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Changes require system password</source>
        <translation>Änderungen erfordern das Systemkennwort</translation>
    </message>
</context>
<context>
    <name>dayvane::CalendarViews</name>
    <message>
        <location filename="../src/app/calendarviews.cpp" line="+95"/>
        <source>No calendar loaded</source>
        <translation>Kein Kalender geladen</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay</source>
        <translation>Lohn</translation>
    </message>
</context>
<context>
    <name>dayvane::CalendarWindow</name>
    <message>
        <location filename="../src/app/calendarreports.cpp" line="+102"/>
        <source>Export as iCalendar file</source>
        <translation>Als iCalendar-Datei exportieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export as CSV file</source>
        <translation>Als CSV-Datei exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The file &quot;%1&quot; could not be written:</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden:</translation>
    </message>
    <message>
        <location filename="../src/app/calendarwindow.cpp" line="-130"/>
        <source>No calendar loaded</source>
        <translation>Kein Kalender geladen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Event dates</source>
        <translation>Ereignisdaten</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay</source>
        <translation>Lohn</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The arrow keys choose a day, Page Up and Page Down the month, Enter or a double click edits the day</source>
        <translation>Die Pfeiltasten wählen einen Tag, Bild auf und Bild ab den Monat, Eingabetaste oder Doppelklick bearbeitet den Tag</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Choose a month</source>
        <translation>Monat wählen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter opens the list of months</source>
        <translation>Die Eingabetaste öffnet die Monatsliste</translation>
    </message>
    <message>
        <location line="+275"/>
        <source>The connection to the current database will be closed.</source>
        <translation>Die Verbindung zur aktuellen Datenbank wird geschlossen.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>The system password has been cleared.</source>
        <translation>Das Systemkennwort wurde gelöscht.</translation>
    </message>
</context>
<context>
    <name>dayvane::ChangeHistoryWindow</name>
    <message>
        <location filename="../src/history/changehistorywindow.cpp" line="-232"/>
        <source>Change history</source>
        <translation>Änderungsverlauf</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore the days as they were before this change</source>
        <translation>Tage wie vor dieser Änderung wiederherstellen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Changed days &amp;from</source>
        <translation>Geänderte Tage &amp;ab</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;to</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Workstation or user</source>
        <translation>&amp;Arbeitsplatz oder Benutzer</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Changed days</source>
        <translation>Geänderte Tage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Please enter the date as yyyy-mm-dd, for example 2026-03-02.</source>
        <translation>Bitte das Datum als JJJJ-MM-TT eingeben, zum Beispiel 2026-03-02.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>1 change</source>
        <translation>1 Änderung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 changes</source>
        <translation>%1 Änderungen</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>There is no change selected.</source>
        <translation>Keine Änderung gewählt.</translation>
    </message>
</context>
<context>
    <name>dayvane::ChangePasswordWindow</name>
    <message>
        <location filename="../src/users/changepasswordwindow.cpp" line="-76"/>
        <source>Change password</source>
        <translation>Kennwort ändern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save password</source>
        <translation>Kennwort speichern</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Please enter your current and new password.</source>
        <translation>Bitte aktuelles und neues Kennwort eingeben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The new password must be at least 6 characters.</source>
        <translation>Das neue Kennwort muss mindestens 6 Zeichen haben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The new password does not match the confirmation password.</source>
        <translation>Das neue Kennwort stimmt nicht mit der Bestätigung überein.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The password was changed successfully.</source>
        <translation>Das Kennwort wurde geändert.</translation>
    </message>
</context>
<context>
    <name>dayvane::DatabaseServerWindow</name>
    <message>
        <location filename="../src/app/databaseserverwindow.cpp" line="+21"/>
        <source>Database server</source>
        <translation>Datenbankserver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave the password empty when the server does not ask for one or when it is in the password file (~/.pgpass). It is kept until the program closes, never saved.</source>
        <translation>Lassen Sie das Kennwort leer, wenn der Server keines verlangt oder es in der Kennwortdatei (~/.pgpass) steht. Es gilt bis zum Programmende und wird nie gespeichert.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Please enter the address of the database server, such as</source>
        <translation>Bitte geben Sie die Adresse des Datenbankservers ein, etwa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>or host=server.example dbname=dayvane user=me</source>
        <translation>oder host=server.example dbname=dayvane user=me</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The password written in the address is used until the program closes;</source>
        <translation>Das Kennwort in der Adresse gilt bis zum Programmende;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not kept in the settings file.</source>
        <translation>es wird nicht in der Einstellungsdatei gespeichert.</translation>
    </message>
</context>
<context>
    <name>dayvane::DateSelectorWindow</name>
    <message>
        <location filename="../src/dialogs/dateselectorwindow.cpp" line="+24"/>
        <location line="+7"/>
        <source>Select date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The arrow keys choose a day, Enter selects it</source>
        <translation>Die Pfeiltasten wählen einen Tag, die Eingabetaste übernimmt ihn</translation>
    </message>
</context>
<context>
    <name>dayvane::HolidayExchange</name>
    <message>
        <location filename="../src/holidays/holidayexchange.cpp" line="+48"/>
        <source>The holiday server&apos;s reply is larger than the %1 this program accepts.</source>
        <translation>Die Antwort des Feiertagsservers ist größer als die %1, die das Programm annimmt.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Connecting to Corvantelle online holiday list ...</source>
        <translation>Verbindung zur Online-Feiertagsliste von Corvantelle ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The holiday list server did not accept the connection within %1.</source>
        <translation>Der Feiertagsserver hat die Verbindung nicht innerhalb von %1 angenommen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Waiting for holiday data ...</source>
        <translation>Warte auf Feiertagsdaten ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The holiday list did not arrive within %1.</source>
        <translation>Die Feiertagsliste kam nicht innerhalb von %1.</translation>
    </message>
</context>
<context>
    <name>dayvane::HolidayListingWindow</name>
    <message>
        <location filename="../src/holidays/holidaylistingwindow.cpp" line="+10"/>
        <source>Holiday list</source>
        <translation>Feiertagsliste</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+5"/>
        <source>Filter lists</source>
        <translation>Listen filtern</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Shows the lists whose name holds this text (Ctrl+F)</source>
        <translation>Zeigt die Listen, deren Name diesen Text enthält (Strg+F)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clear the filter</source>
        <translation>Filter leeren</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stops reading the iCalendar file (Escape)</source>
        <translation>Bricht das Lesen der iCalendar-Datei ab (Esc)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>Open iCalendar file</source>
        <translation>iCalendar-Datei öffnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-Dateien (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The iCalendar file cannot be read:<byte value="xd"/>
</source>
        <translation>Die iCalendar-Datei kann nicht gelesen werden:<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The iCalendar file &quot;%1&quot; has no events in %2.</source>
        <translation>Die iCalendar-Datei „%1“ hat keine Ereignisse in %2.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Reading %1...</source>
        <translation>Lese %1 ...</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Clear the current selection?</source>
        <translation>Aktuelle Auswahl löschen?</translation>
    </message>
    <message>
        <location line="+81"/>
        <source> has already been selected.</source>
        <translation> ist bereits gewählt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to replace this selection?</source>
        <translation>Möchten Sie diese Auswahl ersetzen?</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>There are no holidays selected.</source>
        <translation>Es sind keine Feiertage gewählt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The year for the selected holiday list does not match </source>
        <translation>Das Jahr der gewählten Feiertagsliste passt nicht </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the year of the current calendar.</source>
        <translation>zum Jahr des aktuellen Kalenders.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>None of the selected holidays could be applied:</source>
        <translation>Keiner der gewählten Feiertage konnte übernommen werden:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 of the selected holidays could not be applied:</source>
        <translation>%1 der gewählten Feiertage konnten nicht übernommen werden:</translation>
    </message>
</context>
<context>
    <name>dayvane::SystemPasswordWindow</name>
    <message>
        <location filename="../src/users/systempasswordwindow.cpp" line="+66"/>
        <source>System password</source>
        <translation>Systemkennwort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New password</source>
        <translation>Neues Kennwort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm password</source>
        <translation>Kennwort bestätigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Accept password</source>
        <translation>Kennwort übernehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change password</source>
        <translation>Kennwort ändern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save password</source>
        <translation>Kennwort speichern</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Please supply your password.</source>
        <translation>Bitte geben Sie Ihr Kennwort ein.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The system password will remain active until the application </source>
        <translation>Das Systemkennwort bleibt aktiv, bis das Programm </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>is closed or the password is cleared.</source>
        <translation>beendet oder das Kennwort gelöscht wird.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+19"/>
        <source>Incorrect system password.</source>
        <translation>Falsches Systemkennwort.</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Please enter the current system password.</source>
        <translation>Bitte geben Sie das aktuelle Systemkennwort ein.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The password must be at least 6 characters long.</source>
        <translation>Das Kennwort muss mindestens 6 Zeichen lang sein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The confirmation password does not match the new password.</source>
        <translation>Die Bestätigung stimmt nicht mit dem neuen Kennwort überein.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The new password has been activated.</source>
        <translation>Das neue Kennwort ist aktiv.</translation>
    </message>
</context>
<context>
    <name>dayvane::TimeEntryFrame</name>
    <message>
        <location filename="../src/editor/timeentryframe.cpp" line="+46"/>
        <source>Worked (checked) or paid only</source>
        <translation>Gearbeitet (angehakt) oder nur bezahlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End time</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
</context>
<context>
    <name>dayvane::UserListWindow</name>
    <message>
        <location filename="../src/users/userlistwindow.cpp" line="+26"/>
        <source>User list</source>
        <translation>Benutzerliste</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select user</source>
        <translation>Benutzer wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add new user record</source>
        <translation>Neuen Benutzer anlegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit user record</source>
        <translation>Benutzer bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete user record</source>
        <translation>Benutzer löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User account</source>
        <translation>Benutzerkonto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter user password</source>
        <translation>Benutzerkennwort eingeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change password</source>
        <translation>Kennwort ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload user list</source>
        <translation>Benutzerliste neu laden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Employee ID</source>
        <translation>Personalnummer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Are you sure you want to delete user:</source>
        <translation>Möchten Sie diesen Benutzer wirklich löschen:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Cannot delete user.</source>
        <translation>Benutzer kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This user is a calendar owner.</source>
        <translation>Dieser Benutzer ist Eigentümer eines Kalenders.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove ownership or assign another user as owner</source>
        <translation>Entfernen Sie den Eigentümer oder weisen Sie einen anderen zu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>and then delete this user.</source>
        <translation>und löschen Sie dann diesen Benutzer.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Please assign a password to the selected user first.</source>
        <translation>Bitte weisen Sie dem gewählten Benutzer zuerst ein Kennwort zu.</translation>
    </message>
</context>
<context>
    <name>dayvane::UserPasswordInputWindow</name>
    <message>
        <location filename="../src/users/userpasswordinputwindow.cpp" line="+21"/>
        <source>User password</source>
        <translation>Benutzerkennwort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Accept password</source>
        <translation>Kennwort übernehmen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
</context>
<context>
    <name>dayvane::UserRecordWindow</name>
    <message>
        <location filename="../src/users/userrecordwindow.cpp" line="-49"/>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add user record</source>
        <translation>Benutzer anlegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save user record</source>
        <translation>Benutzer speichern</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Employee ID</source>
        <translation>Personalnummer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shows the password as it is typed</source>
        <translation>Zeigt das Kennwort beim Tippen an</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Edit user record</source>
        <translation>Benutzer bearbeiten</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Add new user</source>
        <translation>Neuer Benutzer</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The employee id and last name cannot be blank.</source>
        <translation>Personalnummer und Nachname dürfen nicht leer sein.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The user password must be at least 6 characters.</source>
        <translation>Das Benutzerkennwort muss mindestens 6 Zeichen haben.</translation>
    </message>
</context>
<context>
    <name>dayvane::WorkstationSettingsWindow</name>
    <message>
        <location filename="../src/app/workstationsettingswindow.cpp" line="+23"/>
        <source>Workstation settings</source>
        <translation>Arbeitsplatzeinstellungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The system&apos;s language</source>
        <translation>Sprache des Systems</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system&apos;s first day</source>
        <translation>Erster Tag des Systems</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;First day of the week</source>
        <translation>&amp;Erster Wochentag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Dates and times as the system&apos;s language writes them</source>
        <translation>&amp;Datum und Uhrzeit in der Schreibweise des Systems</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+35"/>
        <source>The program shows a newly chosen language or form of dates from its next start.</source>
        <translation>Eine neu gewählte Sprache oder Datumsform gilt ab dem nächsten Programmstart.</translation>
    </message>
    <message>
        <source>The program speaks a newly chosen language from its next start.</source>
        <translation type="vanished">Eine neu gewählte Sprache gilt ab dem nächsten Programmstart.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The settings cannot be saved in:</source>
        <translation>Die Einstellungen können nicht gespeichert werden in:</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <location filename="reporttexts.cpp" line="+3"/>
        <source>Printed {date}</source>
        <translation>Gedruckt am {date}</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page {page} of {pages}</source>
        <translation>Seite {page} von {pages}</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay</source>
        <translation>Lohn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typical workday</source>
        <translation>Regulärer Arbeitstag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altered workday</source>
        <translation>Geänderter Arbeitstag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid, no work</source>
        <translation>Bezahlt, ohne Arbeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No work, no pay</source>
        <translation>Ohne Arbeit, unbezahlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Worked</source>
        <translation>Gearbeitet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typical workdays</source>
        <translation>Reguläre Arbeitstage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altered workdays</source>
        <translation>Geänderte Arbeitstage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total work</source>
        <translation>Arbeit gesamt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typical day</source>
        <translation>Regulärer Tag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year totals</source>
        <translation>Jahressummen</translation>
    </message>
</context>
</TS>
