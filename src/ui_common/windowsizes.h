#pragma once

#include <QSize>
#include <QString>

#include <optional>

namespace dayvane {

// The sizes the user gave the resizable windows, remembered per workstation
// in the group [Window sizes] of `ini_path` (the program names its dayvane.ini
// at start). Until it is named nothing is remembered, so windows open at
// their designed sizes.
void remember_window_sizes_in(const QString &ini_path);

std::optional<QSize> remembered_window_size(const QString &window_name);
void remember_window_size(const QString &window_name, const QSize &size);

} // namespace dayvane
