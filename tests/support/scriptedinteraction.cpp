#include "scriptedinteraction.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace dayvane::test {

ScriptedInteraction::~ScriptedInteraction()
{
    set_interaction(nullptr);
    EXPECT_TRUE(m_yes_no.empty()) << m_yes_no.size() << " yes/no answers left unused";
    EXPECT_TRUE(m_files.empty()) << m_files.size() << " file answers left unused";
    EXPECT_TRUE(m_save_files.empty()) << m_save_files.size() << " save-file answers left unused";
    EXPECT_TRUE(m_printers.empty()) << m_printers.size() << " printer answers left unused";
    EXPECT_TRUE(m_windows.empty()) << m_windows.size() << " window scripts left unused";
}

QStringList ScriptedInteraction::take_texts()
{
    QStringList texts;
    for (const Shown &shown : m_shown)
        texts << shown.text;
    m_shown.clear();
    return texts;
}

int ScriptedInteraction::show_modal(QDialog &dialog)
{
    if (m_windows.empty() || m_windows.front().first != dialog.objectName()) {
        ADD_FAILURE() << "unexpected window: " << dialog.objectName().toStdString();
        return QDialog::Rejected;
    }
    const auto handle = std::move(m_windows.front().second);
    m_windows.pop_front();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    handle(dialog);
    if (dialog.isVisible())
        dialog.hide();
    return dialog.result();
}

} // namespace dayvane::test
