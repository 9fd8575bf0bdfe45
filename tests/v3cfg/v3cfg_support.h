// One simulated switch for a whole suite of the SNMPv3 tool's tests, started from a working folder
// of the suite's own: the engine keeps its boot counter in the working folder.
#pragma once

#include "agent_support.h"
#include "kmvsim_process.h"
#include "mibenums.h"
#include "qvsnmpsession.h"

#include <QDir>

struct SuiteSwitch {
    void Start(const QString &prefix)
    {
        home = makeTempDir(prefix);
        oldCwd = QDir::currentPath();
        QDir::setCurrent(home);
        BuildCatalogueLists();
        OpenGlobalSession(QString());
        sim = new KmvSimProcess({QStringLiteral("--scenario"), QStringLiteral("static")});
    }
    void Stop()
    {
        delete sim;
        sim = nullptr;
        QDir::setCurrent(oldCwd);
        QDir(home).removeRecursively();
    }

    KmvSimProcess *sim = nullptr;
    QString home, oldCwd;
};
