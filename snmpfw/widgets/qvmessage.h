// Modal message boxes, modal dialogs and beeps. Each goes through one replaceable hook so that
// tests (and headless runs) can answer them without blocking on a modal loop.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

// Answers a box in place of the user: the button "pressed".
using QvMessageHook = std::function<QMessageBox::StandardButton(
    QWidget *owner, const QString &text, const QString &caption, QMessageBox::StandardButtons buttons)>;
// Runs a modal dialog in place of exec(): the dialog's result.
using QvModalHook = std::function<int(QDialog *dialog)>;
using QvBeepHook = std::function<void(int frequencyHz, int durationMs)>;

// The executable's file name without its folder: the caption of every framework message box.
QString QvAppCaption();

// Shows the box and returns the button pressed. A defaultButton of NoButton leaves the
// platform's choice; destructive questions pass No (Escape then answers No as well).
QMessageBox::StandardButton QvMessageBox(QWidget *owner, const QString &text, const QString &caption,
                                         QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                         QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
// Shows text in a plain modal box with an OK button, captioned with QvAppCaption().
void QvShowMessage(QWidget *owner, const QString &text);
// Runs a modal dialog: exec(), or the installed hook.
int QvRunModal(QDialog *dialog);
void QvBeep(int frequencyHz, int durationMs);

// Replace the default behaviour; an empty hook restores it. Each returns the hook it replaced.
QvMessageHook QvSetMessageHook(QvMessageHook hook);
QvModalHook QvSetModalHook(QvModalHook hook);
QvBeepHook QvSetBeepHook(QvBeepHook hook);
