#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace dayvane {

// The languages the program speaks, as codes: "en" first, then those it
// carries a translation for.
QStringList available_languages();
// The name of language `code` in that language ("Deutsch"); `code` itself
// when unknown.
QString language_name(const QString &code);

// The language to use: `environment` (DAYVANE_LANGUAGE) when set, else
// `chosen` when set, else the first of `system_languages` (as
// QLocale::uiLanguages gives them, "de-CH", "fr_FR") the program speaks.
// A code the program does not speak ends in "en".
QString resolve_language(const QString &environment, const QString &chosen, const QStringList &system_languages);

// Installs on `app` the program's translation for the resolved language and
// Qt's own (standard buttons) when the system has it; `chosen` is "" to follow
// the system. Also sets the language of the help pages. Returns the code in use.
QString install_translations(QCoreApplication &app, const QString &chosen);

} // namespace dayvane
