#include "app/workstationsettingswindow.h"

#include "app/language.h"
#include "app/workstationoptions.h"
#include "calendaryear/calendaryear.h"
#include "ui_common/errorreport.h"
#include "ui_common/interaction.h"
#include "ui_common/menutree.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dayvane {

WorkstationSettingsWindow::WorkstationSettingsWindow(QWidget *parent)
    : ModalWindow(QStringLiteral("workstation_settings"), parent)
{
    setWindowTitle(tr("Workstation settings"));
    auto *layout = new QVBoxLayout(this);
    m_tree = make_menu_tree({MenuNode{QStringLiteral("close"), tr("Close window"), QString(), false, kCloseNodeColour},
                             MenuNode{QStringLiteral("save_settings"), tr("Save settings"), QString()}},
                            MenuStyle::Flat, [this] { process_menu(); });
    layout->addWidget(m_tree);

    const WorkstationOptions options = read_workstation_options(workstation_options_path());
    m_saved = options;
    auto *form = new QFormLayout;
    m_language = new QComboBox;
    m_language->setObjectName(QStringLiteral("language"));
    m_language->addItem(tr("The system's language"), QString());
    for (const QString &code : available_languages())
        m_language->addItem(language_name(code), code);
    m_language->setCurrentIndex(std::max(0, m_language->findData(options.language)));
    form->addRow(tr("&Language"), m_language);

    m_first_day = new QComboBox;
    m_first_day->setObjectName(QStringLiteral("first_day"));
    m_first_day->addItem(tr("The system's first day"), 0);
    // Day names as the program shows its dates, whatever the language.
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        m_first_day->addItem(QLocale::c().standaloneDayName(day, QLocale::LongFormat), day);
    m_first_day->setCurrentIndex(std::max(0, m_first_day->findData(options.first_day ? int(*options.first_day) : 0)));
    form->addRow(tr("&First day of the week"), m_first_day);
    m_locale_forms = new QCheckBox(tr("&Dates and times as the system's language writes them"));
    m_locale_forms->setObjectName(QStringLiteral("locale_forms"));
    m_locale_forms->setChecked(options.locale_forms);
    form->addRow(m_locale_forms);
    layout->addLayout(form);

    auto *note = new QLabel(tr("The program shows a newly chosen language or form of dates from its next start."));
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch();
}

bool WorkstationSettingsWindow::edit()
{
    m_language->setFocus();
    return show_modal() == QDialog::Accepted;
}

void WorkstationSettingsWindow::process_menu()
{
    const QString key = selected_menu_key(m_tree);
    if (key == QLatin1String("close"))
        reject();
    else if (key == QLatin1String("save_settings"))
        save();
}

void WorkstationSettingsWindow::save()
{
    WorkstationOptions options;
    options.language = m_language->currentData().toString();
    options.locale_forms = m_locale_forms->isChecked();
    if (const int day = m_first_day->currentData().toInt(); day != 0)
        options.first_day = Qt::DayOfWeek(day);
    const QString path = workstation_options_path();
    if (!write_workstation_options(path, options)) {
        inform(this, message_lines({tr("The settings cannot be saved in:"), path}));
        return;
    }
    set_week_start(chosen_week_start(options, QLocale::system()));
    if (options.language != m_saved.language || options.locale_forms != m_saved.locale_forms)
        inform(this, tr("The program shows a newly chosen language or form of dates from its next start."));
    accept();
}

} // namespace dayvane
