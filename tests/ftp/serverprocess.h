#pragma once

// A test's own server: a child process in a process group of its own,
// listening on 127.0.0.1, ended with its whole group (a server's session
// processes too) when this object goes.

#include <QElapsedTimer>
#include <QProcess>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class ServerProcess
{
public:
    ~ServerProcess() { stop(); }

    // Starts a server that prints "ready <port>" once it takes connections.
    bool startAnnouncing(const QString &program, const QStringList &arguments)
    {
        if (!launch(program, arguments))
            return false;
        QByteArray output;
        while (!output.contains('\n') && m_process.waitForReadyRead(30000))
            output += m_process.readAllStandardOutput();
        const QList<QByteArray> words = output.trimmed().split(' ');
        m_port = words.size() == 2 && words[0] == "ready" ? words[1].toInt() : 0;
        return m_port > 0;
    }

    // Starts a server told to listen on `port`, and waits until it does.
    bool startListening(const QString &program, const QStringList &arguments, int port)
    {
        if (!launch(program, arguments))
            return false;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 30000 && m_process.state() == QProcess::Running) {
            if (takesConnections(port)) {
                m_port = port;
                return true;
            }
            m_process.waitForFinished(20); // a server that could not listen ends
        }
        return false;
    }

    void stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            ::kill(-pid_t(m_process.processId()), SIGKILL);
            m_process.waitForFinished(10000);
        }
    }

    int port() const { return m_port; }

    // Runs a tool to its end without its chatter; true when it succeeded.
    static bool runQuietly(const QString &program, const QStringList &arguments)
    {
        QProcess tool;
        tool.setStandardOutputFile(QProcess::nullDevice());
        tool.setStandardErrorFile(QProcess::nullDevice());
        tool.start(program, arguments);
        return tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    }

    // A port of 127.0.0.1 that nothing listens on just now.
    static int freePort()
    {
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = loopback(0);
        socklen_t length = sizeof address;
        int port = 0;
        if (::bind(probe, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
            && ::getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            port = ntohs(address.sin_port);
        ::close(probe);
        return port;
    }

private:
    bool launch(const QString &program, const QStringList &arguments)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.setChildProcessModifier([] { ::setpgid(0, 0); });
        m_process.start(program, arguments);
        return m_process.waitForStarted(30000);
    }

    static sockaddr_in loopback(int port)
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(quint16(port));
        return address;
    }

    static bool takesConnections(int port)
    {
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = loopback(port);
        const bool connected = ::connect(probe, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(probe);
        return connected;
    }

    QProcess m_process;
    int m_port = 0;
};
