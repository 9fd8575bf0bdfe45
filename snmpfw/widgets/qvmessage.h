// Modal OK messages and beeps of the framework's widgets. Both go through replaceable hooks so
// that tests (and headless runs) can observe them without blocking on a modal loop.
#pragma once

#include <QString>
#include <functional>

class QWidget;

// owner: the window that owns the box (may be null); caption: see QvAppCaption.
using QvMessageHook = std::function<void(QWidget *owner, const QString &caption, const QString &text)>;
using QvBeepHook = std::function<void(int frequencyHz, int durationMs)>;

// The executable's file name without its folder: the caption of every framework message box.
QString QvAppCaption();

// Shows text in a modal box with an OK button, owned by owner, captioned with QvAppCaption().
void QvShowMessage(QWidget *owner, const QString &text);
void QvBeep(int frequencyHz, int durationMs);

// Replace the default behaviour; an empty hook restores it. Each returns the hook it replaced.
QvMessageHook QvSetMessageHook(QvMessageHook hook);
QvBeepHook QvSetBeepHook(QvBeepHook hook);
