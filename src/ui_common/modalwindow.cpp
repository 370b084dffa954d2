#include "ui_common/modalwindow.h"

#include "ui_common/appstate.h"
#include "ui_common/geometry.h"
#include "ui_common/interaction.h"
#include "ui_common/keyboard.h"
#include "ui_common/windowsizes.h"

#include <QKeyEvent>
#include <QLayout>

#include <algorithm>

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

void ModalWindow::set_design_size(int width_twips, int height_twips, int minimum_height_twips)
{
    m_resizable = true;
    // A minimum set by hand replaces the layout's, so it takes the layout's in.
    const int layout_minimum = layout() ? layout()->totalMinimumSize().height() : 0;
    setMinimumHeight(std::max(design_pixels(minimum_height_twips), layout_minimum));
    const QSize needed = layout() ? layout()->totalSizeHint() : sizeHint();
    resize(std::max(design_pixels(width_twips), needed.width()), std::max(design_pixels(height_twips), minimumHeight()));
}

void ModalWindow::showEvent(QShowEvent *event)
{
    if (const auto size = remembered_window_size(objectName()); m_resizable && size && !event->spontaneous())
        resize(size->expandedTo(minimumSize()));
    QDialog::showEvent(event);
    if (const QWidget *main = app_state().main_window; main && main != this)
        place_over_main_window(this, main);
}

void ModalWindow::hideEvent(QHideEvent *event)
{
    if (m_resizable && !event->spontaneous())
        remember_window_size(objectName(), size());
    QDialog::hideEvent(event);
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
