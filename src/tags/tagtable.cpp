#include "tagtable.h"

#include "settingsstore.h"

TagTable g_tags;

namespace {

// clang-format off
const TagDefault kDefaults[TagTable::kSlots] = {
    {"Body tag", "<BODY bgcolor=\"#\" background=\"\" text=\"#\" link=\"#\" alink=\"#\" vlink=\"#\">", "</BODY>", 67, 6, 16, "BODY1Click", false}, // 1
    {"Frameset tag", "<FRAMESET COLS=\"\" ROWS=\"\" BORDER=\"\" FRAMEBORDER=\"\">", "</FRAMESET>", 52, 6, 16, "Frameset11Click", false}, // 2
    {"Frame tag", "<FRAME SRC=\"\" NAME=\"\" SCROLLING=\"\" NORESIZE MARGINWIDTH=\"\" MARGINHEIGHT=\"\">", "", 65, 2, 12, "FRAME1Click", false}, // 3
    {"Noframes tag", "<NOFRAMES>", "</NOFRAMES>", 15, 6, 12, "NOFRAMES1Click", false}, // 4
    {"Table tag", "<TABLE width=\"\" height=\"\" align=\"\" bgcolor=\"#\" border=\"\" cellpadding=\"\" cellspacing=\"\" hspace=\"\" vspace=\"\">", "</TABLE>", 107, 6, 14, "TABLE1Click", false}, // 5
    {"Table row(TR)", "<TR align=\"\" valign=\"\">", "</TR>", 23, 6, 11, "TD1Click", false}, // 6
    {"Table cell(TD)", "<TD valign=\"\" align=\"\" height=\"\" width=\"\" bgcolor=\"#\">", "</TD>", 53, 6, 12, "TD2Click", false}, // 7
    {"Caption tag", "<CAPTION align=\"\" CENTER>", "</CAPTION>", 21, 2, 16, "CAPTION1Click", false}, // 8
    {"Image tag(IMG)", "<IMG src=\"\" border=\"\" align=\"\" height=\"\" width=\"\" name=\"\">", "", 50, 2, 10, "IMG1Click", false}, // 9
    {"Link tag(A)", "<A href=\"\" target=\"\" title=\"\">", "</A>", 27, 2, 9, "LINK1Click", false}, // 10
    {"Embed tag", "<EMBED src=\"\" autostart=\"\" hidden=\"\" loop=\"\" height=\"\" width=\"\" name=\"\">", "", 62, 2, 12, "EMBED2Click", false}, // 11
    {"Script tag", "<SCRIPT language=\"\">", "</SCRIPT>", 30, 19, 18, "SCRIPT1Click", false}, // 12
    {"Applet tag", "<APPLET code=\"\" codebase=\"\" height=\"\" width=\"\">", "</APPLET>", 48, 6, 14, "APPLET1Click", false}, // 13
    {"Param tag", "<PARAM name=\"\" value=\"\">", "", 13, 2, 13, "PARAM1Click", false}, // 14
    {"Meta description", "<META name=\"DESCRIPTION\" content=\"\">", "", 4, 2, 34, "DESCRIPTION1Click", false}, // 15
    {"Meta keywords", "<META name=\"KEYWORDS\" content=\"\">", "", 4, 2, 31, "KEYWORDS1Click", false}, // 16
    {"Meta author", "<META name=\"AUTHOR\" content=\"\">", "", 4, 2, 29, "AUTHOR1Click", false}, // 17
    {"Meta copyright", "<META name=\"COPYRIGHT\" content=\"\">", "", 4, 2, 32, "COPYRIGHT1Click", false}, // 18
    {"Meta language", "<META name=\"LANGUAGE\" content=\"\">", "", 4, 2, 31, "LANGUAGE1Click", false}, // 19
    {"Meta redirect", "<META HTTP-EQUIV=\"refresh\" CONTENT=\"; URL=\">", "", 10, 2, 36, "REDIRECT1Click", false}, // 20
    {"Bold (B)", "<B>", "</B>", 4, 0, 3, "BOLD1Click", true}, // 21
    {"Emphasis(EM)", "<EM>", "</EM>", 5, 0, 4, "EMPHASIS1Click", true}, // 22
    {"Paragraph(P)", "<P align=\"\">", "</P>", 8, 2, 10, "PARAGRAPH1Click", false}, // 23
    {"Underline(U)", "<U>", "</U>", 4, 0, 3, "UNDERLINE1Click", true}, // 24
    {"------------------", "", "", 0, 0, -1, "none", true}, // 25
    {"Linebreak(BR)", "<BR>", "", 0, 2, 6, "PREDEFINED1Click", false}, // 26
    {"Horizontal line(HR)", "<HR width=\"\" size=\"\" align=\"\" NOSHADE>", "", 29, 2, 11, "BLOCKQUOTE1Click", false}, // 27
    {"Font size", "<FONT size=\"\">", "</FONT>", 9, 0, 12, "FONTSIZE1Click", true}, // 28
    {"Font color", "<FONT color=\"#\">", "</FONT>", 9, 0, 14, "FONTCOLOR1Click", true}, // 29
    {"Font face", "<FONT face=\"\">", "</FONT>", 9, 0, 12, "FONTFACE1Click", true}, // 30
    {"Center", "<CENTER>", "</CENTER>", 13, 6, 10, "CENTER1Click", false}, // 31
    {"Headline", "<H align=\"\">", "</H>", 16, 2, 2, "DIVALIGN1Click", false}, // 32
    {"Numbered list", "<OL start=\"\">", "</OL>", 13, 6, 11, "OL1Click", false}, // 33
    {"Bulleted list", "<UL>", "</UL>", 9, 6, 6, "UL1Click", false}, // 34
    {"List item", "<LI>", "</LI>", 7, 2, 4, "LI1Click", false}, // 35
    {"CSS link", "<LINK rel=\"StyleSheet\" type=\"text/css\" href=\"\">", "", 4, 2, 45, "CSSLink1Click", false}, // 36
    {"Span class", "<SPAN class=\"\">", "</SPAN>", 9, 0, 13, "SpanClass1Click", true}, // 37
    {"Style(in line)", "STYLE=\"\"", "", 1, 0, 7, "Styleinline1Click", true}, // 38
    {"Style(in doc)", "<STYLE type=\"text/css\">", "</STYLE>", 20, 10, 31, "styledocClick", false}, // 39
    {"Link/statusbar", "onMouseOver=\"window.status=''; return true\" onMouseOut=\"window.status=''; return true\"", "", 58, 0, 28, "LinkStatusbar1Click", true}, // 40
    {"Click/frameload", "onClick=\"parent.frames[].location=''; return true\"", "", 27, 0, 23, "ClickFrameload1Click", true}, // 41
    {"Frame breakout", "onLoad=\"if (window != window.top) { top.location.href = location.href}\" ", "", 0, 0, 72, "Framebreakout1Click", true}, // 42
    {"Imageflip", "onMouseOver=\"document..src=''; return true\" onMouseOut=\"document..src=''; return true\"", "", 64, 0, 22, "Imageflip1Click", true}, // 43
    {"Geo counter", "<IMG SRC=\"/cgi-bin/counter/\">", "", 4, 2, 27, "Counter1Click", false}, // 44
    {"Geo guest book", "<A HREF=\"/cgi-bin/geoplus_apps/ans_entry\">Sign guestbook</A> | <A HREF=\"geobook.html\">View guestbook</A>", "", 0, 2, 106, "Guestbook1Click", false}, // 45
    {"Geo Geoguide", "<!--#geoguide-->", "", 0, 2, 16, "Geoguide1Click", false}, // 46
    {"Javscript noerror", "<script><!-- function noerror() { return true } window.onerror=noerror//--></script>", "", 0, 2, 86, "Javasriptnoerror1Click", false}, // 47
    {"Form tag", "<FORM name=\"\" method=\"\" action=\"\">", "</FORM>", 35, 6, 12, "Formtag1Click", false}, // 48
    {"Input tag", "<INPUT type=\"\" name=\"\" value=\"\" size=\"\">", "", 29, 2, 13, "Inputtag1Click", false}, // 49
    {"Textarea tag", "<TEXTAREA name=\"\" cols=\"\" rows=\"\">", "</TEXTAREA>", 35, 6, 16, "Textareatag1Click", false}, // 50
    {"Select tag", "<SELECT name=\"\" size=\"\">", "</SELECT>", 25, 6, 14, "Selecttag1Click", false}, // 51
    {"Option tag", "<OPTION value=\"\">", "", 4, 2, 15, "Optiontag1Click", false}, // 52
    {"Next URL tag", "<INPUT type=\"hidden\" name=\"next-url\" value=\"\">", "", 4, 2, 44, "NextURL2Click", false}, // 53
    {"Geo geoform", "<FORM method=\"post\" action=\"/cgi-bin/homestead/mail.pl?\">", "</FORM>", 15, 6, 55, "Geoform1Click", false}, // 54
    {"Drop-down navigation", "<input type=\"submit\" value=\"\" onClick=\"location.href=document...options[document...selectedIndex].value; return false\">", "", 93, 2, 28, "Dropdownmenutag2Click", false}, // 55
    {"Defined 0", "----------", "", 0, 0, 10, "def0Click", false}, // 56
    {"Defined 1", "----------", "", 0, 0, 10, "def1Click", false}, // 57
    {"Defined 2", "----------", "", 0, 0, 10, "def2Click", false}, // 58
    {"Defined 3", "----------", "", 0, 0, 10, "def3Click", false}, // 59
    {"Defined 4", "----------", "", 0, 0, 10, "def4Click", false}, // 60
    {"Defined 5", "----------", "", 0, 0, 10, "def5Click", false}, // 61
    {"Defined 6", "----------", "", 0, 0, 10, "def6Click", false}, // 62
    {"Defined 7", "----------", "", 0, 0, 10, "def7Click", false}, // 63
    {"Defined 8", "----------", "", 0, 0, 10, "def8Click", false}, // 64
    {"Defined 9", "----------", "", 0, 0, 10, "def9Click", false}, // 65
    {"", "<BLOCKQUOTE>", "</BLOCKQUOTE>", 15, 2, 12, "Blockquote2Click", false}, // 66
    {"", "<DL>", "</DL>", 9, 6, 6, "definitionlist1Click", false}, // 67
    {"", "<DD>", "", 4, 2, 4, "definitionitem1Click", false}, // 68
    {"", "<DT>", "", 4, 2, 4, "definitionterm1Click", false}, // 69
};
// clang-format on

void setToDefault(int n, bool definedEmpty)
{
    const TagDefault &d = tagDefault(n);
    TagSlot &slot = g_tags.slot(n);
    slot.opening = definedEmpty && TagTable::isDefined(n) ? QString() : QString::fromLatin1(d.opening);
    slot.closing = QString::fromLatin1(d.closing);
    slot.back = d.back;
    if (!d.keepsExtra)
        slot.extra = d.extra;
}

// The four fields of slot n.
void writeSlotFields(RegKey &key, int n)
{
    writeTagTexts(key, n);
    Stored::tagExtra[n].write(key, g_tags.slot(n).extra);
}

// Slot n and, for a user slot, its caption.
void writeTag(RegKey &key, int n)
{
    writeSlotFields(key, n);
    if (TagTable::isDefined(n))
        writeCaption(key, n);
}

} // namespace

const TagDefault &tagDefault(int n)
{
    Q_ASSERT(n >= 1 && n <= TagTable::kSlots);
    return kDefaults[n - 1];
}

void installAllTags()
{
    for (int n = 1; n <= TagTable::kSlots; ++n)
        setToDefault(n, true);
    RegKey key;
    if (!key.openWrite())
        return;
    for (int n = 1; n <= TagTable::kSlots; ++n)
        writeSlotFields(key, n);
    Stored::tagsInstalled.set(key);
    key.close();
}

void resetTag(int n)
{
    resetTags(std::vector<int>{n});
}

void resetTags(const std::vector<int> &numbers)
{
    std::vector<int> reset;
    for (const int n : numbers) {
        if (n < 1 || n > TagTable::kSlots)
            continue;
        setToDefault(n, false);
        if (TagTable::isDefined(n)) {
            g_tags.slot(n).extra = 0;
            g_tags.captions[n - TagTable::kFirstDefined] = QStringLiteral("----------");
        }
        reset.push_back(n);
    }
    RegKey key;
    if (reset.empty() || !key.openWrite())
        return;
    for (const int n : reset)
        writeTag(key, n);
    key.close();
}

void clearOpeningTexts()
{
    for (int n = 1; n <= TagTable::kSlots; ++n)
        g_tags.slot(n).opening.clear();
}

void readTags(const RegKey &key)
{
    for (int n = 1; n <= TagTable::kSlots; ++n) {
        TagSlot &slot = g_tags.slot(n);
        Stored::tagOpening[n].readInto(key, slot.opening);
        Stored::tagBack[n].readInto(key, slot.back);
        Stored::tagClosing[n].readInto(key, slot.closing);
        Stored::tagExtra[n].readInto(key, slot.extra);
        if (TagTable::isDefined(n)) {
            const int k = n - TagTable::kFirstDefined;
            Stored::definedCaption[k].readInto(key, g_tags.captions[k]);
        }
    }
}

void writeTagTexts(RegKey &key, int n)
{
    const TagSlot &slot = g_tags.slot(n);
    Stored::tagOpening[n].write(key, slot.opening);
    Stored::tagBack[n].write(key, slot.back);
    Stored::tagClosing[n].write(key, slot.closing);
}

void writeCaption(RegKey &key, int n)
{
    const int k = n - TagTable::kFirstDefined;
    Stored::definedCaption[k].write(key, g_tags.captions[k]);
}
