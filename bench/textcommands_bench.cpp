// The Edit menu's many-change commands and the File menu's insertion, each
// measured side by side in one run:
//   - Replace answered with All, Remove empty lines and Set line breaks on a
//     1 MB and a 10 MB page: how they grow, and the 10 MB time;
//   - a search that walks every match of a 50 MB page against a plain
//     QString::indexOf walk over the same text;
//   - inserting a 50 MB text file against opening the same file as a page.
// Qt's own QTextDocument::setPlainText at both sizes is shown beside them:
// its block map grows a little faster than the text, and every command that
// rewrites many lines pays that too.
//
//   bench_textcommands [repeats]

#include "benchsupport.h"
#include "colormemo.h"
#include "dialogs.h"
#include "editform.h"
#include "mainform.h"
#include "messages.h"
#include "replaceform.h"
#include "searchcommands.h"
#include "textcommands.h"
#include "textscan.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

namespace {

// Every question is answered "All" (or OK); every open dialog with one file.
struct Answers : Messages::Presenter, Dialogs::Provider {
    QString file;
    Messages::Button present(const Messages::Request &request) override
    {
        return request.buttons.testFlag(Messages::All) ? Messages::All : Messages::OK;
    }
    QStringList openFiles(const Dialogs::FileRequest &) override { return {file}; }
    QString saveFile(const Dialogs::FileRequest &) override { return {}; }
    QString folder(const QString &, const QString &) override { return {}; }
};

// Fills in the replace window once it is up and presses OK.
void fillReplaceWindow(const QString &lookFor, const QString &replacement)
{
    QTimer::singleShot(0, qApp, [=] {
        auto *window = qobject_cast<Treplaceform *>(QApplication::activeModalWidget());
        if (!window)
            return fillReplaceWindow(lookFor, replacement);
        window->crit->setText(lookFor);
        window->reptext->setText(replacement);
        window->okbutton->click();
    });
}

QString pageText(qsizetype bytes, bool emptyLines)
{
    QString text = QString::fromLatin1(bench::denseHtml(bytes));
    if (emptyLines) // every line followed by an empty one
        text.replace(QLatin1String("\r\n"), QLatin1String("\r\n\r\n"));
    return text.left(bytes);
}

struct Growth {
    std::vector<double> small, large;
    void print(const char *what) const
    {
        const double s = bench::median(small), l = bench::median(large);
        std::printf("%-28s 1 MB %7.1f ms   10 MB %7.1f ms   ratio %5.2f (target <= 12; 10 MB < %s)\n", what, s, l,
                    l / s, std::string(what).rfind("Replace", 0) == 0 ? "2000 ms" : "1000 ms");
    }
};

double timeOnPage(TColorMemo &memo, const QString &text, const std::function<void()> &command)
{
    memo.setText(text);
    memo.setSelStart(0);
    QApplication::processEvents();
    const double ms = bench::timeMs(command);
    QApplication::processEvents();
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    bench::quietOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("QUENDEL_STORE", dir.filePath("bench.reg").toLocal8Bit());
    const int repeats = bench::repeatsFrom(QApplication::arguments());
    Answers answers;
    Messages::setPresenter(&answers);
    Dialogs::setProvider(&answers);

    TColorMemo memo;
    memo.resize(900, 700);
    memo.show();
    const qsizetype MB = 1'000'000;
    const QString plain[2] = {pageText(MB, false), pageText(10 * MB, false)};
    const QString spaced[2] = {pageText(MB, true), pageText(10 * MB, true)};
    std::printf("%d repeats, medians; 10 MB page: %lld quotes to replace\n", repeats, qlonglong(plain[1].count(u'"')));

    Growth replaceAll, replaceScan, emptyLines, lineBreaks, qtLoad;
    for (int i = 0; i < repeats; ++i) {
        for (int size = 0; size < 2; ++size) {
            const auto into = [size](Growth &g) -> std::vector<double> & { return size ? g.large : g.small; };
            into(replaceAll).push_back(timeOnPage(memo, plain[size], [&] {
                fillReplaceWindow(QStringLiteral("\""), QStringLiteral("'"));
                SearchCommands::replace(memo, nullptr);
            }));
            into(replaceScan).push_back(bench::timeMs([&] {
                const MatchRule rule(QStringLiteral("\""), false);
                ReplaceScan scan(plain[size], rule, QStringLiteral("'"), scanRange(plain[size].size(), 0, 0, false, 1));
                while (scan.next())
                    scan.replace();
                (void)scan.takeEdit();
            }));
            into(emptyLines).push_back(timeOnPage(memo, spaced[size], [&] { TextCommands::removeEmptyLines(memo); }));
            into(lineBreaks).push_back(timeOnPage(memo, plain[size], [&] {
                memo.selectAll();
                TextCommands::setLineBreaks(memo);
            }));
            const QString qtText = QString(plain[size]).replace(QLatin1String("\r\n"), QLatin1String("\n"));
            into(qtLoad).push_back(bench::timeMs([&] {
                QTextDocument document;
                document.setPlainText(qtText);
            }));
        }
    }
    replaceAll.print("Replace, All");
    std::printf("%-28s 1 MB %7.1f ms   10 MB %7.1f ms   ratio %5.2f (the scan alone, without the view's edit)\n",
                "  of which the scan", bench::median(replaceScan.small), bench::median(replaceScan.large),
                bench::median(replaceScan.large) / bench::median(replaceScan.small));
    emptyLines.print("Remove empty lines");
    lineBreaks.print("Set line breaks");
    std::printf("%-28s 1 MB %7.1f ms   10 MB %7.1f ms   ratio %5.2f (Qt's own growth, for reference)\n",
                "QTextDocument::setPlainText", bench::median(qtLoad.small), bench::median(qtLoad.large),
                bench::median(qtLoad.large) / bench::median(qtLoad.small));

    // Search: every match of a 50 MB page, in either case and in exact case:
    // the scan alone, and the command's way (the view's text taken once).
    const QString big = pageText(50 * MB, false);
    memo.setText(big);
    for (const bool exact : {false, true}) {
        const QString needle = exact ? QStringLiteral("Home") : QStringLiteral("home");
        const ScanRange range = scanRange(big.size(), 0, 0, false, needle.size());
        std::vector<double> ours, command, plainWalk;
        qsizetype found = 0;
        for (int i = 0; i < repeats; ++i) {
            const MatchRule rule(needle, exact);
            const auto walk = [&](QStringView text, qsizetype textFirst) {
                SearchScan scan(text, rule, range, textFirst);
                found = 0;
                while (scan.next())
                    ++found;
            };
            ours.push_back(bench::timeMs([&] { walk(big, -1); }));
            command.push_back(bench::timeMs([&] { walk(memo.document()->toRawText(), 0); }));
            plainWalk.push_back(bench::timeMs([&] {
                const Qt::CaseSensitivity cs = exact ? Qt::CaseSensitive : Qt::CaseInsensitive;
                for (qsizetype at = big.indexOf(needle, 0, cs); at >= 0; at = big.indexOf(needle, at + 1, cs)) {
                }
            }));
        }
        std::printf("search 50 MB, %s, %lld matches: scan %.0f ms, with the view's text taken %.0f ms, indexOf "
                    "walk %.0f ms; ratios %.2f and %.2f (target <= 3)\n",
                    exact ? "exact case" : "either case", qlonglong(found), bench::median(ours), bench::median(command),
                    bench::median(plainWalk), bench::median(ours) / bench::median(plainWalk),
                    bench::median(command) / bench::median(plainWalk));
    }
    memo.setText(QString());

    // Insert a 50 MB file into a new page against opening it as a page.
    answers.file = dir.filePath("big.txt");
    {
        QFile file(answers.file);
        file.open(QIODevice::WriteOnly);
        file.write(bench::denseHtml(50 * MB));
    }
    Tmainform main;
    main.resize(1000, 800);
    main.show();
    std::vector<double> openMs, insertMs;
    for (int i = 0; i < qMin(repeats, 3); ++i) {
        openMs.push_back(bench::timeMs([&] { main.openDocument(answers.file); }));
        main.activeDocument()->closeWithoutQuery();
        main.newDocument();
        Teditform *page = main.activeDocument();
        QApplication::processEvents();
        insertMs.push_back(bench::timeMs([&] { page->insertTextFile(); }));
        page->closeWithoutQuery();
        QApplication::processEvents();
    }
    std::printf("50 MB text file: open as a page %.0f ms, insert into a page %.0f ms, ratio %.2f (target <= 1.5)\n",
                bench::median(openMs), bench::median(insertMs), bench::median(insertMs) / bench::median(openMs));
    Messages::setPresenter(nullptr);
    Dialogs::setProvider(nullptr);
    return 0;
}
