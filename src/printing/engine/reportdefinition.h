#pragma once

#include <QColor>
#include <QMarginsF>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace dayvane {

// A text of a report element: literal parts and placeholders, compiled when
// the definition is read so that filling it for a row costs no parsing.
class TextTemplate
{
public:
    // The placeholders besides the fields F0..F26.
    enum Special { PageNumber = -1, PageCount = -2, PrintDate = -3 };
    struct Part
    {
        QString literal;
        int field = 0;  // 0..26 a field, a Special, ignored when `is_literal`
        bool is_literal = true;
    };

    // "{F3}", "{page}", "{pages}" and "{date}" are placeholders, everything
    // else is literal. nullopt and `error` set for an unknown placeholder or
    // an unclosed brace.
    static std::optional<TextTemplate> compile(const QString &text, QString *error);

    const std::vector<Part> &parts() const { return m_parts; }
    bool uses_fields() const;

private:
    std::vector<Part> m_parts;
};

struct FontSpec
{
    QString family = QStringLiteral("DejaVu Sans");
    double size = 9;  // points
    bool bold = false;
    bool italic = false;
};

// One thing drawn in a band. Positions are millimetres from the band's
// top-left corner; for a line, (x, y) to (x2, y2).
struct ReportElement
{
    enum class Kind { Text, Day, Line, Box };
    Kind kind = Kind::Text;
    double x = 0, y = 0, w = 0, h = 0;
    double x2 = 0, y2 = 0;
    TextTemplate value;         // Text and Day (a day code)
    FontSpec font;
    int align = 0;              // Qt::Alignment flags
    bool grow = false;          // Text: wrap words, grow the band to fit
    bool stretch = false;       // grows in height with the band
    bool bottom = false;        // moves down with the band's growth
    double pad = 0.6;           // Text and Day: inner margin in mm
    QColor colour = Qt::black;  // text, line or box border
    QColor fill;                // Box: invalid = not filled
    double line_width = 0.2;    // mm; 0 = no border for a Box
};

// The lines printed for one kind of row (or a page header or footer).
struct ReportBand
{
    QString group;
    QString subgroup;
    double height = 0;          // mm, before growth
    bool new_page = false;      // always begins a page
    bool keep_next = false;     // never ends a page without the band after it
    bool keep_previous = false; // never begins a page without the band before it
    bool skip_empty = false;    // left out when the row's fields are all empty
    std::vector<ReportElement> elements;
};

// How the day cells of one class (code / 100 * 100) look.
struct DayClassStyle
{
    QColor fill;                // invalid = not filled
    QColor text = Qt::black;
    QColor pattern_colour = Qt::gray;
    int pattern = 0;            // a Qt::BrushStyle drawn over the fill; 0 none
    bool bold = false;
    bool italic = false;
};

struct PageSetup
{
    enum class Paper { Auto, A4, Letter };
    Paper paper = Paper::Auto;
    bool landscape = false;
    QMarginsF margins{15, 12, 15, 12};  // mm: left, top, right, bottom
    double width = 180;                 // mm of content, centred on wider paper
};

struct ReportDefinition
{
    PageSetup page;
    FontSpec font;
    std::map<int, DayClassStyle> day_classes;
    std::optional<ReportBand> page_header;
    std::optional<ReportBand> page_footer;
    // Printed before the first of a run of rows of that group.
    std::map<QString, ReportBand> group_headers;
    std::vector<ReportBand> bands;
    bool break_on_page_change = false;

    // The band "group subgroup", else the band "group", else nullptr.
    const ReportBand *band_for(const QString &group, const QString &subgroup) const;
    const ReportBand *group_header(const QString &group) const;
    // The style for a class code; a plain style for classes not described.
    const DayClassStyle &day_class(int class_code) const;
};

// A definition, or why there is none: "<file>, line <n>: <what>".
struct DefinitionResult
{
    std::optional<ReportDefinition> definition;
    QString error;
};

// Reads the definition format described in reports/README.md. `file_name`
// only names the source in error texts. Never throws for bad text.
DefinitionResult parse_report_definition(const QString &text, const QString &file_name);
// Reads and parses the file; a missing or unreadable file is an error too.
DefinitionResult read_report_definition(const QString &path);

} // namespace dayvane
