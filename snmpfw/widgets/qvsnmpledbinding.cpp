#include "qvsnmpledbinding.h"

#include "qvsnmpconvert.h"
#include "qvoptionlist.h"
#include "qvsnmperrors.h"
#include "qvsnmpvarlist.h"

#include <QPainter>
#include <QTimer>

QvLed::QvLed(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    resize(sizeHint());
}

QColor QvLed::ToQColor(qint32 colour)
{
    const quint32 c = quint32(colour);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

void QvLed::Paint(qint32 colour)
{
    if (m_brush != colour || m_pen != colour) {
        m_brush = colour;
        m_pen = colour;
        update();
    }
    // Only an LED hidden on purpose needs showing; one inside a hidden window shows with it.
    if (isHidden() && parentWidget())
        show();
}

void QvLed::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ToQColor(m_pen), 1));
    p.setBrush(ToQColor(m_brush));
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

QvSNMPLedColorMapList::QvSNMPLedColorMapList(const QvLedColorEntry *table, quint8 valueMask, quint8 blinkMask,
                                             qint32 offColour, qint32 missingColour)
    : m_valueMask(valueMask), m_blinkMask(blinkMask), m_offColour(offColour), m_missingColour(missingColour)
{
    AddEntries(table);
}

void QvSNMPLedColorMapList::AddEntries(const QvLedColorEntry *table)
{
    if (!table)
        return;
    for (const QvLedColorEntry *e = table; e->colour != -1; ++e)
        m_entries.append(*e);
}

qint32 QvSNMPLedColorMapList::LookUp(quint8 b) const
{
    for (const QvLedColorEntry &e : m_entries) {
        if (quint8(e.value & 0xFF) == b)
            return e.colour;
    }
    return 0;
}

QvSNMPRequest2Leds::QvSNMPRequest2Leds(QWidget *owner) : QvSNMPRequest2Controls(owner)
{
    // The timers die with the binding: a window that rebuilds its bindings must not keep
    // timers that fire into freed ones.
    m_pollTimer = new QTimer(this);
    connect(m_pollTimer, &QTimer::timeout, this, &QvSNMPRequest2Leds::PollStep);
    m_blinkTimer = new QTimer(this);
    m_blinkTimer->setInterval(60);
    connect(m_blinkTimer, &QTimer::timeout, this, &QvSNMPRequest2Leds::PaintLeds);
    m_blinkTimer->start();
}

QvSNMPRequest2Leds::~QvSNMPRequest2Leds()
{
    Stop();
    // Gone before the request waits for its outstanding polls, so no tick reaches us then.
    delete m_pollTimer;
    delete m_blinkTimer;
}

void QvSNMPRequest2Leds::AddLed(int item, int byteIndex, const QvSNMPLedColorMapList *map, QvLed *shape)
{
    QvSNMPLedRecord rec{item, byteIndex, map, shape, false, map->OffColour()};
    m_leds.append(rec);
    PaintLed(rec, rec.colour);
}

void QvSNMPRequest2Leds::PaintLed(const QvSNMPLedRecord &led, qint32 colour)
{
    if (led.shape)
        led.shape->Paint(colour);
}

void QvSNMPRequest2Leds::Start(int interval)
{
    m_pollTimer->setInterval(qMax(1, interval) * 10);
    m_pollTimer->start();
    if (!m_blinkTimer->isActive())
        m_blinkTimer->start();
    try {
        Refresh();
    } catch (const QvSNMPException &e) {
        ResetLeds();
        throw QvSNMPException(e.code(), e.text());
    }
}

void QvSNMPRequest2Leds::Stop()
{
    m_pollTimer->stop();
    m_blinkTimer->stop();
    ResetLeds();
}

void QvSNMPRequest2Leds::PollStep()
{
    try {
        Refresh();
    } catch (const QvSNMPException &e) {
        ResetLeds();
        Report(e.text());
    } catch (const std::exception &e) {
        ResetLeds();
        Report(QString::fromLatin1(e.what()));
    }
}

void QvSNMPRequest2Leds::ResetLeds()
{
    for (QvSNMPLedRecord &led : m_leds) {
        led.blinking = false;
        led.colour = led.map->OffColour();
        PaintLed(led, led.colour);
    }
}

void QvSNMPRequest2Leds::UpdateLedStates()
{
    for (QvSNMPLedRecord &led : m_leds)
        UpdateLedState(led);
}

void QvSNMPRequest2Leds::UpdateLedState(QvSNMPLedRecord &led)
{
    // An LED on an item the list does not hold has no bytes, like a value never read.
    QByteArray octets;
    if (led.item >= 0 && led.item < Vars().Count()) {
        const QvSNMPVar &var = Vars().Item(led.item);
        QString text = var.valueText;
        if (var.options)
            text = var.options->LabelToValue(text);
        octets = TextToOctets(text, var.syntax);
    }
    if (led.byteIndex >= 0 && led.byteIndex < octets.size()) {
        const quint8 b = quint8(octets.at(led.byteIndex));
        led.colour = led.map->LookUp(b & led.map->ValueMask());
        led.blinking = (b & led.map->BlinkMask()) != 0;
    } else if (led.map->MissingColour() == -1) {
        QvThrow(QVE_PART_INDEX);
    } else {
        led.colour = led.map->MissingColour();
        led.blinking = false;
    }
}

void QvSNMPRequest2Leds::PaintLeds()
{
    bool blinked = false;
    for (const QvSNMPLedRecord &led : std::as_const(m_leds)) {
        if (led.blinking) {
            const bool dark = led.shape && led.shape->BrushColor() == led.map->OffColour();
            PaintLed(led, dark || m_blinkCounter > m_blinkLimit ? led.colour : led.map->OffColour());
            blinked = true;
        } else {
            PaintLed(led, led.colour);
        }
    }
    // Past the limit the LEDs stay lit; counting on would only overflow one day.
    if (blinked && m_blinkCounter <= m_blinkLimit)
        ++m_blinkCounter;
}

void QvSNMPRequest2Leds::RowReceived()
{
    m_blinkCounter = 0;
    UpdateLedStates();
    PaintLeds();
}

void QvSNMPRequest2Leds::RefreshFailed(const QvSNMPError &result)
{
    ResetLeds();
    Report(result.text);
}
