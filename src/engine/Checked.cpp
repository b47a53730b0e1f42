#include "engine/Checked.h"
#include "platform/ErrorTrap.h"

#include <QRegularExpression>
#include <limits>

namespace quoxa {

Int16::Int16(long long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw RunError::Overflow();
    mValue = static_cast<std::int16_t>(value);
}

Int16 Int16::Parse(const QString &text)
{
    // Only blanks, a sign and digits: anything else, a NUL included, is not a whole number.
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    const QString trimmed = text.trimmed();
    if (!digits.match(trimmed).hasMatch())
        throw RunError::TypeMismatch();
    bool ok = false;
    const qlonglong value = trimmed.toLongLong(&ok);
    if (!ok) // a run of digits too long for any integer is still a number, only too big
        throw RunError::Overflow();
    return Int16(value);
}

} // namespace quoxa
