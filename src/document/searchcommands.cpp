#include "searchcommands.h"

#include "busycursor.h"
#include "colormemo.h"
#include "helpcontexts.h"
#include "messages.h"
#include "replaceform.h"
#include "searchform.h"
#include "textcommands.h"
#include "textscan.h"

namespace SearchCommands {

namespace {

// Shows the window and hands back what it was closed with.
template <typename Window>
SearchChoice ask(TColorMemo &memo, QWidget *parent)
{
    Window window(memo.selLength() > 0, parent);
    window.exec();
    return window.choice();
}

ScanRange rangeFor(const TColorMemo &memo, const SearchChoice &choice)
{
    return scanRange(memo.textLength(), memo.selStart(), memo.selLength(), choice.selectionOnly, choice.text.size());
}

void select(TColorMemo &memo, qsizetype position, qsizetype length)
{
    memo.setSelStart(int(position - 1));
    memo.setSelLength(int(length));
}

void sayNoMatches()
{
    Messages::show(Messages::Kind::Information, QStringLiteral("Sorry no matches found"), Messages::OK);
}

} // namespace

void search(TColorMemo &memo, QWidget *parent)
{
    const SearchChoice choice = ask<Tsearchform>(memo, parent);
    if (!choice.confirmed || choice.text.isEmpty())
        return;
    bool offered = false;
    {
        BusyCursor busy;
        const MatchRule rule(choice.text, choice.caseSensitive);
        const ScanRange range = rangeFor(memo, choice);
        // The view's own text serves unless the search text holds a part of
        // a line break, which only the program's model has.
        const bool breaks = choice.text.contains(u'\r') || choice.text.contains(u'\n');
        const QString text = breaks ? memo.text() : memo.rawText();
        SearchScan scan(text, rule, range, breaks ? -1 : memo.rawPosition(int(range.first - 1)));
        while (const qsizetype position = scan.next()) {
            offered = true;
            memo.setFocus();
            select(memo, position, rule.length());
            if (Messages::show(Messages::Kind::Confirmation, QStringLiteral("Continue search ?"),
                               Messages::Yes | Messages::No)
                != Messages::Yes)
                break;
        }
    }
    if (!offered)
        sayNoMatches();
}

void replace(TColorMemo &memo, QWidget *parent)
{
    const SearchChoice choice = ask<Treplaceform>(memo, parent);
    if (!choice.confirmed) {
        memo.setFocus();
        return;
    }
    bool found = false;
    {
        BusyCursor busy;
        const MatchRule rule(choice.text, choice.caseSensitive);
        ReplaceScan scan(memo.text(), rule, choice.replacement, rangeFor(memo, choice));
        const QString question = QStringLiteral("Replace \"%1\" with \"%2\" ?").arg(choice.text, choice.replacement);
        bool all = false;
        while (const qsizetype position = scan.next()) {
            found = true;
            if (all) {
                scan.replace();
                continue;
            }
            select(memo, position, rule.length());
            const auto answer =
                Messages::show(Messages::Kind::Confirmation, question,
                               Messages::Yes | Messages::No | Messages::Cancel | Messages::All | Messages::Help,
                               HelpContext::kReplaceQuestion);
            if (answer == Messages::Yes || answer == Messages::All) {
                all = answer == Messages::All;
                scan.replace();
                if (!all)
                    TextCommands::applyEdit(memo, scan.takeEdit());
            } else if (answer != Messages::No) {
                memo.setSelLength(0);
                break;
            }
        }
        // Everything replaced after "All" reaches the memo as one edit.
        const TextEdit rest = scan.takeEdit();
        if (!rest.isEmpty())
            TextCommands::applyEdit(memo, rest);
    }
    if (!found)
        sayNoMatches();
    memo.setFocus();
}

} // namespace SearchCommands
