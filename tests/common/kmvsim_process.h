// Starts the simulated switch for a test: on a free loopback port, with a private state folder, and
// waits until it answers. The destructor stops it and removes the folder.
//
//   KmvSimProcess sim;                       // default options
//   ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
//   someRequest(sim.address(), sim.port());
#pragma once

#include <QString>
#include <QStringList>

class QProcess;

class KmvSimProcess
{
public:
    // extraArgs are passed after --listen and --state (see kmvsim --help). With waitForAnswer false
    // the fixture only waits for the ready line (for agents started silent).
    explicit KmvSimProcess(const QStringList &extraArgs = {}, bool waitForAnswer = true);
    ~KmvSimProcess();
    KmvSimProcess(const KmvSimProcess &) = delete;
    KmvSimProcess &operator=(const KmvSimProcess &) = delete;

    bool isRunning() const;
    QString errorText() const { return m_error; }
    QString address() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return m_port; }
    QString endpoint() const { return address() + ':' + QString::number(m_port); }
    QString stateDir() const { return m_stateDir; }
    qint64 pid() const;

    // Run-time faults through signals: stop answering every request / answer again and clear all faults.
    void stopAnswering();
    void resumeAnswering();

    // Stops the agent and starts it again on the same port and state folder.
    bool restart();

    // True when the agent answers an SNMPv1 GET with the read community within timeoutMs.
    bool answers(int timeoutMs = 1000) const;

private:
    bool start();
    void stop();

    QStringList m_extraArgs;
    bool m_waitForAnswer;
    QString m_stateDir;
    quint16 m_port = 0;
    QProcess *m_process = nullptr;
    QString m_error;
};
