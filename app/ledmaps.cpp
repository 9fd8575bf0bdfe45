#include "ledmaps.h"

namespace {

constexpr QvLedColorEntry PowerEntries[] = {{1, LedGreen}, {2, LedGreen}, {3, LedGreen}, {0, -1}};
constexpr QvLedColorEntry ConsoleEntries[] = {{1, LedBlack}, {2, LedGreen}, {3, LedBlack}, {0, -1}};
constexpr QvLedColorEntry PortEntries[] = {{1, LedGreen}, {2, LedBlack}, {3, LedBlack}, {0, -1}};

} // namespace

const QvSNMPLedColorMapList PowerMap(PowerEntries, 255, 0, LedBlack, LedBlack);
const QvSNMPLedColorMapList ConsoleMap(ConsoleEntries, 255, 0, LedBlack, LedBlack);
const QvSNMPLedColorMapList PortMap(PortEntries, 255, 1, LedBlack, LedBlack);
