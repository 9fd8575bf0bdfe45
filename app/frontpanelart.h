#pragma once
// The switch's front as pictures: drawn once at start-up with the geometry the LED positions and
// click regions of the main window assume.
#include <QPixmap>
#include <QRect>

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

// The face of port p (1..50) on the picture: its jack, or for 49 and 50 the module slot.
QRect PortFace(int port);
// The port whose face holds image point (x, y), gigabit slots included; 0 outside every face.
int PortFaceAt(int x, int y);

QPixmap DrawFrontPanel();
QPixmap DrawGigaModule();
}
