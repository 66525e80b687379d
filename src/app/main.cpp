#include "bytetext.h"
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
    // Taken from argv's own bytes (Qt's have Qt's options taken out, but
    // would turn a name that is not UTF-8 into U+FFFD).
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << ByteText::fromNativePath(argv[i]);
    mainform.formShow(arguments);
    return app.exec();
}
