#pragma once

#include <QFrame>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace dayvane {

// The time-entry frame ("frame") that the editor lays over the grid row being
// edited: the boxes "start_time" and "end_time", the check box "work" and
// the label "duration", which always shows the duration of the two boxes or
// the prompt for the box to fill.
//
// Enter in any of the three controls, or the focus leaving them for another
// control of the same window, asks to accept the period: what was typed is
// never dropped unseen. Escape in them hides the frame without changing
// anything.
class TimeEntryFrame : public QFrame
{
    Q_OBJECT

public:
    explicit TimeEntryFrame(QWidget *parent);
    ~TimeEntryFrame() override;

    // Widths of the four cells the frame covers, the grid's visible
    // columns: start, end, duration and work.
    void set_column_widths(int start, int end, int duration, int work);

    // Fills the boxes, shows the frame and puts the focus into the start box.
    void open(const QString &start, const QString &end, bool worked);
    // Hides the frame; the caller decides where the focus goes.
    void close_frame();

    QString start_text() const;
    QString end_text() const;
    bool worked() const;
    // True while the frame is open on texts or a work box other than those
    // it opened with.
    bool edited() const;
    QLineEdit *start_box() const { return m_start; }
    QLineEdit *end_box() const { return m_end; }
    QCheckBox *work_box() const { return m_work; }

signals:
    void accept_requested();
    // The focus left the frame for `now`, another control of the window.
    // `to_grid` when Tab moved it, which hands the focus back to the grid;
    // a click elsewhere leaves it where it went. A refused period keeps
    // the frame open: the receiver puts the focus back into `left`.
    void leave_requested(QWidget *left, bool to_grid);
    // Escape hid the frame.
    void abandoned();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool owns(const QWidget *widget) const;
    void focus_changed(QWidget *old, QWidget *now);
    void update_duration();

    QLineEdit *m_start = nullptr;
    QLineEdit *m_end = nullptr;
    QCheckBox *m_work = nullptr;
    QLabel *m_duration = nullptr;
    QWidget *m_work_cell = nullptr;
    QString m_opened_start;
    QString m_opened_end;
    bool m_opened_worked = false;
};

} // namespace dayvane
