#include "settings/frmOptions.h"
#include "engine/PlayerSheet.h"
#include "engine/Strategy.h"
#include "platform/Announce.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Twips.h"
#include "settings/ColorValue.h"
#include "settings/basMain.h"
#include "settings/basRegistry.h"
#include "settings/UpDown.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

namespace quoxa {


frmOptions::frmOptions(OptionsOwner &owner, int page) : QDialog(owner.OwnerWindow()), mOwner(owner)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));
    setWindowFlags(kFixedDialogFlags);
    UseDesignColours(this);
    setFixedSize(TwipsSize(4680, 3570));

    tabOptions = Place(new QTabWidget(this), QStringLiteral("tabOptions"), {150, 150, 4395, 2775});
    const std::array<const char *, 4> titles{QT_TR_NOOP("&Colors"), QT_TR_NOOP("&Players"), QT_TR_NOOP("&Sounds"),
                                             QT_TR_NOOP("Co&mputer")};
    for (const char *title : titles)
        tabOptions->addTab(new QWidget, tr(title));
    BuildColorsPage(tabOptions->widget(Colors));
    BuildComputerPage(tabOptions->widget(Computer)); // before the names that caption it
    BuildPlayersPage(tabOptions->widget(Players));
    BuildSoundsPage(tabOptions->widget(Sounds));

    struct Button {
        const char *name, *caption;
        int left;
        void (frmOptions::*handler)();
    };
    const std::array<Button, 4> buttons{{{"cmdOk", QT_TR_NOOP("OK"), 165, &frmOptions::cmdOk_Click},
                                         {"cmdDefault", QT_TR_NOOP("Default"), 1290, &frmOptions::cmdDefault_Click},
                                         {"cmdApply", QT_TR_NOOP("Apply"), 2415, &frmOptions::cmdApply_Click},
                                         {"cmdCancel", QT_TR_NOOP("Cancel"), 3540, &frmOptions::cmdCancel_Click}}};
    for (const Button &b : buttons) {
        auto *button = Place(new QPushButton(tr(b.caption), this), QString::fromLatin1(b.name),
                             {b.left, 3075, 975, 375});
        connect(button, &QPushButton::clicked, this, b.handler);
        if (b.handler == &frmOptions::cmdApply_Click)
            cmdApply = button;
        if (b.handler == &frmOptions::cmdOk_Click)
            button->setDefault(true);
    }
    // Tab order: the four pages' controls, then OK, Default, Apply, Cancel, the tabs.
    const QList<QWidget *> order{optColors[0], optColors[1], findChild<QWidget *>("cmdColor"), mskPlayerCnt,
                                 txtPlayer[0], txtPlayer[1], txtPlayer[2], txtPlayer[3], optSounds[0], optSounds[1],
                                 chkComputer[0], cboLevel[0], chkComputer[1], cboLevel[1], chkComputer[2], cboLevel[2],
                                 chkComputer[3], cboLevel[3], sldComputerDelay,
                                 findChild<QWidget *>("cmdOk"), findChild<QWidget *>("cmdDefault"), cmdApply,
                                 findChild<QWidget *>("cmdCancel"), tabOptions};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    dlgColors = new QColorDialog(this);
    dlgColors->setObjectName(QStringLiteral("dlgColors"));
    dlgColors->setOption(QColorDialog::DontUseNativeDialog); // ours, in the design's colours
    UseDesignColours(dlgColors);

    Form_Load();
    tabOptions->setCurrentIndex(page);
    mPage = tabOptions->currentIndex();
    // The dialog opens with the focus on the first control of the page shown.
    const std::array<QWidget *, 4> firsts{optColors[0], mskPlayerCnt, optSounds[0], chkComputer[0]};
    firsts[static_cast<std::size_t>(mPage)]->setFocus();
    KeepOpenOnEscape(this);
    connect(tabOptions, &QTabWidget::currentChanged, this, [this](int now) {
        const int left = mPage;
        mPage = now;
        tabOptions_Click(left);
    });
}

void frmOptions::showEvent(QShowEvent *event)
{
    // A page's controls are placed from the tab control's corner, tabs included: once the
    // pages have their places, each page measures its controls from there.
    QDialog::showEvent(event);
    if (mPagesAligned)
        return;
    mPagesAligned = true;
    for (int i = 0; i < tabOptions->count(); ++i) {
        QWidget *page = tabOptions->widget(i);
        page->setProperty("PlacedFrom", QRect(-page->mapTo(tabOptions, QPoint()), tabOptions->size()));
        for (QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->property("Twips").isValid())
                PutInPlace(child);
    }
}

void frmOptions::Form_Load()
{
    Trap([&] {
        LoadColorsTab();
        LoadPlayersTab();
        LoadSoundsTab();
        LoadComputerTab();
        cmdApply->setEnabled(false); // filling the controls enabled it
    });
}

void frmOptions::LoadColorsTab()
{
    // The colour chooser always opens on the colour it is given (see cmdColor_Click).
    optColors[0]->setChecked(true);
    DescribeColor();
}

void frmOptions::DescribeColor()
{
    const bool dice = optColors[0]->isChecked();
    const QColor color = ColorFromStored(dice ? glngDieColor : glngPipColor);
    findChild<QWidget *>(QStringLiteral("cmdColor"))
        ->setAccessibleDescription(tr("%1: red %2, green %3, blue %4")
                                       .arg(optColors[dice ? 0 : 1]->text())
                                       .arg(color.red())
                                       .arg(color.green())
                                       .arg(color.blue()));
}

void frmOptions::LoadPlayersTab()
{
    mskPlayerCnt->setText(gintPlayerCount.toString());
    for (int i = 1; i <= 4; ++i)
        txtPlayer[static_cast<std::size_t>(i - 1)]->setText(gstrPlayerName[static_cast<std::size_t>(i - 1)]);
    EnableNameBoxes(gintPlayerCount.value());
}

void frmOptions::LoadSoundsTab()
{
    optSounds[gblnPlaySound ? 0 : 1]->setChecked(true);
}

void frmOptions::LoadComputerTab()
{
    for (std::size_t i = 0; i < chkComputer.size(); ++i) {
        chkComputer[i]->setChecked(gblnComputer[i]);
        cboLevel[i]->setCurrentIndex(std::clamp(gintComputerLevel[i], 1, Strategy::kLevels) - 1);
    }
    sldComputerDelay->setValue(DelaySteps());
}

// The pause as the slider shows it, in tenths of a second (a stored pause beyond the
// slider's end shows at its end).
int frmOptions::DelaySteps() const
{
    return std::clamp((gintComputerDelay.value() + 50) / 100, 0, kDelaySteps);
}

void frmOptions::EnableNameBoxes(int count)
{
    // A disabled box is grey, its name still readable; the Computer page follows the count.
    for (int i = 1; i <= 4; ++i) {
        const std::size_t at = static_cast<std::size_t>(i - 1);
        txtPlayer[at]->setEnabled(i <= count);
        chkComputer[at]->setEnabled(i <= count);
        cboLevel[at]->setEnabled(i <= count && chkComputer[at]->isChecked());
    }
}

int frmOptions::PlayerCount() const
{
    bool ok = false;
    const int count = mskPlayerCnt->text().toInt(&ok);
    if (!ok)
        throw RunError::TypeMismatch();
    return count;
}

void frmOptions::ApplyPlayersTab()
{
    Trap([&] {
        gintPlayerCount = PlayerCount();
        for (int i = 1; i <= 4; ++i)
            gstrPlayerName[static_cast<std::size_t>(i - 1)] = txtPlayer[static_cast<std::size_t>(i - 1)]->text();
        mOwner.StartNewGame();
    });
}

void frmOptions::ApplySoundsTab()
{
    Trap([&] {
        if (optSounds[0]->isChecked())
            gblnPlaySound = true;
        else if (optSounds[1]->isChecked())
            gblnPlaySound = false;
        else
            return;
        mOwner.SetSoundsButton(gblnPlaySound);
    });
}

void frmOptions::ApplyComputerTab()
{
    Trap([&] {
        std::array<bool, 4> chosen{};
        for (std::size_t i = 0; i < chosen.size(); ++i)
            chosen[i] = chkComputer[i]->isChecked();
        if (sldComputerDelay->value() != DelaySteps()) // an unmoved slider keeps the stored pause
            gintComputerDelay = sldComputerDelay->value() * 100;
        for (std::size_t i = 0; i < cboLevel.size(); ++i) // a level is played from the next move on
            gintComputerLevel[i] = cboLevel[i]->currentIndex() + 1;
        // Who the computer plays for is part of the game: a change starts a new one.
        if (chosen != gblnComputer) {
            gblnComputer = chosen;
            mOwner.StartNewGame();
        } else {
            mOwner.ComputerLevelsChanged();
        }
    });
}

void frmOptions::ApplyPage(int page)
{
    if (page == Players)
        ApplyPlayersTab();
    else if (page == Sounds)
        ApplySoundsTab();
    else if (page == Computer)
        ApplyComputerTab();
}

void frmOptions::cmdApply_Click()
{
    Trap([&] {
        ApplyPage(tabOptions->currentIndex());
        cmdApply->setEnabled(false);
    });
}

void frmOptions::cmdOk_Click()
{
    Trap([&] {
        if (cmdApply->isEnabled())
            cmdApply_Click();
        accept();
    });
}

void frmOptions::cmdCancel_Click()
{
    Trap([&] { reject(); });
}

void frmOptions::tabOptions_Click(int pageLeft)
{
    Trap([&] {
        if (!cmdApply->isEnabled())
            return;
        ApplyPage(pageLeft);
        cmdApply->setEnabled(false);
    });
}

void frmOptions::cmdDefault_Click()
{
    Trap([&] {
        switch (tabOptions->currentIndex()) {
        case Colors:
            optColors[0]->setChecked(true);
            glngDieColor = basRegistry::DefaultOf(u"Die Color").toInt();
            glngPipColor = basRegistry::DefaultOf(u"Pip Color").toInt();
            mOwner.SetColor(QStringLiteral("Die"));
            mOwner.SetColor(QStringLiteral("Pip"));
            DescribeColor();
            break;
        case Players:
            mskPlayerCnt->setText(basRegistry::DefaultOf(u"Player Count"));
            for (int i = 1; i <= 4; ++i)
                txtPlayer[static_cast<std::size_t>(i - 1)]->setText(basRegistry::DefaultName(i));
            ApplyPlayersTab();
            break;
        case Sounds:
            optSounds[0]->setChecked(true);
            ApplySoundsTab();
            break;
        case Computer:
            for (std::size_t i = 0; i < chkComputer.size(); ++i) {
                chkComputer[i]->setChecked(basRegistry::DefaultOf(QStringLiteral("Computer %1").arg(i + 1)) == u"True");
                cboLevel[i]->setCurrentIndex(basRegistry::DefaultOf(QStringLiteral("Computer Level %1").arg(i + 1)).toInt() - 1);
            }
            sldComputerDelay->setValue(basRegistry::DefaultOf(u"Computer Delay").toInt() / 100);
            ApplyComputerTab();
            break;
        }
        cmdApply->setEnabled(false);
        // What it did is told: the button itself says nothing of it.
        Announce(this, tr("%1: back to the defaults.").arg(tabOptions->tabText(tabOptions->currentIndex()).remove(u'&')));
    });
}

void frmOptions::cmdColor_Click()
{
    Trap([&] {
        const bool dice = optColors[0]->isChecked();
        dlgColors->setCurrentColor(ColorFromStored(dice ? glngDieColor : glngPipColor));
        connect(dlgColors, &QDialog::finished, this, [this, dice](int result) {
            Trap([&] {
                qint32 &color = dice ? glngDieColor : glngPipColor;
                if (result != QDialog::Accepted)
                    return; // cancelled: the colour stays exactly as stored, a negative one too
                const qint32 stored = StoredFromColor(dlgColors->selectedColor());
                if (stored == color)
                    return;
                color = stored;
                mOwner.SetColor(dice ? QStringLiteral("Die") : QStringLiteral("Pip"));
                DescribeColor();
            });
        }, Qt::SingleShotConnection);
        dlgColors->open();
    });
}

void frmOptions::mskPlayerCnt_Change()
{
    Trap([&] {
        const int count = PlayerCount();
        // A digit above the largest count becomes that count, and a 0 becomes 1: the game
        // is for one to four players. Writing the field runs this handling again.
        if (count > UpDown::kMax || count < UpDown::kMin) {
            mskPlayerCnt->setText(QString::number(std::clamp(count, UpDown::kMin, UpDown::kMax)));
            return;
        }
        EnableNameBoxes(PlayerCount());
        cmdApply->setEnabled(true);
    });
}

} // namespace quoxa
