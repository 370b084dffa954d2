#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace dayvane {

// The workstation's settings file "QZ.ini": one "[Key]=value" line per
// setting, CR LF line ends. Each member holds the last value read for its
// key; keys that were absent or could not be read stay empty.
struct Settings
{
    bool anything_read = false;  // false for a missing or empty file
    std::optional<QString> db_path;
    std::optional<QString> news_version;  // normalised to a number's text
    std::optional<double> top;            // twips
    std::optional<double> left;
    std::optional<double> height;
    std::optional<qint32> view_index;  // the open calendar's id
    std::optional<QDate> calendar_date;
};

// Reads the file's text. Lines are read as comma-separated fields, each
// "key=value" with the value ending at the next "=" (so values hold neither
// commas nor "="), except the database path, which keeps the rest of its
// line: a folder name may contain both. Unknown keys are ignored; a
// non-numeric window position or size is skipped; a non-numeric view index
// reads as 0; an invalid or zero calendar date is skipped.
Settings parse_settings(const QString &text);

// What a close writes.
struct SettingsToWrite
{
    QString db_path;
    QString news_version;
    int top = 0;  // twips
    int left = 0;
    int height = 0;
    qint32 calendar_id = 0;
    QDate calendar_date;
};

// The file's text: the database path (when not blank), the news version, the
// window's top, left and height, and, with a calendar open, its id and date.
QString format_settings(const SettingsToWrite &settings);

// The number at the start of `text`, leniently: blanks skipped, an optional
// sign, digits, an optional fraction; 0 when there is none.
double leading_number(const QString &text);

// "QZ.ini" in settings_folder().
QString settings_file_path();

// Reads the file at `path`; a missing or unreadable file reads as empty.
Settings read_settings_file(const QString &path);
// Writes the file; false on any failure (the caller ignores it).
bool write_settings_file(const QString &path, const SettingsToWrite &settings);

} // namespace dayvane
