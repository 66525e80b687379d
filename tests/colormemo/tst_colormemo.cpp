#include "colormemo.h"
#include "displaylines.h"
#include "documentrules.h"
#include "drawrules.h"
#include "hotspot.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

namespace {

// Records every colour pass and whether it was for the caret's line only.
class RecordingMemo : public TColorMemo
{
public:
    using TColorMemo::TColorMemo;
    QList<bool> passes;
    void paintColors(bool caretLineOnly) override
    {
        passes << caretLineOnly;
        TColorMemo::paintColors(caretLineOnly);
    }
};

bool isGreen(QRgb pixel)
{
    return qGreen(pixel) > 90 && qRed(pixel) < 60 && qBlue(pixel) < 60;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 80;
}

template <typename Pred>
int countPixels(const QImage &image, const QRect &rect, Pred pred)
{
    int count = 0;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += pred(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

} // namespace

class ColorMemoTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = new QWidget;
        m_memo = new RecordingMemo(m_window);
        m_memo->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 22));
        m_memo->setGeometry(0, 0, 640, 400);
        applyDocumentRules(*m_memo);
        m_window->resize(640, 400);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup() { delete m_window; }

    void keywordGlyphsCarryTheRuleColour()
    {
        m_memo->setModelText(QStringLiteral("<b>plain</b>\nplain"));
        const QImage image = render();
        QVERIFY(countPixels(image, charsRect(0, 3), isGreen) > 10);
        QCOMPARE(countPixels(image, charsRect(3, 8), isGreen), 0);
        QVERIFY(countPixels(image, charsRect(3, 8), isDark) > 10);
        QVERIFY(countPixels(image, charsRect(8, 12), isGreen) > 10);
        QCOMPARE(countPixels(image, charsRect(13, 18), isGreen), 0);
        // disabled, or without rules, the memo shows no colours
        m_memo->setEnabled(false);
        QCOMPARE(countPixels(render(), charsRect(0, 3), isGreen), 0);
        m_memo->setEnabled(true);
        m_memo->ColorRules().clear();
        QCOMPARE(countPixels(render(), charsRect(0, 3), isGreen), 0);
    }

    void selectionHidesColoursUntilANavigationKey()
    {
        m_memo->setModelText(QStringLiteral("<b>plain"));
        m_memo->setFocus();
        m_memo->setSelStart(0);
        m_memo->setSelLength(3);
        QCOMPARE(countPixels(render(), charsRect(0, 3), isGreen), 0);
        // a navigation key drops the selection, acts from its end and brings
        // the colour back
        QTest::keyClick(m_memo, Qt::Key_Left);
        QCOMPARE(m_memo->selStart(), 2);
        QCOMPARE(m_memo->selLength(), 0);
        QVERIFY(countPixels(render(), charsRect(0, 3), isGreen) > 10);
        // with a modifier the key keeps its usual meaning
        m_memo->setSelStart(1);
        m_memo->setSelLength(3);
        QTest::keyClick(m_memo, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(m_memo->selStart(), 1);
        QCOMPARE(m_memo->selLength(), 2);
    }

    void caretLineOnlyForOneTypedCharacter()
    {
        m_memo->setModelText(QStringLiteral("one\ntwo"));
        m_memo->setFocus();
        m_memo->setSelStart(3);
        // whether the first pass after a key was for the caret's line only
        const auto caretLineOnlyAfter = [this](Qt::Key key) {
            m_memo->passes.clear();
            QTest::keyClick(m_memo, key);
            return m_memo->passes.value(0);
        };
        QVERIFY(caretLineOnlyAfter(Qt::Key_X));
        QVERIFY(!caretLineOnlyAfter(Qt::Key_Return));
        QVERIFY(!caretLineOnlyAfter(Qt::Key_Backspace));
        m_memo->passes.clear();
        m_memo->setSelText(QStringLiteral("a\r\nb"));
        QCOMPARE(m_memo->passes.value(0), false);
        // RedrawAlways: every change colours the whole view
        m_memo->setRedrawAlways(true);
        QVERIFY(!caretLineOnlyAfter(Qt::Key_Y));
    }

    void colouringIsNotATextChange()
    {
        m_memo->setModelText(QStringLiteral("<html>\n<body>\"x\"</body>"));
        m_memo->setModified(false);
        QSignalSpy changed(m_memo, &QPlainTextEdit::textChanged);
        QSignalSpy modification(m_memo->document(), &QTextDocument::modificationChanged);
        QSignalSpy contentsAt(m_memo->document(), &QTextDocument::contentsChange);
        const int undoSteps = m_memo->document()->availableUndoSteps();
        render();
        m_memo->paintColors(false);
        m_memo->setSelStart(2);
        m_memo->paintColors(false);
        render();
        QVERIFY(!m_memo->document()->firstBlock().layout()->formats().isEmpty());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(modification.count(), 0);
        QCOMPARE(contentsAt.count(), 0);
        QVERIFY(!m_memo->modified());
        QCOMPARE(m_memo->document()->availableUndoSteps(), undoSteps);
    }

    void lineCutByBottomEdgeUncoloured()
    {
        m_memo->setModelText(QStringLiteral("<b>\n").repeated(40));
        const int lineHeight = m_memo->cursorRect().height();
        m_memo->resize(640, m_memo->height() - m_memo->viewport()->height() + lineHeight * 5 + lineHeight / 2);
        render();
        const auto coloured = [this](int line) {
            return !m_memo->document()->findBlockByNumber(line).layout()->formats().isEmpty();
        };
        QVERIFY(coloured(4));  // the last whole line
        QVERIFY(!coloured(5)); // cut by the edge
    }

    void shiftReleaseAndLeftClicksRecolour()
    {
        m_memo->setModelText(QStringLiteral("<b>text"));
        m_memo->setFocus();
        m_memo->passes.clear();
        QTest::keyRelease(m_memo, Qt::Key_Shift);
        QCOMPARE(m_memo->passes, QList<bool>{false});
        m_memo->passes.clear();
        QTest::keyRelease(m_memo, Qt::Key_Shift, Qt::ControlModifier);
        QVERIFY(m_memo->passes.isEmpty());
        const QPoint point = charsRect(1, 2).center();
        m_memo->passes.clear();
        QTest::mousePress(m_memo->viewport(), Qt::LeftButton, {}, point);
        QCOMPARE(m_memo->passes.size(), 1);
        QTest::mouseRelease(m_memo->viewport(), Qt::LeftButton, {}, point);
        QCOMPARE(m_memo->passes.size(), 2);
        m_memo->passes.clear();
        QTest::mousePress(m_memo->viewport(), Qt::RightButton, {}, point);
        QTest::mouseRelease(m_memo->viewport(), Qt::RightButton, {}, point);
        QVERIFY(m_memo->passes.isEmpty());
    }

    void scrollBarFiresBeforeRecolour()
    {
        m_memo->setModelText(QStringLiteral("<b>\n").repeated(200));
        QStringList order;
        m_memo->setOnVScroll([&](TColorMemo *sender) {
            QCOMPARE(sender, m_memo);
            order << QStringLiteral("scroll:%1").arg(m_memo->passes.size());
        });
        m_memo->passes.clear();
        m_memo->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(order, QStringList{"scroll:0"});
        QCOMPARE(m_memo->passes.value(0), false);
        m_memo->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(order, QStringList({"scroll:0", "scroll:1"}));
        m_memo->passes.clear();
        // scrolling by other means recolours without the event
        m_memo->verticalScrollBar()->setValue(0);
        QCOMPARE(order.size(), 2);
        QCOMPARE(m_memo->passes.size(), 1);
        const QTextBlock top = m_memo->document()->firstBlock();
        QVERIFY(!top.layout()->formats().isEmpty());
    }

    void hotSpotCursorAndClick()
    {
        // the second line's "ho" ends a display line, "me" starts the next
        const int piece = DisplayLines::PieceLength;
        const int second = 17; // where the second line starts in the document
        m_memo->ColorRules().clear();
        m_memo->HotSpot().Active = true;
        m_memo->HotSpot().MarkerColor = clGreen;
        m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_memo->setModelText(QStringLiteral("see \x1Ehome\x1F page\n") + QString(piece - 3, u'x')
                             + QStringLiteral("\x1Ehome\x1F") + QString(3000, u'x'));
        QStringList clicks;
        m_memo->setOnHotSpotClick([&](TColorMemo *, const QString &src) { clicks << src; });
        QWidget *view = m_memo->viewport();
        QTest::mouseMove(view, charsRect(6, 7).center());
        QCOMPARE(view->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(view, Qt::LeftButton, {}, charsRect(6, 7).center());
        QCOMPARE(clicks, QStringList{"home"});
        QTest::mouseMove(view, charsRect(1, 2).center());
        QCOMPARE(view->cursor().shape(), Qt::IBeamCursor);
        QTest::mouseClick(view, Qt::LeftButton, {}, charsRect(1, 2).center());
        QCOMPARE(clicks.size(), 1);
        const QPoint acrossTheBreak = charsRect(second + piece + 1, second + piece + 2).center();
        QTest::mouseMove(view, acrossTheBreak);
        QCOMPARE(view->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(view, Qt::LeftButton, {}, acrossTheBreak);
        QCOMPARE(clicks, QStringList({"home", "home"}));
    }

    void eventDrawAndKeyDrawHandlers()
    {
        m_memo->setModelText(QStringLiteral("abcdef <b>"));
        TColorRule *rule = m_memo->ColorRules().add();
        rule->setKeyDrawingType(TColorRule::dtEventDraw);
        rule->setZOrder(100);
        m_memo->setOnDraw([&](TColorRule *, std::u16string_view, std::span<TKeyDescr> a, int &count) {
            a[0] = {1, 2, clGreen, 0, 0};
            count = 1;
        });
        m_memo->setColorLimMax(2);
        QVERIFY(countPixels(render(), charsRect(1, 3), isGreen) > 10);
        QStringList keys;
        m_memo->setOnDrawKey([&](QPainter &, const QString &key, const QRect &rect, TColor) {
            keys << key;
            QVERIFY(rect.width() > 0);
        });
        m_memo->setColorLimMax(0);
        render();
        QVERIFY(keys.contains(QStringLiteral("<b>")));
    }

    void emptiedAndReplacedDocumentsSurvive()
    {
        m_memo->viewport()->update();
        m_memo->clear();
        render();
        m_memo->viewport()->update();
        auto *replacement = new QTextDocument(m_memo);
        replacement->setDocumentLayout(new QPlainTextDocumentLayout(replacement));
        replacement->setPlainText(QStringLiteral("<b>new"));
        m_memo->setDocument(replacement);
        QVERIFY(countPixels(render(), charsRect(0, 3), isGreen) > 10);
        m_memo->setPlainText(QString());
        QTest::qWait(20);
        render();
    }

    void longLineColouredWhereScrolledAndTyped()
    {
        // a page on one line, its last tag at the far right
        QString big;
        while (big.size() < (1 << 20))
            big += QStringLiteral("<td class=\"x\">word</td> ");
        big += QStringLiteral("plain <b>end");
        m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_memo->setModelText(big);
        render();
        m_memo->setFocus();
        std::vector<std::size_t> reads; // what each pass reads of the text
        TColorRule *reader = m_memo->ColorRules().add();
        reader->setKeyDrawingType(TColorRule::dtEventDraw);
        m_memo->setOnDraw([&](TColorRule *, std::u16string_view window, std::span<TKeyDescr>, int &count) {
            reads.push_back(window.size());
            count = 0;
        });
        m_memo->setColorLimMax(1);
        m_memo->setSelStart(int(big.size()) - 3);
        m_memo->ensureCursorVisible();
        QVERIFY(m_memo->horizontalScrollBar()->value() > 1000);
        const int key = m_memo->textCursor().position() - 3; // in the document
        QImage image = render();
        QVERIFY(countPixels(image, charsRect(key, key + 3), isGreen) > 10);
        QCOMPARE(countPixels(image, charsRect(key - 6, key - 1), isGreen), 0); // "plain"
        QVERIFY(countPixels(image, charsRect(key - 6, key - 1), isDark) > 10);
        // typed there: the new tag is coloured, and the passes read the lines
        // in view, not the whole line
        reads.clear();
        QTest::keyClicks(m_memo, QStringLiteral("<u> "));
        image = render();
        QVERIFY(countPixels(image, charsRect(key, key + 3), isGreen) > 10);
        QVERIFY(countPixels(image, charsRect(key + 3, key + 6), isGreen) > 10);
        QCOMPARE(countPixels(image, charsRect(key + 7, key + 10), isGreen), 0);
        QVERIFY(!reads.empty());
        const int linesInView = m_memo->viewport()->height() / m_memo->fontMetrics().lineSpacing() + 1;
        for (const std::size_t read : reads)
            QVERIFY(read < std::size_t(linesInView + 2) * DisplayLines::LongestShownLine);
        QCOMPARE(m_memo->text(), big.insert(big.size() - 3, QStringLiteral("<u> ")));
    }

private:
    // A document window stand-in: the memo fills a parent window.
    QWidget *m_window = nullptr;
    RecordingMemo *m_memo = nullptr;

    // Viewport rectangle of the characters [from, to) of one visual line
    // (document positions).
    QRect charsRect(int from, int to) const
    {
        QTextCursor cursor(m_memo->document());
        cursor.setPosition(from);
        const QRect left = m_memo->cursorRect(cursor);
        cursor.setPosition(to);
        const QRect right = m_memo->cursorRect(cursor);
        return QRect(QPoint(left.left() + 1, left.top()), QPoint(right.left() - 1, left.bottom()));
    }
    QImage render() const { return m_memo->viewport()->grab().toImage(); }
};

QTEST_MAIN(ColorMemoTest)
#include "tst_colormemo.moc"
