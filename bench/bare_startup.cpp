// The yardstick of bench_startup: a minimal Qt program that shows a page in
// a QPlainTextEdit, maximised.
//
//   bare_startup page.htm

#include "benchsupport.h"
#include "pageshown.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>

int main(int argc, char *argv[])
{
    bench::quietOffscreen();
    QApplication app(argc, argv);
    bench::reportWhenPageShown();
    QPlainTextEdit view;
    QFile file(QFile::decodeName(argv[argc - 1]));
    file.open(QIODevice::ReadOnly);
    view.setPlainText(QString::fromLatin1(file.readAll()).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    view.showMaximized();
    return app.exec();
}
