#pragma once

// A real X server of the test's own, for what only a real keyboard mapping
// or window manager shows: Xvfb on a display number it picks itself, and on
// demand a window manager on it. Both end with this object, and on their
// own should the test program die.

#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>

#include <signal.h>
#include <sys/prctl.h>

class XSession
{
public:
    XSession()
    {
        for (const char *program : {"Xvfb", "xdotool", "xprop", "setxkbmap", "evilwm"}) {
            if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty()) {
                m_missing = QStringLiteral("%1 is not installed (tools/install-deps.sh installs it)").arg(program);
                return;
            }
        }
        diesWithUs(m_server);
        // -displayfd: the server picks a free display and writes its number.
        m_server.start(QStringLiteral("Xvfb"),
                       {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(20000))
            number += m_server.readAllStandardOutput();
        if (number.trimmed().isEmpty())
            m_missing = QStringLiteral("Xvfb did not start");
        else
            m_display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    }

    ~XSession()
    {
        stopWindowManager();
        m_server.kill();
        m_server.waitForFinished(10000);
    }

    bool running() const { return !m_display.isEmpty(); }
    QString whyNot() const { return m_missing; }
    QString display() const { return m_display; }

    // Runs an X program on this display to its end; its output.
    QByteArray run(const QString &program, const QStringList &arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(program, arguments);
        process.waitForFinished(30000);
        return process.readAllStandardOutput();
    }

    // A program's visible windows by id, each with its title as the window
    // manager reads it.
    QMap<QByteArray, QString> windows(qint64 pid) const
    {
        static const QRegularExpression value(QStringLiteral("^_NET_WM_NAME\\(UTF8_STRING\\) = \"(.*)\"$"));
        QMap<QByteArray, QString> titled;
        const QByteArray ids =
            run(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--pid", QString::number(pid)});
        for (const QByteArray &id : ids.split('\n')) {
            if (id.isEmpty())
                continue;
            const QString line = QString::fromUtf8(run(QStringLiteral("xprop"), {"-id", id, "_NET_WM_NAME"})).trimmed();
            if (const auto match = value.match(line); match.hasMatch())
                titled.insert(id, match.captured(1));
        }
        return titled;
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), m_display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return environment;
    }

    // A window manager (evilwm) takes the screen; true once it manages it.
    bool startWindowManager()
    {
        diesWithUs(m_manager);
        m_manager.setProcessEnvironment(environment());
        m_manager.start(QStringLiteral("evilwm"), {"-fn", "fixed"}); // a font every X server has
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 20000) {
            if (run(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"))
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    void stopWindowManager()
    {
        if (m_manager.state() == QProcess::NotRunning)
            return;
        m_manager.kill();
        m_manager.waitForFinished(10000);
    }

private:
    static void diesWithUs(QProcess &process)
    {
        process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    }

    QProcess m_server;
    QProcess m_manager;
    QString m_display;
    QString m_missing;
};
