#include "ui_common/windowsizes.h"

#include <QSettings>

namespace dayvane {

namespace {

QString &sizes_file()
{
    static QString path;
    return path;
}

QString key_of(const QString &window_name)
{
    return QStringLiteral("Window sizes/") + window_name;
}

} // namespace

void remember_window_sizes_in(const QString &ini_path)
{
    sizes_file() = ini_path;
}

std::optional<QSize> remembered_window_size(const QString &window_name)
{
    if (sizes_file().isEmpty())
        return std::nullopt;
    const QSize size = QSettings(sizes_file(), QSettings::IniFormat).value(key_of(window_name)).toSize();
    // A size edited by hand into nonsense is ignored, not obeyed.
    if (size.width() <= 0 || size.height() <= 0 || size.width() > 100000 || size.height() > 100000)
        return std::nullopt;
    return size;
}

void remember_window_size(const QString &window_name, const QSize &size)
{
    if (sizes_file().isEmpty())
        return;
    QSettings(sizes_file(), QSettings::IniFormat).setValue(key_of(window_name), size);
}

} // namespace dayvane
