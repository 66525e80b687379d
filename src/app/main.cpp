#include "mainform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quendel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quendel.svg")));

    Tmainform mainform;
    mainform.show();
    mainform.formShow(QApplication::arguments().mid(1));
    return app.exec();
}
