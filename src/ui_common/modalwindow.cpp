#include "ui_common/modalwindow.h"

#include "ui_common/appstate.h"
#include "ui_common/geometry.h"
#include "ui_common/interaction.h"
#include "ui_common/keyboard.h"

#include <QKeyEvent>

namespace dayvane {

ModalWindow::ModalWindow(const QString &object_name, QWidget *parent, bool escape_closes)
    : QDialog(parent ? parent : app_state().main_window)
    , m_escape_closes(escape_closes)
{
    setObjectName(object_name);
    setModal(true);
    install_window_keys(this, false);
}

int ModalWindow::show_modal()
{
    return interaction().show_modal(*this);
}

void ModalWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QWidget *main = app_state().main_window; main && main != this)
        place_over_main_window(this, main);
}

void ModalWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !m_escape_closes) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace dayvane
