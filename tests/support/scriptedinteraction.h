#pragma once

#include "printers.h"
#include "ui_common/interaction.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace dayvane::test {

// Stands in for the user while installed: records every message and question, answers questions from queues filled by
// the test, and fails the test on a question nobody scripted (answering it No / cancel). Installed for its lifetime; at
// the end it fails the test if scripted answers were left unused.
class ScriptedInteraction : public Interaction
{
public:
    struct Shown
    {
        QString title, text;
        MessageIcon icon;
        bool question, default_yes;
    };

    ScriptedInteraction() { set_interaction(this); }
    ~ScriptedInteraction() override;

    void answer_yes_no(bool yes) { m_yes_no.push_back(yes); }
    void answer_file(std::optional<QString> path) { m_files.push_back(std::move(path)); }
    void answer_save_file(std::optional<QString> path) { m_save_files.push_back(std::move(path)); }
    void answer_printer(std::function<bool(QPrinter &)> choose) { m_printers.push_back(std::move(choose)); }
    // `handle` runs while the window named `object_name` is shown modally;
    // it drives the real widgets and closes the window.
    void on_window(const QString &object_name, std::function<void(QDialog &)> handle)
    {
        m_windows.emplace_back(object_name, std::move(handle));
    }
    // What opening a web address or starting a program reports (true unless set).
    void set_open_url_result(bool ok) { m_open_url_ok = ok; }
    void set_start_program_result(bool ok) { m_start_program_ok = ok; }

    const std::vector<Shown> &shown() const { return m_shown; }
    // The texts shown, in order; then forgets them.
    QStringList take_texts();
    const std::vector<QUrl> &opened_urls() const { return m_urls; }
    const std::vector<QStringList> &started_programs() const { return m_programs; }
    // The titles of the print dialogs asked for, in order.
    const QStringList &printer_titles() const { return m_printer_titles; }

    void show_message(QWidget *, const QString &title, const QString &text, MessageIcon icon) override
    {
        m_shown.push_back({title, text, icon, false, true});
    }
    bool ask_yes_no(QWidget *, const QString &title, const QString &text, MessageIcon icon,
                    bool default_yes = true) override
    {
        m_shown.push_back({title, text, icon, true, default_yes});
        return take(m_yes_no, "question", text);
    }
    std::optional<QString> choose_open_file(QWidget *, const QString &title, const QString &, const QString &) override
    {
        return take(m_files, "file dialog", title);
    }
    std::optional<QString> choose_save_file(QWidget *, const QString &title, const QString &, const QString &) override
    {
        return take(m_save_files, "save dialog", title);
    }
    bool choose_printer(QWidget *, QPrinter &printer, const QString &title) override
    {
        m_printer_titles.push_back(title);
        const auto choose = take(m_printers, "print dialog", title);
        return choose && choose(printer);
    }
    bool open_url(const QUrl &url) override
    {
        m_urls.push_back(url);
        return m_open_url_ok;
    }
    bool start_program(const QString &program, const QStringList &arguments) override
    {
        m_programs.push_back(QStringList{program} + arguments);
        return m_start_program_ok;
    }
    int show_modal(QDialog &dialog) override;

private:
    template <typename Answer>
    static Answer take(std::deque<Answer> &answers, const char *what, const QString &detail)
    {
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected " << what << ": " << detail.toStdString();
            return Answer();
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Shown> m_shown;
    std::deque<bool> m_yes_no;
    std::deque<std::optional<QString>> m_files, m_save_files;
    std::deque<std::function<bool(QPrinter &)>> m_printers;
    QStringList m_printer_titles;
    std::deque<std::pair<QString, std::function<void(QDialog &)>>> m_windows;
    std::vector<QUrl> m_urls;
    std::vector<QStringList> m_programs;
    bool m_open_url_ok = true, m_start_program_ok = true;
};

} // namespace dayvane::test
