#include "qvmessage.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

QvMessageHook &messageHook()
{
    static QvMessageHook hook;
    return hook;
}

QvModalHook &modalHook()
{
    static QvModalHook hook;
    return hook;
}

QvBeepHook &beepHook()
{
    static QvBeepHook hook;
    return hook;
}

} // namespace

QString QvAppCaption()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QCoreApplication::applicationName() : QFileInfo(path).fileName();
}

namespace {

QMessageBox::StandardButton showBox(QMessageBox::Icon icon, QWidget *owner, const QString &text,
                                    const QString &caption, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton)
{
    if (const QvMessageHook &hook = messageHook())
        return hook(owner, text, caption, buttons);
    QMessageBox box(icon, caption, text, buttons, owner);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(defaultButton);
        if (box.escapeButton() == nullptr)
            box.setEscapeButton(defaultButton);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QMessageBox::StandardButton QvMessageBox(QWidget *owner, const QString &text, const QString &caption,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton)
{
    const QMessageBox::Icon icon =
        buttons & (QMessageBox::Yes | QMessageBox::No) ? QMessageBox::Question : QMessageBox::Warning;
    return showBox(icon, owner, text, caption, buttons, defaultButton);
}

void QvShowMessage(QWidget *owner, const QString &text)
{
    showBox(QMessageBox::NoIcon, owner, text, QvAppCaption(), QMessageBox::Ok, QMessageBox::NoButton);
}

int QvRunModal(QDialog *dialog)
{
    if (const QvModalHook &hook = modalHook())
        return hook(dialog);
    return dialog->exec();
}

void QvBeep(int frequencyHz, int durationMs)
{
    if (const QvBeepHook hook = beepHook()) {
        hook(frequencyHz, durationMs);
        return;
    }
    // The platform bell has neither pitch nor length; the default beep is the closest there is.
    QApplication::beep();
}

QvMessageHook QvSetMessageHook(QvMessageHook hook)
{
    return std::exchange(messageHook(), std::move(hook));
}

QvModalHook QvSetModalHook(QvModalHook hook)
{
    return std::exchange(modalHook(), std::move(hook));
}

QvBeepHook QvSetBeepHook(QvBeepHook hook)
{
    return std::exchange(beepHook(), std::move(hook));
}
