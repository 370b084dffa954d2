#pragma once

#include <QString>

namespace dayvane {

// Installs on the application the pseudo translation made at build from the
// program's texts: each text marked "⟦…⟧" and 40 % longer. False when it
// could not be loaded. It stays until the application ends.
bool load_pseudo_translation();
// True when `text` holds a text that went through the pseudo translation.
bool is_pseudo_marked(const QString &text);

} // namespace dayvane
