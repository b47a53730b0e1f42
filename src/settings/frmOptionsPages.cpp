// The options dialog's pages: their controls, each placed and named as designed.
#include "settings/frmOptions.h"
#include "engine/MoveText.h"
#include "platform/Announce.h"
#include "platform/DesignControls.h"
#include "settings/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace quoxa {
namespace {

// A name box: reached by Tab, the name is not selected, the caret after it. Selected, a
// screen reader reads it twice over, and clipped.
class NameBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QFocusEvent plain(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
    }
};

} // namespace

void frmOptions::BuildColorsPage(QWidget *page)
{
    // Wider than designed, and the Color button further right, so that "Dice" and "Pips" fit
    // in every language.
    auto *frame = Place(new QWidget(page), Indexed(QStringLiteral("fraOptions"), 0), {75, 300, 1560, 840});
    NameGroup(frame, tabOptions->tabText(Colors).remove(u'&'));
    const std::array<const char *, 2> captions{QT_TR_NOOP("Dice"), QT_TR_NOOP("Pips")};
    for (int i = 0; i < 2; ++i)
        optColors[static_cast<std::size_t>(i)] = Place(new QRadioButton(tr(captions[static_cast<std::size_t>(i)]), frame),
                                                      Indexed(QStringLiteral("optColors"), i + 1), {75, 150 + 300 * i, 1485, 255});
    for (QRadioButton *option : optColors)
        connect(option, &QRadioButton::toggled, this, &frmOptions::DescribeColor);
    auto *color = Place(new QPushButton(tr("Color"), page), QStringLiteral("cmdColor"), {1725, 450, 1065, 315});
    connect(color, &QPushButton::clicked, this, &frmOptions::cmdColor_Click);
}

void frmOptions::BuildPlayersPage(QWidget *page)
{
    // Wide enough to reach the count box: the design's width cuts the colon off in the
    // installed font.
    Place(new QLabel(tr("Number of Players:"), page), Indexed(QStringLiteral("lblPlayers"), 0), {150, 495, 1425, 255});
    mskPlayerCnt = Place(new QLineEdit(page), QStringLiteral("mskPlayerCnt"), {1575, 450, 300, 300});
    mskPlayerCnt->setInputMask(QStringLiteral("0;_")); // one digit, "_" while empty
    connect(mskPlayerCnt, &QLineEdit::textChanged, this, &frmOptions::mskPlayerCnt_Change);
    mskPlayerCnt->setAccessibleName(tr("Number of Players"));
    udcPlayerCnt = Place(new UpDown(page, mskPlayerCnt), QStringLiteral("udcPlayerCnt"), {1875, 450, 240, 300});
    udcPlayerCnt->setAccessibleName(tr("Number of Players, up and down"));
    const auto arrows = udcPlayerCnt->findChildren<QWidget *>();
    arrows.at(0)->setAccessibleName(tr("One player more"));
    arrows.at(1)->setAccessibleName(tr("One player fewer"));
    // The field and its stepper say the count, as a screen reader comes to them, and a step
    // made by the field's Up and Down keys is told at once.
    connect(mskPlayerCnt, &QLineEdit::textChanged, udcPlayerCnt, [this](const QString &count) {
        mskPlayerCnt->setAccessibleDescription(count);
        udcPlayerCnt->setAccessibleDescription(count);
    });
    udcPlayerCnt->told = [this](const QString &count) { Announce(this, count); };
    // Wider than designed, over the empty row, so that the whole title fits in every language.
    Place(new QLabel(tr("Player Names:"), page), Indexed(QStringLiteral("lblPlayers"), 1), {525, 810, 2400, 255});
    const std::array<int, 4> labelTops{1155, 1485, 1875, 2250};
    const std::array<int, 4> boxTops{1110, 1500, 1875, 2250};
    for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Place(new QLabel(QStringLiteral("%1.").arg(i + 1), page), Indexed(QStringLiteral("lblPlayers"), i + 2), {255, labelTops[at], 180, 255});
        QLineEdit *box = Place(new NameBox(page), Indexed(QStringLiteral("txtPlayer"), i + 1), {450, boxTops[at], 2895, i == 1 ? 285 : 300});
        box->setMaxLength(25);
        box->setAccessibleName(tr("Player %1 name").arg(i + 1));
        box->setAutoFillBackground(true);
        connect(box, &QLineEdit::textChanged, this, [this, at](const QString &name) {
            chkComputer[at]->setText(name); // the Computer page names the players as here
            NameLevelBox(at);
            cmdApply->setEnabled(true);
        });
        txtPlayer[at] = box;
    }
}

void frmOptions::NameLevelBox(std::size_t at)
{
    const QString name = QString(chkComputer[at]->text()).replace(u'&', QStringLiteral("&&")); // text, not a mnemonic
    lblLevel[at]->setText(tr("Level of %1: %2").arg(name, cboLevel[at]->currentText()));
    if (at == 0) // the first box is read with the page's caption: "The computer plays for: Ada"
        chkComputer[0]->setAccessibleName(findChild<QLabel *>(QStringLiteral("lblComputer(0)"))->text() + u' ' + chkComputer[0]->text());
}

void frmOptions::BuildSoundsPage(QWidget *page)
{
    // Wider than designed, so that "On" and "Off" fit in every language.
    auto *frame = Place(new QWidget(page), Indexed(QStringLiteral("fraOptions"), 1), {150, 450, 1800, 690});
    NameGroup(frame, tabOptions->tabText(Sounds).remove(u'&'));
    const std::array<const char *, 2> captions{QT_TR_NOOP("On"), QT_TR_NOOP("Off")};
    for (int i = 0; i < 2; ++i) {
        QRadioButton *option = Place(new QRadioButton(tr(captions[static_cast<std::size_t>(i)]), frame),
                                     Indexed(QStringLiteral("optSounds"), i + 1), {0, 300 * i, 1740, 315});
        connect(option, &QRadioButton::toggled, this, [this] { cmdApply->setEnabled(true); });
        optSounds[static_cast<std::size_t>(i)] = option;
    }
}

void frmOptions::BuildComputerPage(QWidget *page)
{
    Place(new QLabel(tr("The computer plays for:"), page), Indexed(QStringLiteral("lblComputer"), 0), {150, 495, 3000, 255});
    for (int i = 0; i < 4; ++i) {
        const int top = 825 + 330 * i;
        QCheckBox *box = Place(new QCheckBox(page), Indexed(QStringLiteral("chkComputer"), i + 1), {450, top, 1950, 285});
        QComboBox *level = Place(new QComboBox(page), Indexed(QStringLiteral("cboLevel"), i + 1), {2475, top - 15, 1650, 315});
        for (int strength = 1; strength <= Strategy::kLevels; ++strength) // level 1 to 5, by name
            level->addItem(MoveText::Level(strength));
        // A screen reader names a box by its label: one for each, never shown, with the player
        // and the level.
        auto *label = new QLabel(page);
        label->setObjectName(Indexed(QStringLiteral("lblLevel"), i + 1));
        label->setBuddy(level);
        label->hide();
        // Apply follows the changes themselves: a screen reader's toggle sends no click.
        connect(box, &QCheckBox::toggled, this, [this] { cmdApply->setEnabled(true); });
        connect(box, &QCheckBox::toggled, level, [box, level] { level->setEnabled(box->isEnabled() && box->isChecked()); });
        connect(level, &QComboBox::currentIndexChanged, this, [this, i] {
            NameLevelBox(std::size_t(i));
            cmdApply->setEnabled(true);
        });
        connect(level, &QComboBox::activated, this, [this, level] { Announce(this, level->currentText()); });
        chkComputer[static_cast<std::size_t>(i)] = box;
        cboLevel[static_cast<std::size_t>(i)] = level;
        lblLevel[static_cast<std::size_t>(i)] = label;
    }
    Place(new QLabel(tr("Pause between moves:"), page), Indexed(QStringLiteral("lblComputer"), 1), {150, 2220, 1800, 255});
    sldComputerDelay = Place(new QSlider(Qt::Horizontal, page), QStringLiteral("sldComputerDelay"), {1950, 2190, 1500, 300});
    sldComputerDelay->setRange(0, kDelaySteps);
    sldComputerDelay->setAccessibleName(tr("Pause between moves"));
    auto *shown = Place(new QLabel(page), Indexed(QStringLiteral("lblComputer"), 2), {3525, 2220, 600, 255});
    connect(sldComputerDelay, &QSlider::valueChanged, this, [this, shown](int steps) {
        shown->setText(tr("%1 s").arg(QLocale().toString(steps / 10.0, 'f', 1)));
        sldComputerDelay->setAccessibleDescription(shown->text()); // the seconds, not the slider's steps
        if (sldComputerDelay->hasFocus())
            Announce(this, shown->text());
        cmdApply->setEnabled(true);
    });
}

} // namespace quoxa
