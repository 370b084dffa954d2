#include "scriptedinteraction.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace dayvane::test {

namespace {

// The next scripted answer of a file dialog (nullopt: cancelled); a dialog
// nobody scripted fails the test and is cancelled.
std::optional<QString> take_path(std::deque<std::optional<QString>> &answers, const char *unexpected,
                                 const QString &title)
{
    if (answers.empty()) {
        ADD_FAILURE() << unexpected << title.toStdString();
        return std::nullopt;
    }
    const std::optional<QString> path = answers.front();
    answers.pop_front();
    return path;
}

} // namespace

ScriptedInteraction::ScriptedInteraction()
{
    set_interaction(this);
}

ScriptedInteraction::~ScriptedInteraction()
{
    set_interaction(nullptr);
    EXPECT_TRUE(m_yes_no.empty()) << m_yes_no.size() << " yes/no answers left unused";
    EXPECT_TRUE(m_files.empty()) << m_files.size() << " file answers left unused";
    EXPECT_TRUE(m_save_files.empty()) << m_save_files.size() << " save-file answers left unused";
    EXPECT_TRUE(m_printers.empty()) << m_printers.size() << " printer answers left unused";
    EXPECT_TRUE(m_windows.empty()) << m_windows.size() << " window scripts left unused";
}

void ScriptedInteraction::on_window(const QString &object_name, std::function<void(QDialog &)> handle)
{
    m_windows.emplace_back(object_name, std::move(handle));
}

QStringList ScriptedInteraction::take_texts()
{
    QStringList texts;
    for (const Shown &shown : m_shown)
        texts << shown.text;
    m_shown.clear();
    return texts;
}

void ScriptedInteraction::show_message(QWidget *, const QString &title, const QString &text, MessageIcon icon)
{
    m_shown.push_back({title, text, icon, false, true});
}

bool ScriptedInteraction::ask_yes_no(QWidget *, const QString &title, const QString &text, MessageIcon icon,
                                     bool default_yes)
{
    m_shown.push_back({title, text, icon, true, default_yes});
    if (m_yes_no.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const bool answer = m_yes_no.front();
    m_yes_no.pop_front();
    return answer;
}

std::optional<QString> ScriptedInteraction::choose_open_file(QWidget *, const QString &title, const QString &,
                                                             const QString &)
{
    return take_path(m_files, "unexpected file dialog: ", title);
}

std::optional<QString> ScriptedInteraction::choose_save_file(QWidget *, const QString &title, const QString &,
                                                             const QString &)
{
    return take_path(m_save_files, "unexpected save dialog: ", title);
}

bool ScriptedInteraction::choose_printer(QWidget *, QPrinter &printer, const QString &title)
{
    m_printer_titles.push_back(title);
    if (m_printers.empty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return false;
    }
    const auto choose = std::move(m_printers.front());
    m_printers.pop_front();
    return choose(printer);
}

bool ScriptedInteraction::open_url(const QUrl &url)
{
    m_urls.push_back(url);
    return m_open_url_ok;
}

bool ScriptedInteraction::start_program(const QString &program, const QStringList &arguments)
{
    m_programs.push_back(QStringList{program} + arguments);
    return m_start_program_ok;
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
