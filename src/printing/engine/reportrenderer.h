#pragma once

#include <QColor>
#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace dayvane {

struct DayClassStyle;
struct PageSetup;
struct ReportBand;
struct ReportDefinition;
struct ReportRow;

// A band placed on a page: `top` in mm from the top of the page's body (below
// the page header), `extra` the mm it grew to show wrapped text. `row` is
// nullptr for nothing; pointers refer into the definition and rows given to
// lay_out_report and live as long as they do.
struct PlacedBand
{
    const ReportBand *band = nullptr;
    const ReportRow *row = nullptr;
    double top = 0;
    double extra = 0;
};

struct ReportPage
{
    std::vector<PlacedBand> bands;
};

// The colour a day cell's number is painted in: the class's text colour,
// darkened or lightened where it would not read at 4.5:1 on the class's fill
// (or the paper's white). The report file keeps its own colour.
QColor day_number_colour(const DayClassStyle &style);

// Sets the paper (keeping the device's own for paper=auto), orientation and
// margins of `setup` on `device`. A printer that refuses the margins keeps
// its own; the layout then follows the printer's printable area.
void apply_page_setup(const PageSetup &setup, QPagedPaintDevice &device);

// Puts `rows` band by band onto pages of `device`'s current page layout: a
// band that does not fit the rest of a page begins the next one, a band is
// never split across pages, bands kept with their neighbours (keepnext,
// keepprevious) move to the next page together where they fit on one, and a
// change of Page begins a page when the definition asks for it. Always at
// least one page.
std::vector<ReportPage> lay_out_report(const ReportDefinition &definition, const std::vector<ReportRow> &rows,
                                       QPagedPaintDevice &device);

// Applies the page set-up, lays out and paints every page ("Page n of N"
// knows N). False when painting cannot begin on the device (for a file: it
// cannot be written); `page_count` gets the number of pages painted.
bool render_report(const ReportDefinition &definition, const std::vector<ReportRow> &rows,
                   QPagedPaintDevice &device, int *page_count = nullptr);

// Renders to a new PDF file at `path`; false when the file cannot be written.
bool render_report_to_pdf(const ReportDefinition &definition, const std::vector<ReportRow> &rows,
                          const QString &path, int *page_count = nullptr);

} // namespace dayvane
