#include "snmp_tools.h"

#include "kmvsim_process.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

QString runTool(const QString &tool, const KmvSimProcess &sim, const QString &community, const QStringList &rest,
                bool *ok)
{
    QProcess p;
    QStringList args{QStringLiteral("-v2c"), QStringLiteral("-c"), community, QStringLiteral("-M"),
                     QStringLiteral("/dev/null"), QStringLiteral("-m"), QString(), QStringLiteral("-On"),
                     QStringLiteral("-t"), QStringLiteral("2"), QStringLiteral("-r"), QStringLiteral("1"),
                     sim.endpoint()};
    args << rest;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SNMPCONFPATH"), sim.stateDir() + QStringLiteral("/tools"));
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), sim.stateDir() + QStringLiteral("/tools"));
    p.setProcessEnvironment(env);
    p.start(tool, args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished(1000);
        *ok = false;
        return QString();
    }
    *ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return QString::fromLatin1(p.readAllStandardOutput());
}

QString plain(const QString &typed)
{
    static const QRegularExpression ticks(QStringLiteral("^Timeticks: \\((\\d+)\\)"));
    if (const QRegularExpressionMatch m = ticks.match(typed); m.hasMatch())
        return m.captured(1);
    const qsizetype colon = typed.indexOf(QStringLiteral(": "));
    QString v = colon < 0 ? typed : typed.mid(colon + 2);
    if (typed.startsWith(QLatin1String("STRING")) && v.size() >= 2 && v.startsWith(QLatin1Char('"'))
        && v.endsWith(QLatin1Char('"')))
        v = v.mid(1, v.size() - 2);
    if (typed.startsWith(QLatin1String("OID")) && v.startsWith(QLatin1Char('.')))
        v = v.mid(1);
    if (typed == QLatin1String("\"\""))
        v.clear();
    return v;
}

}  // namespace

QMap<QString, QString> ToolWalk(const KmvSimProcess &sim, const QString &oid)
{
    bool ok = false;
    const QString out = runTool(QStringLiteral("snmpwalk"), sim, QStringLiteral("corvet"), {oid}, &ok);
    QMap<QString, QString> values;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype eq = line.indexOf(QStringLiteral(" = "));
        if (eq < 0 || line.contains(QStringLiteral("No more variables")))
            continue;
        QString key = line.left(eq);
        if (key.startsWith(QLatin1Char('.')))
            key = key.mid(1);
        values.insert(key, plain(line.mid(eq + 3)));
    }
    return values;
}

bool ToolSet(const KmvSimProcess &sim, const QStringList &triples)
{
    bool ok = false;
    runTool(QStringLiteral("snmpset"), sim, QStringLiteral("lanmore"), triples, &ok);
    return ok;
}
