// Another copy of the game as far as the store goes: offers `count` totals from `first` on,
// named "<name>-<total>", to the high-score table, then ends. With "hold <ms> [<name> <total>]",
// holds the store's lock that long instead, saying "held" once it has it, and enters that
// total to the table before it lets go. With "finish <name> <count>",
// ends that many games of one player, "<name>-1" and on. With "play", plays a few steps of
// a game of the players the settings choose, says what the board shows, and waits to be
// killed.
#include "TestSupport.h"
#include "board/frmMain.h"
#include "platform/LockedWrites.h"
#include "records/GameKeeper.h"
#include "scores/HighScoreTable.h"
#include "settings/basMain.h"

#include <QThread>
#include <cstdio>

int main(int argc, char *argv[])
{
    const QByteArray mode = argv[1];
    std::setvbuf(stdout, nullptr, _IONBF, 0); // each line out at once, to the test that waits on it
    const auto Close = [] { // as a copy of the game closes: the writes still waiting are made once the lock is free
        quoxa::LockedWrites::Make(quoxa::kAppTitle, {}, [](const quoxa::StoreFile::Lock &) {}, quoxa::LockedWrites::When::Closing);
        return 0;
    };
    std::unique_ptr<QCoreApplication> app(mode == "play" ? new QApplication(argc, argv) : new QCoreApplication(argc, argv));
    if (mode == "hold") {
        using namespace quoxa::HighScoreTable;
        quoxa::SettingsStore::UpdateSection(quoxa::kAppTitle, kSection, {}, [&](const auto &stored) {
            std::puts("held");
            QThread::msleep(QByteArray(argv[2]).toUInt());
            Places places = FromStored(stored);
            const bool entered = argc > 4 && Rank(places, {QString::fromLocal8Bit(argv[3]), quoxa::Int16::Parse(QString::fromLocal8Bit(argv[4]))});
            return entered ? std::optional(ToStored(places)) : std::nullopt;
        });
        return 0;
    }
    if (mode == "finish") {
        quoxa::GameKeeper keeper;
        for (int game = 1; game <= QByteArray(argv[3]).toInt(); ++game)
            keeper.Keep(quoxa::test::FinishedGame({{{QStringLiteral("%1-%2").arg(argv[2]).arg(game)}, quoxa::test::kStraights}}));
        return Close();
    }
    if (mode == "play") {
        quoxa::frmMain board;
        board.cmdThrow_Click();
        board.fraDie_Click(1);
        board.cmdThrow_Click();
        board.game().RecordScore(u"lblChance");
        board.cmdThrow_Click(); // the next player's turn
        board.cmdThrow_Click();
        board.fraDie_Click(2);
        board.cmdThrow_Click();
        std::puts(qPrintable(quoxa::test::BoardText(&board)));
        QThread::sleep(60);
        return 0;
    }
    const int first = QString::fromLocal8Bit(argv[2]).toInt(), count = QString::fromLocal8Bit(argv[3]).toInt();
    for (int total = first; total < first + count; ++total)
        quoxa::HighScoreTable::Offer({QStringLiteral("%1-%2").arg(QString::fromLocal8Bit(argv[1])).arg(total), total}, argv[1]);
    return Close();
}
