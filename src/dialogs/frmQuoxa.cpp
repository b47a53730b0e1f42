#include "dialogs/frmQuoxa.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Twips.h"
#include "platform/basWave.h"
#include "settings/basMain.h"

#include <QLabel>
#include <QTimer>

namespace quoxa {
namespace {
constexpr int kDesignLeft = 450; // twips
} // namespace

frmQuoxa::frmQuoxa(QWidget *owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmQuoxa"));
    UseDesignColours(this);
    setFixedSize(TwipsSize(2715, 705));
    KeepOpenOnEscape(this); // nothing ends the swing but its last tick
    lblQuoxa = Place(new QLabel(QStringLiteral("Quoxa!"), this), QStringLiteral("lblQuoxa"), {kDesignLeft, 0, 1815, 600});
    lblQuoxa->setAlignment(Qt::AlignCenter);
    setAccessibleName(lblQuoxa->text()); // a screen reader hears the word, not a nameless dialog
    lblQuoxa->setAutoFillBackground(true);
    lblQuoxa->setFont(DesignFont(u"Comic Sans MS", 24, true));
    QPalette palette = lblQuoxa->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    lblQuoxa->setPalette(palette);
    // The word's place lives in the label, in twips: steps of 50 twips are not whole pixels.
    lblQuoxa->setProperty("Left", kDesignLeft);

    // No caption and no buttons: a plain bordered box, its border over the word, which
    // the box's edges clip as it swings.
    auto *border = new QFrame(this);
    border->setFrameStyle(QFrame::Panel | QFrame::Raised);
    border->setLineWidth(2);
    border->setGeometry(rect());
    border->setAttribute(Qt::WA_TransparentForMouseEvents);

    tmrQuoxa = new QTimer(this);
    tmrQuoxa->setObjectName(QStringLiteral("tmrQuoxa"));
    tmrQuoxa->setTimerType(Qt::PreciseTimer);
    tmrQuoxa->setInterval(kTickMs);
    connect(tmrQuoxa, &QTimer::timeout, this, &frmQuoxa::tmrQuoxa_Timer);
    tmrQuoxa->start();
}

void frmQuoxa::MoveWord(int twips)
{
    const int left = lblQuoxa->property("Left").toInt() + twips;
    lblQuoxa->setProperty("Left", left);
    lblQuoxa->move(Px(left), lblQuoxa->y());
}

void frmQuoxa::tmrQuoxa_Timer()
{
    // The sound of the first tick lets the window paint meanwhile; no tick starts inside
    // another.
    if (mInTick)
        return;
    mInTick = true;
    Trap([&] {
        const int c = intTicks.value();
        if (c == 0) {
            if (gblnPlaySound)
                basWave::PlayWave(QStringLiteral("QUOXA"));
            intTicks += 1;
        } else if ((c >= 1 && c <= 10) || (c >= 31 && c <= 40)) {
            MoveWord(50);
            intTicks += 1;
        } else if (c >= 11 && c <= 30) {
            MoveWord(-50);
            intTicks += 1;
        } else {
            tmrQuoxa->stop();
            intTicks = 0;
            accept();
        }
    });
    mInTick = false;
}

} // namespace quoxa
