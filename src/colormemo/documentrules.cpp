#include "documentrules.h"

#include "colormemo.h"
#include "drawrules.h"

#include <QStringList>

namespace {

// Repeats are part of the lists: a key listed twice is found twice.
// clang-format off
const QStringList tagKeywords{
    QStringLiteral("<dd>"), QStringLiteral("</dd>"), QStringLiteral("<dl>"), QStringLiteral("</dl>"),
    QStringLiteral("<dt>"), QStringLiteral("</dt>"), QStringLiteral("<blockquote>"),
    QStringLiteral("</blockquote>"), QStringLiteral("noshade"), QStringLiteral("<html>"),
    QStringLiteral("style="), QStringLiteral("scrolling="), QStringLiteral("</h"), QStringLiteral("<option"),
    QStringLiteral("</textarea>"), QStringLiteral("<select"), QStringLiteral("</select>"),
    QStringLiteral("</html>"), QStringLiteral("<body>"), QStringLiteral("<body"), QStringLiteral("<form"),
    QStringLiteral("</form>"), QStringLiteral("action="), QStringLiteral("method="),
    QStringLiteral("enc-type="), QStringLiteral("</body>"), QStringLiteral("<a"), QStringLiteral("</a>"),
    QStringLiteral("<b>"), QStringLiteral("</b>"), QStringLiteral("<u>"), QStringLiteral("</u>"),
    QStringLiteral("<ol>"), QStringLiteral("<ol start=\""), QStringLiteral(">"), QStringLiteral("<ul>"),
    QStringLiteral("</ul>"), QStringLiteral("<frame"), QStringLiteral("<frameset"),
    QStringLiteral("</frameset>"), QStringLiteral("<em>"), QStringLiteral("</em>"),
    QStringLiteral("<noframes>"), QStringLiteral("</noframes>"), QStringLiteral("<table"),
    QStringLiteral("<td"), QStringLiteral("</td>"), QStringLiteral("<tr"), QStringLiteral("</tr>"),
    QStringLiteral("<caption"), QStringLiteral("</caption>"), QStringLiteral("<img"), QStringLiteral("<p"),
    QStringLiteral("</p>"), QStringLiteral("<hr"), QStringLiteral("<h"), QStringLiteral("</h>"),
    QStringLiteral("<embed"), QStringLiteral("<script"), QStringLiteral("</script>"),
    QStringLiteral("<applet"), QStringLiteral("</applet>"), QStringLiteral("<param"), QStringLiteral("<meta"),
    QStringLiteral("<head>"), QStringLiteral("</head>"), QStringLiteral("<style"), QStringLiteral("</style>"),
    QStringLiteral("<span"), QStringLiteral("</span>"), QStringLiteral("<center>"),
    QStringLiteral("</center>"), QStringLiteral("</table>"), QStringLiteral("<br>"), QStringLiteral("<font"),
    QStringLiteral("</font>"), QStringLiteral("<li>"), QStringLiteral("</li>"), QStringLiteral("bgcolor="),
    QStringLiteral("background="), QStringLiteral("text="), QStringLiteral("alink="), QStringLiteral("link="),
    QStringLiteral("vlink="), QStringLiteral("cols="), QStringLiteral("rows="), QStringLiteral("border="),
    QStringLiteral("frameborder="), QStringLiteral("marginheight="), QStringLiteral("marginwidth="),
    QStringLiteral("noresize"), QStringLiteral("name="), QStringLiteral("width="), QStringLiteral("height="),
    QStringLiteral("align="), QStringLiteral("valign="), QStringLiteral("hspace="), QStringLiteral("vspace="),
    QStringLiteral("cellpadding="), QStringLiteral("cellspacing="), QStringLiteral("rowspan="),
    QStringLiteral("colspan="), QStringLiteral("target="), QStringLiteral("title="), QStringLiteral("src="),
    QStringLiteral("autostart="), QStringLiteral("false"), QStringLiteral("true"), QStringLiteral("hidden="),
    QStringLiteral("loop="), QStringLiteral("language="), QStringLiteral("code="),
    QStringLiteral("codebase="), QStringLiteral("value="), QStringLiteral("content="),
    QStringLiteral("http-equiv="), QStringLiteral("face="), QStringLiteral("size="), QStringLiteral("color="),
    QStringLiteral("rel="), QStringLiteral("type="), QStringLiteral("href="), QStringLiteral("class="),
    QStringLiteral("onMouseOver="), QStringLiteral("onMouseout="), QStringLiteral("onClick="),
    QStringLiteral("document."), QStringLiteral(".write"), QStringLiteral("frames"),
    QStringLiteral("parent."), QStringLiteral("<!--#geoguide-->"), QStringLiteral("return"),
    QStringLiteral("true"), QStringLiteral("<input"), QStringLiteral("<textarea"), QStringLiteral("name="),
    QStringLiteral("type="), QStringLiteral("<title>"), QStringLiteral("</title>"),
};

const QStringList punctuationKeywords{
    QStringLiteral("\""), QStringLiteral("'"), QStringLiteral("("), QStringLiteral(")"), QStringLiteral("["),
    QStringLiteral("]"), QStringLiteral(";"), QStringLiteral(":"), QStringLiteral("#"),
};

const QStringList scriptKeywords{
    QStringLiteral("function"), QStringLiteral("<!--"), QStringLiteral("//-->"), QStringLiteral("-->"),
    QStringLiteral("{"), QStringLiteral("}"),
};
// clang-format on

void addKeyRule(TDrawRules &rules, TColor color, const QStringList &keywords)
{
    TColorRule *rule = rules.add();
    rule->setKeyDrawingType(TColorRule::dtKeyShow);
    rule->setPartWord(true);
    rule->setDefKeyColor(color);
    rule->setKeywords(keywords);
}

} // namespace

void setDocumentRules(TDrawRules &rules)
{
    rules.clear();
    addKeyRule(rules, clGreen, tagKeywords);
    addKeyRule(rules, clRed, punctuationKeywords);
    addKeyRule(rules, clBlue, scriptKeywords);
}

void applyDocumentRules(TColorMemo &memo)
{
    setDocumentRules(memo.ColorRules());
}
