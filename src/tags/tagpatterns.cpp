#include "tagpatterns.h"

#include "homelink.h"
#include "tagtable.h"

#include <algorithm>

namespace {

const QString kBreak = QStringLiteral("\r\n");

TagPlan wrapping(const QString &text, const TagSlot &slot, int k, bool reselects)
{
    TagPlan plan;
    plan.recordsUndo = true;
    plan.inserts = true;
    plan.text = text;
    plan.movesCaret = true;
    plan.back = slot.back;
    plan.wrapped = k;
    plan.reselects = reselects;
    return plan;
}

TagPlan atBareCaret(const QString &text, qint32 back, bool movesCaret, int k)
{
    TagPlan plan;
    if (k != 0)
        return plan;
    plan.recordsUndo = true;
    plan.inserts = true;
    plan.text = text;
    plan.movesCaret = movesCaret;
    plan.back = back;
    return plan;
}

} // namespace

TagPlan planTag(const TagCommand &command, const TagSlot &slot, const QString &s, int k)
{
    const QString &open = slot.opening;
    const QString &close = slot.closing;
    switch (command.pattern) {
    case TagPattern::Block:
    case TagPattern::BlockReselect:
        return wrapping(open + kBreak + s + kBreak + close + kBreak, slot, k,
                        command.pattern == TagPattern::BlockReselect);
    case TagPattern::Line:
    case TagPattern::LineReselect:
        return wrapping(open + s + close + kBreak, slot, k, command.pattern == TagPattern::LineReselect);
    case TagPattern::Inline:
    case TagPattern::InlineReselect:
        return wrapping(open + s + close, slot, k, command.pattern == TagPattern::InlineReselect);
    case TagPattern::Script:
        return wrapping(open + kBreak + QStringLiteral("<!--") + kBreak + s + kBreak + QStringLiteral("//-->") + kBreak
                            + close + kBreak,
                        slot, k, false);
    case TagPattern::StyleBlock:
        return wrapping(open + kBreak + QStringLiteral("<!--") + kBreak + QStringLiteral(" ") + s + kBreak
                            + QStringLiteral("//-->") + kBreak + close + kBreak,
                        slot, k, false);
    case TagPattern::Option: return wrapping(open + s + kBreak, slot, k, false);
    case TagPattern::Definition: return wrapping(open + kBreak + s + kBreak, slot, k, false);
    case TagPattern::SingleLine:
    case TagPattern::Image: return atBareCaret(open + kBreak, slot.back, true, k);
    case TagPattern::SingleLineCaretStays: return atBareCaret(open + kBreak, 0, false, k);
    case TagPattern::Attribute: return atBareCaret(open, slot.back, true, k);
    case TagPattern::AttributeCaretStays: return atBareCaret(open, 0, false, k);
    case TagPattern::Literal: return atBareCaret(QString::fromLatin1(command.literal), 0, false, k);
    case TagPattern::HomeLink: {
        // Records its undo point even when a selection keeps it from inserting.
        TagPlan plan = atBareCaret(homeLinkBlock(), 0, false, k);
        plan.recordsUndo = true;
        return plan;
    }
    case TagPattern::Colour: break;
    }
    return {};
}

int caretAfter(const TagPlan &plan, int insertStart, int textLength)
{
    const qint64 end = qint64(insertStart) + plan.text.size();
    if (!plan.movesCaret)
        return int(std::clamp<qint64>(end, 0, textLength));
    // A back offset can point before the text or past it; keep the caret inside.
    return int(std::clamp<qint64>(end - plan.back - plan.wrapped, 0, textLength));
}

QString colourDigits(int red, int green, int blue)
{
    return QStringLiteral("%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}
