// One window against a silent switch: it opens at once with its first request out and says that
// it waits; input to another window is handled meanwhile; Escape drops the request; its action
// sends again and returns at once, its send control off while waiting; the time-out is then
// reported in words; closing the window while it waits drops what is out.
// The global session must point at the silent switch.
#pragma once

#include "qvsnmperrors.h"
#include "qvsnmprequest2controls.h"
#include "qvwaitindicator.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

struct SilentWindowCase {
    const char *name;
    std::function<QDialog *()> create;
    std::function<QvSNMPRequest2Controls *(QDialog *)> binding;
    std::function<QString(QDialog *)> said;
    const char *pause;  // pressed first, so that no tick sends on its own ("" none)
    const char *send;   // the control that sends
    std::function<void(QDialog *)> act;
    QStringList words;  // said after the time-out besides its own words
};

inline void ExpectWaitsOnSilentSwitch(const SilentWindowCase &c)
{
    const auto waitFor = [](const std::function<bool()> &done, int ms) {
        QDeadlineTimer deadline(ms);
        while (!done() && !deadline.hasExpired())
            QTest::qWait(20);
        return done();
    };
    const auto button = [](QWidget *w, const char *name) {
        auto *b = w->findChild<QPushButton *>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    };
    SCOPED_TRACE(c.name);
    QLineEdit other;
    other.show();
    std::unique_ptr<QDialog> window(c.create());
    window->show();
    QApplication::setActiveWindow(window.get());
    auto *wait = window->findChild<QvWaitIndicator *>();
    ASSERT_NE(wait, nullptr);
    QvSNMPRequest2Controls *binding = c.binding(window.get());
    ASSERT_TRUE(wait->Waiting()) << "open with the first request still out";
    ASSERT_TRUE(binding->Busy());
    EXPECT_TRUE(c.said(window.get()).contains("Waiting for the switch")) << c.said(window.get()).toStdString();
    if (*c.pause)
        button(window.get(), c.pause)->click();

    // Typing into another window is handled while the request is out.
    QCoreApplication::postEvent(&other, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
    EXPECT_TRUE(waitFor([&] { return other.text() == "x"; }, 1000));
    EXPECT_TRUE(wait->Waiting());

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(wait->Waiting());
    EXPECT_FALSE(binding->Busy());
    EXPECT_TRUE(window->isVisible()) << "Escape drops the wait, not the window";
    EXPECT_TRUE(c.said(window.get()).contains("Cancelled")) << c.said(window.get()).toStdString();

    struct {
        bool ended = false;
        int code = 0;
        QString said;
        bool sendEnabled = false;
    } outcome;
    QPushButton *send = button(window.get(), c.send);
    ASSERT_NE(send, nullptr);
    ASSERT_TRUE(send->isEnabled());
    QObject::connect(binding, &QvSNMPRequest2Controls::RefreshEnded, window.get(), [&](const QvSNMPError &e) {
        if (outcome.ended)
            return;
        outcome = {true, e.code, c.said(window.get()), send->isEnabled()};
    });
    c.act(window.get());
    EXPECT_TRUE(wait->Waiting()) << "the action returns with its request out";
    EXPECT_FALSE(send->isEnabled());
    EXPECT_TRUE(c.said(window.get()).contains("Waiting for the switch")) << c.said(window.get()).toStdString();
    EXPECT_FALSE(c.said(window.get()).endsWith(QvErrorText(0)));
    ASSERT_TRUE(waitFor([&] { return outcome.ended; }, 15000));
    EXPECT_EQ(outcome.code, QVC_TIMEOUT);
    EXPECT_TRUE(outcome.said.contains(QvErrorText(QVC_TIMEOUT))) << outcome.said.toStdString();
    EXPECT_FALSE(outcome.said.contains("Waiting for the switch")) << outcome.said.toStdString();
    for (const QString &w : c.words)
        EXPECT_TRUE(outcome.said.contains(w)) << outcome.said.toStdString();
    EXPECT_TRUE(outcome.sendEnabled);

    // Closed while waiting: nothing stays out.
    if (!binding->Busy())
        c.act(window.get());
    ASSERT_TRUE(binding->Busy());
    window->close();
    EXPECT_FALSE(binding->Busy());
    EXPECT_EQ(binding->Request().pending, 0);
    EXPECT_FALSE(wait->Waiting());
}
