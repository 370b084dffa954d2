<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <location filename="../src/printing/engine/reportengine.cpp" line="+107"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>dayvane</name>
    <message>
        <location filename="../src/app/calendarpanels.cpp" line="+68"/>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Typical</source>
        <translation>Habituels</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/app/mainmenu.cpp" line="+35"/>
        <source>Typical workdays</source>
        <translation>Jours ouvrés habituels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altered</source>
        <translation>Modifiés</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/app/mainmenu.cpp" line="+1"/>
        <source>Altered workdays</source>
        <translation>Jours ouvrés modifiés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All work</source>
        <translation>Travail total</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All workdays</source>
        <translation>Tous les jours ouvrés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid only</source>
        <translation>Payés seuls</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Days paid and not worked</source>
        <translation>Jours payés non travaillés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All paid</source>
        <translation>Total payé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All paid days, worked or not</source>
        <translation>Tous les jours payés, travaillés ou non</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/app/calendarviews.cpp" line="+35"/>
        <location filename="../src/printing/reportrows.cpp" line="+35"/>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Selected day</source>
        <translation>Jour sélectionné</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Worked</source>
        <translation>Travaillé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Payé</translation>
    </message>
    <message>
        <location filename="../src/app/calendarwindow.cpp" line="+272"/>
        <source>Previous month (Page Up)</source>
        <translation>Mois précédent (Page préc.)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next month (Page Down)</source>
        <translation>Mois suivant (Page suiv.)</translation>
    </message>
    <message>
        <location filename="../src/app/mainmenu.cpp" line="-20"/>
        <source>Close application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System password</source>
        <translation>Mot de passe système</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter system password</source>
        <translation>Saisir le mot de passe système</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear system password</source>
        <translation>Effacer le mot de passe système</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User list</source>
        <translation>Liste des utilisateurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set database location</source>
        <translation>Choisir la base de données</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set database server</source>
        <translation>Choisir le serveur de base de données</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Workstation settings</source>
        <translation>Paramètres du poste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar menu</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open calendar list</source>
        <translation>Ouvrir la liste des calendriers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make changes to calendar</source>
        <translation>Modifier le calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open holiday list</source>
        <translation>Ouvrir la liste des jours fériés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change history</source>
        <translation>Historique des modifications</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo my last change</source>
        <translation>Annuler ma dernière modification</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload calendar</source>
        <translation>Recharger le calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Event dates</source>
        <translation>Dates d&apos;événements</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to event date</source>
        <translation>Aller à la date d&apos;événement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List all</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paid / no work</source>
        <translation>Payé / non travaillé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No work / no pay</source>
        <translation>Non travaillé / non payé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print calendar</source>
        <translation>Imprimer le calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Selected month</source>
        <translation>Mois sélectionné</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>12 month layout</source>
        <translation>Présentation sur 12 mois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar &amp; Event list</source>
        <translation>Calendrier &amp; liste d&apos;événements</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/history/changehistorywindow.cpp" line="+104"/>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Event list</source>
        <translation>Liste d&apos;événements</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calendar (12 months)</source>
        <translation>Calendrier (12 mois)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>iCalendar file (.ics)</source>
        <translation>Fichier iCalendar (.ics)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV file (.csv)</source>
        <translation>Fichier CSV (.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV file for spreadsheets using ; (.csv)</source>
        <translation>Fichier CSV pour tableurs avec ; (.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Customer service</source>
        <translation>Service client</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On-line help</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Dayvane</source>
        <translation>À propos de Dayvane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Message from Corvantelle</source>
        <translation>Message de Corvantelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact Corvantelle</source>
        <translation>Contacter Corvantelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go to Corvantelle website</source>
        <translation>Site web de Corvantelle</translation>
    </message>
    <message>
        <location filename="../src/app/opendatabase.cpp" line="+21"/>
        <source>To select the database location at a later time, click on</source>
        <translation>Pour choisir la base de données plus tard, cliquez sur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;Set database location&gt; listed under the &lt;System&gt; menu item.</source>
        <translation>&lt;Choisir la base de données&gt; dans le menu &lt;Système&gt;.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The database storage device is not recognized by the application.</source>
        <translation>Le support de la base de données n&apos;est pas reconnu par l&apos;application.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please install the database on your local drive for single user access</source>
        <translation>Installez la base de données sur un disque local pour un seul utilisateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>or on a network drive for multi-user access.</source>
        <translation>ou sur un lecteur réseau pour plusieurs utilisateurs.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select the &apos;&apos;QZDB.mdb&apos;&apos; database.</source>
        <translation>Veuillez sélectionner la base de données &apos;&apos;QZDB.mdb&apos;&apos;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The database path must be 11 characters minimum</source>
        <translation>Le chemin de la base de données doit compter au moins 11 caractères</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g. &apos;&apos;C:\QZDB.mdb&apos;&apos;</source>
        <translation>p. ex. &apos;&apos;C:\QZDB.mdb&apos;&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select the database named &apos;&apos;QZDB.mdb&apos;&apos;.</source>
        <translation>Veuillez sélectionner la base de données nommée &apos;&apos;QZDB.mdb&apos;&apos;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The calendar database is busy: another workstation is saving. Try again in a moment.</source>
        <translation>La base des calendriers est occupée&#xa0;: un autre poste enregistre. Réessayez dans un instant.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The calendar database cannot be read: </source>
        <translation>Impossible de lire la base des calendriers&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server does not answer:</source>
        <translation>Le serveur de base de données ne répond pas&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The address is kept: try again with &lt;Set database server&gt; once the</source>
        <translation>L&apos;adresse est conservée&#xa0;: réessayez avec &lt;Choisir le serveur de base de données&gt; dès que le</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>server can be reached.</source>
        <translation>serveur sera accessible.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server refused the user name or password:</source>
        <translation>Le serveur de base de données refuse le nom d&apos;utilisateur ou le mot de passe&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server has no such database:</source>
        <translation>Cette base de données n&apos;existe pas sur le serveur&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server has no such user:</source>
        <translation>Cet utilisateur n&apos;existe pas sur le serveur de base de données&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server takes no more connections at the moment:</source>
        <translation>Le serveur de base de données n&apos;accepte plus de connexions pour le moment&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Try again later, or ask the server&apos;s administrator.</source>
        <translation>Réessayez plus tard ou contactez l&apos;administrateur du serveur.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server address cannot be read:</source>
        <translation>L&apos;adresse du serveur de base de données n&apos;est pas valide&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The secure connection that the address asks for failed:</source>
        <translation>La connexion sécurisée demandée par l&apos;adresse a échoué&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>See its sslmode setting.</source>
        <translation>Vérifiez son paramètre sslmode.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The selected database does not appear to be a valid</source>
        <translation>La base de données sélectionnée ne semble pas être une base</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Corvantelle database.</source>
        <translation>Corvantelle valide.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Do you want to create a new, empty calendar database?</source>
        <translation>Voulez-vous créer une nouvelle base de calendriers vide ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It is saved as QZDB.mdb in the folder you choose.</source>
        <translation>Elle est enregistrée sous QZDB.mdb dans le dossier choisi.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Create Corvantelle database</source>
        <translation>Créer la base Corvantelle</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The folder already holds a database:</source>
        <translation>Le dossier contient déjà une base :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It is left as it is; choose another folder.</source>
        <translation>Elle reste inchangée ; choisissez un autre dossier.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The calendar database cannot be created:</source>
        <translation>La base de calendriers ne peut pas être créée :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Created an empty calendar database:</source>
        <translation>Base de calendriers vide créée :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No system password is set: set one with &lt;Enter system password&gt; under &lt;System&gt;.</source>
        <translation>Aucun mot de passe système n&apos;est défini : définissez-en un avec &lt;Saisir le mot de passe système&gt; sous &lt;Système&gt;.</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The application requires the location of the Corvantelle database (QZDB.mdb).</source>
        <translation>L&apos;application a besoin de l&apos;emplacement de la base de données Corvantelle (QZDB.mdb).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to select the database location now?</source>
        <translation>Voulez-vous choisir la base de données maintenant&#xa0;?</translation>
    </message>
    <message>
        <location filename="../src/calendars/calendarlistcommands.cpp" line="+224"/>
        <location filename="../src/users/userrecordwindow.cpp" line="+180"/>
        <source>DB record out of date</source>
        <translation>Enregistrement de la base périmé</translation>
    </message>
    <message>
        <location filename="../src/calendars/calendarlistwindow.cpp" line="+63"/>
        <location filename="../src/holidays/holidaytree.cpp" line="+142"/>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open calendar</source>
        <translation>Ouvrir le calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a new calendar name</source>
        <translation>Ajouter un calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change name of calendar</source>
        <translation>Renommer le calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a year to calendar</source>
        <translation>Ajouter une année</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ownership</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set ownership</source>
        <translation>Définir le propriétaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove ownership</source>
        <translation>Retirer le propriétaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restrict read access</source>
        <translation>Restreindre l&apos;accès en lecture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add restriction</source>
        <translation>Ajouter la restriction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove restriction</source>
        <translation>Retirer la restriction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete calendar year</source>
        <translation>Supprimer l&apos;année</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload calendar names</source>
        <translation>Recharger les calendriers</translation>
    </message>
    <message>
        <location filename="../src/calendars/calendarstore.cpp" line="+39"/>
        <location filename="../src/holidays/holidayapply.cpp" line="+53"/>
        <location filename="../src/users/changepasswordwindow.cpp" line="+111"/>
        <location filename="../src/users/userlistwindow.cpp" line="+50"/>
        <location filename="../src/users/userrecordwindow.cpp" line="-75"/>
        <location line="+72"/>
        <source>DB record not found.</source>
        <translation>Enregistrement de la base introuvable.</translation>
    </message>
    <message>
        <location line="+167"/>
        <location filename="../src/calendaryear/calendaryear.cpp" line="+226"/>
        <location filename="../src/editor/dayload.cpp" line="+23"/>
        <location filename="../src/store/history.cpp" line="+427"/>
        <location filename="../src/users/security.cpp" line="+151"/>
        <location line="+114"/>
        <source>DB record not found</source>
        <translation>Enregistrement de la base introuvable</translation>
    </message>
    <message>
        <location filename="../src/calendaryear/calendaryear.cpp" line="+31"/>
        <source>Events (All commented dates)</source>
        <translation>Événements (toutes les dates commentées)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events (Typical workdays)</source>
        <translation>Événements (jours ouvrés habituels)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events (Non-typical workdays)</source>
        <translation>Événements (jours ouvrés inhabituels)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Events (Dates paid and not worked)</source>
        <translation>Événements (payés, non travaillés)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events (Dates not worked and not paid)</source>
        <translation>Événements (non travaillés, non payés)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <location filename="../src/dialogs/aboutwindow.cpp" line="+57"/>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <location filename="../src/editor/calendareditwindow.cpp" line="+43"/>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Thu</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <location filename="../src/export/dayclassnames.cpp" line="+13"/>
        <source>Typical workday</source>
        <translation>Jour ouvré habituel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Altered workday</source>
        <translation>Jour ouvré modifié</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paid, no work</source>
        <translation>Payé, non travaillé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No work, no pay</source>
        <translation>Non travaillé, non payé</translation>
    </message>
    <message>
        <location filename="../src/history/changehistorywindow.cpp" line="-53"/>
        <source>No periods</source>
        <translation>Aucune période</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> (day type %1)</source>
        <translation> (type de jour %1)</translation>
    </message>
    <message>
        <location line="+43"/>
        <source> (no day changed)</source>
        <translation> (aucun jour modifié)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Workstation</source>
        <translation>Poste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Login</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>Only a change of days can be undone; this change is shown for the record.</source>
        <translation>Seule une modification de jours peut être annulée&#xa0;; celle-ci n&apos;est affichée que pour mémoire.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This change left every day as it was: there is nothing to restore.</source>
        <translation>Cette modification n&apos;a changé aucun jour&#xa0;: il n&apos;y a rien à rétablir.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Restore the days as they were before this change?</source>
        <translation>Rétablir les jours tels qu&apos;ils étaient avant cette modification&#xa0;?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>This change is no longer in the history.</source>
        <translation>Cette modification n&apos;est plus dans l&apos;historique.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The days cannot be restored: %1 was changed since.</source>
        <translation>Impossible de rétablir les jours&#xa0;: %1 a été modifié depuis.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>By the change of %1 on %2:</source>
        <translation>Par la modification de %1 le %2&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The change that did it has no history entry.</source>
        <translation>La modification en cause n&apos;a pas d&apos;entrée dans l&apos;historique.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>There is no change of yours to this calendar to undo.</source>
        <translation>Vous n&apos;avez aucune modification à annuler dans ce calendrier.</translation>
    </message>
    <message>
        <location filename="../src/holidays/holidayexchange.cpp" line="+28"/>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <location filename="../src/holidays/holidayexchange.h" line="+34"/>
        <source>An error was encountered while connecting to the holiday list.</source>
        <translation>Une erreur est survenue lors de la connexion à la liste des jours fériés.</translation>
    </message>
    <message>
        <location filename="../src/holidays/holidaylistingwindow.cpp" line="+55"/>
        <source>Make &amp;No change to calendar time &lt;N&gt;</source>
        <translation>&amp;Ne rien changer au temps du calendrier &lt;N&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Change all work periods to &amp;Paid periods &lt;P&gt;</source>
        <translation> Changer toutes les périodes de travail en périodes &amp;payées &lt;P&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> &amp;Clear all periods on date &lt;C&gt;</source>
        <translation> &amp;Effacer toutes les périodes à la date &lt;C&gt;</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>(no date)</source>
        <translation>(sans date)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The calendar year has no day record for these dates.</source>
        <translation>L&apos;année du calendrier n&apos;a aucun jour enregistré à ces dates.</translation>
    </message>
    <message>
        <location filename="../src/holidays/holidaytree.cpp" line="+1"/>
        <source>Apply selection</source>
        <translation>Appliquer la sélection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open iCalendar file</source>
        <translation>Ouvrir un fichier iCalendar</translation>
    </message>
    <message>
        <location filename="../src/holidays/icalendarlists.cpp" line="+116"/>
        <source>line %1 is longer than 256 KB</source>
        <translation>la ligne %1 dépasse 256 Ko</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>line %1: components nested more than %2 deep</source>
        <translation>ligne %1&#xa0;: composants imbriqués sur plus de %2 niveaux</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>the event &quot;%1&quot; has the date %2, which does not exist</source>
        <translation>l&apos;événement «&#xa0;%1&#xa0;» a la date %2, qui n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the recurring event &quot;%1&quot; %2</source>
        <translation>l&apos;événement récurrent «&#xa0;%1&#xa0;» %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the recurring events take too long to expand (stopped at &quot;%1&quot;)</source>
        <translation>le développement des événements récurrents est trop long (arrêté à «&#xa0;%1&#xa0;»)</translation>
    </message>
    <message>
        <location line="+270"/>
        <source>the file gives more than %1 holidays</source>
        <translation>le fichier contient plus de %1 jours fériés</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the file is larger than 32 MB</source>
        <translation>le fichier dépasse 32 Mo</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>not an iCalendar object (BEGIN:VCALENDAR ... END:VCALENDAR)</source>
        <translation>pas un objet iCalendar (BEGIN:VCALENDAR ... END:VCALENDAR)</translation>
    </message>
    <message>
        <location filename="../src/printing/engine/reportdefinition.cpp" line="+28"/>
        <source>unclosed &quot;{&quot; in &quot;%1&quot;</source>
        <translation>«&#xa0;{&#xa0;» non fermée dans «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unknown field &quot;{%1}&quot;</source>
        <translation>champ inconnu «&#xa0;{%1}&#xa0;»</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>unclosed quotation mark</source>
        <translation>guillemet non fermé</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>&quot;%1&quot; is missing</source>
        <translation>«&#xa0;%1&#xa0;» manque</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;%1&quot; is not a number for %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre pour %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;%1&quot; is not a colour for %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une couleur pour %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>font size %1 is too small</source>
        <translation>la taille de police %1 est trop petite</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>unknown attribute &quot;%1&quot; for %2</source>
        <translation>attribut inconnu «&#xa0;%1&#xa0;» pour %2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>align must be left, center or right, not &quot;%1&quot;</source>
        <translation>align doit valoir left, center ou right, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>valign must be top, middle or bottom, not &quot;%1&quot;</source>
        <translation>valign doit valoir top, middle ou bottom, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>unknown pattern &quot;%1&quot;</source>
        <translation>modèle inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a line must begin with a keyword, not &quot;%1=&quot;</source>
        <translation>une ligne doit commencer par un mot-clé, pas «&#xa0;%1=&#xa0;»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>unknown keyword &quot;%1&quot;</source>
        <translation>mot-clé inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>paper must be auto, A4 or Letter, not &quot;%1&quot;</source>
        <translation>paper doit valoir auto, A4 ou Letter, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>orientation must be portrait or landscape, not &quot;%1&quot;</source>
        <translation>orientation doit valoir portrait ou landscape, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>margins must be one number or four (left,top,right,bottom), not &quot;%1&quot;</source>
        <translation>margins doit être un nombre ou quatre (gauche,haut,droite,bas), pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>dayclass needs a class code (0, 100, 200, ...) after it</source>
        <translation>dayclass doit être suivi d&apos;un code de classe (0, 100, 200, ...)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>break must read &quot;break on-page-change&quot;</source>
        <translation>break doit s&apos;écrire «&#xa0;break on-page-change&#xa0;»</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 needs a group letter after it</source>
        <translation>%1 doit être suivi d&apos;une lettre de groupe</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is defined twice</source>
        <translation>%1 est défini deux fois</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1 outside a band (put a band, header or footer line first)</source>
        <translation>%1 hors d&apos;une bande (placez d&apos;abord une ligne band, header ou footer)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>give either value or field, not both</source>
        <translation>indiquez value ou field, pas les deux</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 needs a value or a field</source>
        <translation>%1 demande value ou field</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: the definition has no band</source>
        <translation>%1&#xa0;: la définition n&apos;a aucune bande</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The report definition &quot;%1&quot; cannot be found.</source>
        <translation>La définition de rapport «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The report definition &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire la définition de rapport «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The report definition cannot be read:<byte value="xd"/>
%1</source>
        <translation>Impossible de lire la définition de rapport&#xa0;:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location filename="../src/printing/engine/reportengine.cpp" line="-74"/>
        <source>The PDF file &quot;%1&quot; cannot be written.</source>
        <translation>Impossible d&apos;écrire le fichier PDF «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No printer was chosen for the report.</source>
        <translation>Aucune imprimante n&apos;a été choisie pour le rapport.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé sur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The report data file &quot;%1&quot; cannot be found.</source>
        <translation>Le fichier de données du rapport «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The report data cannot be read from &quot;%1&quot;:<byte value="xd"/>
%2 (%3)</source>
        <translation>Impossible de lire les données du rapport dans «&#xa0;%1&#xa0;»&#xa0;:<byte value="xd"/>
%2 (%3)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <location filename="../src/printing/engine/selectionformula.cpp" line="+23"/>
        <source>Unreadable selection formula: %1</source>
        <translation>Formule de sélection illisible&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/printing/reportrows.cpp" line="+167"/>
        <source>Work (typical)</source>
        <translation>Travail (habituel)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Work (altered)</source>
        <translation>Travail (modifié)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work (total)</source>
        <translation>Travail (total)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No work (pay only)</source>
        <translation>Non travaillé (payé)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay</source>
        <translation>Paie</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Work:</source>
        <translation>Travail&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid:</source>
        <translation>Payé&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/store/history.cpp" line="+72"/>
        <source>This change cannot be undone.</source>
        <translation>Cette modification ne peut pas être annulée.</translation>
    </message>
    <message>
        <location filename="../src/ui_common/appstate.cpp" line="+29"/>
        <source>The application is not connected to a database.</source>
        <translation>L&apos;application n&apos;est connectée à aucune base de données.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please click on &lt;System&gt; / &lt;Set database location&gt;,</source>
        <translation>Cliquez sur &lt;Système&gt; / &lt;Choisir la base de données&gt;,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>select the database and then repeat this operation.</source>
        <translation>sélectionnez la base de données, puis recommencez.</translation>
    </message>
    <message>
        <location filename="../src/ui_common/errorreport.cpp" line="+26"/>
        <source>Error:</source>
        <translation>Erreur&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number: %1</source>
        <translation>Numéro&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Description: </source>
        <translation>Description&#xa0;: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Source: </source>
        <translation>Source&#xa0;: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Location: %1</source>
        <translation>Emplacement&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/ui_common/inputfilter.cpp" line="+41"/>
        <source>Restricted characters</source>
        <translation>Caractères interdits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chacacters &apos; ! ? # * % | ; : - [ ] and &quot; cannot be used for field input.</source>
        <translation>Les caractères &apos; ! ? # * % | ; : - [ ] et &quot; ne sont pas autorisés dans les champs.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+5"/>
        <source>Data input</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Input must be a value</source>
        <translation>La saisie doit être une valeur</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input must be</source>
        <translation>La saisie doit contenir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&apos;&apos;A to Z&apos;&apos; or &apos;&apos;a&apos;&apos; to &apos;&apos;z&apos;&apos;</source>
        <translation>&apos;&apos;A à Z&apos;&apos; ou &apos;&apos;a&apos;&apos; à &apos;&apos;z&apos;&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>and / or 0 to 9</source>
        <translation>et / ou 0 à 9</translation>
    </message>
    <message>
        <location filename="../src/ui_common/webpages.cpp" line="+38"/>
        <source>Unable to connect to Corvantelle website.</source>
        <translation>Impossible de se connecter au site web de Corvantelle.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to connect to Corvantelle On-line help.</source>
        <translation>Impossible de se connecter à l&apos;aide en ligne de Corvantelle.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No web browser could be started to show the page.</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour afficher la page.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its address is </source>
        <translation>Son adresse est </translation>
    </message>
    <message>
        <location filename="../src/users/changepasswordwindow.cpp" line="-64"/>
        <source>Current password</source>
        <translation>Mot de passe actuel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm new password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <location line="+68"/>
        <location filename="../src/users/userrecordwindow.cpp" line="-69"/>
        <source>DB record out of date.</source>
        <translation>Enregistrement de la base périmé.</translation>
    </message>
    <message>
        <location filename="../src/users/passwords.cpp" line="+38"/>
        <source>The password cannot be stored: use at most %1 characters of the Latin alphabet, digits and common signs.</source>
        <translation>Impossible d&apos;enregistrer le mot de passe&#xa0;: utilisez au plus %1 caractères parmi les lettres latines, les chiffres et les signes courants.</translation>
    </message>
    <message>
        <location filename="../src/users/security.cpp" line="-215"/>
        <source>The system password supplied does not match the system</source>
        <translation>Le mot de passe système saisi ne correspond pas au mot de passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>password stored on the database.</source>
        <translation>système enregistré dans la base de données.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>User: </source>
        <translation>Utilisateur&#xa0;: </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> does not have a password assigned.</source>
        <translation> n&apos;a pas de mot de passe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Incorrect password for </source>
        <translation>Mot de passe incorrect pour </translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Insufficient access permission.</source>
        <translation>Droits d&apos;accès insuffisants.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to proceed with the system password?</source>
        <translation>Voulez-vous continuer avec le mot de passe système&#xa0;?</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The application was unable to acquire the calendars year range.</source>
        <translation>L&apos;application n&apos;a pas pu obtenir la plage d&apos;années des calendriers.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Password cannot be blank.</source>
        <translation>Le mot de passe ne peut pas être vide.</translation>
    </message>
    <message>
        <location filename="../src/ui_common/menutree.cpp" line="+64"/>
        <source>Heading</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The arrow keys choose a command, Enter runs it</source>
        <translation>Les flèches choisissent une commande, Entrée l&apos;exécute</translation>
    </message>
</context>
<context>
    <name>dayvane::AboutWindow</name>
    <message>
        <location filename="../src/dialogs/aboutwindow.cpp" line="+22"/>
        <source>About Corvantelle</source>
        <translation>À propos de Corvantelle</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Work calendars for the desktop</source>
        <translation>Calendriers de travail pour le poste de travail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keeps an organisation&apos;s work calendars: the worked and paid periods of every day, month and year totals, event dates, printed reports and public holidays, in one database that several workstations may share.</source>
        <translation>Gère les calendriers de travail d&apos;une organisation&#xa0;: les périodes travaillées et payées de chaque jour, les totaux du mois et de l&apos;année, les dates d&apos;événements, les rapports imprimés et les jours fériés, dans une seule base de données que plusieurs postes peuvent partager.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This program is provided as is, without warranty of any kind. Check the working times it computes before you rely on them, and keep copies of your calendar database.</source>
        <translation>Ce programme est fourni tel quel, sans garantie d&apos;aucune sorte. Vérifiez les temps de travail qu&apos;il calcule avant de vous y fier, et conservez des copies de votre base de calendriers.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Infos système...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the desktop&apos;s system information program</source>
        <translation>Ouvre le programme d&apos;informations système du bureau</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système sont indisponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>dayvane::CalendarEditWindow</name>
    <message>
        <location filename="../src/editor/calendareditcommands.cpp" line="+35"/>
        <source>The start time does not comply with the required</source>
        <translation>L&apos;heure de début n&apos;est pas au format requis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The End time does not comply with the required</source>
        <translation>L&apos;heure de fin n&apos;est pas au format requis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please provide or clear start and end time.</source>
        <translation>Indiquez ou effacez l&apos;heure de début et l&apos;heure de fin.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time entry conflicts with </source>
        <translation>La période chevauche celle de </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> to </source>
        <translation> à </translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Clear all time periods for the day?</source>
        <translation>Effacer toutes les périodes du jour&#xa0;?</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/editor/calendareditwindow.cpp" line="+317"/>
        <source>Date input</source>
        <translation>Saisie de date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No date of the range is selected.</source>
        <translation>Aucune date de la plage n&apos;est sélectionnée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the start and end date and the weekdays.</source>
        <translation>Vérifiez les dates de début et de fin et les jours de la semaine.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Override calendar?</source>
        <translation>Remplacer dans le calendrier&#xa0;?</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>The calendar year must be </source>
        <translation>L&apos;année du calendrier doit être </translation>
    </message>
    <message>
        <location filename="../src/editor/calendareditwindow.cpp" line="-279"/>
        <source>Edit calendar</source>
        <translation>Modifier le calendrier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit time period</source>
        <translation>Modifier la période</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove time period</source>
        <translation>Supprimer la période</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all time periods</source>
        <translation>Effacer toutes les périodes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save calendar</source>
        <translation>Enregistrer le calendrier</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Another workstation has changed this calendar. Saving will be refused: close this window and open the day again.</source>
        <translation>Un autre poste a modifié ce calendrier. L&apos;enregistrement sera refusé&#xa0;: fermez cette fenêtre et rouvrez le jour.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Calendar changed</source>
        <translation>Calendrier modifié</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Time periods</source>
        <translation>Périodes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter edits the time period of the row, Delete removes it</source>
        <translation>Entrée modifie la période de la ligne, Suppr la supprime</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start time</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Day start</source>
        <translation>Début du jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Day end</source>
        <translation>Fin du jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+52"/>
        <source>Work time</source>
        <translation>Temps de travail</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+52"/>
        <source>Total time</source>
        <translation>Temps total</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>&amp;Event</source>
        <translation>&amp;Événement</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Apply to</source>
        <translation>Appliquer à</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;From</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;To</source>
        <translation>&amp;Au</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the date</source>
        <translation>Choisir la date</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Discard the changes to this day?</source>
        <translation>Abandonner les modifications de ce jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>dayvane::CalendarListWindow</name>
    <message>
        <location filename="../src/calendars/calendarlistcommands.cpp" line="-158"/>
        <location line="+40"/>
        <source>The calendar name cannot be blank.</source>
        <translation>Le nom du calendrier ne peut pas être vide.</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>The calendar year must be between 2000 and 2100.</source>
        <translation>L&apos;année du calendrier doit être comprise entre 2000 et 2100.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>New calendar name</source>
        <translation>Nom du nouveau calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>The calendar name specified already exists.</source>
        <translation>Ce nom de calendrier existe déjà.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>New calendar year</source>
        <translation>Nouvelle année</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The calendar has been changed by another user.</source>
        <translation>Le calendrier a été modifié par un autre utilisateur.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Year options are no longer valid.</source>
        <translation>Le choix d&apos;années n&apos;est plus valable.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The specified calendar year already exists for this calendar name.</source>
        <translation>Cette année existe déjà pour ce calendrier.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete year </source>
        <translation>Supprimer l&apos;année </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> from calendar &apos;&apos;</source>
        <translation> du calendrier &apos;&apos;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Calendar years must be contiguous.</source>
        <translation>Les années du calendrier doivent se suivre sans interruption.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only the first year (%1) or the last year (%2) can be deleted.</source>
        <translation>Seule la première année (%1) ou la dernière (%2) peut être supprimée.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Deleting the only year for this calendar name will cause</source>
        <translation>Supprimer la seule année de ce calendrier entraînera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the deletion of the name as well.</source>
        <translation>aussi la suppression du calendrier.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+75"/>
        <source>Do you want to proceed?</source>
        <translation>Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>Assign an owner to the calendar</source>
        <translation>Attribuer un propriétaire au calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace calendar owner </source>
        <translation>Remplacer le propriétaire du calendrier </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The calendar ownership selection has been applied successfully.</source>
        <translation>Le propriétaire du calendrier a été défini.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove ownership from calendar:</source>
        <translation>Retirer le propriétaire du calendrier&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The &apos;&apos;System password&apos;&apos; will be required to make changes to the calendar</source>
        <translation>Le &apos;&apos;Mot de passe système&apos;&apos; sera nécessaire pour modifier le calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>after &apos;&apos;Calendar ownership&apos;&apos; has been removed.</source>
        <translation>une fois le &apos;&apos;Propriétaire&apos;&apos; retiré.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The calendar does not have an owner assigned.</source>
        <translation>Le calendrier n&apos;a pas de propriétaire.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add restriction to calendar:</source>
        <translation>Ajouter la restriction au calendrier&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adding &apos;&apos;Read restriction&apos;&apos; will allow only the owner to view this calendar.</source>
        <translation>Avec la &apos;&apos;Restriction de lecture&apos;&apos;, seul le propriétaire pourra voir ce calendrier.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot add &apos;&apos;Read restriction&apos;&apos; to this calendar because an &apos;&apos;Owner&apos;&apos; has not </source>
        <translation>Impossible d&apos;ajouter la &apos;&apos;Restriction de lecture&apos;&apos;&#xa0;: aucun &apos;&apos;Propriétaire&apos;&apos; n&apos;a </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>been assigned.</source>
        <translation>été attribué à ce calendrier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The &apos;&apos;Read restriction&apos;&apos; has been added to the calendar successfully.</source>
        <translation>La &apos;&apos;Restriction de lecture&apos;&apos; a été ajoutée au calendrier.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove &apos;&apos;Read restriction&apos;&apos; from calendar:</source>
        <translation>Retirer la &apos;&apos;Restriction de lecture&apos;&apos; du calendrier&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removing the &apos;&apos;Read restriction&apos;&apos; will allow public viewing</source>
        <translation>Sans la &apos;&apos;Restriction de lecture&apos;&apos;, tout le monde pourra voir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>of the calendar.</source>
        <translation>le calendrier.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The &apos;&apos;Read restriction&apos;&apos; has been removed from the calendar successfully.</source>
        <translation>La &apos;&apos;Restriction de lecture&apos;&apos; a été retirée du calendrier.</translation>
    </message>
    <message>
        <location filename="../src/calendars/calendarlistwindow.cpp" line="-21"/>
        <source>Calendar list</source>
        <translation>Liste des calendriers</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Calendars</source>
        <translation>Calendriers</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+16"/>
        <location line="+17"/>
        <source>Calendar name</source>
        <translation>Nom du calendrier</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+13"/>
        <location line="+16"/>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>New name of the calendar</source>
        <translation>Nouveau nom du calendrier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Year to add</source>
        <translation>Année à ajouter</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Changes require system password</source>
        <translation>Modifications soumises au mot de passe système</translation>
    </message>
</context>
<context>
    <name>dayvane::CalendarViews</name>
    <message>
        <location filename="../src/app/calendarviews.cpp" line="+95"/>
        <source>No calendar loaded</source>
        <translation>Aucun calendrier chargé</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay</source>
        <translation>Paie</translation>
    </message>
</context>
<context>
    <name>dayvane::CalendarWindow</name>
    <message>
        <location filename="../src/app/calendarreports.cpp" line="+102"/>
        <source>Export as iCalendar file</source>
        <translation>Exporter en fichier iCalendar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export as CSV file</source>
        <translation>Exporter en fichier CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The file &quot;%1&quot; could not be written:</source>
        <translation>Impossible d&apos;écrire le fichier «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/app/calendarwindow.cpp" line="-130"/>
        <source>No calendar loaded</source>
        <translation>Aucun calendrier chargé</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Event dates</source>
        <translation>Dates des événements</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay</source>
        <translation>Paie</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The arrow keys choose a day, Page Up and Page Down the month, Enter or a double click edits the day</source>
        <translation>Les flèches choisissent un jour, Page préc. et Page suiv. le mois, Entrée ou un double clic modifie le jour</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Choose a month</source>
        <translation>Choisir un mois</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter opens the list of months</source>
        <translation>Entrée ouvre la liste des mois</translation>
    </message>
    <message>
        <location line="+275"/>
        <source>The connection to the current database will be closed.</source>
        <translation>La connexion à la base de données actuelle va être fermée.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>The system password has been cleared.</source>
        <translation>Le mot de passe système a été effacé.</translation>
    </message>
</context>
<context>
    <name>dayvane::ChangeHistoryWindow</name>
    <message>
        <location filename="../src/history/changehistorywindow.cpp" line="-232"/>
        <source>Change history</source>
        <translation>Historique des modifications</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore the days as they were before this change</source>
        <translation>Rétablir les jours d&apos;avant cette modification</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Changed days &amp;from</source>
        <translation>Jours modifiés &amp;du</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;to</source>
        <translation>&amp;au</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Workstation or user</source>
        <translation>&amp;Poste ou utilisateur</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Changed days</source>
        <translation>Jours modifiés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Please enter the date as yyyy-mm-dd, for example 2026-03-02.</source>
        <translation>Saisissez la date au format aaaa-mm-jj, par exemple 2026-03-02.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>1 change</source>
        <translation>1 modification</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 changes</source>
        <translation>%1 modifications</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>There is no change selected.</source>
        <translation>Aucune modification n&apos;est sélectionnée.</translation>
    </message>
</context>
<context>
    <name>dayvane::ChangePasswordWindow</name>
    <message>
        <location filename="../src/users/changepasswordwindow.cpp" line="-76"/>
        <source>Change password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save password</source>
        <translation>Enregistrer le mot de passe</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Please enter your current and new password.</source>
        <translation>Saisissez votre mot de passe actuel et le nouveau.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The new password must be at least 6 characters.</source>
        <translation>Le nouveau mot de passe doit compter au moins 6 caractères.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The new password does not match the confirmation password.</source>
        <translation>Le nouveau mot de passe ne correspond pas à sa confirmation.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The password was changed successfully.</source>
        <translation>Le mot de passe a été changé.</translation>
    </message>
</context>
<context>
    <name>dayvane::DatabaseServerWindow</name>
    <message>
        <location filename="../src/app/databaseserverwindow.cpp" line="+21"/>
        <source>Database server</source>
        <translation>Serveur de base de données</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave the password empty when the server does not ask for one or when it is in the password file (~/.pgpass). It is kept until the program closes, never saved.</source>
        <translation>Laissez le mot de passe vide si le serveur n&apos;en demande pas ou s&apos;il figure dans le fichier des mots de passe (~/.pgpass). Il est conservé jusqu&apos;à la fermeture du programme, jamais enregistré.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Please enter the address of the database server, such as</source>
        <translation>Saisissez l&apos;adresse du serveur de base de données, par exemple</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>or host=server.example dbname=dayvane user=me</source>
        <translation>ou host=server.example dbname=dayvane user=me</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The password written in the address is used until the program closes;</source>
        <translation>Le mot de passe écrit dans l&apos;adresse sert jusqu&apos;à la fermeture du programme&#xa0;;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not kept in the settings file.</source>
        <translation>il n&apos;est pas conservé dans le fichier de paramètres.</translation>
    </message>
</context>
<context>
    <name>dayvane::DateSelectorWindow</name>
    <message>
        <location filename="../src/dialogs/dateselectorwindow.cpp" line="+24"/>
        <location line="+7"/>
        <source>Select date</source>
        <translation>Choisir la date</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The arrow keys choose a day, Enter selects it</source>
        <translation>Les flèches choisissent un jour, Entrée le sélectionne</translation>
    </message>
</context>
<context>
    <name>dayvane::HolidayExchange</name>
    <message>
        <location filename="../src/holidays/holidayexchange.cpp" line="+48"/>
        <source>The holiday server&apos;s reply is larger than the %1 this program accepts.</source>
        <translation>La réponse du serveur des jours fériés dépasse les %1 acceptés par ce programme.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Connecting to Corvantelle online holiday list ...</source>
        <translation>Connexion à la liste des jours fériés en ligne de Corvantelle ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The holiday list server did not accept the connection within %1.</source>
        <translation>Le serveur des jours fériés n&apos;a pas accepté la connexion en %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Waiting for holiday data ...</source>
        <translation>Attente des jours fériés ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The holiday list did not arrive within %1.</source>
        <translation>La liste des jours fériés n&apos;est pas arrivée en %1.</translation>
    </message>
</context>
<context>
    <name>dayvane::HolidayListingWindow</name>
    <message>
        <location filename="../src/holidays/holidaylistingwindow.cpp" line="+10"/>
        <source>Holiday list</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+5"/>
        <source>Filter lists</source>
        <translation>Filtrer les listes</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Shows the lists whose name holds this text (Ctrl+F)</source>
        <translation>Affiche les listes dont le nom contient ce texte (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clear the filter</source>
        <translation>Effacer le filtre</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stops reading the iCalendar file (Escape)</source>
        <translation>Arrête la lecture du fichier iCalendar (Échap)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Holiday</source>
        <translation>Jour férié</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>Open iCalendar file</source>
        <translation>Ouvrir un fichier iCalendar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Fichiers iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The iCalendar file cannot be read:<byte value="xd"/>
</source>
        <translation>Impossible de lire le fichier iCalendar&#xa0;:<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The iCalendar file &quot;%1&quot; has no events in %2.</source>
        <translation>Le fichier iCalendar «&#xa0;%1&#xa0;» n&apos;a aucun événement en %2.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Clear the current selection?</source>
        <translation>Effacer la sélection actuelle&#xa0;?</translation>
    </message>
    <message>
        <location line="+81"/>
        <source> has already been selected.</source>
        <translation> est déjà sélectionné.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to replace this selection?</source>
        <translation>Voulez-vous remplacer cette sélection&#xa0;?</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>There are no holidays selected.</source>
        <translation>Aucun jour férié n&apos;est sélectionné.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The year for the selected holiday list does not match </source>
        <translation>L&apos;année de la liste de jours fériés sélectionnée ne correspond pas </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the year of the current calendar.</source>
        <translation>à l&apos;année du calendrier actuel.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>None of the selected holidays could be applied:</source>
        <translation>Aucun des jours fériés sélectionnés n&apos;a pu être appliqué&#xa0;:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 of the selected holidays could not be applied:</source>
        <translation>%1 des jours fériés sélectionnés n&apos;ont pas pu être appliqués&#xa0;:</translation>
    </message>
</context>
<context>
    <name>dayvane::SystemPasswordWindow</name>
    <message>
        <location filename="../src/users/systempasswordwindow.cpp" line="+66"/>
        <source>System password</source>
        <translation>Mot de passe système</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Accept password</source>
        <translation>Valider le mot de passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save password</source>
        <translation>Enregistrer le mot de passe</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Please supply your password.</source>
        <translation>Saisissez votre mot de passe.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The system password will remain active until the application </source>
        <translation>Le mot de passe système restera actif jusqu&apos;à la fermeture </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>is closed or the password is cleared.</source>
        <translation>de l&apos;application ou l&apos;effacement du mot de passe.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+19"/>
        <source>Incorrect system password.</source>
        <translation>Mot de passe système incorrect.</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Please enter the current system password.</source>
        <translation>Saisissez le mot de passe système actuel.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The password must be at least 6 characters long.</source>
        <translation>Le mot de passe doit compter au moins 6 caractères.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The confirmation password does not match the new password.</source>
        <translation>La confirmation ne correspond pas au nouveau mot de passe.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The new password has been activated.</source>
        <translation>Le nouveau mot de passe est actif.</translation>
    </message>
</context>
<context>
    <name>dayvane::TimeEntryFrame</name>
    <message>
        <location filename="../src/editor/timeentryframe.cpp" line="+46"/>
        <source>Worked (checked) or paid only</source>
        <translation>Travaillé (coché) ou payé seulement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
</context>
<context>
    <name>dayvane::UserListWindow</name>
    <message>
        <location filename="../src/users/userlistwindow.cpp" line="+26"/>
        <source>User list</source>
        <translation>Liste des utilisateurs</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select user</source>
        <translation>Choisir l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add new user record</source>
        <translation>Ajouter un utilisateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit user record</source>
        <translation>Modifier l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete user record</source>
        <translation>Supprimer l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User account</source>
        <translation>Compte utilisateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter user password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload user list</source>
        <translation>Recharger la liste</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Users</source>
        <translation>Utilisateurs</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Employee ID</source>
        <translation>Matricule</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Are you sure you want to delete user:</source>
        <translation>Voulez-vous vraiment supprimer l&apos;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Cannot delete user.</source>
        <translation>Impossible de supprimer l&apos;utilisateur.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This user is a calendar owner.</source>
        <translation>Cet utilisateur est propriétaire d&apos;un calendrier.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove ownership or assign another user as owner</source>
        <translation>Retirez le propriétaire ou désignez un autre utilisateur,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>and then delete this user.</source>
        <translation>puis supprimez cet utilisateur.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Please assign a password to the selected user first.</source>
        <translation>Attribuez d&apos;abord un mot de passe à l&apos;utilisateur sélectionné.</translation>
    </message>
</context>
<context>
    <name>dayvane::UserPasswordInputWindow</name>
    <message>
        <location filename="../src/users/userpasswordinputwindow.cpp" line="+21"/>
        <source>User password</source>
        <translation>Mot de passe de l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Accept password</source>
        <translation>Valider le mot de passe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
</context>
<context>
    <name>dayvane::UserRecordWindow</name>
    <message>
        <location filename="../src/users/userrecordwindow.cpp" line="-49"/>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add user record</source>
        <translation>Ajouter l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save user record</source>
        <translation>Enregistrer l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Employee ID</source>
        <translation>Matricule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shows the password as it is typed</source>
        <translation>Affiche le mot de passe pendant la saisie</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Edit user record</source>
        <translation>Modifier l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Add new user</source>
        <translation>Nouvel utilisateur</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The employee id and last name cannot be blank.</source>
        <translation>Le matricule et le nom ne peuvent pas être vides.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The user password must be at least 6 characters.</source>
        <translation>Le mot de passe de l&apos;utilisateur doit compter au moins 6 caractères.</translation>
    </message>
</context>
<context>
    <name>dayvane::WorkstationSettingsWindow</name>
    <message>
        <location filename="../src/app/workstationsettingswindow.cpp" line="+23"/>
        <source>Workstation settings</source>
        <translation>Paramètres du poste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save settings</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The system&apos;s language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system&apos;s first day</source>
        <translation>Premier jour du système</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;First day of the week</source>
        <translation>&amp;Premier jour de la semaine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Dates and times as the system&apos;s language writes them</source>
        <translation>&amp;Dates et heures dans la forme de la langue du système</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+35"/>
        <source>The program shows a newly chosen language or form of dates from its next start.</source>
        <translation>Une nouvelle langue ou forme de date s&apos;applique au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>The program speaks a newly chosen language from its next start.</source>
        <translation type="vanished">Une nouvelle langue choisie s&apos;applique au prochain démarrage du programme.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The settings cannot be saved in:</source>
        <translation>Les paramètres ne peuvent pas être enregistrés dans :</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <location filename="reporttexts.cpp" line="+3"/>
        <source>Printed {date}</source>
        <translation>Imprimé le {date}</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page {page} of {pages}</source>
        <translation>Page {page} sur {pages}</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay</source>
        <translation>Paie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typical workday</source>
        <translation>Jour ouvré habituel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altered workday</source>
        <translation>Jour ouvré modifié</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid, no work</source>
        <translation>Payé, non travaillé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No work, no pay</source>
        <translation>Non travaillé, non payé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Worked</source>
        <translation>Travaillé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Payé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typical workdays</source>
        <translation>Jours ouvrés habituels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altered workdays</source>
        <translation>Jours ouvrés modifiés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total work</source>
        <translation>Travail total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typical day</source>
        <translation>Jour habituel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year totals</source>
        <translation>Totaux de l&apos;année</translation>
    </message>
</context>
</TS>
