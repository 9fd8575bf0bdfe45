// The front panel's colour maps. They live as long as the program, so any LED binding may refer
// to them from its first to its last poll.
#pragma once

#include "qvsnmpledbinding.h"

constexpr qint32 LedGreen = 0x0000FF00;
constexpr qint32 LedBlack = 0;

// Green while the agent answers port 1's status at all (up, down or testing).
extern const QvSNMPLedColorMapList PowerMap;
// Green while the console is in use.
extern const QvSNMPLedColorMapList ConsoleMap;
// Green and blinking after each poll while the link is up; black otherwise.
extern const QvSNMPLedColorMapList PortMap;
