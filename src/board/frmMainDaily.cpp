// The games on known dice: the daily game, and a game on the dice of a code.
#include "board/frmMain.h"
#include "platform/ErrorTrap.h"
#include "platform/Messages.h"
#include "settings/basMain.h"

#include <QInputDialog>

namespace quoxa {

void frmMain::mnuGameDaily_Click()
{
    Trap([&] { mGame.StartNewGame({gintPlayerCount, gblnComputer, gintComputerLevel}, DiceOrigin::Daily(QDate::currentDate())); });
}

void frmMain::mnuGameDiceCode_Click()
{
    Trap([&] {
        QInputDialog prompt(this);
        prompt.setObjectName(QStringLiteral("frmDiceCode"));
        prompt.setWindowTitle(tr("Play Dice Code"));
        prompt.setLabelText(tr("The dice code of the game to play, as its score card gives it (for example K7QX-93R1):"));
        prompt.setTextValue({});
        if (prompt.exec() != QDialog::Accepted || prompt.textValue().trimmed().isEmpty())
            return;
        const std::optional<DiceOrigin> dice = DiceOrigin::FromCode(prompt.textValue());
        if (!dice) {
            Messages::ShowNotice(tr("\"%1\" is not a dice code. A dice code is eight letters and digits, as the score "
                                    "card gives it (for example K7QX-93R1); check it and try again.")
                                     .arg(prompt.textValue().trimmed()));
            return;
        }
        mGame.StartNewGame({gintPlayerCount, gblnComputer, gintComputerLevel}, *dice);
    });
}

bool frmMain::DailyGame() const
{
    return mGame.dice() && mGame.dice()->daily();
}

} // namespace quoxa
