#include "ui_common/errorreport.h"

#include "store/dberror.h"
#include "store/stepnumber.h"
#include "ui_common/interaction.h"

#include <QApplication>

namespace dayvane {

namespace {

// A description the program raised itself (marked for translation where it
// is raised) shows in the user's language; an engine's own text stays as
// the engine wrote it.
QString shown_description(const QString &description)
{
    return QCoreApplication::translate("dayvane", description.toUtf8().constData());
}

} // namespace

void report_error(qint64 number, const QString &description, const QString &source, int step)
{
    const QString text = message_lines({
        QCoreApplication::translate("dayvane", "Error:"),
        QCoreApplication::translate("dayvane", "Number: %1").arg(number),
        QCoreApplication::translate("dayvane", "Description: ") + shown_description(description),
        QCoreApplication::translate("dayvane", "Source: ") + source,
        QCoreApplication::translate("dayvane", "Location: %1").arg(step),
    });
    interaction().show_message(QApplication::activeWindow(), kMessageTitle, text, MessageIcon::Information);
}

void report_error(const DbError &error)
{
    report_error(error.number(), error.description(), error.source(), step_number());
}

} // namespace dayvane
