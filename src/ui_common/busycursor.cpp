#include "ui_common/busycursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace dayvane {

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace dayvane
