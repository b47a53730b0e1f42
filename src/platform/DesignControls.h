#pragma once
// What every window builds its design controls with: placing and naming them, the
// design's colours and fonts, painting a control's background, the keys that press a button
// or leave a window open, and the fixed-dialog frame.
#include "platform/Twips.h"

#include <QColor>
#include <QMessageBox>
#include <functional>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QAbstractItemView;
class QModelIndex;
class QDialog;

namespace quoxa {

inline const QColor kDesignGrey(192, 192, 192);
inline const QColor kOutlineGrey(128, 128, 128);
inline const QColor kDesignWhite(255, 255, 255);

void Paint(QWidget *widget, const QColor &background);

// Puts a placed control at its place in twips, at the zoom in force, measured from its
// parent's corner, or from the corner of the frame the parent names in its "PlacedFrom"
// property (a rectangle in its own pixels). In a window read right to left the place is
// mirrored: measured from the frame's right edge, again whenever the parent takes a new width.
void PutInPlace(QWidget *control);

// Names a design control and puts it at its place, given in twips; hands it back. The
// control keeps its place in twips, for Rezoom.
template <typename T>
T *Place(T *control, const QString &name, QRect twips)
{
    control->setObjectName(name);
    control->setProperty("Twips", twips);
    PutInPlace(control);
    return control;
}

// The name of element `index` of a control array: "fraDie(3)".
QString Indexed(const QString &name, int index);

// A borderless frame of option buttons, named for a screen reader as the group of its buttons.
void NameGroup(QWidget *frame, const QString &name);

// A font of the design, by its design family name ("Arial", "MS Sans Serif", "MS Serif",
// "Comic Sans MS"): the installed family that stands in for it on Debian, asked for directly.
// Its size is the design's times the zoom.
QFont DesignFont(QStringView family, qreal points, bool bold = false);
// Gives a control a font of the design, which it keeps at every zoom.
void UseDesignFont(QWidget *control, QStringView family, qreal points, bool bold = false);
// Sets the zoom in force for what is made from now on: places, design fonts, the style's
// frames and margins, and the windows' own font.
void UseZoom(int percent);
// Lays a window's controls out anew at the zoom in force: each placed control at its twips,
// each design font at its points, each measured again.
void Rezoom(QWidget *window);
// The zoom the desktop's font asks for, in percent: its size over the common 10 points,
// rounded to a whole percent, from kLeastZoom to kMostZoom.
int DesktopZoom();

// The design's colours, whatever the desktop's theme: grey windows and buttons, white boxes
// and lists, black text, a navy selection, and disabled text that can still be read (every
// text at least 4.5:1 against its background). The same whether a window is active or not.
const QPalette &DesignPalette();
// Gives a window of ours the design's colours, for itself and every control in it.
void UseDesignColours(QWidget *window);
// Gives a window of its own this size in pixels, or less on a screen with less room (a small
// one, or one at 2x): at most nine tenths of what the screen of `owner` has.
void SizeWithinScreen(QWidget *window, QSize size, const QWidget *owner);
// A button's picture, greyed out when the button is disabled in the design's colours, not
// in the desktop theme's.
QIcon DesignIcon(const QPixmap &picture);

// What the whole application shares, set once at start-up before the first window: the
// style the controls are drawn in (with a dotted frame on the control with the focus), the
// windows' own font "MS Sans Serif" 8.25 pt at the zoom (kept when a desktop's theme sets a
// font of its own later: the board's captions are measured for it; the desktop's font size
// is noted, for DesktopZoom), the design's colours for what the windows do not colour
// themselves (tool tips, for one), windows that take no input while the game waits for
// another copy of it to let go of the store, and large pictures that go back to the system
// when they are freed.
void InstallDesignLook();

// Opens a dialog of ours over the game: modal to every window of it, without waiting for it
// (what follows it goes on from its finished signal), and deleted once it has closed.
void OpenModal(QDialog *dialog);
// Asks a question with Yes and No over a window, the button `preset` pressed by Return, and
// goes on at once: `yes` runs once it is answered Yes, and nothing on No.
void AskYesNo(QWidget *owner, const QString &title, const QString &question, QMessageBox::StandardButton preset,
              std::function<void()> yes);

// Escape does not close this window: only its own buttons or its close box do.
void KeepOpenOnEscape(QWidget *window);
// Return and Enter press this button while it has the focus, as Space does.
void PressOnReturn(QAbstractButton *button);
// A list or table reached by the keyboard makes the item `at` gives current anew once it has
// the focus, so that a screen reader reads that item as it reads one the arrows reach: a
// view made current before it had the focus is read as a whole alone.
void ReadCurrentOnEntry(QAbstractItemView *view, std::function<QModelIndex()> at);

// A fixed dialog: a caption with a close box, nothing to resize or maximise.
inline constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace quoxa
