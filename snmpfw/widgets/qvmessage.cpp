#include "qvmessage.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

QvMessageHook &messageHook()
{
    static QvMessageHook hook;
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

void QvShowMessage(QWidget *owner, const QString &text)
{
    const QString caption = QvAppCaption();
    if (const QvMessageHook hook = messageHook()) {
        hook(owner, caption, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
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

QvBeepHook QvSetBeepHook(QvBeepHook hook)
{
    return std::exchange(beepHook(), std::move(hook));
}
