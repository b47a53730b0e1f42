#include "settings/ColorValue.h"

namespace quoxa {

QColor ColorFromStored(qint32 value)
{
    const auto bits = static_cast<quint32>(value);
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

qint32 StoredFromColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

} // namespace quoxa
