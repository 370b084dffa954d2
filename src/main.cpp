#include "app/calendarwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dayvane"));
    QApplication::setOrganizationName(QStringLiteral("Dayvane"));

    dayvane::CalendarWindow window;
    window.start();
    window.check_news_version();
    return app.exec();
}
