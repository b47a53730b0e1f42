#pragma once
// Stored colours are 0x00BBGGRR: red in the low byte. This is the one place that turns
// them into screen colours and back.
#include <QColor>
#include <QtGlobal>

namespace quoxa {

// A negative value (it passes the load check) shows as its low 24 bits.
QColor ColorFromStored(qint32 value);
qint32 StoredFromColor(const QColor &color);

} // namespace quoxa
