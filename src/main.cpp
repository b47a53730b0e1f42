// Quoxa: a dice game for one to four players at one window.
#include "board/frmMain.h"
#include "platform/DesignControls.h"
#include "platform/Languages.h"
#include "platform/basHelp.h"

#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <algorithm>
#include <cstdlib>

namespace {

// --help and --version print and end the program before any window, even with no display.
// Other options are left to the toolkit ("-platform", "-style" ...).
void AnswerOptions(int argc, char *argv[])
{
    if (std::none_of(argv + 1, argv + argc, [](const char *arg) { return arg[0] == '-'; }))
        return; // nothing asked: start-up goes on at once
    QCoreApplication app(argc, argv);
    quoxa::Languages::Install();
    QCoreApplication::setApplicationName(QStringLiteral("quoxa"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUOXA_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Quoxa, a dice game for one to four players sharing one window."));
    const QCommandLineOption help = parser.addHelpOption(), version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help))
        parser.showHelp();
    if (parser.isSet(version))
        parser.showVersion();
}

} // namespace

int main(int argc, char *argv[])
{
    AnswerOptions(argc, argv);
    QApplication app(argc, argv);
    // The installed desktop entry's name, so that docks and task bars tie the window to
    // its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quoxa.Quoxa"));
    quoxa::Languages::Install();
    quoxa::InstallDesignLook();
    quoxa::basHelp::UseMessageBoxes();
    quoxa::frmMain board;
    board.show();
    const int code = app.exec();
    // A line put on the clipboard (Copy Result) is handed to the desktop's clipboard manager
    // as the application ends: it would go with a quick exit.
    if (QGuiApplication::clipboard()->ownsClipboard())
        return code;
    // Otherwise the board has kept everything on its closing: what is left is memory and
    // threads, which the system takes back at once, where taking the windows apart piece by
    // piece would only make the player wait.
    std::quick_exit(code);
}
