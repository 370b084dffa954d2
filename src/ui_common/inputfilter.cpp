#include "ui_common/inputfilter.h"

#include "ui_common/interaction.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QVariant>

#include <algorithm>

namespace dayvane {

namespace {

bool always_forbidden(QChar c)
{
    static const QString forbidden = QStringLiteral("'!?#*%|;:-[]\"\r");
    return forbidden.contains(c);
}

bool forbidden_in(InputFilter mode, QChar c)
{
    if (always_forbidden(c))
        return true;
    const char16_t code = c.unicode();
    switch (mode) {
    case InputFilter::NumbersOnly:
        return !((code >= u'0' && code <= u'9') || code == u'.');
    case InputFilter::LettersDigitsOnly:
        return code < u'0' || (code >= 58 && code <= 64) || (code >= 91 && code <= 96) || code > u'z';
    case InputFilter::Restricted:
        break;
    }
    return false;
}

void tell_user(QWidget *parent, InputFilter mode)
{
    switch (mode) {
    case InputFilter::Restricted:
        interaction().show_message(parent, QCoreApplication::translate("dayvane", "Restricted characters"),
                                   QCoreApplication::translate("dayvane", "Chacacters ' ! ? # * % | ; : - [ ] and \" cannot be used for field input."),
                                   MessageIcon::Information);
        break;
    case InputFilter::NumbersOnly:
        interaction().show_message(parent, QCoreApplication::translate("dayvane", "Data input"), QCoreApplication::translate("dayvane", "Input must be a value"),
                                   MessageIcon::Information);
        break;
    case InputFilter::LettersDigitsOnly:
        interaction().show_message(
            parent, QCoreApplication::translate("dayvane", "Data input"),
            message_lines({QCoreApplication::translate("dayvane", "Input must be"), QCoreApplication::translate("dayvane", "''A to Z'' or ''a'' to ''z''"),
                           QCoreApplication::translate("dayvane", "and / or 0 to 9")}),
            MessageIcon::Information);
        break;
    }
}

} // namespace

namespace {

// The text of a watched box before the edit being filtered. Only the part
// an edit changed is filtered, so stored text around it stays as it is.
const char *const kTextBefore = "dayvane_text_before_edit";

} // namespace

void filter_input_key(QLineEdit *box, InputFilter mode)
{
    const QString before = box->property(kTextBefore).toString();
    const QString text = box->text();
    const qsizetype shorter = std::min(before.size(), text.size());
    qsizetype prefix = 0;
    while (prefix < shorter && text.at(prefix) == before.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && text.at(text.size() - 1 - suffix) == before.at(before.size() - 1 - suffix))
        ++suffix;
    for (qsizetype i = prefix; i < text.size() - suffix; ++i) {
        if (!forbidden_in(mode, text.at(i)))
            continue;
        // The text before the edit stays the reference, so the next pass
        // finds the next forbidden character the same edit brought in.
        box->setText(text.left(i) + text.mid(i + 1));
        box->setCursorPosition(int(i));
        tell_user(box->window(), mode);
        return;
    }
    box->setProperty(kTextBefore, text);
}

void watch_input(QLineEdit *box, InputFilter mode)
{
    box->setProperty(kTextBefore, box->text());
    QObject::connect(box, &QLineEdit::textChanged, box, [box, mode] { filter_input_key(box, mode); });
}

void set_unfiltered_text(QLineEdit *box, const QString &text)
{
    const QSignalBlocker quiet(box);
    box->setText(text);
    box->setProperty(kTextBefore, box->text());
}

} // namespace dayvane
