#include "tagcommands.h"

#include <cstring>

namespace {

const TagCommand kCommands[] = {
    {"&Structure", "body", "Ctrl+B", "BODY1Click", 1, TagPattern::Block, ""},
    {"&Structure", "frameset", "Ctrl+F", "Frameset11Click", 2, TagPattern::Block, ""},
    {"&Structure", "frame", "Ctrl+R", "FRAME1Click", 3, TagPattern::SingleLine, ""},
    {"&Structure", "noframes", "Ctrl+N", "NOFRAMES1Click", 4, TagPattern::Block, ""},
    {"&Structure", "table", "Ctrl+T", "TABLE1Click", 5, TagPattern::Block, ""},
    {"&Structure", "tr", "Ctrl+M", "TD1Click", 6, TagPattern::Block, ""},
    {"&Structure", "td", "Ctrl+D", "TD2Click", 7, TagPattern::Block, ""},
    {"&Structure", "caption", "Ctrl+O", "CAPTION1Click", 8, TagPattern::Line, ""},
    {"&Objects", "image", "Ctrl+I", "IMG1Click", 9, TagPattern::Image, ""},
    {"&Objects", "link", "Ctrl+L", "LINK1Click", 10, TagPattern::Line, ""},
    {"&Objects", "embed", "Ctrl+E", "EMBED2Click", 11, TagPattern::SingleLine, ""},
    {"&Objects", "script", "Ctrl+S", "SCRIPT1Click", 12, TagPattern::Script, ""},
    {"&Objects", "applet", "Ctrl+A", "APPLET1Click", 13, TagPattern::Block, ""},
    {"&Objects", "param", "Ctrl+P", "PARAM1Click", 14, TagPattern::SingleLine, ""},
    {"&Meta tags", "description", "Ctrl+Shift+1", "DESCRIPTION1Click", 15, TagPattern::SingleLine, ""},
    {"&Meta tags", "keywords", "Ctrl+Shift+2", "KEYWORDS1Click", 16, TagPattern::SingleLine, ""},
    {"&Meta tags", "author", "Ctrl+Shift+3", "AUTHOR1Click", 17, TagPattern::SingleLine, ""},
    {"&Meta tags", "copyright", "Ctrl+Shift+4", "COPYRIGHT1Click", 18, TagPattern::SingleLine, ""},
    {"&Meta tags", "language", "Ctrl+Shift+5", "LANGUAGE1Click", 19, TagPattern::SingleLine, ""},
    {"&Meta tags", "redirect", "Ctrl+Shift+6", "REDIRECT1Click", 20, TagPattern::SingleLine, ""},
    {"&Text", "Blockquote", "F1", "Blockquote2Click", 66, TagPattern::Line, ""},
    {"&Text", "bold", "F2", "BOLD1Click", 21, TagPattern::InlineReselect, ""},
    {"&Text", "emphasis", "F3", "EMPHASIS1Click", 22, TagPattern::InlineReselect, ""},
    {"&Text", "paragraph", "F4", "PARAGRAPH1Click", 23, TagPattern::Line, ""},
    {"&Text", "underline", "F5", "UNDERLINE1Click", 24, TagPattern::InlineReselect, ""},
    {"&Text", "line break", "F6", "PREDEFINED1Click", 26, TagPattern::SingleLineCaretStays, ""},
    {"&Text", "horiz. line", "F7", "BLOCKQUOTE1Click", 27, TagPattern::SingleLine, ""},
    {"&Text", "font size", "F8", "FONTSIZE1Click", 28, TagPattern::Inline, ""},
    {"&Text", "font color", "F9", "FONTCOLOR1Click", 29, TagPattern::Inline, ""},
    {"&Text", "font face", "F10", "FONTFACE1Click", 30, TagPattern::Inline, ""},
    {"&Text", "center", "F11", "CENTER1Click", 31, TagPattern::BlockReselect, ""},
    {"&Text", "headline", "F12", "DIVALIGN1Click", 32, TagPattern::Line, ""},
    {"&Lists", "numbered list", "Shift+Alt+9", "OL1Click", 33, TagPattern::Block, ""},
    {"&Lists", "bulleted list", "Shift+Alt+8", "UL1Click", 34, TagPattern::Block, ""},
    {"&Lists", "list item", "Shift+Alt+7", "LI1Click", 35, TagPattern::LineReselect, ""},
    {"&Lists", "definition list", "Shift+Alt+0", "definitionlist1Click", 67, TagPattern::Block, ""},
    {"&Lists", "definition term", "Shift+Alt+6", "definitionterm1Click", 69, TagPattern::Definition, ""},
    {"&Lists", "definition item", "Shift+Alt+5", "definitionitem1Click", 68, TagPattern::Definition, ""},
    {"Fo&rms", "Form tag", "Ctrl+Shift+F", "Formtag1Click", 48, TagPattern::Block, ""},
    {"Fo&rms", "Input tag", "Ctrl+Shift+I", "Inputtag1Click", 49, TagPattern::SingleLine, ""},
    {"Fo&rms", "Textarea tag", "Ctrl+Shift+T", "Textareatag1Click", 50, TagPattern::Block, ""},
    {"Fo&rms", "Select tag", "Ctrl+Shift+E", "Selecttag1Click", 51, TagPattern::Block, ""},
    {"Fo&rms", "Option tag", "Ctrl+Shift+O", "Optiontag1Click", 52, TagPattern::Option, ""},
    {"Fo&rms", "Next URL ", "Ctrl+Shift+N", "NextURL2Click", 53, TagPattern::SingleLine, ""},
    {"Fo&rms", "Drop-down menu tag", "Ctrl+Shift+D", "Dropdownmenutag2Click", 55, TagPattern::SingleLine, ""},
    {"&CSS", "CSS Link", "Ctrl+Alt+1", "CSSLink1Click", 36, TagPattern::SingleLine, ""},
    {"&CSS", "Span Class", "Ctrl+Alt+2", "SpanClass1Click", 37, TagPattern::Inline, ""},
    {"&CSS", "Style (in line)", "Ctrl+Alt+3", "Styleinline1Click", 38, TagPattern::Attribute, ""},
    {"&CSS", "Style (doc lev)", "Ctrl+Alt+4", "styledocClick", 39, TagPattern::StyleBlock, ""},
    {"&Javascripts", "Link/Statusbar", "Alt+1", "LinkStatusbar1Click", 40, TagPattern::Attribute, ""},
    {"&Javascripts", "Click/Frameload", "Alt+2", "ClickFrameload1Click", 41, TagPattern::Attribute, ""},
    {"&Javascripts", "Frame breakout", "Alt+3", "Framebreakout1Click", 42, TagPattern::AttributeCaretStays, ""},
    {"&Javascripts", "Image flip", "Alt+4", "Imageflip1Click", 43, TagPattern::Attribute, ""},
    {"&Javascripts", "Javasript noerror", "Alt+5", "Javasriptnoerror1Click", 47, TagPattern::SingleLineCaretStays, ""},
    {"&Geos", "Counter", "Shift+Alt+1", "Counter1Click", 44, TagPattern::SingleLine, ""},
    {"&Geos", "Guestbook", "Shift+Alt+2", "Guestbook1Click", 45, TagPattern::SingleLineCaretStays, ""},
    {"&Geos", "Geoguide", "Shift+Alt+3", "Geoguide1Click", 46, TagPattern::AttributeCaretStays, ""},
    {"&Geos", "Geo form", "Shift+Alt+4", "Geoform1Click", 54, TagPattern::Block, ""},
    {"&Defined", "Defined 0", "Ctrl+0", "def0Click", 56, TagPattern::Inline, ""},
    {"&Defined", "Defined 1", "Ctrl+1", "def1Click", 57, TagPattern::Inline, ""},
    {"&Defined", "Defined 2", "Ctrl+2", "def2Click", 58, TagPattern::Inline, ""},
    {"&Defined", "Defined 3", "Ctrl+3", "def3Click", 59, TagPattern::Inline, ""},
    {"&Defined", "Defined 4", "Ctrl+4", "def4Click", 60, TagPattern::Inline, ""},
    {"&Defined", "Defined 5", "Ctrl+5", "def5Click", 61, TagPattern::Inline, ""},
    {"&Defined", "Defined 6", "Ctrl+6", "def6Click", 62, TagPattern::Inline, ""},
    {"&Defined", "Defined 7", "Ctrl+7", "def7Click", 63, TagPattern::Inline, ""},
    {"&Defined", "Defined 8", "Ctrl+8", "def8Click", 64, TagPattern::Inline, ""},
    {"&Defined", "Defined 9", "Ctrl+9", "def9Click", 65, TagPattern::Inline, ""},
    {"Misc &x", "Space", "Ctrl+Space", "Space1Click", 0, TagPattern::Literal, "&nbsp;"},
    {"Misc &x", "< in text", "Ctrl+<", "intext1Click", 0, TagPattern::Literal, "&lt;"},
    {"Misc &x", "> in text", "Ctrl+Shift+<", "intext2Click", 0, TagPattern::Literal, "&gt;"},
    {"Misc &x", "Get color", "Ctrl+Shift+C", "colorbuttonClick", 0, TagPattern::Colour, ""},
    {"Misc &x", "Link to Quendel", "Ctrl+Shift+L", "LinktoQuendel1Click", 0, TagPattern::HomeLink, ""},
};

} // namespace

std::span<const TagCommand> tagCommands()
{
    return kCommands;
}

bool separatorFollows(const char *handler)
{
    static const char *const after[] = {
        "NOFRAMES1Click", "EMBED2Click", "SCRIPT1Click", "UNDERLINE1Click",
        "BLOCKQUOTE1Click", "FONTFACE1Click", "LI1Click", "colorbuttonClick",
    };
    for (const char *name : after) {
        if (std::strcmp(name, handler) == 0)
            return true;
    }
    return false;
}
