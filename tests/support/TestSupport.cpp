#include "TestSupport.h"
#include "platform/DesignControls.h"
#include "platform/Languages.h"
#include "settings/basMain.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace quoxa::test {

void UseScratchSettings()
{
    // In memory where there is such a folder: the game flushes every file it keeps to the disk.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm/quoxa-test-XXXXXX")
                                                                                : QDir::tempPath() + QStringLiteral("/quoxa-test-XXXXXX"));
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toLocal8Bit());
    InstallDesignLook(); // the game's style, font and colours, and its English, as it starts
    Languages::Install({QStringLiteral("en")});
    // A message no test expected is a warning in the log, never a box that waits for ever.
    Messages::SetSink([](Messages::Kind, const QString &text) { qWarning("message: %s", qPrintable(text)); });
}

const Strategy &SolvedStrategy()
{
    static const std::shared_ptr<const Strategy> solved = [] {
        QFile file(QStringLiteral(QUOXA_STRATEGY_TABLE));
        std::shared_ptr<const Strategy> table = file.open(QIODevice::ReadOnly) ? Strategy::FromTable(file.readAll()) : nullptr;
        if (!table)
            qFatal("no best-play table at %s", QUOXA_STRATEGY_TABLE);
        Strategy::UseShared(table);
        return table;
    }();
    return *solved;
}

// The store is read and written through the game's own store: its file format is checked
// against the toolkit's INI files in the settings test.
void ClearStore()
{
    QFile::remove(StoreFolder() + QStringLiteral("/Quoxa.conf"));
    QDir(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Quoxa")).removeRecursively();
}

QByteArray FileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush());
}

QStringList HighScores()
{
    QStringList places;
    for (int n = 1; n <= 10; ++n) {
        const QVariant name = Stored(QStringLiteral("High Scores"), QStringLiteral("Name %1").arg(n));
        places << (name.isValid() ? name.toString() + "=" + Stored(QStringLiteral("High Scores"), QStringLiteral("Score %1").arg(n)).toString() : "-");
    }
    while (!places.isEmpty() && places.last() == u"-")
        places.removeLast();
    return places;
}

QVariant Stored(const QString &section, const QString &key)
{
    const QHash<QString, QString> values = SettingsStore::ReadSection(QStringLiteral("Quoxa"), section);
    return values.contains(key) ? QVariant(values.value(key)) : QVariant();
}

QStringList Rows(const QObject *root, const QString &list, int from)
{
    QStringList rows;
    const auto *view = Find<QTreeWidget>(root, list);
    // A list being filled (the statistics read off the window's thread) shows a busy pointer.
    if (!QTest::qWaitFor([view] { return view->cursor().shape() != Qt::BusyCursor; }, 10000))
        qWarning("%s is still being filled", qPrintable(list));
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        QStringList texts;
        for (int c = from; c < view->columnCount(); ++c)
            texts << view->topLevelItem(i)->text(c);
        rows << texts.join(u'=');
    }
    return rows;
}

void PlayTo(Game &game, QStringView state)
{
    while (game.turn().mstrState != state) {
        const PlayerSheet &sheet = game.CurrentSheet();
        const auto open = std::find_if(SheetCategories().begin(), SheetCategories().end(),
                                       [&](const SheetRow *row) { return sheet.*row->field == PlayerSheet::kUnscored; });
        if (game.turn().mstrState == u"Throw 3")
            game.RecordScore((*open)->label);
        else
            game.cmdThrow_Click();
    }
}

GameRecord FinishedGame(const std::vector<std::pair<GameRecord::Player, QStringList>> &players)
{
    GameRecord game;
    game.started = QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
    for (const auto &[player, throws] : players)
        game.players.push_back(player);
    for (int k = 0; k < kCategoryCount; ++k)
        for (const auto &[player, throws] : players) {
            GameRecord::Throw thrown;
            for (std::size_t i = 0; i < thrown.dice.size(); ++i)
                thrown.dice[i] = throws.at(k)[int(i)].digitValue();
            const SheetRow *row = SheetCategories()[std::size_t(k)];
            game.turns.push_back({{thrown}, row, row->rule(DiceCounts::Of(thrown.dice))});
        }
    return game;
}

QString BoardText(const QWidget *board)
{
    QStringList texts;
    for (const SheetRow &row : kScoreSheet)
        texts << Find<QLabel>(board, row.label.toString())->text();
    for (int die = 1; die <= 5; ++die)
        texts << Find(board, QStringLiteral("shpDie(%1)").arg(die))->property("Tag").toString() +
                     (Find(board, QStringLiteral("shpHold(%1)").arg(die))->isHidden() ? "" : "held");
    for (const char *panel : {"stbMain(1)", "stbMain(2)"})
        texts << Find<QLabel>(board, panel)->text();
    texts << Rows(board, QStringLiteral("lvwPlayers")) << (Find<QAction>(board, "mnuEditUndo")->isEnabled() ? "Undo" : "");
    return texts.join(u'|');
}

PlayedClips::PlayedClips()
{
    old = basWave::SetPlayer([this](const QByteArray &wave, int flags) {
        QString name = QStringLiteral("?");
        for (const char *clip : {"THROW", "HOLD", "UNHOLD", "QUOXA", "FLUSH", "CHIMES"}) {
            QFile file(QStringLiteral(":/waves/%1.wav").arg(QLatin1String(clip)));
            if (file.open(QIODevice::ReadOnly) && file.readAll() == wave)
                name = QString::fromLatin1(clip);
        }
        played << QStringLiteral("%1 %2 %3").arg(name).arg(flags).arg(snapshot()).trimmed();
    });
}

bool FakeBoard::SaveScore(const QString &name, Int16 score)
{
    offered << QStringLiteral("%1=%2").arg(name).arg(score.value());
    return entering.contains(name);
}

float ScriptedRandom::Next()
{
    ++used;
    const float r = draws.empty() ? 0.0f : draws.front();
    if (!draws.empty())
        draws.pop_front();
    return r;
}

void ScriptedRandom::Queue(const QString &faces)
{
    for (QChar face : faces)
        draws.push_back((static_cast<float>(face.digitValue()) - 0.5f) / 6.0f); // the middle of the face's sixth
}

void EngineFixture::Begin(int players)
{
    gintPlayerCount = players;
    gblnPlaySound = false;
    board = FakeBoard{};
    random = ScriptedRandom{};
    game = std::make_unique<Game>(board, random);
    game->StartNewGame({.count = Int16(players), .names = kNames});
    board.log.clear();
}

void EngineFixture::Throw(const QString &faces, int throws)
{
    if (game->turn().mstrState == u"Continue")
        game->cmdThrow_Click();
    random.Queue(faces.repeated(throws)); // each throw takes the draws of its free dice in turn
    for (int t = 0; t < throws; ++t)
        game->cmdThrow_Click();
}

int EngineFixture::Score(const QString &faces, QStringView label)
{
    Throw(faces);
    game->RecordScore(label);
    return (Sheet().*FindSheetRow(label)->field).value();
}

} // namespace quoxa::test
