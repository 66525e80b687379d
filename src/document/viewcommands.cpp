#include "viewcommands.h"

#include "colormemo.h"
#include "desktop.h"
#include "dialogs.h"
#include "helpcontexts.h"
#include "messages.h"
#include "nativefiles.h"
#include "textprinter.h"

#include <QPrinter>

void printPage(const TColorMemo &memo, QPrinter &printer, const QString &title)
{
    if (memo.textLength() == 0)
        return;
    if (!Dialogs::print(printer, HelpContext::kPrint))
        return;
    printer.setDocName(title);
    printPlainText(printer, memo.rawText(), memo.font(), memo.palette().text().color());
}

void wrapWords(TColorMemo &memo, bool wrap)
{
    if (wrap) {
        memo.setLineWrapMode(QPlainTextEdit::WidgetWidth);
        memo.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        memo.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo.setLineWrapMode(QPlainTextEdit::NoWrap);
    }
}

void launchBrowser(const QString &fileName)
{
    if (!NativeFiles::isFile(fileName)) {
        Messages::show(Messages::Kind::Error, QStringLiteral("The file has not yet been saved !"), Messages::OK);
        return;
    }
    Desktop::openFile(fileName);
}
