#pragma once

#include <QString>
#include <QTranslator>

namespace dayvane {

// Installs, for its lifetime, the pseudo translation made at build from the
// program's texts: each text marked "⟦…⟧" and 40 % longer.
class PseudoTranslation
{
public:
    PseudoTranslation();
    ~PseudoTranslation();
    PseudoTranslation(const PseudoTranslation &) = delete;
    PseudoTranslation &operator=(const PseudoTranslation &) = delete;

    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

// True when `text` holds a text that went through the pseudo translation.
bool is_pseudo_marked(const QString &text);

} // namespace dayvane
