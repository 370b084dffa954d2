#include "editor/datefield.h"

#include "editor/daterange.h"
#include "model/textforms.h"

#include <QLabel>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionFrame>

namespace dayvane {

namespace {

// "mmm-dd-yyyy" with the English month names, as every fixed form is.
QString display_form(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("MMM-dd-yyyy"));
}

} // namespace

DateField::DateField(QWidget *parent)
    : QLineEdit(parent)
{
    setInputMask(QStringLiteral("00-00-0000;_"));
    m_display = new QLabel(this);
    m_display->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_display->setAutoFillBackground(true);
    m_display->setBackgroundRole(QPalette::Base);
    m_display->setIndent(0);
    m_display->hide();
    connect(this, &QLineEdit::textEdited, this, [this] { m_edited = true; });
    connect(this, &QLineEdit::textChanged, this, &DateField::update_display);
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (!m_edited)
            return;
        m_edited = false;
        emit date_edited();
    });
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00-00-00000")) + 16);
}

std::optional<QDate> DateField::date() const
{
    return parse_editor_date(text());
}

void DateField::set_date(const QDate &date)
{
    setText(format_editor_date(date));
}

void DateField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    update_display();
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    update_display();
}

void DateField::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    update_display();
}

void DateField::update_display()
{
    const std::optional<QDate> shown = date();
    if (hasFocus() || !shown) {
        m_display->hide();
        return;
    }
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    m_display->setGeometry(contents.adjusted(2, 1, -1, -1));
    m_display->setText(display_form(*shown));
    m_display->show();
}

} // namespace dayvane
