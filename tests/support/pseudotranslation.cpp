#include "pseudotranslation.h"

#include <QCoreApplication>

namespace dayvane {

PseudoTranslation::PseudoTranslation()
    : m_loaded(m_translator.load(QStringLiteral(DAYVANE_PSEUDO_QM)) && QCoreApplication::installTranslator(&m_translator))
{
}

PseudoTranslation::~PseudoTranslation()
{
    if (m_loaded)
        QCoreApplication::removeTranslator(&m_translator);
}

bool is_pseudo_marked(const QString &text)
{
    const qsizetype open = text.indexOf(u'\u27e6');
    return open >= 0 && text.indexOf(u'\u27e7', open) > open;
}

} // namespace dayvane
