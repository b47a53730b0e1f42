#pragma once
// What the benchmark times windows by: the process's CPU time and peak memory, and a window
// closed at its first painted frame.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace bench {

inline double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

inline long PeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Closes a window at its first painted frame.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget &window) : mWindow(window) { window.installEventFilter(this); }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !mPainted) {
            mPainted = true;
            // After this paint has reached the screen, not in the middle of it.
            QTimer::singleShot(0, &mWindow, [this] {
                std::printf("painted %.3f %ld\n", CpuMs(), PeakKiB());
                std::fflush(stdout);
                mWindow.close();
            });
        }
        return false;
    }

private:
    QWidget &mWindow;
    bool mPainted = false;
};

} // namespace bench
