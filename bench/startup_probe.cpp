// Start-up probe for script/bench: opens the real QUANTIVEX window (or, built
// with BARE_WINDOW, a bare Qt window holding one label), and once the first frame
// has been painted prints the wall-clock time in nanoseconds and the peak
// resident set in kilobytes, then quits.
#include <sys/resource.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <chrono>
#include <cstdio>

#ifndef BARE_WINDOW
#include "main_window.h"
#endif

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Runs once the paint that is under way has been delivered.
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%lld %ld\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                            usage.ru_maxrss);
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint probe;
    app.installEventFilter(&probe);
#ifdef BARE_WINDOW
    QLabel window(QStringLiteral("QUANTIVEX"));
#else
    quantivex::MainWindow window;
#endif
    window.show();
    return QApplication::exec();
}
