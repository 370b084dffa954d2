#include "editor/timeentryframe.h"

#include "model/timeinput.h"
#include "ui_common/keyboard.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace dayvane {

namespace {

QLineEdit *time_box(const QString &name)
{
    auto *box = new QLineEdit;
    box->setObjectName(name);
    box->setMaxLength(20);
    box->setFrame(false);
    return box;
}

} // namespace

TimeEntryFrame::TimeEntryFrame(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("frame"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    m_start = time_box(QStringLiteral("start_time"));
    m_end = time_box(QStringLiteral("end_time"));
    m_duration = new QLabel;
    m_duration->setObjectName(QStringLiteral("duration"));
    m_duration->setAlignment(Qt::AlignCenter);
    m_work = new QCheckBox;
    m_work->setObjectName(QStringLiteral("work"));
    m_work->setToolTip(tr("Worked (checked) or paid only"));
    // The grid's column headers caption the boxes laid over its row.
    m_start->setAccessibleName(tr("Start time"));
    m_end->setAccessibleName(tr("End time"));
    m_work->setAccessibleName(tr("Work"));
    m_work->setAccessibleDescription(m_work->toolTip());
    layout->addWidget(m_start);
    layout->addWidget(m_end);
    layout->addWidget(m_duration);
    // The check box sits in the middle of its cell, as "Yes" and "No" do.
    m_work_cell = new QWidget;
    auto *cell = new QHBoxLayout(m_work_cell);
    cell->setContentsMargins(0, 0, 0, 0);
    cell->addWidget(m_work, 0, Qt::AlignCenter);
    layout->addWidget(m_work_cell);

    for (QWidget *control : {static_cast<QWidget *>(m_start), static_cast<QWidget *>(m_end), static_cast<QWidget *>(m_work)})
        control->installEventFilter(this);
    connect(m_start, &QLineEdit::textChanged, this, &TimeEntryFrame::update_duration);
    connect(m_end, &QLineEdit::textChanged, this, &TimeEntryFrame::update_duration);
    connect(qApp, &QApplication::focusChanged, this, &TimeEntryFrame::focus_changed);
    hide();
}

TimeEntryFrame::~TimeEntryFrame()
{
    // Deleting the boxes below moves the focus; this frame must no longer
    // hear of it by then.
    disconnect(qApp, nullptr, this, nullptr);
}

void TimeEntryFrame::set_column_widths(int start, int end, int duration, int work)
{
    m_start->setFixedWidth(start - 1);
    m_end->setFixedWidth(end);
    m_duration->setFixedWidth(duration);
    m_work_cell->setFixedWidth(work - 1);
}

void TimeEntryFrame::open(const QString &start, const QString &end, bool worked)
{
    m_start->setText(start);
    m_end->setText(end);
    m_work->setChecked(worked);
    m_opened_start = start;
    m_opened_end = end;
    m_opened_worked = worked;
    update_duration();
    show();
    raise();
    m_start->setFocus(Qt::OtherFocusReason);
    m_start->selectAll();
}

void TimeEntryFrame::close_frame()
{
    hide();
}

QString TimeEntryFrame::start_text() const
{
    return m_start->text();
}

QString TimeEntryFrame::end_text() const
{
    return m_end->text();
}

bool TimeEntryFrame::worked() const
{
    return m_work->isChecked();
}

bool TimeEntryFrame::edited() const
{
    return isVisible()
        && (m_start->text() != m_opened_start || m_end->text() != m_opened_end || m_work->isChecked() != m_opened_worked);
}

bool TimeEntryFrame::owns(const QWidget *widget) const
{
    return widget == m_start || widget == m_end || widget == m_work;
}

bool TimeEntryFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit accept_requested();
            return true;
        }
        if (key == Qt::Key_Escape) {
            hide();
            emit abandoned();
            return true;
        }
    } else if (event->type() == QEvent::FocusIn && (watched == m_start || watched == m_end)) {
        // Entering a box selects its whole text, whichever way the focus came;
        // after the focus event, or a mouse click would place the caret again.
        auto *box = static_cast<QLineEdit *>(watched);
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return QFrame::eventFilter(watched, event);
}

void TimeEntryFrame::focus_changed(QWidget *old, QWidget *now)
{
    // A message box of another window takes the focus without ending the
    // edit: the frame stays open for correction.
    if (!isVisible() || !owns(old) || owns(now) || !now || now->window() != window())
        return;
    emit leave_requested(old, get_tab_direction() != 0);
}

void TimeEntryFrame::update_duration()
{
    m_duration->setText(calc_duration(m_start->text(), m_end->text()).text);
}

} // namespace dayvane
