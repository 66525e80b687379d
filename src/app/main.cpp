#include "mainform.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The name only: a display name would be added to every window's title.
    QApplication::setApplicationName(QStringLiteral("Quendel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quendel.svg")));

    Tmainform mainform;
    // The size the window takes when the user leaves the maximised state.
    const QRect screen = mainform.screen()->availableGeometry();
    mainform.resize(screen.size() * 9 / 10);
    mainform.move(screen.center() - mainform.rect().center());
    mainform.showMaximized();
    mainform.formShow(QApplication::arguments().mid(1));
    return app.exec();
}
