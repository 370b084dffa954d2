#include "app/language.h"

#include "ui_common/webpages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace dayvane {

namespace {

struct Language
{
    const char *code;
    const char *name;
};

constexpr Language kLanguages[] = {
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\u00e7ais"},
    {"es", "Espa\u00f1ol"},
};

// "de-CH" and "de_DE" speak "de".
QString base_code(const QString &code)
{
    return code.trimmed().toLower().section(u'-', 0, 0).section(u'_', 0, 0);
}

bool speaks(const QString &code)
{
    return available_languages().contains(code);
}

} // namespace

QStringList available_languages()
{
    QStringList codes;
    for (const Language &language : kLanguages)
        codes << QString::fromLatin1(language.code);
    return codes;
}

QString language_name(const QString &code)
{
    for (const Language &language : kLanguages) {
        if (code == QLatin1String(language.code))
            return QString::fromUtf8(language.name);
    }
    return code;
}

QString resolve_language(const QString &environment, const QString &chosen, const QStringList &system_languages)
{
    if (!environment.trimmed().isEmpty())
        return speaks(base_code(environment)) ? base_code(environment) : QStringLiteral("en");
    if (!chosen.trimmed().isEmpty())
        return speaks(base_code(chosen)) ? base_code(chosen) : QStringLiteral("en");
    for (const QString &system : system_languages) {
        if (speaks(base_code(system)))
            return base_code(system);
    }
    return QStringLiteral("en");
}

QString install_translations(QCoreApplication &app, const QString &chosen)
{
    const QString code =
        resolve_language(qEnvironmentVariable("DAYVANE_LANGUAGE"), chosen, QLocale::system().uiLanguages());
    set_help_language(code);
    if (code == QLatin1String("en"))
        return code;  // the source texts are English
    auto *program = new QTranslator(&app);
    if (program->load(QStringLiteral(":/i18n/dayvane_%1.qm").arg(code)))
        QCoreApplication::installTranslator(program);
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    return code;
}

} // namespace dayvane
