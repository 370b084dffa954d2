#include "printing/engine/reportengine.h"

#include "printing/engine/reportdefinition.h"
#include "printing/engine/reportrenderer.h"
#include "printing/engine/selectionformula.h"
#include "store/database.h"
#include "store/dberror.h"
#include "ui_common/busycursor.h"
#include "ui_common/geometry.h"
#include "ui_common/interaction.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>

namespace dayvane {

namespace {

bool write_pdf(QWidget *parent, const ReportDefinition &definition, const std::vector<ReportRow> &rows,
               const QString &path)
{
    BusyCursor busy;
    if (render_report_to_pdf(definition, rows, path))
        return true;
    inform(parent, QCoreApplication::translate("dayvane", "The PDF file \"%1\" cannot be written.").arg(QDir::toNativeSeparators(path)));
    return false;
}

bool print(QWidget *parent, const ReportDefinition &definition, const std::vector<ReportRow> &rows,
           QPrinter *printer)
{
    if (!printer) {
        inform(parent, QCoreApplication::translate("dayvane", "No printer was chosen for the report."));
        return false;
    }
    BusyCursor busy;
    if (render_report(definition, rows, *printer))
        return true;
    const QString name = printer->outputFormat() == QPrinter::PdfFormat ? printer->outputFileName() : printer->printerName();
    inform(parent, QCoreApplication::translate("dayvane", "The report could not be printed on \"%1\".").arg(name));
    return false;
}

} // namespace

ReportDataResult read_report_data(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile())
        return {std::nullopt, QCoreApplication::translate("dayvane", "The report data file \"%1\" cannot be found.").arg(shown)};
    try {
        Database db = Database::open(path, QByteArray());
        return {read_report_rows(db), QString()};
    } catch (const DbError &error) {
        return {std::nullopt, QCoreApplication::translate("dayvane", "The report data cannot be read from \"%1\":\r\n%2 (%3)")
                                  .arg(shown, error.description())
                                  .arg(error.number())};
    }
}

bool save_report_as_pdf(QWidget *parent, const ReportDefinition &definition, const std::vector<ReportRow> &rows)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::optional<QString> path =
        interaction().choose_save_file(parent, QCoreApplication::translate("dayvane", "Save as PDF"), QCoreApplication::translate("dayvane", "PDF files (*.pdf)"),
                                       QDir(folder).filePath(QStringLiteral("Calendar.pdf")));
    if (!path)
        return false;
    return write_pdf(parent, definition, rows, *path);
}

int show_report_preview(QWidget *parent, const ReportDefinition &definition, const std::vector<ReportRow> &rows,
                        const ReportHandOver &hand_over)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("report_preview"));
    dialog.setWindowTitle(hand_over.preview_title);
    dialog.setGeometry(hand_over.preview_geometry);
    keep_in_work_area_when_shown(&dialog);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *target) { render_report(definition, rows, *target); });
    if (auto *preview = dialog.findChild<QPrintPreviewWidget *>())
        preview->setZoomMode(QPrintPreviewWidget::FitToWidth);
    if (auto *tools = dialog.findChild<QToolBar *>()) {
        // First on the bar: at the preview's width the end of the bar folds
        // away behind its overflow button.
        QAction *first = tools->actions().value(0);
        auto *save = new QAction(QCoreApplication::translate("dayvane", "Save as PDF…"), tools);
        save->setObjectName(QStringLiteral("save_as_pdf"));
        save->setShortcut(QKeySequence::Save);
        tools->insertAction(first, save);
        tools->insertSeparator(first);
        QObject::connect(save, &QAction::triggered, &dialog,
                         [&] { save_report_as_pdf(&dialog, definition, rows); });
    }
    // The preview's own Print button would open Qt's print dialog past the
    // seam and drop a failure unreported: it prints as direct printing does.
    const QString print_text = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : dialog.findChildren<QAction *>()) {
        if (action->text() != print_text)
            continue;
        QObject::disconnect(action, &QAction::triggered, &dialog, nullptr);
        QObject::connect(action, &QAction::triggered, &dialog, [&] {
            if (interaction().choose_printer(&dialog, printer, hand_over.print_dialog_title)
                && print(&dialog, definition, rows, &printer))
                dialog.accept();
        });
    }
    return interaction().show_modal(dialog);
}

bool run_report(QWidget *parent, const ReportHandOver &hand_over)
{
    std::optional<ReportDefinition> definition;
    std::vector<ReportRow> rows;
    {
        BusyCursor busy;
        DefinitionResult read = read_report_definition(hand_over.definition_file);
        if (!read.definition) {
            inform(parent, read.error);
            return false;
        }
        definition = std::move(read.definition);
        const SelectionResult selection = parse_selection_formula(hand_over.selection_formula);
        if (!selection.formula) {
            inform(parent, selection.error);
            return false;
        }
        ReportDataResult data = read_report_data(hand_over.data_file);
        if (!data.rows) {
            inform(parent, data.error);
            return false;
        }
        rows = select_rows(*data.rows, *selection.formula);
    }
    switch (hand_over.destination) {
    case ReportDestination::Preview:
        show_report_preview(parent, *definition, rows, hand_over);
        return true;
    case ReportDestination::Printer:
        return print(parent, *definition, rows, hand_over.printer);
    case ReportDestination::PdfFile:
        return write_pdf(parent, *definition, rows, hand_over.pdf_file);
    }
    return false;
}

} // namespace dayvane
