<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <location filename="../src/printing/engine/reportengine.cpp" line="+107"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>dayvane</name>
    <message>
        <location filename="../src/app/calendarpanels.cpp" line="+68"/>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Typical</source>
        <translation>Habituales</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/app/mainmenu.cpp" line="+35"/>
        <source>Typical workdays</source>
        <translation>Días laborables habituales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altered</source>
        <translation>Modificados</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/app/mainmenu.cpp" line="+1"/>
        <source>Altered workdays</source>
        <translation>Días laborables modificados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All work</source>
        <translation>Trabajados</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All workdays</source>
        <translation>Todos los días laborables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid only</source>
        <translation>Solo pagados</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Days paid and not worked</source>
        <translation>Días pagados y no trabajados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All paid</source>
        <translation>Pagados</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All paid days, worked or not</source>
        <translation>Todos los días pagados, trabajados o no</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/app/calendarviews.cpp" line="+35"/>
        <location filename="../src/printing/reportrows.cpp" line="+35"/>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Selected day</source>
        <translation>Día seleccionado</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Worked</source>
        <translation>Trabajado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <location filename="../src/app/calendarwindow.cpp" line="+272"/>
        <source>Previous month (Page Up)</source>
        <translation>Mes anterior (Re Pág)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next month (Page Down)</source>
        <translation>Mes siguiente (Av Pág)</translation>
    </message>
    <message>
        <location filename="../src/app/mainmenu.cpp" line="-20"/>
        <source>Close application</source>
        <translation>Cerrar la aplicación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System password</source>
        <translation>Contraseña del sistema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter system password</source>
        <translation>Introducir contraseña del sistema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear system password</source>
        <translation>Borrar contraseña del sistema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User list</source>
        <translation>Lista de usuarios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set database location</source>
        <translation>Elegir base de datos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set database server</source>
        <translation>Elegir servidor de base de datos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Workstation settings</source>
        <translation>Configuración del puesto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar menu</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open calendar list</source>
        <translation>Abrir lista de calendarios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make changes to calendar</source>
        <translation>Modificar el calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open holiday list</source>
        <translation>Abrir lista de festivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change history</source>
        <translation>Historial de cambios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo my last change</source>
        <translation>Deshacer mi último cambio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload calendar</source>
        <translation>Recargar calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Event dates</source>
        <translation>Fechas de eventos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to event date</source>
        <translation>Ir a la fecha del evento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List all</source>
        <translation>Mostrar todas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paid / no work</source>
        <translation>Pagado / sin trabajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No work / no pay</source>
        <translation>Sin trabajo / sin pago</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print calendar</source>
        <translation>Imprimir calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Selected month</source>
        <translation>Mes seleccionado</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>12 month layout</source>
        <translation>Formato de 12 meses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar &amp; Event list</source>
        <translation>Calendario y lista de eventos</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/history/changehistorywindow.cpp" line="+104"/>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Event list</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calendar (12 months)</source>
        <translation>Calendario (12 meses)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>iCalendar file (.ics)</source>
        <translation>Archivo iCalendar (.ics)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV file (.csv)</source>
        <translation>Archivo CSV (.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV file for spreadsheets using ; (.csv)</source>
        <translation>Archivo CSV para hojas de cálculo con ; (.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Customer service</source>
        <translation>Atención al cliente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On-line help</source>
        <translation>Ayuda en línea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Dayvane</source>
        <translation>Acerca de Dayvane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Message from Corvantelle</source>
        <translation>Mensaje de Corvantelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contact Corvantelle</source>
        <translation>Contactar con Corvantelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go to Corvantelle website</source>
        <translation>Ir al sitio web de Corvantelle</translation>
    </message>
    <message>
        <location filename="../src/app/opendatabase.cpp" line="+21"/>
        <source>To select the database location at a later time, click on</source>
        <translation>Para elegir la base de datos más adelante, haga clic en</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;Set database location&gt; listed under the &lt;System&gt; menu item.</source>
        <translation>&lt;Elegir base de datos&gt;, en el menú &lt;Sistema&gt;.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The database storage device is not recognized by the application.</source>
        <translation>La aplicación no reconoce la unidad donde está la base de datos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please install the database on your local drive for single user access</source>
        <translation>Instale la base de datos en una unidad local para un solo usuario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>or on a network drive for multi-user access.</source>
        <translation>o en una unidad de red para varios usuarios.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select the &apos;&apos;QZDB.mdb&apos;&apos; database.</source>
        <translation>Seleccione la base de datos &apos;&apos;QZDB.mdb&apos;&apos;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The database path must be 11 characters minimum</source>
        <translation>La ruta de la base de datos debe tener 11 caracteres como mínimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g. &apos;&apos;C:\QZDB.mdb&apos;&apos;</source>
        <translation>p. ej. &apos;&apos;C:\QZDB.mdb&apos;&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select the database named &apos;&apos;QZDB.mdb&apos;&apos;.</source>
        <translation>Seleccione la base de datos llamada &apos;&apos;QZDB.mdb&apos;&apos;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The calendar database is busy: another workstation is saving. Try again in a moment.</source>
        <translation>La base de datos de calendarios está ocupada: otro puesto está guardando. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The calendar database cannot be read: </source>
        <translation>No se puede leer la base de datos de calendarios: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server does not answer:</source>
        <translation>El servidor de base de datos no responde:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The address is kept: try again with &lt;Set database server&gt; once the</source>
        <translation>La dirección se conserva: vuelva a intentarlo con &lt;Elegir servidor de base de datos&gt; cuando el</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>server can be reached.</source>
        <translation>servidor esté accesible.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server refused the user name or password:</source>
        <translation>El servidor de base de datos rechazó el nombre de usuario o la contraseña:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server has no such database:</source>
        <translation>El servidor de base de datos no tiene esa base de datos:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server has no such user:</source>
        <translation>El servidor de base de datos no tiene ese usuario:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server takes no more connections at the moment:</source>
        <translation>El servidor de base de datos no admite más conexiones en este momento:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Try again later, or ask the server&apos;s administrator.</source>
        <translation>Vuelva a intentarlo más tarde o consulte al administrador del servidor.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The database server address cannot be read:</source>
        <translation>No se puede leer la dirección del servidor de base de datos:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The secure connection that the address asks for failed:</source>
        <translation>Ha fallado la conexión segura que pide la dirección:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>See its sslmode setting.</source>
        <translation>Revise su opción sslmode.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The selected database does not appear to be a valid</source>
        <translation>La base de datos seleccionada no parece ser una base de datos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Corvantelle database.</source>
        <translation>válida de Corvantelle.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Do you want to create a new, empty calendar database?</source>
        <translation>¿Desea crear una base de datos de calendarios nueva y vacía?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It is saved as QZDB.mdb in the folder you choose.</source>
        <translation>Se guarda como QZDB.mdb en la carpeta que elija.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Create Corvantelle database</source>
        <translation>Crear base de datos Corvantelle</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The folder already holds a database:</source>
        <translation>La carpeta ya contiene una base de datos:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It is left as it is; choose another folder.</source>
        <translation>Se deja como está; elija otra carpeta.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The calendar database cannot be created:</source>
        <translation>No se puede crear la base de datos de calendarios:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Created an empty calendar database:</source>
        <translation>Se ha creado una base de datos de calendarios vacía:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No system password is set: set one with &lt;Enter system password&gt; under &lt;System&gt;.</source>
        <translation>No hay contraseña del sistema: establezca una con &lt;Introducir contraseña del sistema&gt; en &lt;Sistema&gt;.</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The application requires the location of the Corvantelle database (QZDB.mdb).</source>
        <translation>La aplicación necesita la ubicación de la base de datos de Corvantelle (QZDB.mdb).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to select the database location now?</source>
        <translation>¿Desea elegir ahora la ubicación de la base de datos?</translation>
    </message>
    <message>
        <location filename="../src/calendars/calendarlistcommands.cpp" line="+224"/>
        <location filename="../src/users/userrecordwindow.cpp" line="+180"/>
        <source>DB record out of date</source>
        <translation>Registro de BD no actualizado</translation>
    </message>
    <message>
        <location filename="../src/calendars/calendarlistwindow.cpp" line="+63"/>
        <location filename="../src/holidays/holidaytree.cpp" line="+142"/>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open calendar</source>
        <translation>Abrir calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a new calendar name</source>
        <translation>Añadir un calendario nuevo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change name of calendar</source>
        <translation>Cambiar nombre del calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a year to calendar</source>
        <translation>Añadir un año al calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ownership</source>
        <translation>Propiedad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set ownership</source>
        <translation>Asignar propietario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove ownership</source>
        <translation>Quitar propietario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restrict read access</source>
        <translation>Restringir la lectura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add restriction</source>
        <translation>Añadir restricción</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove restriction</source>
        <translation>Quitar restricción</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete calendar year</source>
        <translation>Eliminar año del calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload calendar names</source>
        <translation>Recargar nombres de calendarios</translation>
    </message>
    <message>
        <location filename="../src/calendars/calendarstore.cpp" line="+39"/>
        <location filename="../src/holidays/holidayapply.cpp" line="+53"/>
        <location filename="../src/users/changepasswordwindow.cpp" line="+111"/>
        <location filename="../src/users/userlistwindow.cpp" line="+50"/>
        <location filename="../src/users/userrecordwindow.cpp" line="-75"/>
        <location line="+72"/>
        <source>DB record not found.</source>
        <translation>Registro de BD no encontrado.</translation>
    </message>
    <message>
        <location line="+167"/>
        <location filename="../src/calendaryear/calendaryear.cpp" line="+226"/>
        <location filename="../src/editor/dayload.cpp" line="+23"/>
        <location filename="../src/store/history.cpp" line="+427"/>
        <location filename="../src/users/security.cpp" line="+151"/>
        <location line="+114"/>
        <source>DB record not found</source>
        <translation>Registro de BD no encontrado</translation>
    </message>
    <message>
        <location filename="../src/calendaryear/calendaryear.cpp" line="+31"/>
        <source>Events (All commented dates)</source>
        <translation>Eventos (todas las fechas comentadas)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events (Typical workdays)</source>
        <translation>Eventos (días laborables habituales)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events (Non-typical workdays)</source>
        <translation>Eventos (días laborables no habituales)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Events (Dates paid and not worked)</source>
        <translation>Eventos (fechas pagadas y no trabajadas)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events (Dates not worked and not paid)</source>
        <translation>Eventos (fechas no trabajadas ni pagadas)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <location filename="../src/dialogs/aboutwindow.cpp" line="+57"/>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <location filename="../src/editor/calendareditwindow.cpp" line="+43"/>
        <source>Sun</source>
        <translation>Dom</translation>
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
        <translation>Mié</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <location filename="../src/export/dayclassnames.cpp" line="+13"/>
        <source>Typical workday</source>
        <translation>Día laborable habitual</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Altered workday</source>
        <translation>Día laborable modificado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paid, no work</source>
        <translation>Pagado, sin trabajo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No work, no pay</source>
        <translation>Sin trabajo, sin pago</translation>
    </message>
    <message>
        <location filename="../src/history/changehistorywindow.cpp" line="-53"/>
        <source>No periods</source>
        <translation>Sin periodos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> (day type %1)</source>
        <translation> (tipo de día %1)</translation>
    </message>
    <message>
        <location line="+43"/>
        <source> (no day changed)</source>
        <translation> (ningún día cambiado)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Workstation</source>
        <translation>Puesto de trabajo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Login</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>Only a change of days can be undone; this change is shown for the record.</source>
        <translation>Solo se puede deshacer un cambio de días; este cambio se muestra como registro.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This change left every day as it was: there is nothing to restore.</source>
        <translation>Este cambio dejó todos los días como estaban: no hay nada que restaurar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Restore the days as they were before this change?</source>
        <translation>¿Restaurar los días como estaban antes de este cambio?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>This change is no longer in the history.</source>
        <translation>Este cambio ya no está en el historial.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The days cannot be restored: %1 was changed since.</source>
        <translation>No se pueden restaurar los días: %1 ha cambiado desde entonces.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>By the change of %1 on %2:</source>
        <translation>Por el cambio de %1 el %2:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The change that did it has no history entry.</source>
        <translation>El cambio que lo hizo no tiene entrada en el historial.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>There is no change of yours to this calendar to undo.</source>
        <translation>No tiene ningún cambio suyo en este calendario que deshacer.</translation>
    </message>
    <message>
        <location filename="../src/holidays/holidayexchange.cpp" line="+28"/>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
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
        <translation>%1 bytes</translation>
    </message>
    <message>
        <location filename="../src/holidays/holidayexchange.h" line="+34"/>
        <source>An error was encountered while connecting to the holiday list.</source>
        <translation>Se produjo un error al conectar con la lista de festivos.</translation>
    </message>
    <message>
        <location filename="../src/holidays/holidaylistingwindow.cpp" line="+55"/>
        <source>Make &amp;No change to calendar time &lt;N&gt;</source>
        <translation>&amp;No cambiar el tiempo del calendario &lt;N&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Change all work periods to &amp;Paid periods &lt;P&gt;</source>
        <translation> Cambiar todos los periodos de trabajo a &amp;pagados &lt;P&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> &amp;Clear all periods on date &lt;C&gt;</source>
        <translation> &amp;Borrar todos los periodos de la fecha &lt;C&gt;</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>(no date)</source>
        <translation>(sin fecha)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The calendar year has no day record for these dates.</source>
        <translation>El año del calendario no tiene registro de día para estas fechas.</translation>
    </message>
    <message>
        <location filename="../src/holidays/holidaytree.cpp" line="+1"/>
        <source>Apply selection</source>
        <translation>Aplicar selección</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open iCalendar file</source>
        <translation>Abrir archivo iCalendar</translation>
    </message>
    <message>
        <location filename="../src/holidays/icalendarlists.cpp" line="+116"/>
        <source>line %1 is longer than 256 KB</source>
        <translation>la línea %1 tiene más de 256 KB</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>line %1: components nested more than %2 deep</source>
        <translation>línea %1: componentes anidados a más de %2 niveles</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>the event &quot;%1&quot; has the date %2, which does not exist</source>
        <translation>el evento «%1» tiene la fecha %2, que no existe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the recurring event &quot;%1&quot; %2</source>
        <translation>el evento periódico «%1» %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the recurring events take too long to expand (stopped at &quot;%1&quot;)</source>
        <translation>los eventos periódicos tardan demasiado en desarrollarse (detenido en «%1»)</translation>
    </message>
    <message>
        <location line="+270"/>
        <source>the file gives more than %1 holidays</source>
        <translation>el archivo da más de %1 festivos</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the file is larger than 32 MB</source>
        <translation>el archivo tiene más de 32 MB</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>not an iCalendar object (BEGIN:VCALENDAR ... END:VCALENDAR)</source>
        <translation>no es un objeto iCalendar (BEGIN:VCALENDAR ... END:VCALENDAR)</translation>
    </message>
    <message>
        <location filename="../src/printing/engine/reportdefinition.cpp" line="+28"/>
        <source>unclosed &quot;{&quot; in &quot;%1&quot;</source>
        <translation>«{» sin cerrar en «%1»</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unknown field &quot;{%1}&quot;</source>
        <translation>campo desconocido «{%1}»</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>unclosed quotation mark</source>
        <translation>comillas sin cerrar</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>&quot;%1&quot; is missing</source>
        <translation>falta «%1»</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;%1&quot; is not a number for %2</source>
        <translation>«%1» no es un número para %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;%1&quot; is not a colour for %2</source>
        <translation>«%1» no es un color para %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>font size %1 is too small</source>
        <translation>el tamaño de letra %1 es demasiado pequeño</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>unknown attribute &quot;%1&quot; for %2</source>
        <translation>atributo desconocido «%1» para %2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>align must be left, center or right, not &quot;%1&quot;</source>
        <translation>align debe ser left, center o right, no «%1»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>valign must be top, middle or bottom, not &quot;%1&quot;</source>
        <translation>valign debe ser top, middle o bottom, no «%1»</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>unknown pattern &quot;%1&quot;</source>
        <translation>patrón desconocido «%1»</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a line must begin with a keyword, not &quot;%1=&quot;</source>
        <translation>una línea debe empezar con una palabra clave, no «%1=»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>unknown keyword &quot;%1&quot;</source>
        <translation>palabra clave desconocida «%1»</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>paper must be auto, A4 or Letter, not &quot;%1&quot;</source>
        <translation>paper debe ser auto, A4 o Letter, no «%1»</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>orientation must be portrait or landscape, not &quot;%1&quot;</source>
        <translation>orientation debe ser portrait o landscape, no «%1»</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>margins must be one number or four (left,top,right,bottom), not &quot;%1&quot;</source>
        <translation>margins debe ser un número o cuatro (izquierda,arriba,derecha,abajo), no «%1»</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>dayclass needs a class code (0, 100, 200, ...) after it</source>
        <translation>dayclass necesita detrás un código de clase (0, 100, 200, ...)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>break must read &quot;break on-page-change&quot;</source>
        <translation>break debe decir «break on-page-change»</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 needs a group letter after it</source>
        <translation>%1 necesita detrás una letra de grupo</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is defined twice</source>
        <translation>%1 está definido dos veces</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1 outside a band (put a band, header or footer line first)</source>
        <translation>%1 fuera de una banda (ponga antes una línea band, header o footer)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>give either value or field, not both</source>
        <translation>indique value o field, no ambos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 needs a value or a field</source>
        <translation>%1 necesita un value o un field</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: the definition has no band</source>
        <translation>%1: la definición no tiene ninguna banda</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The report definition &quot;%1&quot; cannot be found.</source>
        <translation>No se encuentra la definición de informe «%1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The report definition &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer la definición de informe «%1»: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The report definition cannot be read:<byte value="xd"/>
%1</source>
        <translation>No se puede leer la definición de informe:</translation>
    </message>
    <message>
        <location filename="../src/printing/engine/reportengine.cpp" line="-74"/>
        <source>The PDF file &quot;%1&quot; cannot be written.</source>
        <translation>No se puede escribir el archivo PDF «%1».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No printer was chosen for the report.</source>
        <translation>No se eligió ninguna impresora para el informe.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>No se pudo imprimir el informe en «%1».</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The report data file &quot;%1&quot; cannot be found.</source>
        <translation>No se encuentra el archivo de datos del informe «%1».</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The report data cannot be read from &quot;%1&quot;:<byte value="xd"/>
%2 (%3)</source>
        <translation>No se pueden leer los datos del informe de «%1»:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <location filename="../src/printing/engine/selectionformula.cpp" line="+23"/>
        <source>Unreadable selection formula: %1</source>
        <translation>Fórmula de selección ilegible: %1</translation>
    </message>
    <message>
        <location filename="../src/printing/reportrows.cpp" line="+167"/>
        <source>Work (typical)</source>
        <translation>Trabajo (habitual)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Work (altered)</source>
        <translation>Trabajo (modificado)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work (total)</source>
        <translation>Trabajo (total)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No work (pay only)</source>
        <translation>Sin trabajo (solo pago)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay</source>
        <translation>Pago</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Work:</source>
        <translation>Trabajo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid:</source>
        <translation>Pagado:</translation>
    </message>
    <message>
        <location filename="../src/store/history.cpp" line="+72"/>
        <source>This change cannot be undone.</source>
        <translation>Este cambio no se puede deshacer.</translation>
    </message>
    <message>
        <location filename="../src/ui_common/appstate.cpp" line="+29"/>
        <source>The application is not connected to a database.</source>
        <translation>La aplicación no está conectada a ninguna base de datos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please click on &lt;System&gt; / &lt;Set database location&gt;,</source>
        <translation>Haga clic en &lt;Sistema&gt; / &lt;Elegir base de datos&gt;,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>select the database and then repeat this operation.</source>
        <translation>seleccione la base de datos y repita esta operación.</translation>
    </message>
    <message>
        <location filename="../src/ui_common/errorreport.cpp" line="+26"/>
        <source>Error:</source>
        <translation>Error:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number: %1</source>
        <translation>Número: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Description: </source>
        <translation>Descripción: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Source: </source>
        <translation>Origen: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Location: %1</source>
        <translation>Ubicación: %1</translation>
    </message>
    <message>
        <location filename="../src/ui_common/inputfilter.cpp" line="+41"/>
        <source>Restricted characters</source>
        <translation>Caracteres no permitidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chacacters &apos; ! ? # * % | ; : - [ ] and &quot; cannot be used for field input.</source>
        <translation>Los caracteres &apos; ! ? # * % | ; : - [ ] y &quot; no se pueden usar en los campos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+5"/>
        <source>Data input</source>
        <translation>Entrada de datos</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Input must be a value</source>
        <translation>La entrada debe ser un valor</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input must be</source>
        <translation>La entrada debe ser</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&apos;&apos;A to Z&apos;&apos; or &apos;&apos;a&apos;&apos; to &apos;&apos;z&apos;&apos;</source>
        <translation>&apos;&apos;A a Z&apos;&apos; o &apos;&apos;a&apos;&apos; a &apos;&apos;z&apos;&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>and / or 0 to 9</source>
        <translation>y / o 0 a 9</translation>
    </message>
    <message>
        <location filename="../src/ui_common/webpages.cpp" line="+38"/>
        <source>Unable to connect to Corvantelle website.</source>
        <translation>No se puede conectar con el sitio web de Corvantelle.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to connect to Corvantelle On-line help.</source>
        <translation>No se puede conectar con la ayuda en línea de Corvantelle.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No web browser could be started to show the page.</source>
        <translation>No se pudo iniciar ningún navegador web para mostrar la página.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its address is </source>
        <translation>Su dirección es </translation>
    </message>
    <message>
        <location filename="../src/users/changepasswordwindow.cpp" line="-64"/>
        <source>Current password</source>
        <translation>Contraseña actual</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New password</source>
        <translation>Contraseña nueva</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm new password</source>
        <translation>Confirmar contraseña nueva</translation>
    </message>
    <message>
        <location line="+68"/>
        <location filename="../src/users/userrecordwindow.cpp" line="-69"/>
        <source>DB record out of date.</source>
        <translation>Registro de BD no actualizado.</translation>
    </message>
    <message>
        <location filename="../src/users/passwords.cpp" line="+38"/>
        <source>The password cannot be stored: use at most %1 characters of the Latin alphabet, digits and common signs.</source>
        <translation>No se puede guardar la contraseña: use como máximo %1 caracteres del alfabeto latino, cifras y signos habituales.</translation>
    </message>
    <message>
        <location filename="../src/users/security.cpp" line="-215"/>
        <source>The system password supplied does not match the system</source>
        <translation>La contraseña del sistema indicada no coincide con la contraseña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>password stored on the database.</source>
        <translation>del sistema guardada en la base de datos.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>User: </source>
        <translation>Usuario: </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> does not have a password assigned.</source>
        <translation> no tiene contraseña asignada.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Incorrect password for </source>
        <translation>¡Contraseña incorrecta para </translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Insufficient access permission.</source>
        <translation>Permisos de acceso insuficientes.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to proceed with the system password?</source>
        <translation>¿Desea continuar con la contraseña del sistema?</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The application was unable to acquire the calendars year range.</source>
        <translation>La aplicación no pudo obtener el intervalo de años de los calendarios.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Password cannot be blank.</source>
        <translation>La contraseña no puede estar vacía.</translation>
    </message>
    <message>
        <location filename="../src/ui_common/menutree.cpp" line="+64"/>
        <source>Heading</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The arrow keys choose a command, Enter runs it</source>
        <translation>Las flechas eligen un comando, Intro lo ejecuta</translation>
    </message>
</context>
<context>
    <name>dayvane::AboutWindow</name>
    <message>
        <location filename="../src/dialogs/aboutwindow.cpp" line="+22"/>
        <source>About Corvantelle</source>
        <translation>Acerca de Corvantelle</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Work calendars for the desktop</source>
        <translation>Calendarios laborales para el escritorio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keeps an organisation&apos;s work calendars: the worked and paid periods of every day, month and year totals, event dates, printed reports and public holidays, in one database that several workstations may share.</source>
        <translation>Gestiona los calendarios laborales de una organización: los periodos trabajados y pagados de cada día, los totales del mes y del año, las fechas de eventos, los informes impresos y los días festivos, en una sola base de datos que pueden compartir varios puestos de trabajo.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This program is provided as is, without warranty of any kind. Check the working times it computes before you rely on them, and keep copies of your calendar database.</source>
        <translation>Este programa se proporciona tal cual, sin garantía de ningún tipo. Compruebe los tiempos de trabajo que calcula antes de confiar en ellos y guarde copias de su base de datos de calendarios.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the desktop&apos;s system information program</source>
        <translation>Abre el programa de información del sistema del escritorio</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>dayvane::CalendarEditWindow</name>
    <message>
        <location filename="../src/editor/calendareditcommands.cpp" line="+35"/>
        <source>The start time does not comply with the required</source>
        <translation>La hora de inicio no cumple el formato requerido:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The End time does not comply with the required</source>
        <translation>La hora de fin no cumple el formato requerido:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please provide or clear start and end time.</source>
        <translation>Indique o borre la hora de inicio y la de fin.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time entry conflicts with </source>
        <translation>La hora introducida se solapa con el periodo de </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Clear all time periods for the day?</source>
        <translation>¿Borrar todos los periodos del día?</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/editor/calendareditwindow.cpp" line="+317"/>
        <source>Date input</source>
        <translation>Entrada de fecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No date of the range is selected.</source>
        <translation>No hay ningún día del intervalo seleccionado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the start and end date and the weekdays.</source>
        <translation>Revise la fecha de inicio, la de fin y los días de la semana.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Override calendar?</source>
        <translation>¿Sobrescribir el calendario?</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>The calendar year must be </source>
        <translation>El año del calendario debe ser </translation>
    </message>
    <message>
        <location filename="../src/editor/calendareditwindow.cpp" line="-279"/>
        <source>Edit calendar</source>
        <translation>Editar calendario</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit time period</source>
        <translation>Editar periodo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove time period</source>
        <translation>Quitar periodo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all time periods</source>
        <translation>Borrar todos los periodos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save calendar</source>
        <translation>Guardar calendario</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Another workstation has changed this calendar. Saving will be refused: close this window and open the day again.</source>
        <translation>Otro puesto ha cambiado este calendario. El guardado se rechazará: cierre esta ventana y vuelva a abrir el día.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Calendar changed</source>
        <translation>Calendario cambiado</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Time periods</source>
        <translation>Periodos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter edits the time period of the row, Delete removes it</source>
        <translation>Intro edita el periodo de la fila, Supr lo elimina</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Day start</source>
        <translation>Inicio del día</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Day end</source>
        <translation>Fin del día</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+52"/>
        <source>Work time</source>
        <translation>Tiempo de trabajo</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+52"/>
        <source>Total time</source>
        <translation>Tiempo total</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>&amp;Event</source>
        <translation>&amp;Evento</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Apply to</source>
        <translation>Aplicar a</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;From</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;To</source>
        <translation>&amp;Hasta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the date</source>
        <translation>Elegir la fecha</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Discard the changes to this day?</source>
        <translation>¿Descartar los cambios de este día?</translation>
    </message>
</context>
<context>
    <name>dayvane::CalendarListWindow</name>
    <message>
        <location filename="../src/calendars/calendarlistcommands.cpp" line="-158"/>
        <location line="+40"/>
        <source>The calendar name cannot be blank.</source>
        <translation>El nombre del calendario no puede estar vacío.</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>The calendar year must be between 2000 and 2100.</source>
        <translation>El año del calendario debe estar entre 2000 y 2100.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>New calendar name</source>
        <translation>Nombre del calendario nuevo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>The calendar name specified already exists.</source>
        <translation>El nombre de calendario indicado ya existe.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>New calendar year</source>
        <translation>Nuevo año del calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The calendar has been changed by another user.</source>
        <translation>Otro usuario ha cambiado el calendario.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Year options are no longer valid.</source>
        <translation>Las opciones de año ya no son válidas.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The specified calendar year already exists for this calendar name.</source>
        <translation>El año indicado ya existe para este calendario.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete year </source>
        <translation>¿Eliminar el año </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> from calendar &apos;&apos;</source>
        <translation> del calendario &apos;&apos;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Calendar years must be contiguous.</source>
        <translation>Los años del calendario deben ser consecutivos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only the first year (%1) or the last year (%2) can be deleted.</source>
        <translation>Solo se puede eliminar el primer año (%1) o el último (%2).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Deleting the only year for this calendar name will cause</source>
        <translation>Si elimina el único año de este calendario,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the deletion of the name as well.</source>
        <translation>también se eliminará su nombre.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+75"/>
        <source>Do you want to proceed?</source>
        <translation>¿Desea continuar?</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>Assign an owner to the calendar</source>
        <translation>Asignar un propietario al calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace calendar owner </source>
        <translation>¿Sustituir al propietario del calendario </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The calendar ownership selection has been applied successfully.</source>
        <translation>Se ha asignado el propietario del calendario.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove ownership from calendar:</source>
        <translation>Quitar el propietario del calendario:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The &apos;&apos;System password&apos;&apos; will be required to make changes to the calendar</source>
        <translation>Se necesitará la &apos;&apos;Contraseña del sistema&apos;&apos; para modificar el calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>after &apos;&apos;Calendar ownership&apos;&apos; has been removed.</source>
        <translation>después de quitar el &apos;&apos;Propietario del calendario&apos;&apos;.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The calendar does not have an owner assigned.</source>
        <translation>El calendario no tiene propietario asignado.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add restriction to calendar:</source>
        <translation>Añadir restricción al calendario:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adding &apos;&apos;Read restriction&apos;&apos; will allow only the owner to view this calendar.</source>
        <translation>Con la &apos;&apos;Restricción de lectura&apos;&apos; solo el propietario podrá ver este calendario.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot add &apos;&apos;Read restriction&apos;&apos; to this calendar because an &apos;&apos;Owner&apos;&apos; has not </source>
        <translation>No se puede añadir la &apos;&apos;Restricción de lectura&apos;&apos; a este calendario porque no tiene </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>been assigned.</source>
        <translation>un &apos;&apos;Propietario&apos;&apos; asignado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The &apos;&apos;Read restriction&apos;&apos; has been added to the calendar successfully.</source>
        <translation>Se ha añadido la &apos;&apos;Restricción de lectura&apos;&apos; al calendario.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove &apos;&apos;Read restriction&apos;&apos; from calendar:</source>
        <translation>Quitar la &apos;&apos;Restricción de lectura&apos;&apos; del calendario:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removing the &apos;&apos;Read restriction&apos;&apos; will allow public viewing</source>
        <translation>Al quitar la &apos;&apos;Restricción de lectura&apos;&apos; todos podrán ver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>of the calendar.</source>
        <translation>el calendario.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The &apos;&apos;Read restriction&apos;&apos; has been removed from the calendar successfully.</source>
        <translation>Se ha quitado la &apos;&apos;Restricción de lectura&apos;&apos; del calendario.</translation>
    </message>
    <message>
        <location filename="../src/calendars/calendarlistwindow.cpp" line="-21"/>
        <source>Calendar list</source>
        <translation>Lista de calendarios</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Calendars</source>
        <translation>Calendarios</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+16"/>
        <location line="+17"/>
        <source>Calendar name</source>
        <translation>Nombre del calendario</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+13"/>
        <location line="+16"/>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>New name of the calendar</source>
        <translation>Nuevo nombre del calendario</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Year to add</source>
        <translation>Año que se añade</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Changes require system password</source>
        <translation>Los cambios requieren la contraseña del sistema</translation>
    </message>
</context>
<context>
    <name>dayvane::CalendarViews</name>
    <message>
        <location filename="../src/app/calendarviews.cpp" line="+95"/>
        <source>No calendar loaded</source>
        <translation>Ningún calendario cargado</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay</source>
        <translation>Pago</translation>
    </message>
</context>
<context>
    <name>dayvane::CalendarWindow</name>
    <message>
        <location filename="../src/app/calendarreports.cpp" line="+102"/>
        <source>Export as iCalendar file</source>
        <translation>Exportar como archivo iCalendar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export as CSV file</source>
        <translation>Exportar como archivo CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The file &quot;%1&quot; could not be written:</source>
        <translation>No se pudo escribir el archivo «%1»:</translation>
    </message>
    <message>
        <location filename="../src/app/calendarwindow.cpp" line="-130"/>
        <source>No calendar loaded</source>
        <translation>Ningún calendario cargado</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Event dates</source>
        <translation>Fechas de eventos</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay</source>
        <translation>Pago</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The arrow keys choose a day, Page Up and Page Down the month, Enter or a double click edits the day</source>
        <translation>Las flechas eligen un día, Re Pág y Av Pág el mes, Intro o un doble clic edita el día</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Choose a month</source>
        <translation>Elegir un mes</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter opens the list of months</source>
        <translation>Intro abre la lista de meses</translation>
    </message>
    <message>
        <location line="+275"/>
        <source>The connection to the current database will be closed.</source>
        <translation>Se cerrará la conexión con la base de datos actual.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>The system password has been cleared.</source>
        <translation>Se ha borrado la contraseña del sistema.</translation>
    </message>
</context>
<context>
    <name>dayvane::ChangeHistoryWindow</name>
    <message>
        <location filename="../src/history/changehistorywindow.cpp" line="-232"/>
        <source>Change history</source>
        <translation>Historial de cambios</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore the days as they were before this change</source>
        <translation>Restaurar los días como estaban antes de este cambio</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Changed days &amp;from</source>
        <translation>Días cambiados &amp;desde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;to</source>
        <translation>&amp;hasta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Workstation or user</source>
        <translation>&amp;Puesto o usuario</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Changed days</source>
        <translation>Días cambiados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Please enter the date as yyyy-mm-dd, for example 2026-03-02.</source>
        <translation>Introduzca la fecha como aaaa-mm-dd, por ejemplo 2026-03-02.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>1 change</source>
        <translation>1 cambio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 changes</source>
        <translation>%1 cambios</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>There is no change selected.</source>
        <translation>No hay ningún cambio seleccionado.</translation>
    </message>
</context>
<context>
    <name>dayvane::ChangePasswordWindow</name>
    <message>
        <location filename="../src/users/changepasswordwindow.cpp" line="-76"/>
        <source>Change password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save password</source>
        <translation>Guardar contraseña</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Please enter your current and new password.</source>
        <translation>Introduzca su contraseña actual y la nueva.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The new password must be at least 6 characters.</source>
        <translation>La contraseña nueva debe tener al menos 6 caracteres.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The new password does not match the confirmation password.</source>
        <translation>La contraseña nueva no coincide con la de confirmación.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The password was changed successfully.</source>
        <translation>La contraseña se ha cambiado correctamente.</translation>
    </message>
</context>
<context>
    <name>dayvane::DatabaseServerWindow</name>
    <message>
        <location filename="../src/app/databaseserverwindow.cpp" line="+21"/>
        <source>Database server</source>
        <translation>Servidor de base de datos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave the password empty when the server does not ask for one or when it is in the password file (~/.pgpass). It is kept until the program closes, never saved.</source>
        <translation>Deje la contraseña vacía si el servidor no la pide o si está en el archivo de contraseñas (~/.pgpass). Se conserva hasta que se cierra el programa y nunca se guarda.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Please enter the address of the database server, such as</source>
        <translation>Introduzca la dirección del servidor de base de datos, por ejemplo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>or host=server.example dbname=dayvane user=me</source>
        <translation>o host=server.example dbname=dayvane user=me</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The password written in the address is used until the program closes;</source>
        <translation>La contraseña escrita en la dirección se usa hasta que se cierra el programa;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not kept in the settings file.</source>
        <translation>no se guarda en el archivo de configuración.</translation>
    </message>
</context>
<context>
    <name>dayvane::DateSelectorWindow</name>
    <message>
        <location filename="../src/dialogs/dateselectorwindow.cpp" line="+24"/>
        <location line="+7"/>
        <source>Select date</source>
        <translation>Seleccionar fecha</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The arrow keys choose a day, Enter selects it</source>
        <translation>Las flechas eligen un día, Intro lo selecciona</translation>
    </message>
</context>
<context>
    <name>dayvane::HolidayExchange</name>
    <message>
        <location filename="../src/holidays/holidayexchange.cpp" line="+48"/>
        <source>The holiday server&apos;s reply is larger than the %1 this program accepts.</source>
        <translation>La respuesta del servidor de festivos supera los %1 que admite este programa.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Connecting to Corvantelle online holiday list ...</source>
        <translation>Conectando con la lista de festivos en línea de Corvantelle ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The holiday list server did not accept the connection within %1.</source>
        <translation>El servidor de la lista de festivos no aceptó la conexión en un plazo de %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Waiting for holiday data ...</source>
        <translation>Esperando los datos de festivos ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The holiday list did not arrive within %1.</source>
        <translation>La lista de festivos no llegó en un plazo de %1.</translation>
    </message>
</context>
<context>
    <name>dayvane::HolidayListingWindow</name>
    <message>
        <location filename="../src/holidays/holidaylistingwindow.cpp" line="+10"/>
        <source>Holiday list</source>
        <translation>Lista de festivos</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+5"/>
        <source>Filter lists</source>
        <translation>Filtrar listas</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Shows the lists whose name holds this text (Ctrl+F)</source>
        <translation>Muestra las listas cuyo nombre contiene este texto (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clear the filter</source>
        <translation>Borrar el filtro</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stops reading the iCalendar file (Escape)</source>
        <translation>Detiene la lectura del archivo iCalendar (Esc)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Holiday</source>
        <translation>Festivo</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>Open iCalendar file</source>
        <translation>Abrir archivo iCalendar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Archivos iCalendar (*.ics);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The iCalendar file cannot be read:<byte value="xd"/>
</source>
        <translation>No se puede leer el archivo iCalendar:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The iCalendar file &quot;%1&quot; has no events in %2.</source>
        <translation>El archivo iCalendar «%1» no tiene eventos en %2.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Clear the current selection?</source>
        <translation>¿Borrar la selección actual?</translation>
    </message>
    <message>
        <location line="+81"/>
        <source> has already been selected.</source>
        <translation> ya está seleccionado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to replace this selection?</source>
        <translation>¿Desea sustituir esta selección?</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>There are no holidays selected.</source>
        <translation>No hay festivos seleccionados.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The year for the selected holiday list does not match </source>
        <translation>El año de la lista de festivos seleccionada no coincide </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the year of the current calendar.</source>
        <translation>con el año del calendario actual.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>None of the selected holidays could be applied:</source>
        <translation>No se pudo aplicar ninguno de los festivos seleccionados:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 of the selected holidays could not be applied:</source>
        <translation>No se pudieron aplicar %1 de los festivos seleccionados:</translation>
    </message>
</context>
<context>
    <name>dayvane::SystemPasswordWindow</name>
    <message>
        <location filename="../src/users/systempasswordwindow.cpp" line="+66"/>
        <source>System password</source>
        <translation>Contraseña del sistema</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New password</source>
        <translation>Contraseña nueva</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm password</source>
        <translation>Confirmar contraseña</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Accept password</source>
        <translation>Aceptar contraseña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save password</source>
        <translation>Guardar contraseña</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Please supply your password.</source>
        <translation>Introduzca su contraseña.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The system password will remain active until the application </source>
        <translation>La contraseña del sistema seguirá activa hasta que se cierre </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>is closed or the password is cleared.</source>
        <translation>la aplicación o se borre la contraseña.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+19"/>
        <source>Incorrect system password.</source>
        <translation>Contraseña del sistema incorrecta.</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Please enter the current system password.</source>
        <translation>Introduzca la contraseña del sistema actual.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The password must be at least 6 characters long.</source>
        <translation>La contraseña debe tener al menos 6 caracteres.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The confirmation password does not match the new password.</source>
        <translation>La contraseña de confirmación no coincide con la contraseña nueva.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The new password has been activated.</source>
        <translation>Se ha activado la contraseña nueva.</translation>
    </message>
</context>
<context>
    <name>dayvane::TimeEntryFrame</name>
    <message>
        <location filename="../src/editor/timeentryframe.cpp" line="+46"/>
        <source>Worked (checked) or paid only</source>
        <translation>Trabajado (marcado) o solo pagado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
</context>
<context>
    <name>dayvane::UserListWindow</name>
    <message>
        <location filename="../src/users/userlistwindow.cpp" line="+26"/>
        <source>User list</source>
        <translation>Lista de usuarios</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select user</source>
        <translation>Seleccionar usuario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add new user record</source>
        <translation>Añadir registro de usuario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit user record</source>
        <translation>Editar registro de usuario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete user record</source>
        <translation>Eliminar registro de usuario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User account</source>
        <translation>Cuenta de usuario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter user password</source>
        <translation>Introducir contraseña de usuario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload user list</source>
        <translation>Recargar lista de usuarios</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Users</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Employee ID</source>
        <translation>N.º de empleado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Are you sure you want to delete user:</source>
        <translation>¿Seguro que desea eliminar este usuario?</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Cannot delete user.</source>
        <translation>No se puede eliminar el usuario.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This user is a calendar owner.</source>
        <translation>Este usuario es propietario de un calendario.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove ownership or assign another user as owner</source>
        <translation>Quite el propietario o asigne otro usuario como propietario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>and then delete this user.</source>
        <translation>y luego elimine este usuario.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Please assign a password to the selected user first.</source>
        <translation>Asigne primero una contraseña al usuario seleccionado.</translation>
    </message>
</context>
<context>
    <name>dayvane::UserPasswordInputWindow</name>
    <message>
        <location filename="../src/users/userpasswordinputwindow.cpp" line="+21"/>
        <source>User password</source>
        <translation>Contraseña de usuario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Accept password</source>
        <translation>Aceptar contraseña</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
</context>
<context>
    <name>dayvane::UserRecordWindow</name>
    <message>
        <location filename="../src/users/userrecordwindow.cpp" line="-49"/>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add user record</source>
        <translation>Añadir registro de usuario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save user record</source>
        <translation>Guardar registro de usuario</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Employee ID</source>
        <translation>N.º de empleado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>First name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shows the password as it is typed</source>
        <translation>Muestra la contraseña mientras se escribe</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Edit user record</source>
        <translation>Editar registro de usuario</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Add new user</source>
        <translation>Usuario nuevo</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The employee id and last name cannot be blank.</source>
        <translation>El n.º de empleado y los apellidos no pueden estar vacíos.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The user password must be at least 6 characters.</source>
        <translation>La contraseña de usuario debe tener al menos 6 caracteres.</translation>
    </message>
</context>
<context>
    <name>dayvane::WorkstationSettingsWindow</name>
    <message>
        <location filename="../src/app/workstationsettingswindow.cpp" line="+23"/>
        <source>Workstation settings</source>
        <translation>Configuración del puesto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save settings</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The system&apos;s language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system&apos;s first day</source>
        <translation>Primer día del sistema</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;First day of the week</source>
        <translation>&amp;Primer día de la semana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Dates and times as the system&apos;s language writes them</source>
        <translation>&amp;Fechas y horas en el formato del idioma del sistema</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+35"/>
        <source>The program shows a newly chosen language or form of dates from its next start.</source>
        <translation>Un idioma o formato de fecha recién elegido se aplica desde el próximo inicio del programa.</translation>
    </message>
    <message>
        <source>The program speaks a newly chosen language from its next start.</source>
        <translation type="vanished">Un idioma recién elegido se aplica desde el próximo inicio del programa.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The settings cannot be saved in:</source>
        <translation>No se puede guardar la configuración en:</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <location filename="reporttexts.cpp" line="+3"/>
        <source>Printed {date}</source>
        <translation>Impreso el {date}</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page {page} of {pages}</source>
        <translation>Página {page} de {pages}</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pay</source>
        <translation>Pago</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typical workday</source>
        <translation>Día laborable habitual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altered workday</source>
        <translation>Día laborable modificado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid, no work</source>
        <translation>Pagado, sin trabajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No work, no pay</source>
        <translation>Sin trabajo, sin pago</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Worked</source>
        <translation>Trabajado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typical workdays</source>
        <translation>Días laborables habituales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altered workdays</source>
        <translation>Días laborables modificados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total work</source>
        <translation>Trabajo total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typical day</source>
        <translation>Día habitual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year totals</source>
        <translation>Totales del año</translation>
    </message>
</context>
</TS>
