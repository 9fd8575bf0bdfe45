// LED binding without an agent: colour lookup, masks, the blink sequence after a poll, the
// missing-byte rules and the reset on failure.
#include "qvsnmperrors.h"
#include "qvsnmpledbinding.h"
#include "qvsnmpvarlist.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>

// Counts every allocation of the process (Qt's containers call malloc directly), so that the
// blink step can be shown to make none. The sanitizers bring their own allocator: not there.
#if !defined(__SANITIZE_ADDRESS__)
#define KMV_COUNT_ALLOCATIONS 1
static std::atomic<long> g_allocations{0};
extern "C" {
void *__libc_malloc(std::size_t);
void *__libc_calloc(std::size_t, std::size_t);
void *__libc_realloc(void *, std::size_t);
void *malloc(std::size_t n)
{
    ++g_allocations;
    return __libc_malloc(n);
}
void *calloc(std::size_t n, std::size_t size)
{
    ++g_allocations;
    return __libc_calloc(n, size);
}
void *realloc(void *p, std::size_t n)
{
    ++g_allocations;
    return __libc_realloc(p, n);
}
}
#endif

namespace {

constexpr qint32 Green = 0x0000FF00;
constexpr qint32 Black = 0;
constexpr qint32 Red = 0x000000FF;
constexpr qint32 Grey = 0x00404040;

const QvLedColorEntry PortEntries[] = {{1, Green}, {2, Black}, {3, Black}, {0, -1}};
const QvLedColorEntry PowerEntries[] = {{1, Green}, {2, Green}, {3, Green}, {0, -1}};

using Leds = QvSNMPRequest2Leds;

TEST(LedColorMap, LookUpUsesTheLowByteAndFirstMatch)
{
    const QvLedColorEntry table[] = {{0x101, Red}, {1, Green}, {2, Grey}, {0, -1}};
    QvSNMPLedColorMapList map(table, 0xFF, 0, Black, Black);
    EXPECT_EQ(map.Count(), 3);
    EXPECT_EQ(map.LookUp(1), Red) << "257 and 1 share their low byte; the first entry wins";
    EXPECT_EQ(map.LookUp(2), Grey);
    EXPECT_EQ(map.LookUp(7), Black);

    map.AddEntries(nullptr);
    const QvLedColorEntry empty[] = {{9, -1}};
    map.AddEntries(empty);
    EXPECT_EQ(map.Count(), 3);
    const QvLedColorEntry more[] = {{7, Grey}, {0, -1}};
    map.AddEntries(more);
    EXPECT_EQ(map.LookUp(7), Grey);
}

// The brush colour an LED shows after each paint, starting right after a poll.
struct BlinkCase {
    const char *name;
    QString value;
    quint8 blinkMask;
    qint32 startColour;  // what the LED showed before the poll
    QList<qint32> paints;
};

void PrintTo(const BlinkCase &c, std::ostream *os)
{
    *os << c.name;
}

class LedBlink : public ::testing::TestWithParam<BlinkCase> {};

TEST_P(LedBlink, SequenceAfterAPoll)
{
    const BlinkCase &c = GetParam();
    QWidget owner;
    QvSNMPLedColorMapList map(PortEntries, 0xFF, c.blinkMask, Black, Black);
    Leds leds(&owner);
    leds.BlinkTimer()->stop();  // the test paints step by step
    leds.Vars().itemType = MVT_SV;
    leds.Vars().AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.8.1"), QStringLiteral("p1"), SYN_INTEGER, ACC_READONLY);
    QvLed led(&owner);
    leds.AddLed(0, 0, &map, &led);
    led.Paint(c.startColour);
    leds.Vars().Item(0).valueText = c.value;
    leds.RowReceived();
    QList<qint32> seen{led.BrushColor()};
    while (seen.size() < c.paints.size()) {
        leds.PaintLeds();
        seen.append(led.BrushColor());
        EXPECT_EQ(led.PenColor(), led.BrushColor());
    }
    EXPECT_EQ(seen, c.paints);
}

const QList<qint32> BlinkFromDark{Green, Black, Green, Black, Green, Black, Green, Green, Green, Green};
const QList<qint32> BlinkFromLit{Black, Green, Black, Green, Black, Green, Black, Green, Green, Green};

INSTANTIATE_TEST_SUITE_P(
    PortMap, LedBlink,
    ::testing::Values(BlinkCase{"up_blinks_then_stays_green", "1", 1, Black, BlinkFromDark},
                      BlinkCase{"lit_led_goes_dark_first", "1", 1, Green, BlinkFromLit},
                      BlinkCase{"down_is_steady_black", "2", 1, Green, QList<qint32>(10, Black)},
                      BlinkCase{"testing_blinks_invisibly", "3", 1, Black, QList<qint32>(10, Black)},
                      BlinkCase{"unknown_state_black", "7", 1, Green, QList<qint32>(10, Black)},
                      BlinkCase{"high_bytes_are_masked_off", "257", 1, Black, BlinkFromDark},
                      BlinkCase{"blink_mask_zero_never_blinks", "1", 0, Black, QList<qint32>(10, Green)},
                      BlinkCase{"null_shows_missing_colour", "(NULL)", 1, Green, QList<qint32>(10, Black)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LedBinding, ByteIndexSelectsTheOctetAndMissingBytes)
{
    QWidget owner;
    const QvLedColorEntry entries[] = {{0xAB, Red}, {0x02, Green}, {0, -1}};
    QvSNMPLedColorMapList map(entries, 0xFF, 0, Black, Grey);
    QvSNMPLedColorMapList strict(entries, 0xFF, 0, Black, -1);
    QvSNMPLedColorMapList masked(entries, 0x0F, 0, Black, Grey);
    Leds leds(&owner);
    leds.Vars().AddVar(QStringLiteral("1.3.6.1.4.1.9999.1"), QStringLiteral("s"), SYN_OCTETSTR, ACC_READONLY);
    QvLed first(&owner), second(&owner), beyond(&owner), low(&owner);
    leds.AddLed(0, 0, &map, &first);
    leds.AddLed(0, 1, &map, &second);
    leds.AddLed(0, 5, &map, &beyond);
    leds.AddLed(0, 0, &masked, &low);
    QvLed unknown(&owner);
    leds.AddLed(3, 0, &map, &unknown);
    leds.Vars().Item(0).valueText = QStringLiteral("ABCD");
    leds.RowReceived();
    EXPECT_EQ(first.BrushColor(), Red);
    EXPECT_EQ(second.BrushColor(), Black);
    EXPECT_EQ(beyond.BrushColor(), Grey);
    EXPECT_EQ(low.BrushColor(), Black) << "0xAB under mask 0x0F is 0x0B, which no entry holds";
    EXPECT_EQ(unknown.BrushColor(), Grey) << "an item the list does not hold has no bytes";
    leds.Vars().Item(0).valueText = QStringLiteral("12");
    leds.RowReceived();
    EXPECT_EQ(low.BrushColor(), Green);

    Leds strictLeds(&owner);
    strictLeds.Vars().AddVar(QStringLiteral("1.3.6.1.4.1.9999.1"), QStringLiteral("s"), SYN_OCTETSTR, ACC_READONLY);
    QvLed led(&owner);
    strictLeds.AddLed(0, 2, &strict, &led);
    strictLeds.Vars().Item(0).valueText = QStringLiteral("0102");
    try {
        strictLeds.RowReceived();
        ADD_FAILURE() << "a byte past the end with missing colour -1 must fail";
    } catch (const QvSNMPException &e) {
        EXPECT_EQ(e.code(), -519);
    }
}

TEST(LedBinding, FailureResetsEveryLedAndReports)
{
    QWidget owner;
    QvSNMPLedColorMapList port(PortEntries, 0xFF, 1, Black, Black);
    QvSNMPLedColorMapList power(PowerEntries, 0xFF, 0, Grey, Black);
    Leds leds(&owner);
    QPlainTextEdit memo;
    leds.SetReportTarget(&memo);
    leds.Vars().itemType = MVT_SV;
    for (int n = 1; n <= 3; ++n)
        leds.Vars().AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.8.%1").arg(n), QString(), SYN_INTEGER, ACC_READONLY);
    QList<QvLed *> shapes;
    for (int n = 0; n < 3; ++n) {
        shapes.append(new QvLed(&owner));
        leds.AddLed(n, 0, &port, shapes.last());
        EXPECT_EQ(shapes.last()->BrushColor(), Black);
    }
    auto *powerLed = new QvLed(&owner);
    leds.AddLed(0, 0, &power, powerLed);
    EXPECT_EQ(powerLed->BrushColor(), Grey) << "an LED starts at its map's off colour";

    for (int n = 0; n < 3; ++n)
        leds.Vars().Item(n).valueText = QStringLiteral("1");
    leds.RowReceived();
    for (int k = 0; k < 10; ++k)
        leds.PaintLeds();
    for (QvLed *s : shapes)
        EXPECT_EQ(s->BrushColor(), Green);
    EXPECT_EQ(powerLed->BrushColor(), Green);

    QvSNMPError timeout;
    timeout.code = -405;
    timeout.text = QvErrorText(-405);
    leds.RefreshFailed(timeout);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(shapes[k]->BrushColor(), Black);
        EXPECT_FALSE(leds.Led(k).blinking);
    }
    EXPECT_EQ(powerLed->BrushColor(), Grey);
    EXPECT_TRUE(memo.toPlainText().contains(QvErrorText(-405)));

    // The next good poll brings the colours back.
    leds.RowReceived();
    for (int k = 0; k < 10; ++k)
        leds.PaintLeds();
    EXPECT_EQ(shapes[2]->BrushColor(), Green);
}

TEST(LedBinding, BlinkStepAllocatesNothing)
{
#ifndef KMV_COUNT_ALLOCATIONS
    GTEST_SKIP() << "allocations are not counted under the sanitizers";
#else
    QWidget owner;  // never shown: painting only changes the colours
    QvSNMPLedColorMapList port(PortEntries, 0xFF, 1, Black, Black);
    Leds leds(&owner);
    leds.BlinkTimer()->stop();
    QList<QvLed *> shapes;
    for (int n = 1; n <= 51; ++n) {
        leds.Vars().AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.8.%1").arg(n), QString(), SYN_INTEGER, ACC_READONLY);
        leds.Vars().Item(n - 1).valueText = QString::number(1 + n % 3);
        shapes.append(new QvLed(&owner));
        leds.AddLed(n - 1, 0, &port, shapes.last());
    }
    leds.RowReceived();
    const long before = g_allocations.load();
    for (int k = 0; k < 20; ++k)
        leds.PaintLeds();
    EXPECT_EQ(g_allocations.load() - before, 0);
    EXPECT_EQ(shapes[2]->BrushColor(), Green) << "port 3 is up and has blinked to its lit end";
    EXPECT_EQ(shapes[0]->BrushColor(), Black) << "port 1 is down";
#endif
}

TEST(LedBinding, TimersStopWithTheBindingAndADeadShapeIsSkipped)
{
    QWidget owner;
    QvSNMPLedColorMapList port(PortEntries, 0xFF, 1, Black, Black);
    auto *leds = new Leds(&owner);
    EXPECT_TRUE(leds->BlinkTimer()->isActive());
    EXPECT_EQ(leds->BlinkTimer()->interval(), 60);
    EXPECT_FALSE(leds->PollTimer()->isActive());
    leds->Vars().AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.8.1"), QString(), SYN_INTEGER, ACC_READONLY);
    auto *shape = new QvLed(&owner);
    leds->AddLed(0, 0, &port, shape);
    delete shape;
    leds->Vars().Item(0).valueText = QStringLiteral("1");
    leds->RowReceived();
    leds->PaintLeds();
    leds->Stop();
    EXPECT_FALSE(leds->BlinkTimer()->isActive());
    QPointer<QTimer> blink = leds->BlinkTimer();
    delete leds;
    EXPECT_TRUE(blink.isNull()) << "no timer of a destroyed binding is left with the window";
}

}  // namespace
