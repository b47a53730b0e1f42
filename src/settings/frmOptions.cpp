#include "settings/frmOptions.h"
#include "engine/PlayerSheet.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Twips.h"
#include "settings/ColorValue.h"
#include "settings/basMain.h"
#include "settings/basRegistry.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace quoxa {

// The count's stepper: two small arrow buttons that write the next count into the field.
// It takes the keyboard focus itself: the Up and Down keys step it.
class UpDown : public QWidget {
public:
    static constexpr int kMin = 1;
    static constexpr int kMax = PlayerTable::kUpperBound;

    UpDown(QWidget *parent, QLineEdit *buddy) : QWidget(parent), mBuddy(buddy)
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        for (auto [arrow, step] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
            auto *button = new QToolButton(this);
            button->setArrowType(arrow);
            button->setAutoRepeat(true);
            button->setFocusPolicy(Qt::NoFocus);
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            layout->addWidget(button);
            connect(button, &QToolButton::clicked, this, [this, step = step] { Step(step); });
        }
        setFocusPolicy(Qt::StrongFocus);
    }

    // Steps from the count in the field (or from where the stepper last was).
    void Step(int delta)
    {
        bool ok = false;
        const int shown = mBuddy->text().toInt(&ok);
        if (ok)
            mValue = shown;
        mValue = std::clamp(mValue + delta, kMin, kMax);
        mBuddy->setText(QString::number(mValue));
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
            Step(event->key() == Qt::Key_Up ? 1 : -1);
        else
            QWidget::keyPressEvent(event);
    }

private:
    QLineEdit *mBuddy;
    int mValue = kMin;
};

namespace {



} // namespace

frmOptions::frmOptions(OptionsOwner &owner, int page) : QDialog(owner.OwnerWindow()), mOwner(owner)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowFlags(kFixedDialogFlags);
    UseDesignColours(this);
    setFixedSize(TwipsSize(4680, 3570));

    tabOptions = Place(new QTabWidget(this), QStringLiteral("tabOptions"), {150, 150, 4395, 2775});
    const std::array<const char *, 3> titles{"&Colors", "&Players", "&Sounds"};
    for (const char *title : titles)
        tabOptions->addTab(new QWidget, QString::fromLatin1(title));
    BuildColorsPage(tabOptions->widget(Colors));
    BuildPlayersPage(tabOptions->widget(Players));
    BuildSoundsPage(tabOptions->widget(Sounds));

    struct Button {
        const char *name, *caption;
        int left;
        void (frmOptions::*handler)();
    };
    const std::array<Button, 4> buttons{{{"cmdOk", "OK", 165, &frmOptions::cmdOk_Click},
                                         {"cmdDefault", "Default", 1290, &frmOptions::cmdDefault_Click},
                                         {"cmdApply", "Apply", 2415, &frmOptions::cmdApply_Click},
                                         {"cmdCancel", "Cancel", 3540, &frmOptions::cmdCancel_Click}}};
    for (const Button &b : buttons) {
        auto *button = Place(new QPushButton(QString::fromLatin1(b.caption), this), QString::fromLatin1(b.name),
                             {b.left, 3075, 975, 375});
        connect(button, &QPushButton::clicked, this, b.handler);
        if (b.handler == &frmOptions::cmdApply_Click)
            cmdApply = button;
        if (b.handler == &frmOptions::cmdOk_Click)
            button->setDefault(true);
    }
    // Tab order: the three pages' controls, then OK, Default, Apply, Cancel, the tabs.
    const QList<QWidget *> order{optColors[0], optColors[1], findChild<QWidget *>("cmdColor"), mskPlayerCnt, udcPlayerCnt,
                                 txtPlayer[0], txtPlayer[1], txtPlayer[2], txtPlayer[3], optSounds[0], optSounds[1],
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
    const std::array<QWidget *, 3> firsts{optColors[0], mskPlayerCnt, optSounds[0]};
    firsts[static_cast<std::size_t>(mPage)]->setFocus();
    KeepOpenOnEscape(this);
    connect(tabOptions, &QTabWidget::currentChanged, this, [this](int now) {
        const int left = mPage;
        mPage = now;
        tabOptions_Click(left);
    });
}

void frmOptions::BuildColorsPage(QWidget *page)
{
    auto *frame = Place(new QWidget(page), Indexed(QStringLiteral("fraOptions"), 0), {75, 300, 840, 840});
    const std::array<const char *, 2> captions{"Dice", "Pips"};
    for (int i = 0; i < 2; ++i)
        optColors[static_cast<std::size_t>(i)] = Place(new QRadioButton(QString::fromLatin1(captions[static_cast<std::size_t>(i)]), frame),
                                                      Indexed(QStringLiteral("optColors"), i + 1), {75, 150 + 300 * i, 645, 255});
    auto *color = Place(new QPushButton(QStringLiteral("Color"), page), QStringLiteral("cmdColor"), {1050, 450, 1065, 315});
    connect(color, &QPushButton::clicked, this, &frmOptions::cmdColor_Click);
}

void frmOptions::BuildPlayersPage(QWidget *page)
{
    // Wide enough to reach the count box: the design's width cuts the colon off in the
    // installed font.
    Place(new QLabel(QStringLiteral("Number of Players:"), page), Indexed(QStringLiteral("lblPlayers"), 0), {150, 495, 1425, 255});
    mskPlayerCnt = Place(new QLineEdit(page), QStringLiteral("mskPlayerCnt"), {1575, 450, 300, 300});
    mskPlayerCnt->setInputMask(QStringLiteral("0;_")); // one digit, "_" while empty
    connect(mskPlayerCnt, &QLineEdit::textChanged, this, &frmOptions::mskPlayerCnt_Change);
    udcPlayerCnt = Place(new UpDown(page, mskPlayerCnt), QStringLiteral("udcPlayerCnt"), {1875, 450, 240, 300});
    Place(new QLabel(QStringLiteral("Player Names:"), page), Indexed(QStringLiteral("lblPlayers"), 1), {525, 810, 1065, 255});
    const std::array<int, 4> labelTops{1155, 1485, 1875, 2250};
    const std::array<int, 4> boxTops{1110, 1500, 1875, 2250};
    for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Place(new QLabel(QStringLiteral("%1.").arg(i + 1), page), Indexed(QStringLiteral("lblPlayers"), i + 2), {255, labelTops[at], 180, 255});
        QLineEdit *box = Place(new QLineEdit(page), Indexed(QStringLiteral("txtPlayer"), i + 1), {450, boxTops[at], 2895, i == 1 ? 285 : 300});
        box->setMaxLength(25);
        box->setAccessibleName(QStringLiteral("Player %1 name").arg(i + 1));
        box->setAutoFillBackground(true);
        connect(box, &QLineEdit::textChanged, this, [this] { cmdApply->setEnabled(true); });
        txtPlayer[at] = box;
    }
}

void frmOptions::BuildSoundsPage(QWidget *page)
{
    auto *frame = Place(new QWidget(page), Indexed(QStringLiteral("fraOptions"), 1), {150, 450, 765, 690});
    const std::array<const char *, 2> captions{"On", "Off"};
    for (int i = 0; i < 2; ++i) {
        QRadioButton *option = Place(new QRadioButton(QString::fromLatin1(captions[static_cast<std::size_t>(i)]), frame),
                                     Indexed(QStringLiteral("optSounds"), i + 1), {0, 300 * i, 705, 315});
        connect(option, &QRadioButton::clicked, this, [this] { cmdApply->setEnabled(true); });
        optSounds[static_cast<std::size_t>(i)] = option;
    }
}

void frmOptions::showEvent(QShowEvent *event)
{
    // A page's controls are placed from the tab control's corner, tabs included: once the
    // pages have their places, pull the controls back by where each page begins.
    QDialog::showEvent(event);
    if (mPagesAligned)
        return;
    mPagesAligned = true;
    for (int i = 0; i < tabOptions->count(); ++i) {
        QWidget *page = tabOptions->widget(i);
        const QPoint origin = page->mapTo(tabOptions, QPoint());
        for (QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            child->move(child->pos() - origin);
    }
}

void frmOptions::Form_Load()
{
    Trap([&] {
        LoadColorsTab();
        LoadPlayersTab();
        LoadSoundsTab();
        cmdApply->setEnabled(false); // filling the controls enabled it
    });
}

void frmOptions::LoadColorsTab()
{
    // The colour chooser always opens on the colour it is given (see cmdColor_Click).
    optColors[0]->setChecked(true);
}

void frmOptions::LoadPlayersTab()
{
    mskPlayerCnt->setText(gintPlayerCount.toString());
    for (int i = 1; i <= 4; ++i)
        txtPlayer[static_cast<std::size_t>(i - 1)]->setText(gudtPlayer(i).strName);
    EnableNameBoxes(gintPlayerCount.value());
}

void frmOptions::LoadSoundsTab()
{
    optSounds[gblnPlaySound ? 0 : 1]->setChecked(true);
}

void frmOptions::EnableNameBoxes(int count)
{
    for (int i = 1; i <= 4; ++i) {
        QLineEdit *box = txtPlayer[static_cast<std::size_t>(i - 1)];
        box->setEnabled(i <= count); // a disabled box is grey, its name still readable
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
            gudtPlayer(i).strName = txtPlayer[static_cast<std::size_t>(i - 1)]->text();
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

void frmOptions::ApplyPage(int page)
{
    if (page == Players)
        ApplyPlayersTab();
    else if (page == Sounds)
        ApplySoundsTab();
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
            break;
        case Players:
            mskPlayerCnt->setText(basRegistry::DefaultOf(u"Player Count"));
            for (int i = 1; i <= 4; ++i)
                txtPlayer[static_cast<std::size_t>(i - 1)]->setText(basRegistry::DefaultOf(QStringLiteral("Player %1").arg(i)));
            ApplyPlayersTab();
            break;
        case Sounds:
            optSounds[0]->setChecked(true);
            ApplySoundsTab();
            break;
        }
        cmdApply->setEnabled(false);
    });
}

void frmOptions::cmdColor_Click()
{
    Trap([&] {
        const bool dice = optColors[0]->isChecked();
        qint32 &color = dice ? glngDieColor : glngPipColor;
        dlgColors->setCurrentColor(ColorFromStored(color));
        if (dlgColors->exec() != QDialog::Accepted)
            return; // cancelled: the colour stays exactly as stored, a negative one too
        const qint32 stored = StoredFromColor(dlgColors->selectedColor());
        if (stored == color)
            return;
        color = stored;
        mOwner.SetColor(dice ? QStringLiteral("Die") : QStringLiteral("Pip"));
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
