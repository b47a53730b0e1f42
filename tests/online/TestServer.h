#pragma once
// The online tests' private XMPP server (xmpp-test-server): prosody on a free loopback port
// with the accounts ada, bea and cy, started in a folder of its own and stopped with it.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

struct TestServer {
    QTemporaryDir dir;
    QProcess process;
    quint16 port = 0;

    // Starts it: "ready PORT" once it takes connections, else what went wrong.
    QByteArray Start()
    {
        process.start(QStringLiteral(QUOXA_TEST_SERVER), {dir.path()});
        (void)QTest::qWaitFor([&] { return process.canReadLine() || process.state() == QProcess::NotRunning; }, 60000);
        const QByteArray line = process.readLine().trimmed();
        port = line.startsWith("ready ") ? quint16(line.mid(6).toUInt()) : 0;
        return line + process.readAllStandardError();
    }
    // It could not start for want of prosody or openssl.
    bool Missing() const { return process.state() == QProcess::NotRunning && process.exitCode() == 77; }
    QString Authority() const { return dir.filePath(QStringLiteral("ca.crt")); }
    ~TestServer() { process.terminate(), process.waitForFinished(5000); }
};
