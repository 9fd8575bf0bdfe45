// The SNMPv3 local engine's boot counter, kept in a small text file across runs so that every
// start presents agents with a higher snmpEngineBoots. One line per engine ID: the ID in hex,
// one blank, the count in decimal.
#pragma once

#include <QByteArray>
#include <QString>

inline constexpr char QvBootCounterFileName[] = "QvSNMP_PP_BootCounter";
inline constexpr char QvLocalEngineId[] = "QvSNMP_PP_Application";
// snmpEngineBoots never goes past this value.
inline constexpr quint32 QvMaxEngineBoots = 2147483647u;

enum QvBootCounterResult {
    BOOTS_OK = 0,
    BOOTS_NO_ENTRY = -1,     // the file has no line for the engine ID
    BOOTS_NO_FILE = -2,      // the file cannot be opened (boots is then 0)
    BOOTS_BAD_LINE = -3,     // damaged: a line that is not "hexid count"
    BOOTS_BAD_COUNT = -4,    // damaged: a count that is not a number up to QvMaxEngineBoots
};

// Fills boots with the stored count of engineId (0 unless the result is BOOTS_OK).
int GetBootCounter(const QString &fileName, const QByteArray &engineId, quint32 &boots);
// Writes or replaces the engine's line, keeping the others, through a temporary file and a
// rename. 0 on success; non-zero when the file cannot be written or an existing file cannot be
// read or is damaged (rewriting it would lose the other engines' counts).
int SaveBootCounter(const QString &fileName, const QByteArray &engineId, quint32 boots);
// Reads, increments and saves the local engine's count in directory's counter file; throws
// -507 for a damaged file and -508 when the save fails.
quint32 LoadAndBumpBoots(const QString &directory);
