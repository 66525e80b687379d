#pragma once

#include <span>

// How an insertion command builds its text and places the caret.
enum class TagPattern {
    Block,
    BlockReselect,
    Line,
    LineReselect,
    Inline,
    InlineReselect,
    Script,
    StyleBlock,
    Option,
    Definition,
    SingleLine,
    SingleLineCaretStays,
    Attribute,
    AttributeCaretStays,
    Image,
    Literal,
    Colour,
    HomeLink,
};

// A command's line in the hot-key legend, under the heading of its menu.
struct LegendLine {
    const char *text = nullptr; // none: the command is not in the legend
    int place = 0;              // from 1, top to bottom under the heading
    bool indented = false;
};

// One insertion command of the document window's tag menus, in menu order.
struct TagCommand {
    const char *menu; // caption of the menu it stands in
    const char *caption;
    const char *shortcut; // portable text of a QKeySequence
    const char *handler;
    int slot; // 0: the command uses no slot
    TagPattern pattern;
    const char *literal; // the text a Literal command inserts
    LegendLine legend;
};

std::span<const TagCommand> tagCommands();

// Whether a separator line follows the item with this handler in its menu.
bool separatorFollows(const char *handler);
