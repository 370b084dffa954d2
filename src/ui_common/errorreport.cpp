#include "ui_common/errorreport.h"

#include "store/dberror.h"
#include "store/stepnumber.h"
#include "ui_common/interaction.h"

#include <QApplication>

namespace dayvane {

void report_error(qint64 number, const QString &description, const QString &source, int step)
{
    const QString text = message_lines({
        QStringLiteral("Error:"),
        QStringLiteral("Number: %1").arg(number),
        QStringLiteral("Description: ") + description,
        QStringLiteral("Source: ") + source,
        QStringLiteral("Location: %1").arg(step),
    });
    interaction().show_message(QApplication::activeWindow(), kMessageTitle, text, MessageIcon::Information);
}

void report_error(const DbError &error)
{
    report_error(error.number(), error.description(), error.source(), step_number());
}

} // namespace dayvane
