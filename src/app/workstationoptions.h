#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace dayvane {

// The workstation's own options, in "dayvane.ini" beside QZ.ini (whose keys
// stay as they are), an INI file an administrator may edit:
//
//     [Week]
//     FirstDay=Monday    ; Sunday .. Saturday, or "locale" (the default)
//     [Language]
//     Code=de            ; en, de, fr, es, or empty: the system's (the default)
//     [Dates]
//     LocaleForms=true   ; dates and times on screen in the locale's forms
//                        ; (the default, false, keeps the program's own)
//
// A missing file, key or unknown value takes the default. The workstation
// settings window writes them, beside the window sizes.
struct WorkstationOptions
{
    std::optional<Qt::DayOfWeek> first_day;  // none: the locale's
    QString language;                        // empty: the system's
    bool locale_forms = false;               // dates and times on screen as the locale writes them
};

QString workstation_options_path();
WorkstationOptions read_workstation_options(const QString &path);
bool write_workstation_options(const QString &path, const WorkstationOptions &options);

// The first day of the grids' weeks: the option, else the locale's. The C
// locale (no language chosen) keeps Sunday, as the program always had.
Qt::DayOfWeek chosen_week_start(const WorkstationOptions &options, const QLocale &locale);

} // namespace dayvane
