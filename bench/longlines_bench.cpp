// Pages written on one line, in a document window against a bare
// QPlainTextEdit holding the same text, measured side by side in one run:
// CPU while idle with the caret blinking, a typed key until it is painted,
// and opening a 50 MB page until it is painted; and Replace All of "abc"
// with "xabc" on a 10 MB one-line page, against a Replace All of the same
// size that builds no long line. Each figure comes from a fresh process.
//
//   bench_longlines [repeats]

#include "benchsupport.h"
#include "colormemo.h"
#include "editform.h"
#include "mainform.h"
#include "textcommands.h"
#include "textscan.h"

#include <QApplication>
#include <QEventLoop>
#include <QMap>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <memory>

namespace {

constexpr int kMiB = 1024 * 1024;

// Dense HTML on one line, or on lines of about 100 characters.
QByteArray page(int mebibytes, bool oneLine)
{
    QByteArray bytes = bench::denseHtml(qsizetype(mebibytes) * kMiB).replace("Home", "abc");
    return oneLine ? bytes.replace("\r\n", "") : bytes;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A window of the given kind holding a page, shown and active.
class Editor
{
public:
    Editor(bool bare, const QString &path)
    {
        if (bare) {
            m_bare = std::make_unique<QPlainTextEdit>();
            show(*m_bare);
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            const QString text = QString::fromLatin1(file.readAll());
            openMs = bench::timeMs([&] {
                m_bare->setPlainText(text);
                QApplication::processEvents();
            });
            m_edit = m_bare.get();
        } else {
            m_main = std::make_unique<Tmainform>();
            show(*m_main);
            openMs = bench::timeMs([&] {
                m_main->openDocument(path);
                QApplication::processEvents();
            });
            m_edit = m_main->activeDocument()->CMemo1;
        }
        m_edit->activateWindow();
        m_edit->setFocus();
        QApplication::processEvents();
    }

    QPlainTextEdit &edit() { return *m_edit; }
    TColorMemo &memo() { return *m_main->activeDocument()->CMemo1; }

    // Whether the view shows any text.
    bool showsText()
    {
        const QImage image = m_edit->viewport()->grab().toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 100)
                    return true;
            }
        }
        return false;
    }

    double openMs = 0;

private:
    static void show(QWidget &window)
    {
        window.resize(1000, 800);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("window not shown");
    }

    std::unique_ptr<QPlainTextEdit> m_bare;
    std::unique_ptr<Tmainform> m_main;
    QPlainTextEdit *m_edit = nullptr;
};

// Child: one measurement of one kind of editor, printed on the last line.
int child(const QStringList &args, const QString &path)
{
    const QString what = args.value(1);
    const bool bare = args.value(2) == QLatin1String("bare");
    // --replace names the page kind instead: "line" or "lines"
    Editor editor(bare, path);
    if (what == QLatin1String("--open")) {
        std::printf("%.1f %d\n", editor.openMs, editor.showsText() ? 1 : 0);
    } else if (what == QLatin1String("--idle")) {
        QEventLoop loop;
        QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
        const double before = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        loop.exec();
        std::printf("%.2f\n", (cpuSeconds() - before) / (double(clock.elapsed()) / 1000) * 100);
    } else if (what == QLatin1String("--keys")) {
        QTextCursor cursor = editor.edit().textCursor();
        cursor.setPosition(editor.edit().document()->characterCount() / 2);
        editor.edit().setTextCursor(cursor);
        QApplication::processEvents();
        std::vector<double> keys;
        for (int i = args.value(3).toInt(); i > 0; --i) {
            keys.push_back(bench::timeMs([&] {
                QTest::keyClick(&editor.edit(), Qt::Key_A);
                QApplication::processEvents();
            }));
        }
        std::printf("%.3f\n", bench::median(keys));
    } else if (what == QLatin1String("--replace")) {
        // what Replace All does once "All" is answered
        TColorMemo &memo = editor.memo();
        const QString replacement = args.value(2) == QLatin1String("line") ? "xabc" : "xyz";
        const double ms = bench::timeMs([&] {
            const MatchRule rule(QStringLiteral("abc"), false);
            ReplaceScan scan(memo.text(), rule, replacement, scanRange(memo.textLength(), 0, 0, false, 3));
            while (scan.next())
                scan.replace();
            TextCommands::applyEdit(memo, scan.takeEdit());
            QApplication::processEvents();
        });
        std::printf("%.1f %d\n", ms, memo.textLength());
    }
    return 0;
}

struct Figures {
    std::vector<double> ours;
    std::vector<double> bare;
};

// Runs a child for the document window and one for the bare view, in turns
// so that neither always runs on a warmer machine, and keeps the first
// number each prints.
Figures sideBySide(int repeats, const QString &what, const QStringList &more, const QString &path)
{
    Figures figures;
    for (int i = 0; i < repeats; ++i) {
        figures.ours.push_back(bench::runChild(QStringList{what, "page"} + more + QStringList{path})[0].toDouble());
        figures.bare.push_back(bench::runChild(QStringList{what, "bare"} + more + QStringList{path})[0].toDouble());
    }
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::quietOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("QUENDEL_STORE", dir.filePath("bench.reg").toLocal8Bit());
    const QStringList args = QApplication::arguments();
    if (args.value(1).startsWith(QLatin1String("--")))
        return child(args, args.last());

    const int repeats = bench::repeatsFrom(args, 3);
    const auto writePage = [&](const QString &name, const QByteArray &bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    };
    QMap<int, QString> oneLine;
    for (const int mebibytes : {1, 3, 10, 50})
        oneLine[mebibytes] = writePage(QStringLiteral("line%1.htm").arg(mebibytes), page(mebibytes, true));
    std::printf("one-line pages of dense HTML; document window against a bare QPlainTextEdit, word wrap on; "
                "medians of %d runs\n",
                repeats);

    for (const int mebibytes : {1, 3}) {
        const Figures idle = sideBySide(repeats, "--idle", {}, oneLine[mebibytes]);
        std::printf("idle CPU over 10 s, caret blinking, %d MB: document window %.2f %% of a core "
                    "(target < 2), bare %.2f %%\n",
                    mebibytes, bench::median(idle.ours), bench::median(idle.bare));
    }
    for (const int mebibytes : {1, 10}) {
        // the bare view takes seconds a key on the larger page: few keys each
        const Figures keys = sideBySide(repeats, "--keys", {"5"}, oneLine[mebibytes]);
        std::printf("typed key until painted, %d MB: document window %.2f ms, bare %.1f ms, ratio %.4f "
                    "(target <= 1.3)\n",
                    mebibytes, bench::median(keys.ours), bench::median(keys.bare),
                    bench::median(keys.ours) / bench::median(keys.bare));
    }
    {
        const Figures open = sideBySide(repeats, "--open", {}, oneLine[50]);
        const bool shown = bench::runChild({"--open", "page", oneLine[50]}).value(1) == "1";
        std::printf("open and first paint, 50 MB: document window %.0f ms (%s), bare setPlainText %.0f ms, "
                    "ratio %.3f\n",
                    bench::median(open.ours), shown ? "text shown" : "NO TEXT SHOWN", bench::median(open.bare),
                    bench::median(open.ours) / bench::median(open.bare));
    }
    {
        const QString lines = writePage(QStringLiteral("lines10.htm"), page(10, false));
        Figures replace;
        for (int i = 0; i < repeats; ++i) {
            replace.ours.push_back(bench::runChild({"--replace", "line", oneLine[10]})[0].toDouble());
            replace.bare.push_back(bench::runChild({"--replace", "lines", lines})[0].toDouble());
        }
        std::printf("Replace All, 10 MB, word wrap on: \"abc\" with \"xabc\" on one line %.0f ms, "
                    "\"abc\" with \"xyz\" on lines %.0f ms, ratio %.2f\n",
                    bench::median(replace.ours), bench::median(replace.bare),
                    bench::median(replace.ours) / bench::median(replace.bare));
    }
    return 0;
}
