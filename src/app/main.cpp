#include "mainform.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<Tmainform> mainform = startProgram(argc, argv);
    return app.exec();
}
