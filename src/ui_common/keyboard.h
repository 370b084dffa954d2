#pragma once

class QWidget;

namespace dayvane {

// Which way Tab is moving the focus right now: 1 forwards, 2 backwards
// (with Shift), 0 when Tab is not down. Meant for focus-out handlers.
short get_tab_direction();

// F1 opens the on-line help and, unless the window handles Escape itself,
// Escape closes `window`. Every window installs this in its constructor.
void install_window_keys(QWidget *window, bool escape_closes = true);

} // namespace dayvane
