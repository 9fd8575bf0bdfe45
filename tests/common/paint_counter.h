// A small top-level window that counts its paint events, for tests of what is painted while a
// blocking request waits.
#pragma once

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

struct PaintCounter : QWidget {
    int paints = 0;

    // Shows the window and lets its first paints pass; false when it never became exposed.
    bool ShowAndSettle()
    {
        resize(120, 80);
        show();
        const bool exposed = QTest::qWaitForWindowExposed(this);
        QCoreApplication::processEvents();
        return exposed;
    }

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};
