// The board at any size, on a screen with room for every zoom: twice as large at 200 %,
// back to the design's size at Actual Size, the zoom kept, and the desktop's font's zoom.
#include "TestSupport.h"
#include "board/frmMain.h"
#include "platform/DesignControls.h"

#include <QFontInfo>
#include <QLabel>
#include <QTemporaryFile>
#include <QToolButton>

using namespace quoxa;
using namespace quoxa::test;

class ZoomTest : public QObject {
    Q_OBJECT

    // What the player sees grow: the window, a box, a text's and a question mark's pixels,
    // a die, a pip, a tool-bar image, the throw button's face and the pencil pointer.
    static QList<QSize> Sizes(frmMain &board)
    {
        const auto pixels = [&](const char *name) { return QFontInfo(Find(&board, name)->font()).pixelSize(); };
        return {board.size(), Find(&board, "lblOnes")->size(), {pixels("lblOnes"), pixels("lblQuestion(1)")},
                Find(&board, "fraDie(1)")->size(), Find(&board, "shpPip1(1)")->size(),
                Find<QToolButton>(&board, "tlbMain.New")->icon().availableSizes().value(0),
                Find<QPushButton>(&board, "cmdThrow")->icon().availableSizes().value(0),
                Find(&board, "lblOnes")->cursor().pixmap().size()};
    }

private slots:
    void initTestCase() { UseScratchSettings(); SolvedStrategy(); }
    void init()
    {
        ClearStore();
        Store("Game Settings", "Sounds", "False");
        UseZoom(kLeastZoom); // as the game starts
    }

    void twiceAtTwoHundredKeptAndBack()
    {
        auto board = std::make_unique<frmMain>();
        board->show();
        Find<QPushButton>(board.get(), "cmdThrow")->click(); // the pencil on the open boxes
        const QList<QSize> design = Sizes(*board);
        QCOMPARE(design.first(), QSize(481, 425));
        QCOMPARE(design.last(), QSize(32, 32));
        board->mnuViewScoreCard_Click(); // open beside the board, it grows with it
        const QSize cardSize = Find(board.get(), "frmScoreCard")->size();
        for (int step = 0; step < 4; ++step) // 125, 150, 175, 200
            Find<QAction>(board.get(), "mnuViewZoomIn")->trigger();
        QCOMPARE(Zoom(), 200);
        const QList<QSize> zoomed = Sizes(*board);
        const QSize card = Find(board.get(), "frmScoreCard")->size(); // made anew: its rows' margins do not grow
        QVERIFY2(std::abs(card.width() - 2 * cardSize.width()) <= 2 && card.height() > 1.8 * cardSize.height(), qPrintable(QString::number(card.height())));
        for (qsizetype i = 0; i < design.size(); ++i)
            QVERIFY2(std::abs(zoomed[i].width() - 2 * design[i].width()) <= 2 && std::abs(zoomed[i].height() - 2 * design[i].height()) <= 2,
                     qPrintable(QStringLiteral("size %1: %2x%3").arg(i).arg(zoomed[i].width()).arg(zoomed[i].height())));
        board->close();
        QCOMPARE(Stored("Game Settings", "Zoom").toString(), "200");
        UseZoom(kLeastZoom); // the next start: built as designed, then laid out at the zoom kept
        board = std::make_unique<frmMain>();
        board->show();
        Find<QPushButton>(board.get(), "cmdThrow")->click();
        QCOMPARE(Sizes(*board), zoomed);
        Find<QAction>(board.get(), "mnuViewZoomReset")->trigger();
        QCOMPARE(Sizes(*board), design);
    }

    void desktopFontSetsTheZoom_data()
    {
        QTest::addColumn<qreal>("points");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("zoom");
        QTest::newRow("12 pt") << 12.0 << "" << 120;
        QTest::newRow("16 pt") << 16.0 << "" << 160;
        QTest::newRow("11.5 pt") << 11.5 << "" << 115;
        QTest::newRow("9 pt") << 9.0 << "" << 100;
        QTest::newRow("40 pt") << 40.0 << "" << 300;
        QTest::newRow("12 pt, 150 % chosen") << 12.0 << "150" << 150;
    }
    void desktopFontSetsTheZoom()
    {
        QFETCH(qreal, points);
        QFETCH(QString, chosen);
        QFETCH(int, zoom);
        if (!chosen.isEmpty())
            Store("Game Settings", "Zoom", chosen);
        const QFont design = QApplication::font();
        QFont desktop(QStringLiteral("DejaVu Serif"));
        desktop.setPointSizeF(points);
        QApplication::setFont(desktop); // as a desktop's theme sets it
        frmMain board;
        board.show();
        QCOMPARE(Zoom(), zoom);
        QCOMPARE(board.width(), qRound(481 * zoom / 100.0));
        QCOMPARE(QFontInfo(Find(&board, "lblOnes")->font()).pixelSize(), qRound(11 * zoom / 100.0));
        QCOMPARE(QFontInfo(Find(&board, "lblOnes")->font()).family(), QFontInfo(design).family());
        desktop.setPointSizeF(points + 4); // a desktop's font changed while the game runs
        QApplication::setFont(desktop);
        QEvent told(QEvent::ApplicationFontChange); // as the running toolkit tells each window
        QApplication::sendEvent(&board, &told);
        QCOMPARE(Zoom(), chosen.isEmpty() ? std::clamp(qRound((points + 4) * 10), 100, 300) : zoom);
        board.close();
        QCOMPARE(Stored("Game Settings", "Zoom").toString(), chosen); // the desktop's is not kept as chosen
    }
};

int main(int argc, char *argv[])
{
    // A screen of 2560 by 1440, where the board has room at 300 %.
    QTemporaryFile screens;
    if (!screens.open() ||
        screens.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 2560, "height": 1440,
                       "logicalDpi": 96, "logicalBaseDpi": 96}]})") < 0)
        return 1;
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    ZoomTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zoom.moc"
