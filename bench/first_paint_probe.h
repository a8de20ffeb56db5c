// Watches a child process of the start-up benchmark for its first paint.
//
// On the first QEvent::Paint sent to a top-level window it takes the time;
// when the platform event that set off that paint (the expose or the update
// request) has been handled, the whole first frame is painted and flushed,
// and it takes the time again. It writes both CLOCK_MONOTONIC readings, in
// nanoseconds, as one line "<paint> <frame>" to standard output and ends the
// process at once. If no paint comes within five seconds it writes
// "timeout" and exits with status 2.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace tovrik::bench {

inline long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

class FirstPaintProbe : public QObject {
public:
    FirstPaintProbe()
    {
        qApp->installEventFilter(this);
        QTimer::singleShot(5000, [] {
            writeLine("timeout\n");
            std::_Exit(2);
        });
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Paint) {
            if (paintNs_ == 0 && receiver->isWidgetType() && static_cast<QWidget *>(receiver)->isWindow()) {
                paintNs_ = monotonicNs();
                if (!inside_) // not set off by an event we hold: no frame time
                    report(paintNs_);
            }
            return false;
        }
        if (paintNs_ == 0 && !inside_ && (type == QEvent::Expose || type == QEvent::UpdateRequest)) {
            // Handle it here, as the application would, to see it finish.
            inside_ = true;
            receiver->event(event);
            inside_ = false;
            if (paintNs_ != 0)
                report(monotonicNs());
            return true;
        }
        return false;
    }

private:
    static void writeLine(const char *line)
    {
        std::size_t length = 0;
        while (line[length] != '\0')
            ++length;
        [[maybe_unused]] const ssize_t written = ::write(STDOUT_FILENO, line, length);
    }

    void report(long long frameNs)
    {
        char line[64];
        std::snprintf(line, sizeof line, "%lld %lld\n", paintNs_, frameNs);
        writeLine(line);
        std::_Exit(0);
    }

    long long paintNs_ = 0;
    bool inside_ = false;
};

} // namespace tovrik::bench
