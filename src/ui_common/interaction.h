#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QPrinter;
class QUrl;
class QWidget;

namespace dayvane {

// Plain: a message box without any icon.
enum class MessageIcon { Information, Question, Warning, Critical, Plain };

// Every exchange with the user that waits for an answer, and every request to
// the desktop (browser, other programs), passes through here. The program
// never calls QMessageBox, QFileDialog or QDialog::exec() itself, so tests
// can install a scripted implementation that answers from a queue.
class Interaction
{
public:
    virtual ~Interaction() = default;

    virtual void show_message(QWidget *parent, const QString &title, const QString &text, MessageIcon icon) = 0;
    // Yes and No buttons; true for Yes. `default_yes` picks the button that
    // Enter presses.
    virtual bool ask_yes_no(QWidget *parent, const QString &title, const QString &text, MessageIcon icon,
                            bool default_yes = true) = 0;
    // The system's file-open dialog; nullopt when cancelled. `filter` is in
    // Qt's form, e.g. "QZDB.mdb (QZDB.mdb)".
    virtual std::optional<QString> choose_open_file(QWidget *parent, const QString &title, const QString &filter,
                                                    const QString &folder) = 0;
    // The system's file-save dialog, starting at `suggested` (a folder or a
    // file name); it asks before overwriting. nullopt when cancelled.
    virtual std::optional<QString> choose_save_file(QWidget *parent, const QString &title, const QString &filter,
                                                    const QString &suggested) = 0;
    // The print dialog titled `title` over `printer`, offering neither a page
    // range, nor the selection, nor printing to a file; false when cancelled.
    virtual bool choose_printer(QWidget *parent, QPrinter &printer, const QString &title) = 0;
    // Hands an address to the desktop's browser; false when that failed.
    virtual bool open_url(const QUrl &url) = 0;
    // Starts a program detached; false when it could not be started.
    virtual bool start_program(const QString &program, const QStringList &arguments) = 0;
    // Shows `dialog` modally and returns its result code when it closes.
    virtual int show_modal(QDialog &dialog) = 0;
};

// The implementation in force: Qt's dialogs unless one was installed.
Interaction &interaction();
// Installs `replacement` (not owned); nullptr goes back to Qt's dialogs.
void set_interaction(Interaction *replacement);

// The program's usual message boxes.
inline const QString kMessageTitle = QStringLiteral("Corvantelle");
// Lines of a message are joined by carriage return and line feed.
QString message_lines(const QStringList &lines);
void inform(QWidget *parent, const QString &text);
bool confirm(QWidget *parent, const QString &text);

} // namespace dayvane
