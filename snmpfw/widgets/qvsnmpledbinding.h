// LED binding: each LED shows one byte of one variable's value through a colour map, polled on
// a timer and optionally blinking for a few steps after each poll. Colours are platform colour
// values laid out 0x00BBGGRR (0x0000FF00 is green, 0 is black).
#pragma once

#include "qvsnmprequest2controls.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QTimer;

// A small round indicator; fill and outline colour are always set together.
class QvLed : public QWidget {
    Q_OBJECT
public:
    explicit QvLed(QWidget *parent = nullptr);

    qint32 BrushColor() const { return m_brush; }
    qint32 PenColor() const { return m_pen; }
    // Sets fill and outline to the colour and shows the LED; repaints only on change.
    void Paint(qint32 colour);

    QSize sizeHint() const override { return {10, 10}; }

    static QColor ToQColor(qint32 colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qint32 m_brush = 0;
    qint32 m_pen = 0;
};

struct QvLedColorEntry {
    qint32 value;
    qint32 colour;  // -1 ends a table
};

class QvSNMPLedColorMapList {
public:
    QvSNMPLedColorMapList(const QvLedColorEntry *table, quint8 valueMask, quint8 blinkMask, qint32 offColour,
                          qint32 missingColour);

    void AddEntries(const QvLedColorEntry *table);
    // Colour of the first entry whose value's low byte equals b; black when none does.
    qint32 LookUp(quint8 b) const;

    quint8 ValueMask() const { return m_valueMask; }
    quint8 BlinkMask() const { return m_blinkMask; }
    qint32 OffColour() const { return m_offColour; }
    // -1: a value too short for an LED's byte index is an error.
    qint32 MissingColour() const { return m_missingColour; }
    int Count() const { return m_entries.size(); }

private:
    quint8 m_valueMask;
    quint8 m_blinkMask;
    qint32 m_offColour;
    qint32 m_missingColour;
    QList<QvLedColorEntry> m_entries;
};

struct QvSNMPLedRecord {
    int item;
    int byteIndex;
    const QvSNMPLedColorMapList *map;  // not owned; outlives the binding
    QPointer<QvLed> shape;             // not owned; a destroyed LED is skipped
    bool blinking;
    qint32 colour;
};

class QvSNMPRequest2Leds : public QvSNMPRequest2Controls {
    Q_OBJECT
public:
    // The timers belong to owner (the window); ownerForm owns message boxes.
    explicit QvSNMPRequest2Leds(QWidget *owner);
    ~QvSNMPRequest2Leds() override;

    void AddLed(int item, int byteIndex, const QvSNMPLedColorMapList *map, QvLed *shape);
    // Interval in hundredths of a second; polls once at once and raises that poll's failure.
    void Start(int interval);
    void Stop();
    void ResetLeds();
    void UpdateLedStates();
    // One blink step.
    void PaintLeds();

    int LedCount() const { return m_leds.size(); }
    const QvSNMPLedRecord &Led(int i) const { return m_leds.at(i); }
    QTimer *PollTimer() const { return m_pollTimer; }
    QTimer *BlinkTimer() const { return m_blinkTimer; }
    int BlinkLimit() const { return m_blinkLimit; }
    int BlinkCounter() const { return m_blinkCounter; }

    void RowReceived() override;
    void RefreshFailed(const QvSNMPError &result) override;
    virtual void UpdateLedState(QvSNMPLedRecord &led);

private:
    void PollStep();
    static void PaintLed(const QvSNMPLedRecord &led, qint32 colour);

    QList<QvSNMPLedRecord> m_leds;
    QTimer *m_pollTimer;
    QTimer *m_blinkTimer;
    int m_blinkLimit = 6;
    int m_blinkCounter = 0;
};
