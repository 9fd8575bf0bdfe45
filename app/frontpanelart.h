#pragma once
// The switch's front as pictures: drawn once at start-up with the geometry the LED positions and
// click regions of the main window assume.
#include <QPixmap>

namespace FrontPanelArt {
constexpr int Width = 872;
constexpr int Height = 77;
constexpr int ModuleWidth = 25;
constexpr int ModuleHeight = 20;

// Left edge of port p's link LED (1..50); all LEDs sit at top 15.
int PortLedLeft(int port);
constexpr int PortLedTop = 15;

// The copper port under image point (x, y), or 0 outside every click region.
int PortAt(int x, int y);

QPixmap DrawFrontPanel();
QPixmap DrawGigaModule();
}
