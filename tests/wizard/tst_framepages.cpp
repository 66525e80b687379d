// The pages of a frame site byte for byte, the rule for page names, and the
// geometry of the layout drawings.
#include "framepages.h"
#include "layoutdrawing.h"
#include "pagenames.h"

#include <QtTest>

namespace {

QString crlf(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

FrameChoice frame(const char *file, const char *name, const char *scrolling)
{
    FrameChoice choice;
    choice.file = QLatin1String(file);
    choice.name = QLatin1String(name);
    choice.scrolling = QLatin1String(scrolling);
    return choice;
}

const QStringList kHead = {"<html>", "<head>", "<title></title>", "</head>"};

} // namespace

class FramePagesTest : public QObject
{
    Q_OBJECT

private slots:
    // Layout 1 with the windows' starting choices, frames a.htm and b.htm.
    void workedExample()
    {
        FrameWizardChoices choices;
        choices.layout = 1;
        choices.outerSize = "50%";
        choices.frame[0] = frame("/site/a.htm", "leftframe", "Auto");
        choices.frame[1] = frame("/site/b.htm", "rightframe", "Yes");
        const QString page = framePageText(choices, u"fr");
        QCOMPARE(
            page,
            crlf(kHead
                 + QStringList{
                     "<frameset cols=\"50%,*\" border=\"0\" frameborder=\"0\">",
                     "<frame src=\"a.htm\" name=\"leftframe\" scrolling=\"Auto\" marginwidth=\"0\" marginheight=\"0\">",
                     "<frame src=\"b.htm\" name=\"rightframe\" scrolling=\"Yes\" marginwidth=\"0\" marginheight=\"0\">",
                     "</frameset>", "</html>"}));
        QCOMPARE(page.count("\r\n"), 8);
        QCOMPARE(page.indexOf("</title>"), kTitleCaret);
        QCOMPARE(framePageText(choices, u"lf"),
                 crlf(kHead + QStringList{"<body text=\"#\">", "", "</body>", "</html>"}));
        QCOMPARE(framePageText(choices, u"lf").indexOf("</title>"), kTitleCaret);
        QCOMPARE(framePageText(choices, u"rf"), framePageText(choices, u"lf"));
    }

    // Sizes and names go in as typed: a pixel text, an empty one, an empty
    // name. The last frame has noresize, both margins ticked and no margin
    // attribute before its ">". Layout 3 has rows, then columns below;
    // layout 4 the other way round.
    void everyLayout()
    {
        FrameWizardChoices choices;
        choices.outerSize = "120";
        choices.innerSize = "";
        choices.outerBorder = true;
        choices.innerBorder = false;
        choices.frame[0] = frame("/s/one.htm", "f1", "No");
        choices.frame[0].noResize = true;
        choices.frame[0].horizontalMargin = true;
        choices.frame[1] = frame("/s/two.html", "", "Auto");
        choices.frame[1].verticalMargin = true;
        choices.frame[2] = frame("/s/three.htm", "f3", "Yes");
        choices.frame[2].noResize = choices.frame[2].horizontalMargin = choices.frame[2].verticalMargin = true;
        for (const auto &[layout, outer, inner] : {std::tuple{3, "rows", "cols"}, {4, "cols", "rows"}}) {
            choices.layout = layout;
            QCOMPARE(
                framePageText(choices, u"fr"),
                crlf(kHead
                     + QStringList{QString("<frameset %1=\"120,*\" border=\"1\" frameborder=\"1\">").arg(outer),
                                   "<frame src=\"one.htm\" name=\"f1\" scrolling=\"No\" noresize marginheight=\"0\">",
                                   QString("<frameset %1=\",*\" border=\"0\" frameborder=\"0\">").arg(inner),
                                   "<frame src=\"two.html\" name=\"\" scrolling=\"Auto\" marginwidth=\"0\">",
                                   "<frame src=\"three.htm\" name=\"f3\" scrolling=\"Yes\" noresize>", "</frameset>",
                                   "</frameset>", "</html>"}));
            QCOMPARE(framePagePath(choices, u"3f"), QString("/s/three.htm"));
            QCOMPARE(framePagePath(choices, u"rf"), QString("/s/two.html"));
        }
    }

    void pagesAndPaths()
    {
        FrameWizardChoices choices;
        choices.layout = 3;
        choices.framesetFile = "index.htm";
        choices.frame[0].file = "a.htm";
        choices.frame[1].file = "b.htm";
        choices.frame[2].file = "c.htm";
        choices.frame[1].existing = true;
        QCOMPARE(pagesToWrite(choices), (QStringList{"fr", "lf", "3f"}));
        choices.frame[0].existing = choices.frame[2].existing = true;
        QCOMPARE(pagesToWrite(choices), QStringList{"fr"});
        // Existing frames get full paths too: their src is the name part.
        const FrameWizardChoices full = withFullPaths(choices, "/home/u/site");
        QCOMPARE(full.framesetFile, QString("/home/u/site/index.htm"));
        QCOMPARE(full.frame[1].file, QString("/home/u/site/b.htm"));
        QCOMPARE(withFullPaths(choices, "/home/u/site/").frame[2].file, QString("/home/u/site/c.htm"));
        QCOMPARE(joinPath("/", "a.htm"), QString("/a.htm"));
        choices.layout = 1;
        QCOMPARE(withFullPaths(choices, "/d").frame[2].file, QString("c.htm")); // not a frame of layout 1
        // Codes that name no page of the layout.
        QVERIFY(framePageText(choices, u"xx").isEmpty());
        QVERIFY(framePageText(choices, u"3f").isEmpty());
        choices.layout = 0;
        QVERIFY(framePageText(choices, u"fr").isEmpty());
        QVERIFY(pagesToWrite(choices).isEmpty());
    }

    // Only names that end in ".htm" or ".html" and stay in the chosen folder.
    void pageNames()
    {
        for (const char *name : {"a.htm", "x.htm.html", "..htm", "my..page.html"})
            QVERIFY2(isPageName(name), name);
        for (const char *name : {".htm", "a.HTM", "a.txt", "", "sub/a.htm", "/etc/a.htm", "../a.htm"})
            QVERIFY2(!isPageName(name), name);
    }

    void blocksFollowThePercentages()
    {
        const QSize area(160, 120);
        using Blocks = std::vector<QRect>;
        QCOMPARE(layoutBlocks(1, area, 33, 0), (Blocks{{0, 0, 53, 120}, {53, 0, 107, 120}}));
        QCOMPARE(layoutBlocks(2, area, 33, 0), (Blocks{{0, 0, 160, 40}, {0, 40, 160, 80}}));
        QCOMPARE(layoutBlocks(3, area, 25, 25), (Blocks{{0, 0, 160, 30}, {0, 30, 40, 90}, {40, 30, 120, 90}}));
        QCOMPARE(layoutBlocks(4, area, 25, 30), (Blocks{{0, 0, 40, 120}, {40, 0, 120, 36}, {40, 36, 120, 84}}));
        QCOMPARE(layoutBlocks(1, area, 7, 0)[0].width(), 11);    // 11.2
        QCOMPARE(layoutBlocks(2, area, 99, 0)[0].height(), 119); // 118.8
    }
};

QTEST_GUILESS_MAIN(FramePagesTest)
#include "tst_framepages.moc"
