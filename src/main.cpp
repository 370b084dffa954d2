#include "app/calendarwindow.h"

#include <QApplication>
#include <QLibrary>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dayvane"));
    QApplication::setOrganizationName(QStringLiteral("Dayvane"));

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
