#include "tagcommands.h"

#include <cstring>

namespace {

// clang-format off
const TagCommand kCommands[] = {
    {"&Structure", "body", "Ctrl+B", "BODY1Click", 1, TagPattern::Block, "", {"B: Body", 1}},
    {"&Structure", "frameset", "Ctrl+F", "Frameset11Click", 2, TagPattern::Block, "", {"F: Frameset", 2}},
    {"&Structure", "frame", "Ctrl+R", "FRAME1Click", 3, TagPattern::SingleLine, "", {"R: Frame", 3, true}},
    {"&Structure", "noframes", "Ctrl+N", "NOFRAMES1Click", 4, TagPattern::Block, "", {"N: Noframes", 4, true}},
    {"&Structure", "table", "Ctrl+T", "TABLE1Click", 5, TagPattern::Block, "", {"T: Table", 5}},
    {"&Structure", "tr", "Ctrl+M", "TD1Click", 6, TagPattern::Block, "", {"M: Table Row", 6, true}},
    {"&Structure", "td", "Ctrl+D", "TD2Click", 7, TagPattern::Block, "", {"D: Table Cell", 7, true}},
    {"&Structure", "caption", "Ctrl+O", "CAPTION1Click", 8, TagPattern::Line, "", {"O: Caption", 8, true}},
    {"&Objects", "image", "Ctrl+I", "IMG1Click", 9, TagPattern::Image, "", {"I: Image", 1}},
    {"&Objects", "link", "Ctrl+L", "LINK1Click", 10, TagPattern::Line, "", {"L: Link", 2}},
    {"&Objects", "embed", "Ctrl+E", "EMBED2Click", 11, TagPattern::SingleLine, "", {"E: Embed(sound/video)", 3}},
    {"&Objects", "script", "Ctrl+S", "SCRIPT1Click", 12, TagPattern::Script, "", {"S: Script(Body/Head)", 4}},
    {"&Objects", "applet", "Ctrl+A", "APPLET1Click", 13, TagPattern::Block, "", {"A: Applet", 5}},
    {"&Objects", "param", "Ctrl+P", "PARAM1Click", 14, TagPattern::SingleLine, "", {"P: Parameter", 6, true}},
    {"&Meta tags", "description", "Ctrl+Shift+1", "DESCRIPTION1Click", 15, TagPattern::SingleLine, "", {"1 : Description", 1}},
    {"&Meta tags", "keywords", "Ctrl+Shift+2", "KEYWORDS1Click", 16, TagPattern::SingleLine, "", {"2 : Keywords", 2}},
    {"&Meta tags", "author", "Ctrl+Shift+3", "AUTHOR1Click", 17, TagPattern::SingleLine, "", {"3 : Author", 3}},
    {"&Meta tags", "copyright", "Ctrl+Shift+4", "COPYRIGHT1Click", 18, TagPattern::SingleLine, "", {"4 : Copyright", 4}},
    {"&Meta tags", "language", "Ctrl+Shift+5", "LANGUAGE1Click", 19, TagPattern::SingleLine, "", {"5 : Language", 5}},
    {"&Meta tags", "redirect", "Ctrl+Shift+6", "REDIRECT1Click", 20, TagPattern::SingleLine, "", {"6 : Redirect", 6}},
    {"&Text", "Blockquote", "F1", "Blockquote2Click", 66, TagPattern::Line, "", {"F1 : Blockquote", 1}},
    {"&Text", "bold", "F2", "BOLD1Click", 21, TagPattern::InlineReselect, "", {"F2 : Bold", 2}},
    {"&Text", "emphasis", "F3", "EMPHASIS1Click", 22, TagPattern::InlineReselect, "", {"F3 : Emphiasis", 3}},
    {"&Text", "paragraph", "F4", "PARAGRAPH1Click", 23, TagPattern::Line, "", {"F4 : Paragraph", 4}},
    {"&Text", "underline", "F5", "UNDERLINE1Click", 24, TagPattern::InlineReselect, "", {"F5 : Underline", 5}},
    {"&Text", "line break", "F6", "PREDEFINED1Click", 26, TagPattern::SingleLineCaretStays, "", {"F6 : Line break", 6}},
    {"&Text", "horiz. line", "F7", "BLOCKQUOTE1Click", 27, TagPattern::SingleLine, "", {"F7 : Horiz. line", 7}},
    {"&Text", "font size", "F8", "FONTSIZE1Click", 28, TagPattern::Inline, "", {"F8 : Font Size", 8}},
    {"&Text", "font color", "F9", "FONTCOLOR1Click", 29, TagPattern::Inline, "", {"F9 : Font Color", 9}},
    {"&Text", "font face", "F10", "FONTFACE1Click", 30, TagPattern::Inline, "", {"F10: Font Face", 10}},
    {"&Text", "center", "F11", "CENTER1Click", 31, TagPattern::BlockReselect, "", {"F11: Center", 11}},
    {"&Text", "headline", "F12", "DIVALIGN1Click", 32, TagPattern::Line, "", {"F12: Headline", 12}},
    {"&Lists", "numbered list", "Shift+Alt+9", "OL1Click", 33, TagPattern::Block, "", {"9 : Numbered list", 1}},
    {"&Lists", "bulleted list", "Shift+Alt+8", "UL1Click", 34, TagPattern::Block, "", {"8 : Bulleted list", 2}},
    {"&Lists", "list item", "Shift+Alt+7", "LI1Click", 35, TagPattern::LineReselect, "", {"7 : List item", 3}},
    {"&Lists", "definition list", "Shift+Alt+0", "definitionlist1Click", 67, TagPattern::Block, "", {"0 : Definition list", 6}},
    {"&Lists", "definition term", "Shift+Alt+6", "definitionterm1Click", 69, TagPattern::Definition, "", {"6 : Definition term", 4}},
    {"&Lists", "definition item", "Shift+Alt+5", "definitionitem1Click", 68, TagPattern::Definition, "", {"5 : Definition item", 5}},
    {"Fo&rms", "Form tag", "Ctrl+Shift+F", "Formtag1Click", 48, TagPattern::Block, "", {"F : Form", 1}},
    {"Fo&rms", "Input tag", "Ctrl+Shift+I", "Inputtag1Click", 49, TagPattern::SingleLine, "", {"I : Input", 2}},
    {"Fo&rms", "Textarea tag", "Ctrl+Shift+T", "Textareatag1Click", 50, TagPattern::Block, "", {"T : Textarea", 3}},
    {"Fo&rms", "Select tag", "Ctrl+Shift+E", "Selecttag1Click", 51, TagPattern::Block, "", {"S : Select", 4}},
    {"Fo&rms", "Option tag", "Ctrl+Shift+O", "Optiontag1Click", 52, TagPattern::Option, "", {"O : Option", 5}},
    {"Fo&rms", "Next URL ", "Ctrl+Shift+N", "NextURL2Click", 53, TagPattern::SingleLine, "", {"N : Next URL", 6}},
    {"Fo&rms", "Drop-down menu tag", "Ctrl+Shift+D", "Dropdownmenutag2Click", 55, TagPattern::SingleLine, "", {"D : Drop-down menu", 7}},
    {"&CSS", "CSS Link", "Ctrl+Alt+1", "CSSLink1Click", 36, TagPattern::SingleLine, "", {"1 : CSS Link", 1}},
    {"&CSS", "Span Class", "Ctrl+Alt+2", "SpanClass1Click", 37, TagPattern::Inline, "", {"2 : Span Class", 2}},
    {"&CSS", "Style (in line)", "Ctrl+Alt+3", "Styleinline1Click", 38, TagPattern::Attribute, "", {"3 : Style(inline)", 3}},
    {"&CSS", "Style (doc lev)", "Ctrl+Alt+4", "styledocClick", 39, TagPattern::StyleBlock, "", {"4 : Style set", 4}},
    {"&Javascripts", "Link/Statusbar", "Alt+1", "LinkStatusbar1Click", 40, TagPattern::Attribute, "", {"1 : Link/statusbar", 1}},
    {"&Javascripts", "Click/Frameload", "Alt+2", "ClickFrameload1Click", 41, TagPattern::Attribute, "", {"2 : Click/frameload", 2}},
    {"&Javascripts", "Frame breakout", "Alt+3", "Framebreakout1Click", 42, TagPattern::AttributeCaretStays, "", {"3 : Frame breakout", 3}},
    {"&Javascripts", "Image flip", "Alt+4", "Imageflip1Click", 43, TagPattern::Attribute, "", {"4 : Image flip", 4}},
    {"&Javascripts", "Javasript noerror", "Alt+5", "Javasriptnoerror1Click", 47, TagPattern::SingleLineCaretStays, "", {"5 : Stop errors", 5}},
    {"&Geos", "Counter", "Shift+Alt+1", "Counter1Click", 44, TagPattern::SingleLine, "", {"1 : Counter", 1}},
    {"&Geos", "Guestbook", "Shift+Alt+2", "Guestbook1Click", 45, TagPattern::SingleLineCaretStays, "", {"2 : Guestbook", 2}},
    {"&Geos", "Geoguide", "Shift+Alt+3", "Geoguide1Click", 46, TagPattern::AttributeCaretStays, "", {"3 : Geoguide", 3}},
    {"&Geos", "Geo form", "Shift+Alt+4", "Geoform1Click", 54, TagPattern::Block, "", {"4 : Geo form", 4}},
    {"&Defined", "Defined 0", "Ctrl+0", "def0Click", 56, TagPattern::Inline, "", {}},
    {"&Defined", "Defined 1", "Ctrl+1", "def1Click", 57, TagPattern::Inline, "", {}},
    {"&Defined", "Defined 2", "Ctrl+2", "def2Click", 58, TagPattern::Inline, "", {}},
    {"&Defined", "Defined 3", "Ctrl+3", "def3Click", 59, TagPattern::Inline, "", {}},
    {"&Defined", "Defined 4", "Ctrl+4", "def4Click", 60, TagPattern::Inline, "", {}},
    {"&Defined", "Defined 5", "Ctrl+5", "def5Click", 61, TagPattern::Inline, "", {}},
    {"&Defined", "Defined 6", "Ctrl+6", "def6Click", 62, TagPattern::Inline, "", {}},
    {"&Defined", "Defined 7", "Ctrl+7", "def7Click", 63, TagPattern::Inline, "", {}},
    {"&Defined", "Defined 8", "Ctrl+8", "def8Click", 64, TagPattern::Inline, "", {}},
    {"&Defined", "Defined 9", "Ctrl+9", "def9Click", 65, TagPattern::Inline, "", {}},
    {"Misc &x", "Space", "Ctrl+Space", "Space1Click", 0, TagPattern::Literal, "&nbsp;", {"Space (Ctrl+space)", 1}},
    {"Misc &x", "< in text", "Ctrl+<", "intext1Click", 0, TagPattern::Literal, "&lt;", {"< (Ctrl+<)", 2}},
    {"Misc &x", "> in text", "Ctrl+Shift+<", "intext2Click", 0, TagPattern::Literal, "&gt;", {"> (Ctrl+Shift+<)", 3}},
    {"Misc &x", "Get color", "Ctrl+Shift+C", "colorbuttonClick", 0, TagPattern::Colour, "", {"Color(Ctrl+Shift+C)", 4}},
    {"Misc &x", "Link to Quendel", "Ctrl+Shift+L", "LinktoQuendel1Click", 0, TagPattern::HomeLink, "", {}},
};
// clang-format on

} // namespace

std::span<const TagCommand> tagCommands()
{
    return kCommands;
}

bool separatorFollows(const char *handler)
{
    static const char *const after[] = {
        "NOFRAMES1Click",   "EMBED2Click",    "SCRIPT1Click", "UNDERLINE1Click",
        "BLOCKQUOTE1Click", "FONTFACE1Click", "LI1Click",     "colorbuttonClick",
    };
    for (const char *name : after) {
        if (std::strcmp(name, handler) == 0)
            return true;
    }
    return false;
}
