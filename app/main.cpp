#include "form1.h"
#include "form2.h"
#include "module1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tovrik::prepareApplication();
    tovrik::Main();
    const int status = QApplication::exec();
    tovrik::releaseForm1();
    tovrik::releaseForm2();
    return status;
}
