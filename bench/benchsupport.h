#pragma once

// Small helpers for the benchmarks: medians of repeated timings, peak memory
// of a child process, and a generated page of dense HTML.

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

// Runs the benchmark's windows offscreen, so it runs from a bare terminal,
// and keeps the offscreen platform's notes on each window from burying the
// figures. Call before the application object is made.
inline void quietOffscreen()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
}

// The repeat count given as the program's first argument, else 'fallback'.
inline int repeatsFrom(const QStringList &arguments, int fallback = 5)
{
    const int given = arguments.value(1).toInt();
    return given > 0 ? given : fallback;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Milliseconds one call takes.
inline double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// The process's peak resident memory in MiB.
inline double peakMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// A page of dense HTML of about the given size, CR LF line breaks.
inline QByteArray denseHtml(qsizetype bytes)
{
    const QByteArray lines[] = {
        "<TABLE width=\"100%\" border=\"0\"><TR><TD class=\"nav\"><A href=\"index.htm\">Home</A></TD></TR>",
        "<P align=\"center\"><FONT color=\"#FF0000\" size=\"2\">Welcome to my home page!</FONT></P>",
        "<SCRIPT language=\"JavaScript\"><!-- function flip() { document.img1.src='b.gif'; } //--></SCRIPT>",
        "<!-- a comment line --> <IMG src=\"pic.gif\" width=\"40\" height=\"30\" alt=\"picture\"><BR>",
    };
    QByteArray out;
    out.reserve(bytes + 200);
    for (int i = 0; out.size() < bytes; ++i) {
        out += lines[i % 4];
        out += "\r\n";
    }
    return out;
}

// Runs this program again with the given arguments and returns its last
// printed line, split on blanks.
inline QList<QByteArray> runChild(const QStringList &arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
    return lines.last().simplified().split(' ');
}

} // namespace bench
