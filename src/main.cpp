// Quoxa: a dice game for one to four players at one window.
#include "board/frmMain.h"
#include "platform/DesignControls.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quoxa::InstallDesignLook();
    quoxa::frmMain board;
    board.show();
    return app.exec();
}
