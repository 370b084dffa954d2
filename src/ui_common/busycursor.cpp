#include "ui_common/busycursor.h"

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

NormalPointer::NormalPointer()
{
    while (const QCursor *cursor = QGuiApplication::overrideCursor()) {
        m_lifted.push_back(*cursor);
        QGuiApplication::restoreOverrideCursor();
    }
}

NormalPointer::~NormalPointer()
{
    for (auto cursor = m_lifted.rbegin(); cursor != m_lifted.rend(); ++cursor)
        QGuiApplication::setOverrideCursor(*cursor);
}

} // namespace dayvane
