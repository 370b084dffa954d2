#include "printing/engine/selectionformula.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace dayvane;

TEST(SelectionFormula, ReadsThePageFormsAndTheEmptyText)
{
    const std::vector<std::pair<QString, std::optional<int>>> cases{
        {QStringLiteral("{T000.Page} = 1"), 1},
        {QStringLiteral("{T000.Page}=2"), 2},
        {QStringLiteral("  { T000 . Page }   =   12  "), 12},
        {QStringLiteral("{T000.Page} = -3"), -3},
        {QString(), std::nullopt},
        {QStringLiteral("   "), std::nullopt},
    };
    for (const auto &[text, page] : cases) {
        const SelectionResult read = parse_selection_formula(text);
        ASSERT_TRUE(read.formula) << text.toStdString() << ": " << read.error.toStdString();
        EXPECT_EQ(read.formula->page, page) << text.toStdString();
        EXPECT_TRUE(read.error.isEmpty());
    }
}

TEST(SelectionFormula, AnythingElseIsAnErrorNamingTheText)
{
    const QStringList garbage{QStringLiteral("{T000.Page} ="), QStringLiteral("{T000.Page} = x"),
                              QStringLiteral("Page = 1"), QStringLiteral("{T000.Page} > 1"),
                              QStringLiteral("{T000.Group} = 1"), QStringLiteral("{T000.Page} = 1 and"),
                              QStringLiteral("{T000.Page} = 1.5"), QStringLiteral("{T000.Page = 1"),
                              QStringLiteral("{T000.Page} = 99999999999")};
    for (const QString &text : garbage) {
        const SelectionResult read = parse_selection_formula(text);
        EXPECT_FALSE(read.formula) << text.toStdString();
        EXPECT_EQ(read.error, QStringLiteral("Unreadable selection formula: ") + text);
    }
}
