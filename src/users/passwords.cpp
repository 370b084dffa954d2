#include "users/passwords.h"

#include "store/recordset.h"
#include "store/scramble.h"

#include <QCoreApplication>

namespace dayvane {

std::optional<QByteArray> scramble_password(const QString &typed)
{
    for (const QChar c : typed) {
        if (c.unicode() > 255)
            return std::nullopt;
    }
    return scramble_text(typed.toLatin1());
}

QString unscramble_password(const QVariant &stored)
{
    if (stored.isNull())
        return QString();
    // Text written by another program counts by its characters' codes too.
    const QByteArray bytes =
        stored.typeId() == QMetaType::QByteArray ? stored.toByteArray() : stored.toString().toLatin1();
    return QString::fromLatin1(scramble_text(bytes).value_or(QByteArray()));
}

bool has_stored_password(const RecordSet &user)
{
    if (user.field_names().contains(QStringLiteral("password_set")))
        return user.field(QStringLiteral("password_set")).toBool();
    return !unscramble_password(user.field(QStringLiteral("password"))).isEmpty();
}

QString password_not_storable_message()
{
    return QCoreApplication::translate("dayvane", "The password cannot be stored: use at most %1 characters of the Latin alphabet, digits "
                          "and common signs.")
        .arg(kMaxScrambleLength);
}

} // namespace dayvane
