// The games on known dice: the daily game, and a game on the dice of a code.
#include "board/frmMain.h"
#include "engine/MoveText.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Languages.h"
#include "platform/Messages.h"
#include "settings/basMain.h"

#include <QInputDialog>
#include <QLocale>
#include <functional>

namespace quoxa {
namespace {

// A prompt whose OK is taken only when `take` takes the text typed: otherwise it stays open
// with the text, to be mended.
class CheckedPrompt : public QInputDialog {
public:
    CheckedPrompt(QWidget *owner, std::function<bool(const QString &)> take) : QInputDialog(owner), mTake(std::move(take)) {}

    void done(int result) override
    {
        if (result != Accepted || Trap([&] { return mTake(textValue()); }))
            QInputDialog::done(result);
    }

private:
    std::function<bool(const QString &)> mTake;
};

// How much of a text typed a message quotes: a long one is cut, so that the message fits.
constexpr qsizetype kQuotedMost = 24;

} // namespace

void frmMain::mnuGameDaily_Click()
{
    Trap([&] {
        const QDate today = QDate::currentDate();
        StartKnownGame(DiceOrigin::Daily(today), MoveText::DailyGame(Languages::DayText(today, QLocale(), true)));
    });
}

void frmMain::StartKnownGame(const DiceOrigin &dice, const QString &told)
{
    mGame.StartNewGame(ChosenPlayers(), dice);
    mToldTurn.clear(); // whose turn it is told after what game it is, whatever came before
    Tell(told);
}

void frmMain::mnuGameDiceCode_Click()
{
    Trap([&] {
        // A code typed wrong is told, what is wrong with it too, and the prompt stays open.
        auto *prompt = new CheckedPrompt(this, [this](const QString &typed) {
            if (const std::optional<DiceOrigin> dice = DiceOrigin::FromCode(typed)) {
                StartKnownGame(*dice, MoveText::CodeAccepted(dice->CodeText()));
                return true;
            }
            const QString fault = DiceOrigin::CodeFault(typed), shown = typed.trimmed();
            if (fault == DiceOrigin::CodeFault({})) // nothing typed but spaces and hyphens
                Messages::ShowNotice(fault);
            else
                Messages::ShowNotice(tr("\"%1\" is not a dice code. A dice code is eight letters and digits, as the score "
                                        "card shows it (for example K7QX-93R1); check it and try again.")
                                         .arg(shown.size() > kQuotedMost ? shown.left(kQuotedMost) + u'\u2026' : shown) +
                                     u' ' + fault);
            return false;
        });
        prompt->setObjectName(QStringLiteral("frmDiceCode"));
        prompt->setWindowTitle(tr("Play Dice Code"));
        prompt->setLabelText(tr("The dice code of the game to play, as its score card shows it (for example K7QX-93R1):"));
        prompt->setTextValue({});
        OpenModal(prompt);
    });
}

bool frmMain::DailyGame() const
{
    return mGame.dice() && mGame.dice()->daily();
}

} // namespace quoxa
