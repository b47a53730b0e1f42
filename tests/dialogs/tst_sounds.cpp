// The six clips, playing them, who plays them when, and the five-alike celebration.
#include "TestSupport.h"
#include "board/frmMain.h"
#include "dialogs/frmQuoxa.h"
#include "engine/FakeBoard.h"
#include "platform/basWave.h"
#include "settings/basMain.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QtEndian>

using namespace quoxa;
using namespace quoxa::test;

namespace {

QByteArray Clip(const QString &name)
{
    QFile file(QStringLiteral(":/waves/%1.wav").arg(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 U32(const QByteArray &data, int at) { return qFromLittleEndian<quint32>(data.constData() + at); }
quint16 U16(const QByteArray &data, int at) { return qFromLittleEndian<quint16>(data.constData() + at); }

// Records what was played, and what the board showed at that moment.
struct Recorder {
    QStringList played;
    std::function<QString()> snapshot = [] { return QString(); };
    basWave::Player old = basWave::SetPlayer([this](const QByteArray &wave, int flags) {
        QString name = QStringLiteral("?");
        for (const char *clip : {"THROW", "HOLD", "UNHOLD", "QUOXA", "FLUSH", "CHIMES"})
            if (wave == Clip(QString::fromLatin1(clip)))
                name = QString::fromLatin1(clip);
        played << QStringLiteral("%1 flags %2 %3").arg(name).arg(flags).arg(snapshot());
    });
    ~Recorder() { basWave::SetPlayer(old); }
};

} // namespace

class SoundsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); }

    void clipsAreTheDesignedWaves_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("dataBytes");
        QTest::newRow("THROW") << "THROW" << 11025 << 8 << 8933;
        QTest::newRow("HOLD") << "HOLD" << 22050 << 16 << 2024;
        QTest::newRow("UNHOLD") << "UNHOLD" << 22050 << 16 << 2024;
        QTest::newRow("QUOXA") << "QUOXA" << 11025 << 8 << 8419;
        QTest::newRow("FLUSH") << "FLUSH" << 22050 << 8 << 45681;
        QTest::newRow("CHIMES") << "CHIMES" << 22050 << 16 << 74502;
    }
    void clipsAreTheDesignedWaves()
    {
        QFETCH(QString, name);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(int, dataBytes);
        const QByteArray wave = Clip(name);
        QCOMPARE(wave.left(4), QByteArray("RIFF"));
        QCOMPARE(U32(wave, 4), quint32(wave.size() - 8));
        QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(U16(wave, 20), quint16(1)); // PCM
        QCOMPARE(U16(wave, 22), quint16(1)); // mono
        QCOMPARE(U32(wave, 24), quint32(rate));
        QCOMPARE(U32(wave, 28), quint32(rate * bits / 8));
        QCOMPARE(U16(wave, 34), quint16(bits));
        QCOMPARE(wave.mid(36, 4), QByteArray("data"));
        QCOMPARE(U32(wave, 40), quint32(dataBytes));
        QCOMPARE(wave.size(), 44 + dataBytes + dataBytes % 2);
    }

    void playWaveAlwaysPlaysFromMemory()
    {
        Recorder recorder;
        basWave::PlayWave(QStringLiteral("HOLD"));
        basWave::PlayWave(QStringLiteral("HOLD"), 0);
        basWave::PlayWave(QStringLiteral("NO SUCH CLIP"));
        QCOMPARE(recorder.played, (QStringList{"HOLD flags 6 ", "HOLD flags 4 "}));
    }

    void realPlayerNeverHangs()
    {
        ErrorRecorder errors;
        QElapsedTimer clock;
        clock.start();
        basWave::PlayWave(QStringLiteral("CHIMES")); // 1.69 s, or nothing without a device
        QVERIFY2(clock.elapsed() < 1690 + 1500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(errors.messages.isEmpty());
    }

    void soundsComeBeforeWhatTheyAnnounce()
    {
        ClearStore();
        ScriptedRandom random;
        random.draws = {DrawFor(1), DrawFor(2), DrawFor(3), DrawFor(4), DrawFor(5)};
        frmMain board(&random);
        gblnPlaySound = true;
        Recorder recorder;
        auto *hold = board.findChild<QWidget *>("shpHold(2)");
        recorder.snapshot = [&] { return board.DieTag(1) + (hold->isHidden() ? " free" : " held"); };
        board.cmdThrow_Click();
        board.fraDie_Click(2);
        board.fraDie_Click(2);
        QCOMPARE(recorder.played,
                 (QStringList{"THROW flags 6  free", "HOLD flags 6 1 free", "UNHOLD flags 6 1 held"}));

        gblnPlaySound = false;
        board.fraDie_Click(2);
        board.cmdThrow_Click();
        QCOMPARE(recorder.played.size(), 3);
    }

    void celebrationSwingsAndCloses_data()
    {
        QTest::addColumn<bool>("sounds");
        QTest::newRow("sounds on") << true;
        QTest::newRow("sounds off") << false;
    }
    void celebrationSwingsAndCloses()
    {
        QFETCH(bool, sounds);
        gblnPlaySound = sounds;
        Recorder recorder;
        frmQuoxa window(nullptr);
        auto *word = window.findChild<QLabel *>("lblQuoxa");
        QCOMPARE(window.findChild<QTimer *>("tmrQuoxa")->interval(), frmQuoxa::kTickMs);
        window.show();
        QMap<int, int> leftAfterTick;
        for (int tick = 1; tick <= 42; ++tick) {
            QVERIFY(window.isVisible());
            window.tmrQuoxa_Timer();
            leftAfterTick[tick] = word->property("Left").toInt();
            QCOMPARE(recorder.played.size(), sounds ? 1 : 0); // on tick 1 only
        }
        QCOMPARE(leftAfterTick[1], 450);
        QCOMPARE(leftAfterTick[11], 950);
        QCOMPARE(leftAfterTick[31], -50);
        QCOMPARE(leftAfterTick[41], 450);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.intTicks.value(), 0);
        QCOMPARE(word->x(), 30);

        window.show(); // a second showing starts again with the sound
        window.tmrQuoxa_Timer();
        QCOMPARE(recorder.played.size(), sounds ? 2 : 0);
    }

    void fiveAlikeOpensTheCelebrationOnTheBoard()
    {
        ClearStore();
        ScriptedRandom random;
        for (int i = 0; i < 10; ++i)
            random.draws.push_back(DrawFor(6));
        frmMain board(&random);
        gblnPlaySound = false;
        int shown = 0;
        const auto count = [&] {
            if (auto *window = qobject_cast<frmQuoxa *>(QApplication::activeModalWidget())) {
                ++shown;
                window->reject(); // the test need not wait for the swing
            }
        };
        QTimer poll;
        connect(&poll, &QTimer::timeout, count);
        poll.start(5);
        board.cmdThrow_Click(); // five sixes on the first throw
        QCOMPARE(shown, 1);
        board.game().SetTurnState(QStringLiteral("Throw 3"));
        board.cmdThrow_Click(); // a press in "Throw 3" with five alike still there
        QCOMPARE(shown, 2);
    }
};

QTEST_MAIN(SoundsTest)
#include "tst_sounds.moc"
