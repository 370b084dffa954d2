#include "printing/printreports.h"

#include "printing/engine/reportengine.h"
#include "printing/reportdatabase.h"
#include "store/database.h"
#include "ui_common/appfolders.h"
#include "ui_common/busycursor.h"
#include "ui_common/errorreport.h"
#include "ui_common/interaction.h"

#include <QPrinter>

#include <optional>

namespace dayvane {

bool run_calendar_report(QWidget *parent, const std::vector<ReportRow> &rows, const QString &definition,
                         const QString &formula, bool preview)
{
    const QString data_file = report_database_path();
    const bool written = run_reported([&] {
        const BusyCursor busy;
        Database db = prepare_report_database(data_file);
        write_report_rows(db, rows);
    });
    if (!written)
        return false;

    ReportHandOver hand_over;
    hand_over.definition_file = find_shipped_file(definition);
    hand_over.data_file = data_file;
    hand_over.selection_formula = formula;
    if (preview) {
        hand_over.destination = ReportDestination::Preview;
        return run_report(parent, hand_over);
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!interaction().choose_printer(parent, printer, hand_over.print_dialog_title))
        return false;
    hand_over.destination = ReportDestination::Printer;
    hand_over.printer = &printer;
    return run_report(parent, hand_over);
}

} // namespace dayvane
