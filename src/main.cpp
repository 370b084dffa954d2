#include "app/calendarwindow.h"
#include "app/language.h"
#include "app/workstationoptions.h"
#include "ui_common/windowsizes.h"
#include "calendaryear/calendaryear.h"
#include "model/textforms.h"

#include <QApplication>
#include <QLibrary>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dayvane"));
    QApplication::setOrganizationName(QStringLiteral("Dayvane"));
    const dayvane::WorkstationOptions options = dayvane::read_workstation_options(dayvane::workstation_options_path());
    dayvane::install_translations(app, options.language);

    // Before any grid is drawn: every grid, total and report follows it.
    dayvane::remember_window_sizes_in(dayvane::workstation_options_path());
    dayvane::set_week_start(dayvane::chosen_week_start(options, QLocale::system()));
    if (options.locale_forms)
        dayvane::set_screen_locale(QLocale::system());
    dayvane::CalendarWindow window;
    // End-to-end tests drive this very program from inside: the module named
    // by DAYVANE_AUTOMATION gets the window before start-up, so it can answer
    // the first question, and uses the program's exported functions.
    if (const QString module = qEnvironmentVariable("DAYVANE_AUTOMATION"); !module.isEmpty()) {
        QLibrary library(module);
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);  // a missing symbol fails here
        const auto automate = reinterpret_cast<void (*)(QMainWindow *)>(library.resolve("dayvane_automation"));
        if (!automate)
            qFatal("DAYVANE_AUTOMATION: %s", qPrintable(library.errorString()));
        automate(&window);
    }
    window.start();
    window.check_news_version();
    return app.exec();
}
