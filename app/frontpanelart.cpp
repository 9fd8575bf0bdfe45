#include "frontpanelart.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace FrontPanelArt {

int PortLedLeft(int port)
{
    if (port == 49)
        return 754;
    if (port == 50)
        return 785;
    return 98 + 215 * ((port - 1) / 16) + 13 * ((port - 1) % 16);
}

int PortAt(int x, int y)
{
    struct Block { int firstX, lastX, firstPort; };
    static constexpr Block blocks[] = {{95, 300, 1}, {311, 516, 17}, {526, 730, 33}};
    if (y < 25 || y > 66)
        return 0;
    const int row = y <= 45 ? 0 : 1;
    for (const Block &b : blocks)
        if (x >= b.firstX && x <= b.lastX)
            return b.firstPort + 2 * ((x - b.firstX) / 26) + row;
    return 0;
}

QRect PortFace(int port)
{
    if (port == 49 || port == 50)
        return QRect(port == 49 ? 745 : 777, 25, ModuleWidth, ModuleHeight);
    if (port < 1 || port > 48)
        return QRect();
    static constexpr int firstX[] = {95, 311, 526};
    const int i = (port - 1) % 16;
    return QRect(firstX[(port - 1) / 16] + 26 * (i / 2), 25 + 21 * (i % 2), 24, 19);
}

int PortFaceAt(int x, int y)
{
    for (int port = 1; port <= 50; ++port)
        if (PortFace(port).contains(x, y))
            return port;
    return 0;
}

namespace {

// One RJ-45 jack of about 24 x 19 at (x, y); lower-row jacks are mirrored (latch at the bottom).
void DrawJack(QPainter &p, int x, int y, bool lower)
{
    const QRect body(x, y, 24, 19);
    p.setPen(QColor(20, 20, 22));
    p.setBrush(QColor(58, 60, 64));
    p.drawRect(body.adjusted(0, 0, -1, -1));
    // opening with the latch notch
    const QRect hole = body.adjusted(3, 3, -4, -4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 12, 14));
    p.drawRect(hole);
    const int notchY = lower ? hole.bottom() - 1 : hole.top() - 2;
    p.drawRect(QRect(hole.center().x() - 3, notchY, 7, 3));
    // eight gold contacts on the side away from the latch
    p.setBrush(QColor(196, 160, 64));
    const int cy = lower ? hole.top() + 1 : hole.bottom() - 2;
    for (int i = 0; i < 8; ++i)
        p.drawRect(QRect(hole.left() + 2 + i * 2, cy, 1, 2));
}

void DrawBlock(QPainter &p, int firstX, int firstPort)
{
    // recessed frame around the sixteen jacks
    p.setPen(QColor(90, 92, 98));
    p.setBrush(QColor(36, 38, 42));
    p.drawRect(firstX - 3, 23, 8 * 26 + 2, 46);
    for (int c = 0; c < 8; ++c) {
        DrawJack(p, firstX + c * 26, 25, false);
        DrawJack(p, firstX + c * 26, 46, true);
    }
    QFont f("Sans", 5);
    f.setPixelSize(7);
    p.setFont(f);
    p.setPen(QColor(200, 200, 205));
    for (int i = 0; i < 16; ++i) {
        const int port = firstPort + i;
        const int left = PortLedLeft(port);
        p.drawText(QRect(left - 3, 3, 13, 10), Qt::AlignCenter, QString::number(port));
    }
    p.drawText(QRect(firstX, 69, 8 * 26, 8), Qt::AlignCenter,
               QStringLiteral("%1 - %2").arg(firstPort).arg(firstPort + 15));
}

void DrawLedWell(QPainter &p, int left, int top, int size, bool round)
{
    p.setPen(QColor(15, 15, 15));
    p.setBrush(QColor(25, 25, 25));
    const QRect r(left - 1, top - 1, size + 1, size + 1);
    round ? p.drawEllipse(r) : p.drawRect(r);
}

} // namespace

QPixmap DrawFrontPanel()
{
    QPixmap pm(Width, Height);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, Height);
    g.setColorAt(0, QColor(74, 77, 84));
    g.setColorAt(0.5, QColor(52, 54, 60));
    g.setColorAt(1, QColor(38, 40, 44));
    p.fillRect(pm.rect(), g);
    p.setPen(QColor(110, 113, 120));
    p.drawRect(0, 0, Width - 1, Height - 1);
    // rack ears with their screw holes
    for (int x : {0, Width - 14}) {
        p.fillRect(QRect(x + 1, 1, 13, Height - 2), QColor(60, 62, 68));
        p.setBrush(QColor(20, 20, 22));
        p.setPen(QColor(120, 120, 126));
        p.drawEllipse(QRect(x + 3, 8, 8, 8));
        p.drawEllipse(QRect(x + 3, Height - 17, 8, 8));
    }

    // model name and the status LEDs
    QFont name("Sans");
    name.setPixelSize(11);
    name.setBold(true);
    p.setFont(name);
    p.setPen(QColor(235, 235, 240));
    p.drawText(QRect(16, 3, 80, 13), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KMV-7040QX"));
    QFont small("Sans");
    small.setPixelSize(7);
    p.setFont(small);
    p.setPen(QColor(190, 190, 196));
    p.drawText(QRect(16, 16, 80, 9), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Managed L3 Switch"));
    p.drawText(QRect(38, 32, 36, 11), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Power"));
    p.drawText(QRect(38, 43, 36, 11), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Console"));
    DrawLedWell(p, 76, 32, 11, true);
    DrawLedWell(p, 76, 43, 11, true);
    // console port
    p.setPen(QColor(20, 20, 22));
    p.setBrush(QColor(70, 110, 170));
    p.drawRect(QRect(20, 58, 26, 11));
    p.setPen(QColor(190, 190, 196));
    p.drawText(QRect(49, 58, 40, 11), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("RS-232"));

    for (int b = 0; b < 3; ++b)
        DrawBlock(p, b == 0 ? 95 : b == 1 ? 311 : 526, 1 + 16 * b);
    for (int port = 1; port <= 50; ++port)
        DrawLedWell(p, PortLedLeft(port), PortLedTop, 7, false);

    // the two gigabit module slots
    p.setFont(small);
    for (int i = 0; i < 2; ++i) {
        const int x = i == 0 ? 745 : 777;
        p.setPen(QColor(100, 102, 108));
        p.setBrush(QColor(22, 22, 24));
        p.drawRect(QRect(x - 2, 23, ModuleWidth + 3, ModuleHeight + 3));
        p.setPen(QColor(200, 200, 205));
        p.drawText(QRect(x - 2, 3, 29, 10), Qt::AlignCenter, QString::number(49 + i));
        p.drawText(QRect(x - 4, 47, 33, 9), Qt::AlignCenter, QStringLiteral("GBIC"));
    }
    p.drawText(QRect(740, 60, 70, 9), Qt::AlignCenter, QStringLiteral("1000BASE-X"));
    return pm;
}

QPixmap DrawGigaModule()
{
    QPixmap pm(ModuleWidth, ModuleHeight);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, ModuleHeight);
    g.setColorAt(0, QColor(200, 202, 208));
    g.setColorAt(1, QColor(140, 142, 150));
    p.fillRect(pm.rect(), g);
    p.setPen(QColor(60, 60, 66));
    p.drawRect(0, 0, ModuleWidth - 1, ModuleHeight - 1);
    // duplex LC receptacles
    p.setBrush(QColor(30, 30, 34));
    p.drawRect(QRect(4, 6, 7, 9));
    p.drawRect(QRect(14, 6, 7, 9));
    p.setBrush(QColor(70, 130, 200));
    p.drawEllipse(QRect(6, 9, 3, 3));
    p.drawEllipse(QRect(16, 9, 3, 3));
    return pm;
}

} // namespace FrontPanelArt
