#include "app/calendarpanels.h"

#include "ui_common/geometry.h"
#include "ui_common/gridhelpers.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>

namespace dayvane {

namespace {

const QString kTimeZero = QStringLiteral("0h 0m");

// A horizontal header two text lines high whose section texts wrap at word
// boundaries: the filter headers of the event list are longer than their
// column is wide.
class WrappingHeader : public QHeaderView
{
public:
    WrappingHeader()
        : QHeaderView(Qt::Horizontal)
    {
    }

protected:
    QSize sectionSizeFromContents(int logical_index) const override
    {
        QSize size = QHeaderView::sectionSizeFromContents(logical_index);
        size.setHeight(std::max(size.height(), 2 * fontMetrics().height() + 6));
        return size;
    }

    void paintSection(QPainter *painter, const QRect &rect, int logical_index) const override
    {
        if (!rect.isValid())
            return;
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = rect;
        option.section = logical_index;
        style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
        const QString text = model()->headerData(logical_index, orientation(), Qt::DisplayRole).toString();
        painter->save();
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->drawText(rect.adjusted(3, 1, -3, -1), Qt::AlignCenter | Qt::TextWordWrap, text);
        painter->restore();
    }
};

} // namespace

QLabel *make_label(const QString &name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);  // calendar names and events are stored text, never markup
    return label;
}

QWidget *build_summary_panel()
{
    auto *frame = new QGroupBox(QCoreApplication::translate("dayvane", "Summary"));
    frame->setObjectName(QStringLiteral("frame_calendar_summary"));
    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    QFont bold = frame->font();
    bold.setBold(true);
    const char *const headings[] = {"lbl_summary_month", "lbl_summary_year"};
    for (int i = 0; i < 2; ++i) {
        QLabel *heading = make_label(QString::fromLatin1(headings[i]));
        heading->setFont(bold);
        grid->addWidget(heading, 0, 1 + 2 * i, 1, 2, Qt::AlignCenter);
    }

    // Short captions: the window is narrow. The tool tips say it in full.
    struct Row
    {
        const char *caption;
        const char *tip;
        const char *days;  // label name without its "lbl_month_"/"lbl_year_" prefix
        const char *time;  // nullptr: the row has no time
    };
    const Row rows[] = {
        {QT_TRANSLATE_NOOP("dayvane", "Typical"), QT_TRANSLATE_NOOP("dayvane", "Typical workdays"), "work_typical_days", "work_typical_time"},
        {QT_TRANSLATE_NOOP("dayvane", "Altered"), QT_TRANSLATE_NOOP("dayvane", "Altered workdays"), "work_altered_days", "work_altered_time"},
        {QT_TRANSLATE_NOOP("dayvane", "All work"), QT_TRANSLATE_NOOP("dayvane", "All workdays"), "work_total_days", "work_total_time"},
        {QT_TRANSLATE_NOOP("dayvane", "Paid only"), QT_TRANSLATE_NOOP("dayvane", "Days paid and not worked"), "no_work_pay_only_days", nullptr},
        {QT_TRANSLATE_NOOP("dayvane", "All paid"), QT_TRANSLATE_NOOP("dayvane", "All paid days, worked or not"), "pay_days", "pay_time"},
    };
    int r = 1;
    for (const Row &row : rows) {
        auto *caption = new QLabel(QCoreApplication::translate("dayvane", row.caption));
        caption->setToolTip(QCoreApplication::translate("dayvane", row.tip));
        grid->addWidget(caption, r, 0);
        int column = 1;
        for (const char *period : {"lbl_month_", "lbl_year_"}) {
            grid->addWidget(make_label(QLatin1String(period) + QLatin1String(row.days), QCoreApplication::translate("dayvane", "%1 days").arg(0)), r, column,
                            Qt::AlignRight);
            if (row.time)
                grid->addWidget(make_label(QLatin1String(period) + QLatin1String(row.time), kTimeZero), r, column + 1,
                                Qt::AlignRight);
            column += 2;
        }
        ++r;
    }
    grid->setColumnStretch(0, 1);
    return frame;
}

QWidget *build_day_panel()
{
    auto *frame = new QGroupBox(QCoreApplication::translate("dayvane", "Selected day"));
    frame->setObjectName(QStringLiteral("frame_day"));
    auto *grid = new QGridLayout(frame);
    grid->setVerticalSpacing(1);
    QLabel *date = make_label(QStringLiteral("lbl_cal_date"));
    QFont bold = date->font();
    bold.setBold(true);
    date->setFont(bold);
    grid->addWidget(date, 0, 0);

    // The value columns keep their width while empty, so the captions stay put.
    const int value_width = date->fontMetrics().horizontalAdvance(QStringLiteral("00:00 AM")) + 6;
    const auto add_pair = [&](const char *caption, const char *name, const QString &text, int row, int column) {
        grid->addWidget(new QLabel(QCoreApplication::translate("dayvane", caption)), row, column, Qt::AlignRight);
        QLabel *value = make_label(QString::fromLatin1(name), text);
        value->setMinimumWidth(value_width);
        grid->addWidget(value, row, column + 1);
    };
    add_pair(QT_TRANSLATE_NOOP("dayvane", "From"), "lbl_start_time", QString(), 0, 1);
    add_pair(QT_TRANSLATE_NOOP("dayvane", "To"), "lbl_end_time", QString(), 0, 3);
    add_pair(QT_TRANSLATE_NOOP("dayvane", "Worked"), "lbl_work_time", kTimeZero, 1, 1);
    add_pair(QT_TRANSLATE_NOOP("dayvane", "Paid"), "lbl_paid_time", kTimeZero, 1, 3);
    QLabel *event = make_label(QStringLiteral("lbl_event"));
    event->setWordWrap(true);
    grid->addWidget(event, 2, 0, 1, 5);
    grid->setColumnStretch(0, 1);
    return frame;
}

QTableWidget *build_event_grid()
{
    QTableWidget *grid = make_read_only_grid(QStringLiteral("calendar_event_dates_grid"),
                                             QAbstractItemView::SingleSelection);
    grid->setHorizontalHeader(new WrappingHeader);
    grid->setWordWrap(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->setMinimumHeight(twips_to_pixels(900));
    return grid;
}

} // namespace dayvane
