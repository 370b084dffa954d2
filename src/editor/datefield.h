#pragma once

#include <QDate>
#include <QLineEdit>

#include <optional>

class QLabel;

namespace dayvane {

// A date box of the editor. The user types "mm-dd-yyyy" through the mask
// "##-##-####" with "_" for unfilled places; while the box has no focus a
// valid date is shown as "Mar-15-2024". text() is always the typed form.
class DateField : public QLineEdit
{
    Q_OBJECT

public:
    explicit DateField(QWidget *parent = nullptr);

    // The date typed; nullopt while the box holds no valid date.
    std::optional<QDate> date() const;
    // Writes `date` as "mm-dd-yyyy" (an invalid date empties the box).
    void set_date(const QDate &date);

signals:
    // The user changed the text and then left the box or pressed Enter.
    void date_edited();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void update_display();

    QLabel *m_display = nullptr;
    bool m_edited = false;
};

} // namespace dayvane
