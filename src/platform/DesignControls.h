#pragma once
// What every window builds its design controls with: the design's colours, painting a
// control's background, the names of control-array elements, and the fixed-dialog frame.
#include <QColor>
#include <QString>

class QWidget;

namespace quoxa {

inline const QColor kDesignGrey(192, 192, 192);
inline const QColor kOutlineGrey(128, 128, 128);
inline const QColor kDesignWhite(255, 255, 255);

void Paint(QWidget *widget, const QColor &background);

// The name of element `index` of a control array: "fraDie(3)".
QString Indexed(const QString &name, int index);

// A fixed dialog: a caption with a close box, nothing to resize or maximise.
inline constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace quoxa
