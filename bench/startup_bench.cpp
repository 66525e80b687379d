// Start-up: from process start until the main window shows a 100 KB page,
// against a minimal Qt program (bare_startup) that shows the same page in a
// QPlainTextEdit, both started as processes side by side in one run; and
// opening the tenth document window against opening the first.
//
//   bench_startup [repeats]

#include "benchsupport.h"
#include "mainform.h"
#include "pageshown.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

constexpr qsizetype kPage = 100 * 1024;
constexpr int kWindows = 10;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

// Milliseconds from starting a program until it says the page is shown.
double msUntilShown(const QString &program, const QStringList &arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    QByteArray output;
    while (!output.contains("shown\n") && child.waitForReadyRead(60000))
        output += child.readAllStandardOutput();
    const double ms = timer.nsecsElapsed() / 1e6;
    child.waitForFinished(60000);
    if (!output.contains("shown\n")) {
        std::fprintf(stderr, "%s did not show the page\n", qPrintable(program));
        std::exit(1);
    }
    return ms;
}

// Child: the program's own start-up with the page (argv[2]).
int startChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    bench::reportWhenPageShown();
    // As main() does, with "--start" in argv[0]'s place.
    const std::unique_ptr<Tmainform> mainform = startProgram(argc - 1, argv + 1);
    return app.exec();
}

// Child: after start-up without a page, opens the page in ten windows one
// after another; prints the milliseconds of the first and of the tenth,
// each until painted.
int windowsChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString page = QFile::decodeName(argv[2]);
    char *programOnly[] = {argv[0]};
    const std::unique_ptr<Tmainform> mainform = startProgram(1, programOnly);
    QApplication::processEvents();
    std::vector<double> ms;
    for (int i = 0; i < kWindows; ++i)
        ms.push_back(bench::timeMs([&] {
            mainform->openDocument(page);
            QApplication::processEvents();
        }));
    std::printf("%.2f %.2f\n", ms.front(), ms.back());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::quietOffscreen();
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "--start")
        return startChild(argc, argv);
    if (mode == "--windows")
        return windowsChild(argc, argv);

    QCoreApplication app(argc, argv);
    const int repeats = bench::repeatsFrom(QCoreApplication::arguments(), 11);
    QTemporaryDir dir;
    const QString page = dir.filePath("page.htm");
    writeFile(page, bench::denseHtml(kPage));
    // A store as a user's looks after the first start: the tags installed.
    const QString store = dir.filePath("bench.reg");
    writeFile(store, "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config]\n"
                     "\"tagsins\"=dword:00000001\n");
    qputenv("QUENDEL_STORE", QFile::encodeName(store));
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/bare_startup");

    // The first start of each fills the store and the file cache.
    msUntilShown(self, {"--start", page});
    msUntilShown(bare, {page});
    std::vector<double> bareMs, quendelMs;
    for (int i = 0; i < repeats; ++i) {
        bareMs.push_back(msUntilShown(bare, {page}));
        quendelMs.push_back(msUntilShown(self, {"--start", page}));
    }
    std::printf("%d repeats, medians\n", repeats);
    std::printf("start-up until a 100 KB page is shown: bare QPlainTextEdit %.0f ms, Quendel %.0f ms, "
                "ratio %.2f (target <= 1.2)\n",
                bench::median(bareMs), bench::median(quendelMs), bench::median(quendelMs) / bench::median(bareMs));

    std::vector<double> firstMs, tenthMs;
    for (int i = 0; i < repeats; ++i) {
        const auto figures = bench::runChild({"--windows", page});
        firstMs.push_back(figures.value(0).toDouble());
        tenthMs.push_back(figures.value(1).toDouble());
    }
    std::printf("opening a 100 KB page in a document window: the first %.1f ms, the tenth %.1f ms, "
                "ratio %.2f (target <= 1.0)\n",
                bench::median(firstMs), bench::median(tenthMs), bench::median(tenthMs) / bench::median(firstMs));
    return 0;
}
