#include "app/language.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace dayvane;

TEST(Language, TheEnvironmentThenTheChoiceThenTheSystemDecide)
{
    const struct { const char *environment, *chosen; QStringList system; const char *expected; } cases[] = {
        {"", "", {"de-CH", "en-US"}, "de"},
        {"", "", {"pt-BR", "fr_FR"}, "fr"},  // the first the program speaks
        {"", "", {"pt-BR"}, "en"},
        {"", "", {}, "en"},
        {"", "es", {"de-DE"}, "es"},
        {"fr", "es", {"de-DE"}, "fr"},
        {"ES", "", {}, "es"},
        {"xx", "de", {"de-DE"}, "en"},  // an unknown language is English
        {"", "pt", {"de-DE"}, "en"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(resolve_language(QString::fromLatin1(c.environment), QString::fromLatin1(c.chosen), c.system),
                  QLatin1String(c.expected))
            << c.environment << '|' << c.chosen;
    }
    EXPECT_EQ(available_languages(), QStringList({"en", "de", "fr", "es"}));
    const QString names[] = {"English", "Deutsch", "Fran\u00e7ais", "Espa\u00f1ol"};
    for (qsizetype i = 0; i < available_languages().size(); ++i)
        EXPECT_EQ(language_name(available_languages()[i]), names[i]);

    // The translation travels inside the program.
    qputenv("DAYVANE_LANGUAGE", "de");
    EXPECT_EQ(install_translations(*QCoreApplication::instance(), QStringLiteral("en")), QStringLiteral("de"));
    qunsetenv("DAYVANE_LANGUAGE");
    EXPECT_EQ(QCoreApplication::translate("dayvane", "Close window"), QStringLiteral("Fenster schlie\u00dfen"));
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
    EXPECT_EQ(QCoreApplication::translate("dayvane", "Close window"), QStringLiteral("Close window"));
}
