#pragma once

#include "ui_common/modalwindow.h"

class QComboBox;
class QTreeWidget;

namespace dayvane {

// The window "workstation_settings": this workstation's language and first
// day of the week, kept in its dayvane.ini. The week changes at once; the
// language from the program's next start, when every window is built in it.
class WorkstationSettingsWindow : public ModalWindow
{
    Q_OBJECT

public:
    explicit WorkstationSettingsWindow(QWidget *parent);

    // Shows the window; true when the user saved settings.
    bool edit();
    void process_menu();

private:
    void save();

    QTreeWidget *m_tree = nullptr;
    QComboBox *m_language = nullptr;
    QComboBox *m_first_day = nullptr;
    QString m_saved_language;
};

} // namespace dayvane
