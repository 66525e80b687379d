// Colour pass timings: a full pass and a caret-line pass over a 60-line,
// 120-column view of dense HTML with the document rules; the keystroke pass
// in a 50 MB page against a 5 KB page; and opening and pasting against a
// QSyntaxHighlighter with QRegularExpression over the same keyword lists.

#include "benchsupport.h"

#include "colormemo.h"
#include "colorpass.h"
#include "documentrules.h"
#include "drawrules.h"
#include "hotspot.h"
#include "runformats.h"
#include "textmodel.h"

#include <QApplication>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTest>
#include <QTextBlock>

#include <memory>

namespace {

constexpr int ViewLines = 60;
constexpr int ViewColumns = 120;

// Dense HTML cut into lines of exactly ViewColumns characters.
QString denseLines(qsizetype bytes)
{
    const QString flat = QString::fromLatin1(bench::denseHtml(bytes)).remove(QStringLiteral("\r\n"));
    QString out;
    out.reserve(flat.size() + flat.size() / ViewColumns + 1);
    for (qsizetype at = 0; at < flat.size(); at += ViewColumns) {
        out += QStringView(flat).mid(at, ViewColumns);
        out += u'\n';
    }
    return out;
}

// Times the keystroke passes the memo runs.
class TimedMemo : public TColorMemo
{
public:
    using QPlainTextEdit::firstVisibleBlock;
    std::vector<double> caretLinePassesMs;
    void paintColors(bool caretLineOnly) override
    {
        const double ms = bench::timeMs([&] { TColorMemo::paintColors(caretLineOnly); });
        if (caretLineOnly)
            caretLinePassesMs.push_back(ms);
    }
};

void sizeForView(QPlainTextEdit &edit)
{
    edit.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 8));
    const QFontMetrics metrics(edit.font());
    const int margins = 2 * (edit.frameWidth() + int(edit.document()->documentMargin()) + 2);
    edit.resize(metrics.horizontalAdvance(QString(ViewColumns, u'x')) + margins + 20,
                metrics.lineSpacing() * ViewLines + margins);
}

std::unique_ptr<TimedMemo> showMemo(const QString &text)
{
    auto memo = std::make_unique<TimedMemo>();
    applyDocumentRules(*memo);
    sizeForView(*memo);
    memo->setModelText(text);
    memo->show();
    if (!QTest::qWaitForWindowExposed(memo.get()))
        qFatal("memo not shown");
    memo->viewport()->grab();
    return memo;
}

// Median of a caret-line pass after each of 'count' typed characters in the
// middle of the view.
double keystrokePassMs(TimedMemo &memo, int count)
{
    const QTextBlock middle =
        memo.firstVisibleBlock().document()->findBlockByNumber(memo.firstVisibleBlock().blockNumber() + ViewLines / 2);
    QTextCursor cursor(middle);
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 40);
    memo.setTextCursor(cursor);
    memo.caretLinePassesMs.clear();
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(&memo, Qt::Key_X);
        QTest::keyClick(&memo, Qt::Key_Backspace);
    }
    return bench::median(memo.caretLinePassesMs);
}

// What a Qt developer would write. PerKeyword follows Qt's own highlighter
// example, one expression per keyword; PerList is the tuned form, one
// alternation per keyword list.
enum class RegexStyle { PerKeyword, PerList };

class RegexHighlighter : public QSyntaxHighlighter
{
public:
    RegexHighlighter(QTextDocument *document, RegexStyle style) : QSyntaxHighlighter(document)
    {
        TDrawRules rules;
        setDocumentRules(rules);
        const auto options = QRegularExpression::CaseInsensitiveOption;
        for (int i = 0; i < rules.count(); ++i) {
            QTextCharFormat format;
            format.setForeground(toQColor(rules.at(i)->DefKeyColor(), QPalette()));
            QStringList escaped;
            for (const QString &key : rules.at(i)->Keywords()) {
                escaped << QRegularExpression::escape(key);
                if (style == RegexStyle::PerKeyword)
                    m_rules.push_back({QRegularExpression(escaped.last(), options), format});
            }
            if (style == RegexStyle::PerList)
                m_rules.push_back({QRegularExpression(escaped.join(u'|'), options), format});
        }
    }

protected:
    void highlightBlock(const QString &text) override
    {
        for (const auto &[expression, format] : m_rules) {
            for (auto match = expression.globalMatch(text); match.hasNext();) {
                const QRegularExpressionMatch found = match.next();
                setFormat(int(found.capturedStart()), int(found.capturedLength()), format);
            }
        }
    }

private:
    std::vector<std::pair<QRegularExpression, QTextCharFormat>> m_rules;
};

enum class Editor { ColourMemo, Highlighter, TunedHighlighter, Uncoloured };

double openMs(Editor kind, const QString &page)
{
    std::unique_ptr<QPlainTextEdit> edit;
    std::unique_ptr<RegexHighlighter> highlighter;
    if (kind == Editor::ColourMemo) {
        auto memo = std::make_unique<TColorMemo>();
        applyDocumentRules(*memo);
        edit = std::move(memo);
    } else {
        edit = std::make_unique<QPlainTextEdit>();
        if (kind != Editor::Uncoloured) {
            highlighter = std::make_unique<RegexHighlighter>(
                edit->document(), kind == Editor::Highlighter ? RegexStyle::PerKeyword : RegexStyle::PerList);
        }
    }
    sizeForView(*edit);
    edit->show();
    if (!QTest::qWaitForWindowExposed(edit.get()))
        qFatal("edit not shown");
    return bench::timeMs([&] {
        edit->setPlainText(page);
        edit->viewport()->grab();
    });
}

double pasteMs(QPlainTextEdit &edit, const QString &lines)
{
    QTextCursor cursor(edit.document());
    cursor.setPosition(0);
    edit.setTextCursor(cursor);
    return bench::timeMs([&] {
        edit.textCursor().insertText(lines);
        edit.viewport()->grab();
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qsizetype bigBytes = qsizetype(argc > 1 ? QByteArray(argv[1]).toInt() : 50) << 20;

    // The pass logic alone over the view's window.
    {
        const QString view = denseLines(ViewLines * ViewColumns).left(ViewLines * (ViewColumns + 1) - 1);
        const std::u16string text = reinterpret_cast<const char16_t *>(TextModel::toCrlf(view).utf16());
        TDrawRules rules;
        setDocumentRules(rules);
        THotSpot hotSpot;
        ColorPass pass;
        std::vector<double> times;
        std::size_t runs = 0;
        for (int i = 0; i < 500; ++i) {
            times.push_back(bench::timeMs([&] {
                runs = pass.run(rules, hotSpot, {}, {text.c_str(), int(text.size()), 0}, {}, {}).size();
            }));
        }
        std::printf("pass logic over %dx%d view: median %.3f ms (%zu runs)\n", ViewLines, ViewColumns,
                    bench::median(times), runs);
    }

    // Full passes and keystroke passes in the memo.
    const QString small = denseLines(5 << 10);
    const QString view = denseLines(ViewLines * ViewColumns * 2);
    const QString big = denseLines(bigBytes);
    {
        auto memo = showMemo(view);
        std::vector<double> steady;
        std::vector<double> fresh;
        std::vector<double> repaint;
        std::vector<double> freshRepaint;
        for (int i = 0; i < 200; ++i) {
            steady.push_back(bench::timeMs([&] { memo->TColorMemo::paintColors(false); }));
            repaint.push_back(bench::timeMs([&] { memo->viewport()->grab(); }));
            memo->setEnabled(false);
            memo->TColorMemo::paintColors(false); // takes the colours away
            memo->setEnabled(true);
            memo->viewport()->grab();
            fresh.push_back(bench::timeMs([&] { memo->TColorMemo::paintColors(false); }));
            // the lines whose colours changed are laid out again at the next paint
            freshRepaint.push_back(bench::timeMs([&] { memo->viewport()->grab(); }));
        }
        std::printf("full pass over %d visible lines: median %.3f ms with the colours unchanged, %.3f ms "
                    "colouring every line (then Qt lays those lines out again: the next paint takes %.3f ms "
                    "against %.3f ms)\n",
                    memo->viewport()->height() / QFontMetrics(memo->font()).lineSpacing(), bench::median(steady),
                    bench::median(fresh), bench::median(freshRepaint), bench::median(repaint));
        std::printf("caret-line pass after one typed character: median %.3f ms\n", keystrokePassMs(*memo, 200));
    }
    {
        auto smallMemo = showMemo(small);
        auto bigMemo = showMemo(big);
        std::vector<double> smallTimes;
        std::vector<double> bigTimes;
        for (int round = 0; round < 5; ++round) {
            smallTimes.push_back(keystrokePassMs(*smallMemo, 50));
            bigTimes.push_back(keystrokePassMs(*bigMemo, 50));
        }
        const double smallMs = bench::median(smallTimes);
        const double bigMs = bench::median(bigTimes);
        std::printf("keystroke pass: 5 KB page %.4f ms, %lld MB page %.4f ms, ratio %.2f (target <= 1.5)\n", smallMs,
                    bigBytes >> 20, bigMs, bigMs / smallMs);
    }
    {
        std::vector<double> ours;
        std::vector<double> theirs;
        std::vector<double> tuned;
        std::vector<double> uncoloured;
        for (int round = 0; round < 3; ++round) {
            ours.push_back(openMs(Editor::ColourMemo, big));
            theirs.push_back(openMs(Editor::Highlighter, big));
            tuned.push_back(openMs(Editor::TunedHighlighter, big));
            uncoloured.push_back(openMs(Editor::Uncoloured, big));
        }
        const double oursMs = bench::median(ours);
        const double theirsMs = bench::median(theirs);
        const double tunedMs = bench::median(tuned);
        std::printf("open %lld MB coloured: colour memo %.0f ms, QSyntaxHighlighter %.0f ms, %.1fx faster "
                    "(target >= 10); against one alternation per list %.0f ms, %.1fx; an uncoloured "
                    "QPlainTextEdit takes %.0f ms\n",
                    bigBytes >> 20, oursMs, theirsMs, theirsMs / oursMs, tunedMs, tunedMs / oursMs,
                    bench::median(uncoloured));
    }
    {
        QString pasted;
        for (int i = 0; i < 1000; ++i)
            pasted += denseLines(ViewColumns).left(ViewColumns) + u'\n';
        TColorMemo memo;
        applyDocumentRules(memo);
        QPlainTextEdit highlighted;
        RegexHighlighter highlighter(highlighted.document(), RegexStyle::PerKeyword);
        QPlainTextEdit tunedHighlighted;
        RegexHighlighter tunedHighlighter(tunedHighlighted.document(), RegexStyle::PerList);
        QPlainTextEdit uncoloured;
        for (QPlainTextEdit *edit :
             {static_cast<QPlainTextEdit *>(&memo), &highlighted, &tunedHighlighted, &uncoloured}) {
            sizeForView(*edit);
            edit->setPlainText(view);
            edit->show();
            if (!QTest::qWaitForWindowExposed(edit))
                qFatal("edit not shown");
        }
        std::vector<double> ours;
        std::vector<double> theirs;
        std::vector<double> tuned;
        std::vector<double> bare;
        for (int round = 0; round < 9; ++round) {
            ours.push_back(pasteMs(memo, pasted));
            theirs.push_back(pasteMs(highlighted, pasted));
            tuned.push_back(pasteMs(tunedHighlighted, pasted));
            bare.push_back(pasteMs(uncoloured, pasted));
        }
        const double oursMs = bench::median(ours);
        const double theirsMs = bench::median(theirs);
        const double tunedMs = bench::median(tuned);
        const double bareMs = bench::median(bare);
        // recolouring = what the paste costs beyond the same paste uncoloured
        const auto faster = [&](double otherMs) { return (otherMs - bareMs) / std::max(0.001, oursMs - bareMs); };
        std::printf("paste 1000 lines and show: colour memo %.2f ms, QSyntaxHighlighter %.2f ms, one "
                    "alternation per list %.2f ms, uncoloured %.2f ms; recolouring %.1fx faster (target >= 5), "
                    "%.1fx against the tuned form\n",
                    oursMs, theirsMs, tunedMs, bareMs, faster(theirsMs), faster(tunedMs));
    }
    return 0;
}
