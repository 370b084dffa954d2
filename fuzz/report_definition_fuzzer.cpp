// A report definition is a text file beside the program that anyone may
// edit: any text must give a definition or an error naming the line, and a
// selection formula is read or refused, never more.

#include "fuzzcheck.h"

#include "printing/engine/reportdefinition.h"
#include "printing/engine/selectionformula.h"

#include <QString>

#include <cstddef>
#include <cstdint>

using namespace dayvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    const DefinitionResult read = parse_report_definition(text, QStringLiteral("Fuzz.rpt"));
    FUZZ_CHECK(read.definition.has_value() == read.error.isEmpty());
    if (!read.definition)
        FUZZ_CHECK(read.error.startsWith(QLatin1String("Fuzz.rpt")));
    else {
        for (const ReportBand &band : read.definition->bands)
            FUZZ_CHECK(band.height >= 0);
    }

    const SelectionResult selection = parse_selection_formula(text);
    FUZZ_CHECK(selection.formula.has_value() == selection.error.isEmpty());
    // Blanks may stand around the dot, so look for the two names apart.
    if (selection.formula && selection.formula->page) {
        FUZZ_CHECK(text.contains(QLatin1String("T000")));
        FUZZ_CHECK(text.contains(QLatin1String("Page")));
    }
    return 0;
}
