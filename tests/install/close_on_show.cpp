// Preloaded into the program by start-and-close.sh. Once the program shows
// its first window, closes it as the window's close box would.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

void closeTheFirstShownWindow()
{
    auto *poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                poll->stop();
                std::fprintf(stderr, "close_on_show: closing \"%s\"\n", qPrintable(window->windowTitle()));
                window->close();
                return;
            }
        }
    });
    poll->start(50);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeTheFirstShownWindow)
