#include "store/dberror.h"

namespace dayvane {

DbError::DbError(int number, QString description, QString source)
    : m_number(number)
    , m_description(std::move(description))
    , m_source(std::move(source))
    , m_what(QStringLiteral("%1 (%2, %3)").arg(m_description).arg(m_number).arg(m_source).toStdString())
{
}

} // namespace dayvane
