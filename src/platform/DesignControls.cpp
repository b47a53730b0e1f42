#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Heap.h"
#include "platform/Languages.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <QToolTip>
#include <array>
#include <QMessageBox>
#include <algorithm>
#include <cmath>
#include <functional>

namespace quoxa {
namespace {

// Debian's metric look-alikes of the design's families (fonts-liberation, fonts-comic-neue).
struct FontFamily {
    QStringView design, installed;
};
constexpr std::array<FontFamily, 4> kFamilies{{{u"Arial", u"Liberation Sans"},
                                               {u"MS Sans Serif", u"Liberation Sans"},
                                               {u"MS Serif", u"Liberation Serif"},
                                               {u"Comic Sans MS", u"Comic Neue"}}};

// The families that draw the letters the design's families lack, by the language written in
// them (Debian's fonts-noto-core, -ui-core and -cjk; Liberation has Greek and Cyrillic); for
// Arabic the cut made for controls, whose letters keep within a Latin line's height. Asked
// for after the design's own, so that Latin letters and digits keep the design's shapes and
// widths; the CJK family's own shapes for each of its languages.
struct LettersFamily {
    QStringView language, family;
};
constexpr std::array<LettersFamily, 5> kLetters{{{u"ar", u"Noto Sans Arabic UI"},
                                                 {u"he", u"Noto Sans Hebrew"},
                                                 {u"ja", u"Noto Sans CJK JP"},
                                                 {u"ko", u"Noto Sans CJK KR"},
                                                 {u"zh_CN", u"Noto Sans CJK SC"}}};

// The toolkit's Fusion look, with the design's focus frame: a dotted line in the text colour,
// shown on every control that has the focus (a tab header, a check box, the stepper...),
// however the focus came.
class DesignStyle : public QProxyStyle {
public:
    DesignStyle() : QProxyStyle(QStringLiteral("Fusion")) {}
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element != PE_FrameFocusRect)
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::WindowText), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
    // A tab header with the focus gets the frame round its caption.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_TabBarTabLabel || !(option->state & State_HasFocus))
            return;
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(*option);
        frame.rect = option->rect.adjusted(3, 3, -3, -2);
        drawPrimitive(PE_FrameFocusRect, &frame, painter, widget);
    }
    // Frames, margins, marks and bars grow with the zoom, as the rest of the board.
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
        return Zoom() == kLeastZoom ? pixels : qRound(pixels * ZoomFactor());
    }
    // So does the room a control leaves round what it holds (a menu's caption, a button's).
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contents, const QWidget *widget) const override
    {
        const QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
        if (Zoom() == kLeastZoom || !contents.isValid())
            return size;
        return contents + (size - contents) * ZoomFactor();
    }
};

// Swallows the keys given and, when there is one, runs an action for them instead.
class KeyFilter : public QObject {
public:
    KeyFilter(QWidget *widget, std::initializer_list<int> keys, std::function<void()> action)
        : QObject(widget), mKeys(keys), mAction(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !mKeys.contains(static_cast<QKeyEvent *>(event)->key()))
            return false;
        if (mAction)
            mAction();
        return true;
    }

private:
    QList<int> mKeys;
    std::function<void()> mAction;
};

class EntryReader : public QObject {
public:
    EntryReader(QAbstractItemView *view, std::function<QModelIndex()> at) : QObject(view), mView(view), mAt(std::move(at))
    {
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) // after the toolkit has told that the view has the focus
            QTimer::singleShot(0, this, [this] {
                if (const QModelIndex at = mAt(); mView->hasFocus() && at.isValid()) {
                    mView->setCurrentIndex({});
                    mView->setCurrentIndex(at);
                }
            });
        return false;
    }

private:
    QAbstractItemView *mView;
    std::function<QModelIndex()> mAt;
};

double gDesktopPoints = 0; // the size of the desktop's font, 0 while unknown

// The windows' font at the zoom and in the letters of the language, set now, again for a
// new language, and again whenever something else changes it: then the desktop's font size
// is noted.
class DesignFontKept : public QObject {
public:
    DesignFontKept() : QObject(QCoreApplication::instance())
    {
        Apply();
        QCoreApplication::instance()->installEventFilter(this);
    }
    void Apply()
    {
        mFont = DesignFont(u"MS Sans Serif", 8.25);
        QApplication::setFont(mFont);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange && object == QCoreApplication::instance())
            Apply(); // the letters of another language
        else if (event->type() == QEvent::ApplicationFontChange && object == QCoreApplication::instance() &&
            QApplication::font() != mFont) {
            if (QApplication::font().pointSizeF() > 0)
                gDesktopPoints = QApplication::font().pointSizeF();
            QApplication::setFont(mFont);
        }
        return false;
    }

private:
    QFont mFont;
};
QPointer<DesignFontKept> gFontKept; // the application's, while it lasts

// A frame named as a group: to a screen reader a panel, whose name it says on entering it.
QAccessibleInterface *GroupFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && widget->property("group").toBool() ? new QAccessibleWidget(widget, QAccessible::Grouping) : nullptr;
}

} // namespace

void Paint(QWidget *widget, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont DesignFont(QStringView family, qreal points, bool bold)
{
    QString installed = family.toString();
    for (const FontFamily &entry : kFamilies)
        if (entry.design == family)
            installed = entry.installed.toString();
    QFont font(installed);
    const QString language = Languages::Current();
    for (const LettersFamily &entry : kLetters)
        if (entry.language == language)
            font.setFamilies({installed, entry.family.toString()});
    font.setPointSizeF(ZoomedPoints(points));
    font.setBold(bold);
    return font;
}

void UseDesignFont(QWidget *control, QStringView family, qreal points, bool bold)
{
    control->setProperty("DesignFont", QVariantList{family.toString(), points, bold});
    control->setFont(DesignFont(family, points, bold));
}

void UseZoom(int percent)
{
    SetZoom(percent);
    if (gFontKept)
        gFontKept->Apply();
}

void Rezoom(QWidget *window)
{
    // The window takes the windows' font now, before the game's loop runs too: the toolkit
    // tells the windows of a new font only from then on. Every control measures itself anew,
    // the style's frames and margins having grown with the zoom.
    QEvent fontChange(QEvent::ApplicationFontChange), styleChange(QEvent::StyleChange);
    QCoreApplication::sendEvent(window, &fontChange);
    for (QWidget *control : window->findChildren<QWidget *>()) {
        QCoreApplication::sendEvent(control, &styleChange);
        if (control->property("Twips").isValid())
            PutInPlace(control);
        if (const QVariantList font = control->property("DesignFont").toList(); font.size() == 3)
            control->setFont(DesignFont(font[0].toString(), font[1].toReal(), font[2].toBool()));
    }
}

int DesktopZoom()
{
    return std::clamp(int(std::lround(gDesktopPoints * 10)), kLeastZoom, kMostZoom);
}

const QPalette &DesignPalette()
{
    static const QPalette design = [] {
        struct RoleColor {
            QPalette::ColorRole role;
            QColor enabled, disabled;
        };
        const QColor grey = kDesignGrey, white = kDesignWhite, faded(76, 76, 76); // faded: 4.7:1 on the grey
        const std::array<RoleColor, 20> roles{{
            {QPalette::Window, grey, grey},
            {QPalette::Base, white, grey},
            {QPalette::AlternateBase, QColor(240, 240, 240), grey},
            {QPalette::Button, grey, grey},
            {QPalette::WindowText, Qt::black, faded},
            {QPalette::Text, Qt::black, faded},
            {QPalette::ButtonText, Qt::black, faded},
            {QPalette::PlaceholderText, faded, faded},
            {QPalette::BrightText, white, white},
            {QPalette::Light, white, white},
            {QPalette::Midlight, QColor(223, 223, 223), QColor(223, 223, 223)},
            {QPalette::Mid, QColor(160, 160, 160), QColor(160, 160, 160)},
            {QPalette::Dark, kOutlineGrey, kOutlineGrey},
            {QPalette::Highlight, QColor(0, 0, 128), QColor(0, 0, 128)},
            {QPalette::HighlightedText, white, white},
            {QPalette::Shadow, Qt::black, Qt::black},
            {QPalette::ToolTipBase, QColor(255, 255, 225), QColor(255, 255, 225)},
            {QPalette::ToolTipText, Qt::black, Qt::black},
            {QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255)},
            {QPalette::LinkVisited, QColor(128, 0, 128), QColor(128, 0, 128)},
        }};
        QPalette palette;
        for (const RoleColor &entry : roles) {
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                palette.setColor(group, entry.role, entry.enabled);
            palette.setColor(QPalette::Disabled, entry.role, entry.disabled);
        }
        return palette;
    }();
    return design;
}

QIcon DesignIcon(const QPixmap &picture)
{
    QIcon icon(picture);
    QStyleOption option;
    option.palette = DesignPalette();
    icon.addPixmap(QApplication::style()->generatedIconPixmap(QIcon::Disabled, picture, &option), QIcon::Disabled);
    return icon;
}

void UseDesignColours(QWidget *window)
{
    window->setPalette(DesignPalette());
}

void SizeWithinScreen(QWidget *window, QSize size, const QWidget *owner)
{
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    window->resize(screen ? size.boundedTo(screen->availableGeometry().size() * 0.9) : size);
}

void InstallDesignLook()
{
    QApplication::setStyle(new DesignStyle);
    // The board's captions are measured for the design's font: a desktop that sets its own
    // font once the game runs (a platform theme applying its settings) gives way to it.
    if (!gFontKept) {
        gDesktopPoints = std::max(0.0, QApplication::font().pointSizeF()); // the desktop's, before ours
        gFontKept = new DesignFontKept;
    }
    QApplication::setPalette(DesignPalette());
    QToolTip::setPalette(DesignPalette());
    Heap::KeepLargeBlocksApart();
}

void OpenModal(QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}

void AskYesNo(QWidget *owner, const QString &title, const QString &question, QMessageBox::StandardButton preset,
              std::function<void()> yes)
{
    auto *box = new QMessageBox(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No, owner);
    box->setDefaultButton(preset);
    QObject::connect(box, &QMessageBox::finished, owner, [yes = std::move(yes)](int answer) {
        if (answer == QMessageBox::Yes)
            Trap(yes);
    });
    OpenModal(box);
}

void KeepOpenOnEscape(QWidget *window)
{
    new KeyFilter(window, {Qt::Key_Escape}, nullptr);
}

void PressOnReturn(QAbstractButton *button)
{
    new KeyFilter(button, {Qt::Key_Return, Qt::Key_Enter}, [button] { button->animateClick(); });
}

void ReadCurrentOnEntry(QAbstractItemView *view, std::function<QModelIndex()> at)
{
    new EntryReader(view, std::move(at));
}

QString Indexed(const QString &name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

void NameGroup(QWidget *frame, const QString &name)
{
    static const bool kFactory = (QAccessible::installFactory(GroupFactory), true);
    Q_UNUSED(kFactory);
    frame->setProperty("group", true);
    frame->setAccessibleName(name);
}

} // namespace quoxa
