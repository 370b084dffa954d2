// Filling the report database and rendering the one-month and the
// twelve-month report of a busy calendar year to PDF.

#include "printing/engine/reportdefinition.h"
#include "printing/engine/reportengine.h"
#include "printing/engine/reportrenderer.h"
#include "printing/engine/selectionformula.h"
#include "printing/reportdatabase.h"
#include "printing/reportrows.h"
#include "store/database.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "busyyear.h"
#include "timingreporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace dayvane;
using namespace dayvane::bench;


ReportDefinition definition(const char *name)
{
    DefinitionResult read = read_report_definition(QStringLiteral(DAYVANE_REPORTS_DIR "/") + QLatin1String(name));
    if (!read.definition) {
        std::fprintf(stderr, "%s\n", qPrintable(read.error));
        std::exit(1);
    }
    return *read.definition;
}

// One report as the program runs it: rows into T000, read back, selected,
// laid out and painted into a PDF file.
void run(benchmark::State &state, const std::vector<ReportRow> &rows, const char *name, const QString &formula,
         int expected_pages)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(kReportDatabaseName);
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const ReportDefinition layout = definition(name);
    int pages = 0;
    for (auto _ : state) {
        {
            Database db = prepare_report_database(data);
            write_report_rows(db, rows);
        }
        const ReportDataResult stored = read_report_data(data);
        const SelectionResult selection = parse_selection_formula(formula);
        if (!stored.rows || !selection.formula) {
            state.SkipWithError("the rows could not be read back");
            return;
        }
        if (!render_report_to_pdf(layout, select_rows(*stored.rows, *selection.formula), pdf, &pages)) {
            state.SkipWithError("the PDF could not be written");
            return;
        }
    }
    if (pages != expected_pages)
        state.SkipWithError("unexpected page count");
    state.counters["rows"] = double(rows.size());
    state.counters["pages"] = pages;
}

MonthReportSource month_source()
{
    MonthReportSource source;
    source.calendar_name = year().calendar_name();
    source.year = &year();
    source.grid_date = QDate(2026, 3, 10);
    source.current_date = source.grid_date;
    source.event_filter = 0;
    source.label = [](const QString &) { return QStringLiteral("21 days"); };
    for (auto &text : source.work_week)
        text = QStringLiteral("39h 30m");
    source.pay_week = source.work_week;
    return source;
}

void BM_MonthReportToPdf(benchmark::State &state)
{
    run(state, month_report_rows(month_source()), "Calendar.rpt", QString(), 1);
}
BENCHMARK(BM_MonthReportToPdf)->Unit(benchmark::kMillisecond);

std::vector<qsizetype> commented_days()
{
    std::vector<qsizetype> indexes;
    for (std::size_t i = 0; i < year().day_entries().size(); ++i) {
        if (year().date_at(qsizetype(i)).year() == 2026 && is_listed(year(), year().day_entries()[i], 0))
            indexes.push_back(qsizetype(i));
    }
    return indexes;
}

void BM_YearReportToPdf(benchmark::State &state)
{
    run(state, year_report_rows(year(), year().calendar_name(), 0, commented_days()), "Calendar_12.rpt", QString(),
        int(state.range(0)));
}
BENCHMARK(BM_YearReportToPdf)->Arg(2)->Unit(benchmark::kMillisecond);

void print_figures(const TimingReporter &times)
{
    const double month = times.wall("BM_MonthReportToPdf");
    const double twelve = times.wall("BM_YearReportToPdf/2");
    if (month <= 0 || twelve <= 0)
        return;
    std::printf("One-month report filled and rendered to PDF in %.1f ms (goal < 200 ms); twelve-month report, both "
                "parts, in %.1f ms (goal < 1000 ms)\n",
                month, twelve);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    run_benchmarks(&argc, argv, print_figures);
    return 0;
}
