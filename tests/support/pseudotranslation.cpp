#include "pseudotranslation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace dayvane {

bool load_pseudo_translation()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(DAYVANE_PSEUDO_QM)) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

bool is_pseudo_marked(const QString &text)
{
    const qsizetype open = text.indexOf(u'\u27e6');
    return open >= 0 && text.indexOf(u'\u27e7', open) > open;
}

} // namespace dayvane
