#include <gtest/gtest.h>

#include "frontpanelart.h"

#include <QImage>

namespace {

struct Click { int x, y, port; const char *why; };

TEST(FrontPanel, ClickRegions)
{
    const Click cases[] = {
        {95, 25, 1, "first port, upper row"},      {95, 46, 2, "first port, lower row"},
        {121, 25, 3, "second column"},             {300, 66, 16, "last pixel of block 1"},
        {311, 25, 17, "first pixel of block 2"},   {516, 45, 31, "last column block 2, upper"},
        {526, 46, 34, "block 3 lower"},            {730, 66, 48, "last pixel of block 3"},
        {305, 30, 0, "between blocks 1 and 2"},    {520, 30, 0, "between blocks 2 and 3"},
        {95, 24, 0, "above the jacks"},            {95, 67, 0, "below the jacks"},
        {94, 30, 0, "left of block 1"},            {731, 30, 0, "right of block 3"},
        {760, 30, 0, "gigabit slot"},
    };
    for (const Click &c : cases)
        EXPECT_EQ(FrontPanelArt::PortAt(c.x, c.y), c.port) << c.why << " at " << c.x << "," << c.y;
}

TEST(FrontPanel, EveryCopperPortHasExactlyOneRegionColumn)
{
    int hits[49] = {};
    for (int x = 0; x < FrontPanelArt::Width; ++x)
        for (int y : {30, 50})
            if (int p = FrontPanelArt::PortAt(x, y))
                ++hits[p];
    for (int p = 1; p <= 48; ++p)
        EXPECT_GT(hits[p], 20) << "port " << p;
}

TEST(FrontPanel, PicturesHaveTheirDesignedSizes)
{
    const QImage panel = FrontPanelArt::DrawFrontPanel().toImage();
    EXPECT_EQ(panel.size(), QSize(872, 77));
    EXPECT_EQ(FrontPanelArt::DrawGigaModule().size(), QSize(25, 20));
    // LED wells are dark so an unlit LED reads as off against the chassis
    for (int port : {1, 16, 17, 48, 49, 50}) {
        const QColor c = panel.pixelColor(FrontPanelArt::PortLedLeft(port) + 3, FrontPanelArt::PortLedTop + 3);
        EXPECT_LT(c.lightness(), 60) << "port " << port;
    }
}

TEST(FrontPanel, PortFacesHoldTheirClickRegionsAndTheSlots)
{
    // Faces do not overlap, and their centres click their ports.
    for (int port = 1; port <= 50; ++port) {
        const QRect face = FrontPanelArt::PortFace(port);
        ASSERT_FALSE(face.isEmpty()) << port;
        for (int x = face.left(); x <= face.right(); ++x)
            for (int y = face.top(); y <= face.bottom(); ++y) {
                ASSERT_EQ(FrontPanelArt::PortFaceAt(x, y), port) << x << "," << y;
                // A click on a face never opens another port (the last column of block 3 is no click region).
                const int click = FrontPanelArt::PortAt(x, y);
                ASSERT_TRUE(click == port || click == 0) << x << "," << y << " clicks " << click;
            }
        if (port <= 48) {
            EXPECT_EQ(FrontPanelArt::PortAt(face.center().x(), face.center().y()), port);
        }
    }
    const struct { int x, y, port; } cases[] = {
        {760, 30, 49}, {790, 40, 50}, {305, 30, 0}, {95, 24, 0}, {10, 10, 0}, {0, 0, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FrontPanelArt::PortFaceAt(c.x, c.y), c.port) << c.x << "," << c.y;
    EXPECT_TRUE(FrontPanelArt::PortFace(0).isEmpty());
    EXPECT_TRUE(FrontPanelArt::PortFace(51).isEmpty());
}

} // namespace
