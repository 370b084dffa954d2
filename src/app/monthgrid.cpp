#include "app/monthgrid.h"

#include "export/dayclassnames.h"
#include "ui_common/readablecolour.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace dayvane {

namespace {

// Where a cell's format keeps its class (DayKind + 1; absent: no class).
constexpr int kDayClassProperty = QTextFormat::UserProperty + 1;

constexpr DayKind kKinds[] = {DayKind::TypicalWork, DayKind::AlteredWork, DayKind::PaidNoWork,
                              DayKind::NoWorkNoPay};

} // namespace

DayClassLook day_class_look(DayKind kind)
{
    // The tints of the printed reports; the text is paired with each.
    QColor background;
    QColor text;
    switch (kind) {
    case DayKind::TypicalWork:
        return {};
    case DayKind::AlteredWork:
        background = QColor(0xd4, 0xe6, 0xf7);
        text = QColor(0x0b, 0x3a, 0x66);
        break;
    case DayKind::PaidNoWork:
        background = QColor(0xfb, 0xef, 0xd5);
        text = QColor(0x6b, 0x45, 0x00);
        break;
    case DayKind::NoWorkNoPay:
        background = QColor(0xc4, 0xc4, 0xc4);
        text = QColor(0x3a, 0x3a, 0x3a);
        break;
    }
    return {background, readable_on(text, background)};
}

QTextCharFormat day_class_format(DayKind kind, QTextCharFormat format)
{
    const DayClassLook look = day_class_look(kind);
    if (look.background.isValid()) {
        format.setBackground(look.background);
        format.setForeground(look.text);
    }
    format.setProperty(kDayClassProperty, int(kind) + 1);
    return format;
}

std::optional<DayKind> day_class_of(const QTextCharFormat &format)
{
    const int stored = format.intProperty(kDayClassProperty);
    if (stored < 1 || stored > int(std::size(kKinds)))
        return std::nullopt;
    return DayKind(stored - 1);
}

void paint_day_mark(QPainter &painter, const QRectF &box, DayKind kind, const QColor &colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.0));
    painter.setBrush(colour);
    switch (kind) {
    case DayKind::TypicalWork:
        painter.drawEllipse(box.adjusted(1, 1, -1, -1));
        break;
    case DayKind::AlteredWork: {
        QPainterPath triangle;
        triangle.moveTo(box.left(), box.bottom());
        triangle.lineTo(box.center().x(), box.top());
        triangle.lineTo(box.right(), box.bottom());
        triangle.closeSubpath();
        painter.drawPath(triangle);
        break;
    }
    case DayKind::PaidNoWork:
        painter.setBrush(QBrush(colour, Qt::BDiagPattern));
        painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    case DayKind::NoWorkNoPay: {
        const qreal thick = std::max<qreal>(2.0, box.height() / 4);
        painter.drawRect(QRectF(box.left(), box.center().y() - thick / 2, box.width(), thick));
        break;
    }
    }
    painter.restore();
}

void MonthGrid::paintCell(QPainter *painter, const QRect &rect, QDate date) const
{
    QCalendarWidget::paintCell(painter, rect, date);
    const QTextCharFormat format = dateTextFormat(date);
    const std::optional<DayKind> kind = day_class_of(format);
    if (!kind || date.month() != monthShown())
        return;
    QColor colour = format.foreground().style() == Qt::NoBrush ? palette().color(QPalette::Text)
                                                               : format.foreground().color();
    if (date == selectedDate())
        colour = palette().color(QPalette::HighlightedText);
    const qreal side = std::max(6, rect.height() / 3);
    paint_day_mark(*painter, QRectF(rect.left() + 2, rect.top() + 2, side, side), *kind, colour);
}

namespace {

// The legend's marks follow the theme: a typical workday's is drawn in the
// palette's own cell colours.
class DayClassLegend : public QWidget
{
public:
    DayClassLegend()
    {
        setObjectName(QStringLiteral("day_class_legend"));
        // Two by two, as the printed reports' legend: the window is narrow.
        auto *grid = new QGridLayout(this);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setHorizontalSpacing(4);
        grid->setVerticalSpacing(2);
        for (int i = 0; i < 4; ++i) {
            m_marks[i] = new QLabel;
            m_marks[i]->setObjectName(QStringLiteral("legend_mark"));
            // The legend shares the reports' names of the classes.
            auto *caption = new QLabel(shown_day_class_name(kKinds[i]));
            caption->setObjectName(QStringLiteral("legend_text"));
            grid->addWidget(m_marks[i], i / 2, 2 * (i % 2));
            grid->addWidget(caption, i / 2, 2 * (i % 2) + 1);
        }
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        paint_marks();
    }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            paint_marks();
        QWidget::changeEvent(event);
    }

private:
    void paint_marks()
    {
        const int side = fontMetrics().height();
        for (int i = 0; i < 4; ++i) {
            const DayClassLook look = day_class_look(kKinds[i]);
            QPixmap swatch(side, side);
            swatch.fill(look.background.isValid() ? look.background : palette().color(QPalette::Base));
            QPainter painter(&swatch);
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
            paint_day_mark(painter, QRectF(swatch.rect()).adjusted(3, 3, -3, -3), kKinds[i],
                           look.background.isValid() ? look.text : palette().color(QPalette::Text));
            painter.end();
            m_marks[i]->setPixmap(swatch);
        }
    }

    std::array<QLabel *, 4> m_marks{};
};

} // namespace

QWidget *make_day_class_legend()
{
    return new DayClassLegend;
}

} // namespace dayvane
