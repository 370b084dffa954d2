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
// Enter in any of the three controls asks to accept the period. Escape in
// them, or the focus leaving them for another control of the same window,
// hides the frame without changing anything.
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
    QLineEdit *start_box() const { return m_start; }
    QLineEdit *end_box() const { return m_end; }
    QCheckBox *work_box() const { return m_work; }

signals:
    void accept_requested();
    // The frame was hidden by Escape or by the focus leaving it. `to_grid`
    // for Escape and for Tab moving the focus out, which hand the focus
    // back to the grid; a click elsewhere leaves it where it went.
    void abandoned(bool to_grid);

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
};

} // namespace dayvane
