#include "dialogs/frmAbout.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Pictures.h"
#include "platform/basHelp.h"
#include "settings/basMain.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <array>

namespace quoxa {
namespace {

struct TextLine {
    const char *name;
    const char *text;
    int top;
    bool reached = false; // by the keyboard, after the buttons: a screen reader reads it there
};

// The title and the five lines of who made the game and where to find them; the words
// translated, the names and addresses as they are.
constexpr std::array<TextLine, 6> kLines{{
    {"lblTitle", "Quoxa 2.0", 120, true},
    {"lblNotice", QT_TRANSLATE_NOOP("quoxa::frmAbout", "A dice game for one to four players."), 360},
    {"lblRights", QT_TRANSLATE_NOOP("quoxa::frmAbout", "Copyright (c) 2026 The Quoxa developers."), 600},
    {"lblContact", QT_TRANSLATE_NOOP("quoxa::frmAbout", "Questions, ideas, praise:"), 1320},
    {"lblWeb", "https://quoxa.example.org", 1560, true},
    {"lblMail", "quoxa@example.org", 1800, true},
}};

QLabel *Picture(QWidget *parent, const char *name, int top)
{
    auto *label = Place(new QLabel(parent), QString::fromLatin1(name), {150, top, 480, 480});
    label->setPixmap(LoadPicture(QString::fromLatin1(name).mid(3).toUpper()).pixmap(32, 32));
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(kFixedDialogFlags);
    UseDesignColours(this);
    KeepOpenOnEscape(this);
    setFixedSize(TwipsSize(4275, 2565));
    QList<QWidget *> order;
    for (const TextLine &line : kLines) {
        auto *label = Place(new QLabel(tr(line.text), this), QString::fromLatin1(line.name),
                            {720, line.top, 3285, 225});
        label->setAlignment(Qt::AlignCenter);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
        if (line.reached) {
            label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
            label->setFocusPolicy(Qt::StrongFocus);
            order << label;
        }
    }
    auto *rule = Place(new QFrame(this), QStringLiteral("Line1(1)"), {750, 1200, 4080 - 750, 15});
    rule->setFrameStyle(QFrame::HLine | QFrame::Plain);

    imgAbout1 = Picture(this, "imgAbout1", 225);
    imgAbout2 = Picture(this, "imgAbout2", 750);
    imgAbout2->hide();

    auto *ok = Place(new QPushButton(tr("OK"), this), QStringLiteral("cmdOk"), {1037, 2160, 1000, 315});
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);
    auto *license =
        Place(new QPushButton(tr("License"), this), QStringLiteral("cmdLicense"), {2237, 2160, 1000, 315});
    license->setDefault(true);
    connect(license, &QPushButton::clicked, this, &frmAbout::cmdLicense_Click);
    order.prepend(license);
    order.prepend(ok);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    ok->setFocus(); // the focus starts at OK: Return closes the window

    tmrAbout = new QTimer(this);
    tmrAbout->setObjectName(QStringLiteral("tmrAbout"));
    tmrAbout->setInterval(1000);
    connect(tmrAbout, &QTimer::timeout, this, &frmAbout::tmrAbout_Timer);
    tmrAbout->start();

    Trap([&] {
        setWindowTitle(tr("About %1").arg(kAppTitle));
        if (owner)
            setWindowIcon(owner->windowIcon());
    });
}

void frmAbout::tmrAbout_Timer()
{
    Trap([&] {
        imgAbout2->move(imgAbout1->pos());
        imgAbout1->setVisible(imgAbout1->isHidden());
        imgAbout2->setVisible(imgAbout1->isHidden());
    });
}

void frmAbout::cmdLicense_Click()
{
    basHelp::ShowHelpTopic(this, basHelp::HelpFile(), QStringLiteral("license.htm"));
}

void frmAbout::cmdOk_Click()
{
    Trap([&] { accept(); });
}

} // namespace quoxa
