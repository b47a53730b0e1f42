#include "platform/ErrorTrap.h"

namespace quoxa {

RunError::RunError(int number, QString description)
    : mNumber(number), mDescription(std::move(description)),
      mWhat(QStringLiteral("Error %1: %2").arg(number).arg(mDescription).toLocal8Bit())
{
}

RunError RunError::Overflow() { return {6, QStringLiteral("Overflow")}; }
RunError RunError::SubscriptOutOfRange() { return {9, QStringLiteral("Subscript out of range")}; }
RunError RunError::TypeMismatch() { return {13, QStringLiteral("Type mismatch")}; }
RunError RunError::FileAccess(const QString &detail)
{
    return {75, QStringLiteral("Path/File access error: ") + detail};
}
RunError RunError::ResourceNotFound(const QString &name)
{
    return {326, QStringLiteral("Resource with identifier '%1' not found").arg(name)};
}

} // namespace quoxa
