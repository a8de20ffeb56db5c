// Child of the start-up benchmark: a bare window of the index window's client
// size (6390 x 3795 twips, 426 x 253 logical pixels).
#include "first_paint_probe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tovrik::bench::FirstPaintProbe probe;
    QWidget window;
    window.resize(426, 253);
    window.show();
    return QApplication::exec();
}
