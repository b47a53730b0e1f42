// Loaded into a program with LD_PRELOAD, so that the program is timed whole, as it is run, from
// exec to exit: at the first frame painted in its first window it prints "painted <CPU ms>
// <peak KiB>" and closes that window, as a player's close would; when the process ends it
// prints "closed <CPU ms>". The game and the floor are timed by this one hook.
#include "FirstFrame.h"

#include <cstdlib>

namespace {

class Hook : public QObject {
protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(object);
        if (event->type() == QEvent::Paint && widget && !mPainted) {
            mPainted = true;
            // After this paint has reached the screen, not in the middle of it.
            QTimer::singleShot(0, widget->window(), [window = widget->window()] {
                std::printf("painted %.3f %ld\n", bench::CpuMs(), bench::PeakKiB());
                std::fflush(stdout);
                window->close();
            });
        }
        return false;
    }

private:
    bool mPainted = false;
};

void Install()
{
    QCoreApplication::instance()->installEventFilter(new Hook);
}

void Closed()
{
    std::printf("closed %.3f\n", bench::CpuMs());
    std::fflush(stdout);
}

__attribute__((constructor)) void Load()
{
    qAddPreRoutine(Install);
    std::atexit(Closed);
    std::at_quick_exit(Closed); // a program may end without taking itself apart
}

} // namespace
