// Net-SNMP's command-line tools against the simulated switch, as a view independent of the device
// manager's own engine: walks and sets with SNMPv2c, kept away from the machine's SNMP files.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class KmvSimProcess;

// Every value under oid by its instance OID (no leading dot). Values as plain texts: numbers
// (time ticks as their number), strings without quotes, object identifiers without a leading dot.
QMap<QString, QString> ToolWalk(const KmvSimProcess &sim, const QString &oid);
// snmpset with the write community; triples of OID, type letter and value. True on success.
bool ToolSet(const KmvSimProcess &sim, const QStringList &triples);
