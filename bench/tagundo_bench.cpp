// A tag command with its undo point, "Undo last tag " and "Undo undo" in a
// 100 KB and a 10 MB page of a coloured memo, medians of repeated runs side
// by side.
#include "benchsupport.h"
#include "colormemo.h"
#include "documentrules.h"
#include "tagrunner.h"
#include "tagtable.h"
#include "tagundo.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString page(int bytes)
{
    const QString line = QStringLiteral("<TR><TD align=\"left\">Some cell text of a table</TD></TR>\r\n");
    QString text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    return text;
}

struct Figures {
    double command, undo, redo;
};

Figures measure(int bytes, int rounds)
{
    TColorMemo memo;
    applyDocumentRules(memo);
    memo.resize(800, 600);
    memo.show();
    memo.setText(page(bytes));
    TagUndo undo(memo);
    const TagCommand &bold = *findTagCommand("BOLD1Click");
    std::vector<double> commandTimes, undoTimes, redoTimes;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        memo.setSelStart(memo.textLength() / 2);
        memo.setSelLength(4);
        timer.start();
        runTagCommand(bold, memo, undo);
        commandTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.start();
        undo.undoLastTag();
        undoTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.start();
        undo.undoUndo();
        redoTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return {bench::median(commandTimes), bench::median(undoTimes), bench::median(redoTimes)};
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_tags.slot(21) = TagSlot{QStringLiteral("<B>"), QStringLiteral("</B>"), 4, 0};
    const Figures small = measure(100 * 1024, 51);
    const Figures large = measure(10 * 1024 * 1024, 11);
    std::printf("%-24s %12s %12s   limits 5 ms / 150 ms\n", "median ms", "100 KB", "10 MB");
    std::printf("%-24s %12.3f %12.3f\n", "tag command + undo point", small.command, large.command);
    std::printf("%-24s %12.3f %12.3f\n", "Undo last tag", small.undo, large.undo);
    std::printf("%-24s %12.3f %12.3f\n", "Undo undo", small.redo, large.redo);
    const double worstSmall = std::max({small.command, small.undo, small.redo});
    const double worstLarge = std::max({large.command, large.undo, large.redo});
    std::printf("worst/limit: 100 KB %.2f, 10 MB %.2f (below 1 meets the target)\n", worstSmall / 5.0,
                worstLarge / 150.0);
    return worstSmall < 5.0 && worstLarge < 150.0 ? 0 : 2;
}
