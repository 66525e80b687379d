#include "textcommands.h"

#include "busycursor.h"
#include "colormemo.h"
#include "dialogs.h"
#include "documentfile.h"
#include "helpcontexts.h"
#include "linebreaks.h"
#include "loadform.h"
#include "messages.h"
#include "pagebytes.h"
#include "settings.h"
#include "tagundo.h"
#include "textmodel.h"

#include <QClipboard>
#include <QGuiApplication>

namespace TextCommands {

namespace {

bool lineBreakAfterLastLine()
{
    return g_settings.lineBreakOption == QLatin1String("1");
}

// An 8-bit page that holds only ASCII may become a UTF-8 page with what is
// inserted; any other keeps its encoding.
bool mayBecomeUtf8(const PageBytes &page)
{
    return page.encoding() == PageEncoding::EightBit && page.holdsOnlyAscii();
}

} // namespace

void copy(TColorMemo &memo)
{
    // Plain text with the desktop's own line ends.
    const QString selected = memo.selModelText();
    if (!selected.isEmpty())
        QGuiApplication::clipboard()->setText(selected);
}

void cut(TColorMemo &memo)
{
    if (!memo.textCursor().hasSelection())
        return;
    copy(memo);
    memo.setSelText(QString());
}

void paste(TColorMemo &memo, TagUndo &undo)
{
    undo.recordPoint();
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty())
        memo.setSelText(text);
}

void deleteSelection(TColorMemo &memo)
{
    const auto answer =
        Messages::show(Messages::Kind::Warning, QStringLiteral("Are You sure ??"), Messages::Yes | Messages::Cancel);
    if (answer == Messages::Yes)
        memo.setSelText(QString());
}

void setLineBreaks(TColorMemo &memo)
{
    if (memo.textCursor().hasSelection()) {
        BusyCursor busy;
        memo.setSelText(LineBreaks::setLineBreaks(memo.selText(), lineBreakAfterLastLine()));
    }
    memo.setFocus();
}

void removeLineBreaks(TColorMemo &memo)
{
    if (!memo.textCursor().hasSelection())
        return;
    BusyCursor busy;
    memo.setSelText(LineBreaks::removeBreakTags(memo.selText()));
}

void removeEmptyLines(TColorMemo &memo)
{
    BusyCursor busy;
    const QString before = memo.text();
    const LineBreaks::EmptyLinesResult result = LineBreaks::removeEmptyLines(before);
    if (result.deletions == 0)
        return;
    applyEdit(memo, editOf(result.text, before.size(), result.firstChange, result.caret));
    // Where the last deletion leaves the caret: between the pair's CR and
    // LF, which the memo shows at the end of that line.
    memo.setSelStart(result.caret);
    memo.ensureCursorVisible();
}

void insertTextFile(TColorMemo &memo, PageBytes &page)
{
    Dialogs::FileRequest request;
    request.filter = QStringLiteral("Text files|*.txt|Rich text format|*.rtf");
    request.startFolder = g_settings.textDirectory;
    request.helpContext = HelpContext::kInsertTextFile;
    const QString path = Dialogs::openFile(request);
    if (!path.isEmpty()) {
        BusyCursor busy;
        const PageText file = decodeInsertion(readWholeFile(path), page.encoding(), mayBecomeUtf8(page));
        page.setEncoding(file.encoding);
        memo.setSelModelText(file.text);
    }
    memo.setFocus();
}

void insertFromTextFile(TColorMemo &memo, PageBytes &page, QWidget *parent)
{
    Tloadform loadform(parent, page.encoding(), mayBecomeUtf8(page));
    if (loadform.exec() == QDialog::Accepted) {
        page.setEncoding(loadform.fragmentEncoding());
        memo.setSelText(loadform.fragment());
    }
    g_lastLoadFile = loadform.chosenFile();
    memo.setFocus();
}

void applyEdit(TColorMemo &memo, const TextEdit &edit)
{
    memo.setSelStart(int(edit.start));
    memo.setSelLength(int(edit.removed));
    memo.setSelText(edit.inserted);
}

} // namespace TextCommands
