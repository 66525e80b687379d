// Opening, typing in and saving a 50 MB page, each against what a bare Qt
// text view or a durable file write costs, measured side by side in one run.
//
//   bench_document [repeats]

#include "benchsupport.h"
#include "colormemo.h"
#include "editform.h"
#include "mainform.h"
#include "settings.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

constexpr qsizetype kLargePage = 50 * 1024 * 1024;
constexpr qsizetype kSmallPage = 5 * 1024;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Child: open the page one way, print "<ms> <peak MiB>".
int openChild(const QString &how, const QString &path)
{
    double ms = 0;
    if (how == QLatin1String("bare")) {
        QPlainTextEdit view;
        view.resize(900, 700);
        view.show();
        QApplication::processEvents();
        const QString text = QString::fromLatin1(readFile(path)).replace(QLatin1String("\r\n"), QLatin1String("\n"));
        ms = bench::timeMs([&] { view.setPlainText(text); });
        QApplication::processEvents();
    } else {
        Tmainform main;
        main.resize(1000, 800);
        main.show();
        QApplication::processEvents();
        ms = bench::timeMs([&] { main.openDocument(path); });
        QApplication::processEvents();
    }
    std::printf("%.1f %.1f\n", ms, bench::peakMemoryMiB());
    return 0;
}

struct KeystrokeCost {
    double handlingUs; // the window's change handling and status panels
    double wholeUs;    // the whole keystroke, Qt's editing included
};

// What one typed character costs in a page of the given text.
KeystrokeCost keystrokeCost(Tmainform &main, const QString &path)
{
    main.openDocument(path);
    Teditform *doc = main.activeDocument();
    doc->CMemo1->setSelStart(doc->CMemo1->textLength() / 2);
    QApplication::processEvents();
    constexpr int kKeys = 400;
    KeystrokeCost cost{};
    cost.handlingUs = bench::timeMs([&] {
                          for (int i = 0; i < kKeys * 10; ++i)
                              emit doc->CMemo1->textChanged();
                      })
                      * 1000 / (kKeys * 10);
    cost.wholeUs = bench::timeMs([&] {
                       for (int i = 0; i < kKeys; ++i)
                           QTest::keyClick(doc->CMemo1, i % 8 ? Qt::Key_A : Qt::Key_Space);
                   })
                   * 1000 / kKeys;
    doc->closeWithoutQuery();
    QApplication::processEvents();
    return cost;
}

// The same typing in a bare text view, for comparison.
double bareKeystrokeUs(const QString &text)
{
    QPlainTextEdit view;
    view.resize(900, 700);
    view.show();
    view.setPlainText(text);
    QTextCursor cursor = view.textCursor();
    cursor.setPosition(text.size() / 2);
    view.setTextCursor(cursor);
    QApplication::processEvents();
    constexpr int kKeys = 400;
    return bench::timeMs([&] {
               for (int i = 0; i < kKeys; ++i)
                   QTest::keyClick(&view, i % 8 ? Qt::Key_A : Qt::Key_Space);
           })
           * 1000 / kKeys;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::quietOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("QUENDEL_STORE", dir.filePath("bench.reg").toLocal8Bit());
    const QStringList args = QApplication::arguments();
    if (args.value(1) == QLatin1String("--open"))
        return openChild(args.value(2), args.value(3));

    const int repeats = bench::repeatsFrom(args);
    const QByteArray large = bench::denseHtml(kLargePage);
    const QString largePath = dir.filePath("large.htm");
    const QString smallPath = dir.filePath("small.htm");
    writeFile(largePath, large);
    writeFile(smallPath, bench::denseHtml(kSmallPage));
    std::printf("page: %.1f MiB, %lld lines; %d repeats, medians\n", large.size() / 1048576.0,
                qlonglong(large.count('\n')), repeats);

    // Open: each run in a fresh process so peak memory is its own.
    std::vector<double> bareMs, docMs, bareMem, docMem;
    for (int i = 0; i < repeats; ++i) {
        const auto bare = bench::runChild({"--open", "bare", largePath});
        const auto doc = bench::runChild({"--open", "document", largePath});
        bareMs.push_back(bare.value(0).toDouble());
        bareMem.push_back(bare.value(1).toDouble());
        docMs.push_back(doc.value(0).toDouble());
        docMem.push_back(doc.value(1).toDouble());
    }
    std::printf("open 50 MB: bare setPlainText %.0f ms, document window %.0f ms, ratio %.2f (target <= 1.3)\n",
                bench::median(bareMs), bench::median(docMs), bench::median(docMs) / bench::median(bareMs));
    std::printf("peak memory: bare %.0f MiB, document window %.0f MiB, ratio %.2f (target <= 1.3)\n",
                bench::median(bareMem), bench::median(docMem), bench::median(docMem) / bench::median(bareMem));

    // Keystrokes: the same typing in a small and in the large page.
    Tmainform main;
    main.resize(1000, 800);
    main.show();
    std::vector<double> smallUs, largeUs, smallWholeUs, largeWholeUs, bareSmallUs, bareLargeUs;
    const QString largeText = QString::fromLatin1(large).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (int i = 0; i < repeats; ++i) {
        const KeystrokeCost small = keystrokeCost(main, smallPath);
        const KeystrokeCost big = keystrokeCost(main, largePath);
        smallUs.push_back(small.handlingUs);
        largeUs.push_back(big.handlingUs);
        smallWholeUs.push_back(small.wholeUs);
        largeWholeUs.push_back(big.wholeUs);
        bareSmallUs.push_back(bareKeystrokeUs(largeText.left(kSmallPage)));
        bareLargeUs.push_back(bareKeystrokeUs(largeText));
    }
    std::printf("keystroke change handling: 5 KB page %.2f us, 50 MB page %.2f us, ratio %.2f (target <= 1.5)\n",
                bench::median(smallUs), bench::median(largeUs), bench::median(largeUs) / bench::median(smallUs));
    std::printf("whole keystroke: 5 KB page %.0f us, 50 MB page %.0f us, ratio %.2f; "
                "bare text view %.0f us and %.0f us, ratio %.2f\n",
                bench::median(smallWholeUs), bench::median(largeWholeUs),
                bench::median(largeWholeUs) / bench::median(smallWholeUs), bench::median(bareSmallUs),
                bench::median(bareLargeUs), bench::median(bareLargeUs) / bench::median(bareSmallUs));

    // Save: the document window's save against a durable write of the same
    // bytes (QFile write + fsync), side by side: once by a new file renamed
    // over the page, once in place (the page has a second name).
    main.openDocument(largePath);
    Teditform *doc = main.activeDocument();
    const QString durablePath = dir.filePath("durable.htm");
    const QByteArray secondName = QFile::encodeName(dir.filePath("second.htm"));
    std::vector<double> durableMs, renameMs, inPlaceMs;
    for (int i = 0; i < repeats; ++i) {
        durableMs.push_back(bench::timeMs([&] {
            QFile file(durablePath);
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            file.write(large);
            file.flush();
            ::fsync(file.handle());
        }));
        renameMs.push_back(bench::timeMs([&] { doc->save(); }));
        ::link(QFile::encodeName(largePath).constData(), secondName.constData());
        inPlaceMs.push_back(bench::timeMs([&] { doc->save(); }));
        ::unlink(secondName.constData());
    }
    const double durable = bench::median(durableMs);
    std::printf("save 50 MB against a QFile write with fsync %.0f ms: by rename %.0f ms, ratio %.2f; "
                "in place %.0f ms, ratio %.2f (target <= 1.5)\n",
                durable, bench::median(renameMs), bench::median(renameMs) / durable, bench::median(inPlaceMs),
                bench::median(inPlaceMs) / durable);
    doc->closeWithoutQuery();
    return 0;
}
