#include "tagrunner.h"

#include "apperror.h"
#include "colormemo.h"
#include "dialogs.h"
#include "helpcontexts.h"
#include "memoedit.h"
#include "picturesize.h"
#include "tagpatterns.h"
#include "tagtable.h"
#include "tagundo.h"

#include <QColor>
#include <QFileInfo>
#include <cstring>

namespace {

void moveCaretBy(TColorMemo &memo, int characters)
{
    placeCaret(memo, qint64(memo.selStart()) + characters);
}

// The picture's name goes in first; its height and width follow at fixed
// distances, which fit the default image template.
void insertPicture(TColorMemo &memo)
{
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Choose image to insert");
    request.filter = QStringLiteral("Browser supported images|*.gif; *.jpg");
    request.helpContext = HelpContext::kFontAndImage;
    const QString path = Dialogs::openFile(request);
    if (!path.isEmpty()) {
        replaceSelection(memo, QFileInfo(path).fileName());
        runCommand([&memo, &path] {
            const QSize size = readPictureSize(path);
            moveCaretBy(memo, 29);
            replaceSelection(memo, QString::number(size.height()));
            moveCaretBy(memo, 9);
            replaceSelection(memo, QString::number(size.width()));
            moveCaretBy(memo, 8);
        });
    }
    memo.setFocus();
}

void insertColour(TColorMemo &memo)
{
    if (memo.selLength() != 0)
        return;
    const QColor colour = Dialogs::color(QColor(), HelpContext::kColour);
    if (!colour.isValid())
        return;
    replaceSelection(memo, colourDigits(colour.red(), colour.green(), colour.blue()));
    memo.setFocus();
}

} // namespace

void runTagCommand(const TagCommand &command, TColorMemo &memo, TagUndo &undo)
{
    if (command.pattern == TagPattern::Colour) {
        insertColour(memo);
        return;
    }
    const TagSlot noSlot;
    const TagSlot &slot = command.slot > 0 ? g_tags.slot(command.slot) : noSlot;
    const int k = memo.selLength();
    const TagPlan plan = planTag(command, slot, k > 0 ? memo.selText() : QString(), k);
    if (!plan.recordsUndo)
        return;
    undo.recordPoint();
    if (!plan.inserts)
        return;
    const int start = memo.selStart();
    replaceSelection(memo, plan.text);
    if (plan.movesCaret)
        placeCaret(memo, caretAfter(plan, start, memo.textLength()));
    if (plan.reselects)
        memo.setSelLength(plan.wrapped);
    if (command.pattern == TagPattern::Image)
        insertPicture(memo);
}

const TagCommand *findTagCommand(const char *handler)
{
    for (const TagCommand &command : tagCommands()) {
        if (std::strcmp(command.handler, handler) == 0)
            return &command;
    }
    return nullptr;
}
