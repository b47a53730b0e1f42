// The floor the game is measured against: a bare Qt Widgets main window of the board's size
// with a menu bar, a tool bar and a status bar, and nothing of the game. Timed as the game is,
// by the first-frame hook loaded into it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char *menu : {"&Game", "&Edit", "&Options", "&View", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    QToolBar *bar = window.addToolBar(QStringLiteral("Tools"));
    for (int i = 0; i < 8; ++i)
        bar->addAction(QStringLiteral("B%1").arg(i));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(481, 425);
    window.show();
    return QApplication::exec();
}
