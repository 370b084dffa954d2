#pragma once

#include "printing/engine/reportdata.h"

#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class QPrinter;
class QWidget;

namespace dayvane {

struct ReportDefinition;

enum class ReportDestination { Preview, Printer, PdfFile };

// What the program hands to the report engine to run one report.
struct ReportHandOver
{
    QString definition_file;    // full path of the .rpt
    QString data_file;          // full path of the report database holding T000
    QString selection_formula;  // "" = every row; else "{T000.Page} = n"
    ReportDestination destination = ReportDestination::Preview;
    QRect preview_geometry{100, 60, 650, 650};
    QString preview_title = QStringLiteral("Calendar preview");
    QString print_dialog_title = QStringLiteral("Print Dayvane");  // also for the preview's Print button
    QPrinter *printer = nullptr;  // Printer: set up by the print dialog; not owned
    QString pdf_file;             // PdfFile
};

// Reads the definition and T000, selects the rows and renders them to the
// destination. On any failure (missing or malformed definition, unreadable
// selection formula, missing or unreadable data file, output that cannot be
// written) shows one message through the interaction seam and returns false.
// A preview returns true once it was shown, whatever the user did in it.
bool run_report(QWidget *parent, const ReportHandOver &hand_over);

// The rows of T000 in the report database at `path` (opened without a key),
// or why they cannot be read.
struct ReportDataResult
{
    std::optional<std::vector<ReportRow>> rows;
    QString error;
};
ReportDataResult read_report_data(const QString &path);

// Shows the rows in the preview window "report_preview" (modal, through the
// seam) with the hand-over's geometry and title. Its tool bar offers "Save as
// PDF…" ("save_as_pdf"), and its Print button prints as the Printer
// destination does, after the print dialog titled `print_dialog_title`; a
// print closes the preview. Returns the dialog's result code.
int show_report_preview(QWidget *parent, const ReportDefinition &definition, const std::vector<ReportRow> &rows,
                        const ReportHandOver &hand_over);

// Asks for a PDF file name (suggesting "Calendar.pdf" in the documents
// folder) and writes the report there; tells the user when that fails.
// False when cancelled or failed.
bool save_report_as_pdf(QWidget *parent, const ReportDefinition &definition, const std::vector<ReportRow> &rows);

} // namespace dayvane
