#include "framepages.h"

namespace {

const QLatin1String kPageHead("<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n");
const QLatin1String kBlankBody("<body text=\"#\">\r\n\r\n</body>\r\n</html>");
const char *const kFrameCodes[] = {"lf", "rf", "3f"};

// Frame 1, 2 or 3 as 0, 1 or 2; -1 for the frameset page and for codes the
// layout has no page for.
int frameOfCode(int layout, QStringView code)
{
    for (int i = 0; i < frameCount(layout); ++i) {
        if (code == QLatin1String(kFrameCodes[i]))
            return i;
    }
    return -1;
}

bool knownLayout(int layout)
{
    return layout >= 1 && layout <= 4;
}

// "\r\n<frameset cols=\"50%,*\" border=\"0\" frameborder=\"0\">" without
// its leading line break.
QString frameset(Division division, const QString &size, bool border)
{
    return QLatin1String(division == Division::Columns ? "<frameset cols=\"" : "<frameset rows=\"") + size
           + QLatin1String(",*\" ")
           + QLatin1String(border ? "border=\"1\" frameborder=\"1\">" : "border=\"0\" frameborder=\"0\">");
}

QString fileNamePart(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// The frame element up to, not including, its closing ">": the frameset
// text that follows writes it.
QString frameElement(const FrameChoice &frame)
{
    QString element = QLatin1String("\r\n<frame src=\"") + fileNamePart(frame.file) + QLatin1String("\" name=\"")
                      + frame.name + QLatin1String("\" scrolling=\"") + frame.scrolling + QLatin1Char('"');
    if (frame.noResize)
        element += QLatin1String(" noresize");
    if (!frame.horizontalMargin)
        element += QLatin1String(" marginwidth=\"0\"");
    if (!frame.verticalMargin)
        element += QLatin1String(" marginheight=\"0\"");
    return element;
}

QString framesetPage(const FrameWizardChoices &choices)
{
    const int layout = choices.layout;
    QString page = kPageHead + frameset(outerDivision(layout), choices.outerSize, choices.outerBorder)
                   + frameElement(choices.frame[0]) + QLatin1Char('>');
    if (!hasInnerDivision(layout))
        return page + frameElement(choices.frame[1]) + QLatin1String(">\r\n</frameset>\r\n</html>");
    return page + QLatin1String("\r\n") + frameset(innerDivision(layout), choices.innerSize, choices.innerBorder)
           + frameElement(choices.frame[1]) + QLatin1Char('>') + frameElement(choices.frame[2])
           + QLatin1String(">\r\n</frameset>\r\n</frameset>\r\n</html>");
}

} // namespace

QString framePageText(const FrameWizardChoices &choices, QStringView code)
{
    if (!knownLayout(choices.layout))
        return {};
    if (code == QLatin1String("fr"))
        return framesetPage(choices);
    if (frameOfCode(choices.layout, code) >= 0)
        return kPageHead + kBlankBody;
    return {};
}

QString framePagePath(const FrameWizardChoices &choices, QStringView code)
{
    if (code == QLatin1String("fr"))
        return choices.framesetFile;
    const int frame = frameOfCode(choices.layout, code);
    return frame >= 0 ? choices.frame[frame].file : QString();
}

QStringList pagesToWrite(const FrameWizardChoices &choices)
{
    if (!knownLayout(choices.layout))
        return {};
    QStringList codes{QStringLiteral("fr")};
    for (int i = 0; i < frameCount(choices.layout); ++i) {
        if (!choices.frame[i].existing)
            codes << QLatin1String(kFrameCodes[i]);
    }
    return codes;
}

QString joinPath(const QString &directory, const QString &name)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory + name;
    return directory + QLatin1Char('/') + name;
}

FrameWizardChoices withFullPaths(FrameWizardChoices choices, const QString &directory)
{
    choices.framesetFile = joinPath(directory, choices.framesetFile);
    for (int i = 0; i < frameCount(choices.layout); ++i)
        choices.frame[i].file = joinPath(directory, choices.frame[i].file);
    return choices;
}
