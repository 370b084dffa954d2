#include "app/settingsfile.h"

#include "model/textforms.h"
#include "ui_common/appfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace dayvane {

namespace {

const QString kDbPathKey = QStringLiteral("[DB path]");
const QString kNewsVersionKey = QStringLiteral("[NewsVersion]");
const QString kTopKey = QStringLiteral("[Top]");
const QString kLeftKey = QStringLiteral("[Left]");
const QString kHeightKey = QStringLiteral("[Height]");
const QString kViewIndexKey = QStringLiteral("[View index]");
const QString kCalendarDateKey = QStringLiteral("[Calendar date]");

// A strict number: the whole value, blanks around it allowed.
std::optional<double> strict_number(const QString &value)
{
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::abs(number) > std::numeric_limits<float>::max())
        return std::nullopt;
    return double(float(number));
}

QString number_text(double number)
{
    return QString::number(number, 'g', 15);
}

void apply(Settings &settings, const QString &key, const QString &value)
{
    if (key == kNewsVersionKey) {
        settings.news_version = number_text(leading_number(value));
    } else if (key == kTopKey) {
        if (const auto number = strict_number(value))
            settings.top = *number;
    } else if (key == kLeftKey) {
        if (const auto number = strict_number(value))
            settings.left = *number;
    } else if (key == kHeightKey) {
        if (const auto number = strict_number(value))
            settings.height = *number;
    } else if (key == kViewIndexKey) {
        const double number = std::nearbyint(leading_number(value));
        const bool fits = number >= std::numeric_limits<qint32>::min() && number <= std::numeric_limits<qint32>::max();
        settings.view_index = fits ? qint32(number) : 0;
    } else if (key == kCalendarDateKey) {
        const std::optional<QDate> date = parse_settings_date(value);
        if (date && *date != QDate(1899, 12, 30))
            settings.calendar_date = *date;
    }
}

} // namespace

double leading_number(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        ++i;
    while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128)
        ++i;
    if (i < text.size() && text.at(i) == u'.') {
        ++i;
        while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128)
            ++i;
    }
    bool ok = false;
    const double number = text.mid(start, i - start).toDouble(&ok);
    return ok && std::isfinite(number) ? number : 0.0;
}

Settings parse_settings(const QString &text)
{
    Settings settings;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        settings.anything_read = true;
        if (line.startsWith(kDbPathKey + u'=')) {
            settings.db_path = line.mid(kDbPathKey.size() + 1);
            continue;
        }
        for (const QString &field : line.split(u',')) {
            const QStringList parts = field.split(u'=');
            if (parts.size() >= 2)
                apply(settings, parts.at(0).trimmed(), parts.at(1));
        }
    }
    return settings;
}

QString format_settings(const SettingsToWrite &settings)
{
    QStringList lines;
    if (!settings.db_path.trimmed().isEmpty())
        lines << kDbPathKey + u'=' + settings.db_path;
    lines << kNewsVersionKey + u'=' + settings.news_version;
    lines << kTopKey + u'=' + QString::number(settings.top);
    lines << kLeftKey + u'=' + QString::number(settings.left);
    lines << kHeightKey + u'=' + QString::number(settings.height);
    if (settings.calendar_id > 0) {
        lines << kViewIndexKey + u'=' + QString::number(settings.calendar_id);
        lines << kCalendarDateKey + u'=' + format_settings_date(settings.calendar_date);
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString settings_file_path()
{
    return QDir(settings_folder()).filePath(QStringLiteral("QZ.ini"));
}

Settings read_settings_file(const QString &path)
{
    // A real settings file is a few hundred bytes. Reading a pipe or a device
    // would block the start-up or never end, and a huge file only costs
    // memory: read regular files, and only their beginning.
    constexpr qint64 kMaxSettingsBytes = 1 << 20;
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse_settings(QString::fromUtf8(file.read(kMaxSettingsBytes)));
}

bool write_settings_file(const QString &path, const SettingsToWrite &settings)
{
    // Written aside and renamed, so a failure never leaves half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(format_settings(settings).toUtf8());
    return file.commit();
}

} // namespace dayvane
