#include "printing/engine/reportrenderer.h"

#include "printing/engine/reportdata.h"
#include "printing/engine/reportdefinition.h"
#include "ui_common/readablecolour.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace dayvane {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kSmallestFitPoints = 4.5;

bool all_fields_empty(const ReportRow &row)
{
    return std::all_of(row.fields.begin(), row.fields.end(), [](const QString &field) { return field.isEmpty(); });
}

// What a page number placeholder stands for while one page is painted.
struct PageContext
{
    int number = 1;
    int count = 1;
    QString date;
};

QString fill_template(const TextTemplate &text, const ReportRow *row, const PageContext &page)
{
    QString filled;
    for (const TextTemplate::Part &part : text.parts()) {
        if (part.is_literal)
            filled += part.literal;
        else if (part.field >= 0)
            filled += row ? row->fields[std::size_t(part.field)] : QString();
        else if (part.field == TextTemplate::PageNumber)
            filled += QString::number(page.number);
        else if (part.field == TextTemplate::PageCount)
            filled += QString::number(page.count);
        else if (part.field == TextTemplate::PrintDate)
            filled += page.date;
    }
    return filled;
}

// Fonts and metrics for one device, made once per font and size: the layout
// measures many rows with the same few fonts.
class FontCache
{
public:
    explicit FontCache(QPaintDevice &device) : m_device(device) {}

    struct Entry
    {
        QFont font;
        QFontMetricsF metrics;
    };

    const Entry &get(const FontSpec &spec, double size, bool bold, bool italic)
    {
        const QString key = QStringLiteral("%1|%2|%3|%4").arg(spec.family).arg(size).arg(bold).arg(italic);
        auto found = m_entries.find(key);
        if (found == m_entries.end()) {
            QFont font(spec.family);
            font.setPointSizeF(size);
            font.setBold(bold);
            font.setItalic(italic);
            font.setKerning(false);
            // No ligatures: "ff" stays two letters for search and copy in
            // the PDF.
            font.setStyleStrategy(QFont::PreferNoShaping);
            font = QFont(font, &m_device);
            found = m_entries.emplace(key, std::make_unique<Entry>(Entry{font, QFontMetricsF(font, &m_device)})).first;
        }
        return *found->second;
    }
    const Entry &get(const FontSpec &spec) { return get(spec, spec.size, spec.bold, spec.italic); }

private:
    QPaintDevice &m_device;
    std::map<QString, std::unique_ptr<Entry>> m_entries;
};

// Lays out and paints with one device's metrics; all lengths in mm until
// they are handed to the painter.
class Renderer
{
public:
    Renderer(const ReportDefinition &definition, QPagedPaintDevice &device)
        : m_def(definition), m_device(device), m_fonts(device),
          m_dots_per_mm(device.logicalDpiY() / kMmPerInch)
    {
        const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
        m_area_width = area.width();
        m_area_height = area.height();
        m_left = std::max(0.0, (m_area_width - definition.page.width) / 2);
        m_page.date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    }

    double header_height() const { return m_def.page_header ? m_def.page_header->height : 0; }
    double footer_height() const { return m_def.page_footer ? m_def.page_footer->height : 0; }
    double body_height() const { return std::max(1.0, m_area_height - header_height() - footer_height()); }

    // How many mm the band grows for the row's wrapped texts.
    double growth(const ReportBand &band, const ReportRow *row)
    {
        double extra = 0;
        for (const ReportElement &element : band.elements) {
            if (element.kind != ReportElement::Kind::Text || !element.grow)
                continue;
            const QString text = fill_template(element.value, row, m_page);
            if (text.isEmpty())
                continue;
            const double needed = wrapped_height(element, text);
            extra = std::max(extra, needed - element.h);
        }
        return extra;
    }

    std::vector<ReportPage> lay_out(const std::vector<ReportRow> &rows);
    void paint(QPainter &painter, const std::vector<ReportPage> &pages);

private:
    struct Entry
    {
        PlacedBand placed;
        double height = 0;
        bool begins_page = false;
        bool keep_next = false;
        bool keep_previous = false;
    };

    double dots(double mm) const { return mm * m_dots_per_mm; }
    QRectF dot_rect(double x, double y, double w, double h) const { return {dots(x), dots(y), dots(w), dots(h)}; }

    // The text's words wrapped at the width of the element's box, in its own
    // font or in `font`.
    std::unique_ptr<QTextLayout> wrap(const ReportElement &element, const QString &text, double *height_mm,
                                      const FontCache::Entry *font_entry = nullptr)
    {
        const FontCache::Entry &font = font_entry ? *font_entry : m_fonts.get(element.font);
        auto layout = std::make_unique<QTextLayout>(text, font.font, &m_device);
        QTextOption option(Qt::Alignment(element.align & Qt::AlignHorizontal_Mask));
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout->setTextOption(option);
        const double width = dots(std::max(1.0, element.w - 2 * element.pad));
        double y = 0;
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += font.metrics.lineSpacing();
        }
        layout->endLayout();
        *height_mm = y / m_dots_per_mm;
        return layout;
    }

    double wrapped_height(const ReportElement &element, const QString &text)
    {
        double height = 0;
        wrap(element, text, &height);
        return height;
    }

    void paint_band(QPainter &painter, const ReportBand &band, const ReportRow *row, double left, double top,
                    double extra);
    void paint_text(QPainter &painter, const ReportElement &element, const QRectF &box_mm, const QString &text);
    void paint_wrapped(QPainter &painter, const ReportElement &element, const QRectF &inner, const QString &text);
    void draw_lines(QPainter &painter, const ReportElement &element, const QRectF &inner, const QTextLayout &layout,
                    double height_mm);
    void paint_day(QPainter &painter, const ReportElement &element, const QRectF &box_mm, const QString &text);
    void paint_pattern(QPainter &painter, const DayClassStyle &style, const QRectF &box_mm);

    const ReportDefinition &m_def;
    QPagedPaintDevice &m_device;
    FontCache m_fonts;
    double m_dots_per_mm;
    double m_area_width = 0;
    double m_area_height = 0;
    double m_left = 0;
    PageContext m_page;
};

std::vector<ReportPage> Renderer::lay_out(const std::vector<ReportRow> &rows)
{
    // First every band with its height, then the page breaks, so that a band
    // kept with the next one can see how tall that one is.
    std::vector<Entry> entries;
    entries.reserve(rows.size() + 8);
    const ReportRow *previous_row = nullptr;
    const QString *last_group = nullptr;
    bool pending_break = false;
    for (const ReportRow &row : rows) {
        if (m_def.break_on_page_change && previous_row && row.page != previous_row->page)
            pending_break = true;
        previous_row = &row;
        const ReportBand *band = m_def.band_for(row.group, row.subgroup);
        if (!band || (band->skip_empty && all_fields_empty(row)))
            continue;
        if (!last_group || *last_group != row.group) {
            if (const ReportBand *header = m_def.group_header(row.group)) {
                entries.push_back({{header, &row, 0, growth(*header, &row)}, 0, pending_break, true, false});
                entries.back().height = header->height + entries.back().placed.extra;
                pending_break = false;
            }
        }
        last_group = &row.group;
        Entry entry{{band, &row, 0, growth(*band, &row)}, 0, pending_break || band->new_page, band->keep_next,
                    band->keep_previous};
        entry.height = band->height + entry.placed.extra;
        entries.push_back(entry);
        pending_break = false;
    }

    const double usable = body_height();
    const auto kept_together = [&](std::size_t at) {
        return at + 1 < entries.size() && (entries[at].keep_next || entries[at + 1].keep_previous)
            && !entries[at + 1].begins_page;
    };
    std::vector<ReportPage> pages(1);
    double y = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Entry &entry = entries[i];
        // This band needs room for the bands kept with it too, as many of
        // them as one page holds.
        double needed = entry.height;
        for (std::size_t next = i; kept_together(next) && needed + entries[next + 1].height <= usable; ++next)
            needed += entries[next + 1].height;
        const bool page_empty = pages.back().bands.empty();
        if (!page_empty && (entry.begins_page || y + needed > usable + 1e-6)) {
            pages.emplace_back();
            y = 0;
        }
        entry.placed.top = y;
        pages.back().bands.push_back(entry.placed);
        y += entry.height;
    }
    return pages;
}

void Renderer::paint(QPainter &painter, const std::vector<ReportPage> &pages)
{
    m_page.count = int(pages.size());
    const double body_top = header_height();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            m_device.newPage();
        m_page.number = int(i) + 1;
        if (m_def.page_header)
            paint_band(painter, *m_def.page_header, nullptr, m_left, 0, 0);
        for (const PlacedBand &placed : pages[i].bands)
            paint_band(painter, *placed.band, placed.row, m_left, body_top + placed.top, placed.extra);
        if (m_def.page_footer)
            paint_band(painter, *m_def.page_footer, nullptr, m_left, m_area_height - footer_height(), 0);
    }
}

void Renderer::paint_band(QPainter &painter, const ReportBand &band, const ReportRow *row, double left, double top,
                          double extra)
{
    for (const ReportElement &element : band.elements) {
        const double shift = element.bottom ? extra : 0;
        const double grow = element.stretch ? extra : 0;
        switch (element.kind) {
        case ReportElement::Kind::Line: {
            QPen pen(element.colour, std::max(1.0, dots(element.line_width)));
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(QPointF(dots(left + element.x), dots(top + element.y + shift)),
                             QPointF(dots(left + element.x2), dots(top + element.y2 + shift + grow)));
            break;
        }
        case ReportElement::Kind::Box: {
            const QRectF box = dot_rect(left + element.x, top + element.y + shift, element.w, element.h + grow);
            if (element.fill.isValid())
                painter.fillRect(box, element.fill);
            if (element.line_width > 0) {
                painter.setPen(QPen(element.colour, std::max(1.0, dots(element.line_width))));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
            }
            break;
        }
        case ReportElement::Kind::Text:
        case ReportElement::Kind::Day: {
            const QString text = fill_template(element.value, row, m_page);
            const QRectF box(left + element.x, top + element.y + shift, element.w, element.h + grow);
            if (element.kind == ReportElement::Kind::Day)
                paint_day(painter, element, box, text);
            else if (!text.isEmpty())
                paint_text(painter, element, box, text);
            break;
        }
        }
    }
}

void Renderer::paint_text(QPainter &painter, const ReportElement &element, const QRectF &box, const QString &text)
{
    // On the paper's white; a colour too pale to read there is darkened, the
    // report file stays as it is.
    painter.setPen(readable_on(element.colour, Qt::white));
    const QRectF inner = dot_rect(box.x() + element.pad, box.y(), std::max(0.0, box.width() - 2 * element.pad),
                                  box.height());
    if (element.grow) {
        double height = 0;
        const std::unique_ptr<QTextLayout> layout = wrap(element, text, &height);
        draw_lines(painter, element, inner, *layout, height);
        return;
    }
    // A text too wide for its box is drawn smaller rather than cut off;
    // one that would need less than the smallest size wraps instead.
    const FontCache::Entry *font = &m_fonts.get(element.font);
    const double advance = font->metrics.horizontalAdvance(text);
    if (advance > inner.width() && inner.width() > 0) {
        const double size = element.font.size * inner.width() / advance * 0.98;
        if (size < kSmallestFitPoints) {
            paint_wrapped(painter, element, inner, text);
            return;
        }
        font = &m_fonts.get(element.font, std::floor(size * 4) / 4, element.font.bold, element.font.italic);
    }
    painter.setFont(font->font);
    painter.drawText(inner, element.align | Qt::TextDontClip | Qt::TextSingleLine, text);
}

// Wraps the text in the largest size, down to the smallest, whose lines the
// box holds. Lines the box cannot hold even then are cut off at its edge:
// nothing is printed outside the box, so nothing runs past the margins.
void Renderer::paint_wrapped(QPainter &painter, const ReportElement &element, const QRectF &inner,
                             const QString &text)
{
    std::unique_ptr<QTextLayout> layout;
    double height = 0;
    for (double size = element.font.size; !layout; size -= 0.5) {
        const double fitted = std::max(size, kSmallestFitPoints);
        const FontCache::Entry &font = m_fonts.get(element.font, fitted, element.font.bold, element.font.italic);
        std::unique_ptr<QTextLayout> tried = wrap(element, text, &height, &font);
        if (dots(height) <= inner.height() || fitted <= kSmallestFitPoints)
            layout = std::move(tried);
    }
    painter.save();
    painter.setClipRect(inner);
    draw_lines(painter, element, inner, *layout, height);
    painter.restore();
}

// Draws wrapped lines `height_mm` tall in `inner`, aligned as the element
// says where they leave room.
void Renderer::draw_lines(QPainter &painter, const ReportElement &element, const QRectF &inner,
                          const QTextLayout &layout, double height_mm)
{
    double y = inner.top();
    if (dots(height_mm) < inner.height()) {
        if (element.align & Qt::AlignVCenter)
            y += (inner.height() - dots(height_mm)) / 2;
        else if (element.align & Qt::AlignBottom)
            y += inner.height() - dots(height_mm);
    }
    layout.draw(&painter, QPointF(inner.left(), y));
}

void Renderer::paint_day(QPainter &painter, const ReportElement &element, const QRectF &box, const QString &text)
{
    bool number = false;
    const int code = text.trimmed().toInt(&number);
    if (!number || code < 0)
        return;
    const DayClassStyle &style = m_def.day_class(code / 100 * 100);
    const QRectF cell = dot_rect(box.x(), box.y(), box.width(), box.height());
    if (style.fill.isValid())
        painter.fillRect(cell, style.fill);
    if (style.pattern != Qt::NoBrush)
        paint_pattern(painter, style, box);
    if (element.line_width > 0) {
        painter.setPen(QPen(element.colour, std::max(1.0, dots(element.line_width))));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell);
    }
    const int day = code % 100;
    if (day == 0)
        return;
    const FontCache::Entry &font =
        m_fonts.get(element.font, element.font.size, element.font.bold || style.bold, element.font.italic || style.italic);
    painter.setFont(font.font);
    painter.setPen(day_number_colour(style));
    const QRectF inner = dot_rect(box.x() + element.pad, box.y() + element.pad / 2,
                                  std::max(0.0, box.width() - 2 * element.pad), std::max(0.0, box.height() - element.pad));
    painter.drawText(inner, element.align | Qt::TextDontClip | Qt::TextSingleLine, QString::number(day));
}

// Hatching drawn as lines inside the cell: it prints the same at every
// resolution, unlike a brush pattern measured in device pixels.
void Renderer::paint_pattern(QPainter &painter, const DayClassStyle &style, const QRectF &box)
{
    constexpr double kSpacing = 1.3;  // mm between hatch lines
    QPen pen(style.pattern_colour, std::max(1.0, dots(0.15)));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const double w = box.width(), h = box.height();
    auto line = [&](double x1, double y1, double x2, double y2) {
        painter.drawLine(QPointF(dots(box.x() + x1), dots(box.y() + y1)), QPointF(dots(box.x() + x2), dots(box.y() + y2)));
    };
    const bool rising = style.pattern == Qt::BDiagPattern || style.pattern == Qt::DiagCrossPattern;
    const bool falling = style.pattern == Qt::FDiagPattern || style.pattern == Qt::DiagCrossPattern;
    if (rising)  // x + y = s
        for (double s = kSpacing; s < w + h; s += kSpacing)
            line(std::max(0.0, s - h), std::min(h, s), std::min(w, s), std::max(0.0, s - w));
    if (falling)  // x - y = s
        for (double s = -h + kSpacing; s < w; s += kSpacing)
            line(std::max(0.0, s), std::max(0.0, -s), std::min(w, h + s), std::min(h, w - s));
    if (style.pattern == Qt::HorPattern)
        for (double y = kSpacing; y < h; y += kSpacing)
            line(0, y, w, y);
}

} // namespace

QColor day_number_colour(const DayClassStyle &style)
{
    return readable_on(style.text, style.fill.isValid() ? style.fill : QColor(Qt::white));
}

void apply_page_setup(const PageSetup &setup, QPagedPaintDevice &device)
{
    QPageSize size = device.pageLayout().pageSize();
    if (setup.paper == PageSetup::Paper::A4)
        size = QPageSize(QPageSize::A4);
    else if (setup.paper == PageSetup::Paper::Letter)
        size = QPageSize(QPageSize::Letter);
    if (!size.isValid())
        size = QPageSize(QPageSize::A4);
    const auto orientation = setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (device.setPageLayout(QPageLayout(size, orientation, setup.margins, QPageLayout::Millimeter)))
        return;
    device.setPageSize(size);
    device.setPageOrientation(orientation);
    device.setPageMargins(setup.margins, QPageLayout::Millimeter);
}

std::vector<ReportPage> lay_out_report(const ReportDefinition &definition, const std::vector<ReportRow> &rows,
                                       QPagedPaintDevice &device)
{
    return Renderer(definition, device).lay_out(rows);
}

bool render_report(const ReportDefinition &definition, const std::vector<ReportRow> &rows,
                   QPagedPaintDevice &device, int *page_count)
{
    apply_page_setup(definition.page, device);
    Renderer renderer(definition, device);
    const std::vector<ReportPage> pages = renderer.lay_out(rows);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.paint(painter, pages);
    if (page_count)
        *page_count = int(pages.size());
    return painter.end();
}

bool render_report_to_pdf(const ReportDefinition &definition, const std::vector<ReportRow> &rows,
                          const QString &path, int *page_count)
{
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Dayvane"));
    writer.setTitle(QStringLiteral("Calendar"));
    return render_report(definition, rows, writer, page_count);
}

} // namespace dayvane
