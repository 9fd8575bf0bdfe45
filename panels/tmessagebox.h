// Modal message boxes of the panels go through one replaceable function, so that offscreen
// tests can answer them without a dialog ever blocking the event loop.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

using TMessageBoxFunc = std::function<QMessageBox::StandardButton(
    QWidget *owner, const QString &text, const QString &caption, QMessageBox::StandardButtons buttons)>;

// Shows the box (or asks the installed replacement) and returns the button pressed. A
// defaultButton of NoButton leaves the platform's choice; destructive questions pass No.
QMessageBox::StandardButton TMessageBox(QWidget *owner, const QString &text, const QString &caption,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// Installs a replacement; an empty function restores the real box. Returns the previous one.
TMessageBoxFunc SetMessageBoxFunc(TMessageBoxFunc func);

// The caption of error boxes: the executable's file name without its folder.
QString ExecutableCaption();

// Code carried by the exceptions panels raise for a window builder's mistakes.
constexpr int PANEL_BUILD_ERROR = -500;
[[noreturn]] void ThrowPanelError(const QString &text);
