#include "printing/engine/reportdefinition.h"
#include "printing/engine/selectionformula.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace dayvane;

namespace {

// Page breaks, group headers and the band attributes that steer the layout
// are read as the layout tests show.
const QString kGood = QStringLiteral(R"(# a small report
page paper=Letter orientation=landscape margins=10,12,14,16 width=150
font family="DejaVu Serif" size=8
dayclass 200 fill=#dddddd text=#112233 bold pattern=diagonal

header height=6
  text x=0 y=0 w=50 h=6 value="Page {page} of {pages}, {date}" align=right

band B height=12 keepnext   # the fallback for every B row
  day x=0 y=0 w=10 h=12 field=F0 size=11 valign=top
  line x1=0 y1=12 x2=150 y2=12 width=0.3 colour=#808080 bottom
band B c height=5 skipempty
  text x=2 y=1 w=100 h=4 value="Week {F7}, paid {F26}" italic grow
  box x=0 y=0 w=150 h=5 fill=#eeeeee width=0 stretch
)");

} // namespace

TEST(ReportDefinition, ReadsPageFontClassesBandsAndElementsAndFindsBands)
{
    const DefinitionResult read = parse_report_definition(kGood, QStringLiteral("Test.rpt"));
    ASSERT_TRUE(read.definition) << read.error.toStdString();
    const ReportDefinition &def = *read.definition;
    EXPECT_EQ(def.page.paper, PageSetup::Paper::Letter);
    EXPECT_TRUE(def.page.landscape);
    EXPECT_EQ(def.page.margins, QMarginsF(10, 12, 14, 16));
    EXPECT_EQ(def.page.width, 150);
    EXPECT_EQ(def.font.family, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(def.day_class(200).fill, QColor(0xdd, 0xdd, 0xdd));
    EXPECT_TRUE(def.day_class(200).bold);
    EXPECT_EQ(def.day_class(200).pattern, int(Qt::BDiagPattern));
    EXPECT_FALSE(def.day_class(300).fill.isValid()) << "classes not described are plain";
    ASSERT_TRUE(def.page_header);
    EXPECT_FALSE(def.page_footer);
    ASSERT_EQ(def.bands.size(), 2u);
    const ReportBand &weeks = def.bands[0];
    EXPECT_EQ(weeks.height, 12);
    ASSERT_EQ(weeks.elements.size(), 2u);
    const ReportElement &day = weeks.elements[0];
    EXPECT_EQ(day.kind, ReportElement::Kind::Day);
    EXPECT_EQ(day.font.family, QStringLiteral("DejaVu Serif")) << "the default font";
    EXPECT_EQ(day.font.size, 11);
    EXPECT_EQ(day.align, int(Qt::AlignRight | Qt::AlignTop));
    EXPECT_TRUE(weeks.elements[1].bottom && weeks.elements[1].x2 == 150);
    const ReportElement &text = def.bands[1].elements[0];
    EXPECT_TRUE(text.font.italic);
    ASSERT_EQ(text.value.parts().size(), 4u);
    EXPECT_EQ(text.value.parts()[0].literal, QStringLiteral("Week "));
    EXPECT_EQ(std::tuple(text.value.parts()[1].field, text.value.parts()[3].field), std::tuple(7, 26));
    EXPECT_TRUE(def.bands[1].elements[1].stretch);
    EXPECT_EQ(def.bands[1].elements[1].fill, QColor(0xee, 0xee, 0xee));
    const auto &header = def.page_header->elements[0].value.parts();
    EXPECT_EQ(std::tuple(header[1].field, header[3].field, header[5].field),
              std::tuple(int(TextTemplate::PageNumber), int(TextTemplate::PageCount), int(TextTemplate::PrintDate)));
    // Bands are found by group and subgroup, else by the group alone.
    EXPECT_EQ(def.band_for(QStringLiteral("B"), QStringLiteral("c")), &def.bands[1]);
    EXPECT_EQ(def.band_for(QStringLiteral("B"), QStringLiteral("a")), &def.bands[0]);
    EXPECT_EQ(def.band_for(QStringLiteral("B"), QString()), &def.bands[0]);
    EXPECT_EQ(def.band_for(QStringLiteral("C"), QStringLiteral("c")), nullptr);
}

TEST(ReportDefinition, ErrorsNameTheFileTheLineAndTheFault)
{
    const QString band = QStringLiteral("band A height=5\n");
    const std::pair<QString, const char *> cases[] = {
        {band + "\n  txet x=0 y=0 w=1 h=1 value=a", "line 3: unknown keyword \"txet\""},
        {band + "text x=0 y=1O w=1 h=1 value=a", "line 2: \"1O\" is not a number for y"},
        {band + "text x=0 y=0 w=1 value=a", "line 2: \"h\" is missing"},
        {band + "text x=0 y=0 w=1 h=1 value=a colour=blurple", "line 2: \"blurple\" is not a colour for colour"},
        {band + "text x=0 y=0 w=1 h=1 value=a wrap", "line 2: unknown attribute \"wrap\" for text"},
        {band + "text x=0 y=0 w=1 h=1 field=F27", "line 2: unknown field \"{F27}\""},
        {band + "text x=0 y=0 w=1 h=1 value=\"open", "line 2: unclosed quotation mark"},
        {band + "text x=0 y=0 w=1 h=1", "line 2: text needs a value or a field"},
        {"text x=0 y=0 w=1 h=1 value=a\n", "line 1: text outside a band"},
        {band + "band A height=4", "line 2: band A is defined twice"},
        {"band height=4", "line 1: band needs a group letter"},
        {"band A height=-4", "line 1: \"-4\" is not a number for height"},
        {"page paper=A3\n" + band, "line 1: paper must be auto, A4 or Letter"},
        {"page margins=1,2,x,4\n" + band, "line 1: margins must be one number or four"},
        {"dayclass 150 fill=#fff\n" + band, "line 1: dayclass needs a class code"},
        {"break always\n" + band, "line 1: break must read"},
        {band + "day x=0 y=0 w=1 h=1 field=F1 align=justify", "line 2: align must be"},
        {"# only a comment\n", "Test.rpt: the definition has no band"},
    };
    for (const auto &[text, error] : cases) {
        const DefinitionResult read = parse_report_definition(text, QStringLiteral("Test.rpt"));
        EXPECT_FALSE(read.definition) << text.toStdString();
        EXPECT_TRUE(read.error.startsWith(QStringLiteral("Test.rpt"))) << read.error.toStdString();
        EXPECT_TRUE(read.error.contains(QLatin1String(error))) << read.error.toStdString() << "\n  wanted: " << error;
    }
}

TEST(SelectionFormula, ReadsThePageFormsAndTheEmptyTextAndRefusesAnythingElse)
{
    const std::pair<QString, std::optional<int>> pages[] = {
        {"{T000.Page} = 1", 1}, {"{T000.Page}=2", 2},      {"  { T000 . Page }   =   12  ", 12},
        {"{T000.Page} = -3", -3}, {QString(), std::nullopt}, {"   ", std::nullopt}};
    for (const auto &[text, page] : pages) {
        const SelectionResult read = parse_selection_formula(text);
        ASSERT_TRUE(read.formula) << text.toStdString() << ": " << read.error.toStdString();
        EXPECT_EQ(read.formula->page, page) << text.toStdString();
        EXPECT_TRUE(read.error.isEmpty());
    }
    for (const char *text : {"{T000.Page} =", "{T000.Page} = x", "Page = 1", "{T000.Page} > 1", "{T000.Group} = 1",
                             "{T000.Page} = 1 and", "{T000.Page} = 1.5", "{T000.Page = 1", "{T000.Page} = 99999999999"}) {
        const SelectionResult read = parse_selection_formula(QLatin1String(text));
        EXPECT_FALSE(read.formula) << text;
        EXPECT_EQ(read.error, QStringLiteral("Unreadable selection formula: ") + QLatin1String(text));
    }
}
