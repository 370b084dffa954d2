#include "ui_common/interaction.h"

#include "ui_common/busycursor.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QUrl>

namespace dayvane {

namespace {

QMessageBox::Icon box_icon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Plain:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

// The file the user picked; nullopt when cancelled.
std::optional<QString> chosen_file(QFileDialog &dialog)
{
    const NormalPointer pointer;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// Every window here waits for the user, so none shows the busy pointer.
class QtInteraction : public Interaction
{
public:
    void show_message(QWidget *parent, const QString &title, const QString &text, MessageIcon icon) override
    {
        const NormalPointer pointer;
        QMessageBox box(box_icon(icon), title, text, QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText);  // names in a message are never markup
        box.exec();
    }

    bool ask_yes_no(QWidget *parent, const QString &title, const QString &text, MessageIcon icon,
                    bool default_yes) override
    {
        const NormalPointer pointer;
        QMessageBox box(box_icon(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(default_yes ? QMessageBox::Yes : QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

    std::optional<QString> choose_open_file(QWidget *parent, const QString &title, const QString &filter,
                                            const QString &folder) override
    {
        QFileDialog dialog(parent, title, folder, filter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setOption(QFileDialog::ReadOnly);
        dialog.setOption(QFileDialog::DontResolveSymlinks);
        return chosen_file(dialog);
    }

    std::optional<QString> choose_save_file(QWidget *parent, const QString &title, const QString &filter,
                                            const QString &suggested) override
    {
        QFileDialog dialog(parent, title, suggested, filter);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        return chosen_file(dialog);
    }

    bool choose_printer(QWidget *parent, QPrinter &printer, const QString &title) override
    {
        const NormalPointer pointer;
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(title);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        return dialog.exec() == QDialog::Accepted;
    }

    bool open_url(const QUrl &url) override { return QDesktopServices::openUrl(url); }

    bool start_program(const QString &program, const QStringList &arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }

    int show_modal(QDialog &dialog) override
    {
        const NormalPointer pointer;
        return dialog.exec();
    }
};

Interaction *g_installed = nullptr;

} // namespace

Interaction &interaction()
{
    static QtInteraction qt_dialogs;
    return g_installed ? *g_installed : qt_dialogs;
}

void set_interaction(Interaction *replacement)
{
    g_installed = replacement;
}

QString message_lines(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

void inform(QWidget *parent, const QString &text)
{
    interaction().show_message(parent, kMessageTitle, text, MessageIcon::Information);
}

bool confirm(QWidget *parent, const QString &text)
{
    return interaction().ask_yes_no(parent, kMessageTitle, text, MessageIcon::Question);
}

} // namespace dayvane
