#include "platform/ErrorTrap.h"

#include <QCoreApplication>

namespace quoxa {

RunError::RunError(int number, QString description)
    : mNumber(number), mDescription(std::move(description)),
      mWhat(QStringLiteral("Error %1: %2").arg(number).arg(mDescription).toLocal8Bit())
{
}

RunError RunError::Overflow() { return {6, QCoreApplication::translate("ErrorTrap", "Overflow")}; }
RunError RunError::SubscriptOutOfRange() { return {9, QCoreApplication::translate("ErrorTrap", "Subscript out of range")}; }
RunError RunError::TypeMismatch() { return {13, QCoreApplication::translate("ErrorTrap", "Type mismatch")}; }
RunError RunError::FileAccess(const QString &detail)
{
    return {75, QCoreApplication::translate("ErrorTrap", "Path/File access error: ") + detail};
}
RunError RunError::ResourceNotFound(const QString &name)
{
    return {326, QCoreApplication::translate("ErrorTrap", "Resource with identifier '%1' not found").arg(name)};
}

} // namespace quoxa
