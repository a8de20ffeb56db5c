// Preloaded into the program by start-and-close.sh. Once the program shows
// its first window, closes it as the window's close box would. It uses
// Qt Core alone, so that preloading it does not change the order in which the
// program's own Qt libraries start and end.
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QVariant>

#include <cstdio>

namespace {

class CloseOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && watched->parent() == nullptr) {
            QCoreApplication::instance()->removeEventFilter(this);
            std::fprintf(stderr, "close_on_show: closing \"%s\"\n",
                         qPrintable(watched->property("windowTitle").toString()));
            QMetaObject::invokeMethod(watched, "close", Qt::QueuedConnection);
        }
        return false;
    }
};

void closeTheFirstShownWindow()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new CloseOnShow(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeTheFirstShownWindow)
