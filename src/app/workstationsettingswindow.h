#pragma once

#include "app/workstationoptions.h"
#include "ui_common/modalwindow.h"

class QCheckBox;
class QComboBox;
class QTreeWidget;

namespace dayvane {

// The window "workstation_settings": this workstation's language, first day
// of the week and forms of dates and times, kept in its dayvane.ini. The week
// changes at once; the language and the forms from the program's next start,
// when every window is built with them.
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
    QCheckBox *m_locale_forms = nullptr;
    WorkstationOptions m_saved;
};

} // namespace dayvane
