#include "ui_common/inputfilter.h"

#include "ui_common/interaction.h"

#include <QLineEdit>

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
        interaction().show_message(parent, QStringLiteral("Restricted characters"),
                                   QStringLiteral("Chacacters ' ! ? # * % | ; : - [ ] and \" cannot be used for field input."),
                                   MessageIcon::Information);
        break;
    case InputFilter::NumbersOnly:
        interaction().show_message(parent, QStringLiteral("Data input"), QStringLiteral("Input must be a value"),
                                   MessageIcon::Information);
        break;
    case InputFilter::LettersDigitsOnly:
        interaction().show_message(
            parent, QStringLiteral("Data input"),
            message_lines({QStringLiteral("Input must be"), QStringLiteral("''A to Z'' or ''a'' to ''z''"),
                           QStringLiteral("and / or 0 to 9")}),
            MessageIcon::Information);
        break;
    }
}

} // namespace

void filter_input_key(QLineEdit *box, InputFilter mode)
{
    const QString text = box->text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!forbidden_in(mode, text.at(i)))
            continue;
        box->setText(text.left(i) + text.mid(i + 1));
        box->setCursorPosition(int(i));
        tell_user(box->window(), mode);
        return;
    }
}

void watch_input(QLineEdit *box, InputFilter mode)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [box, mode] { filter_input_key(box, mode); });
}

} // namespace dayvane
