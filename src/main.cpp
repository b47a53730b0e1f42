// Quoxa: a dice game for one to four players at one window.
#include "board/frmMain.h"
#include "platform/DesignControls.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The installed desktop entry's name, so that docks and task bars tie the window to
    // its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quoxa.Quoxa"));
    quoxa::InstallDesignLook();
    quoxa::frmMain board;
    board.show();
    return app.exec();
}
