// Child of the start-up benchmark: the program's own start-up, as in
// app/main.cpp, with the first-paint probe.
#include "first_paint_probe.h"
#include "module1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tovrik::bench::FirstPaintProbe probe;
    tovrik::prepareApplication();
    tovrik::Main();
    return QApplication::exec();
}
