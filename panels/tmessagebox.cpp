#include "tmessagebox.h"

#include "qvmessage.h"
#include "qvsnmpexception.h"


namespace {
TMessageBoxFunc &currentFunc()
{
    static TMessageBoxFunc func;
    return func;
}
}

QMessageBox::StandardButton TMessageBox(QWidget *owner, const QString &text, const QString &caption,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    if (const TMessageBoxFunc &f = currentFunc())
        return f(owner, text, caption, buttons);
    QMessageBox box(buttons & (QMessageBox::Yes | QMessageBox::No) ? QMessageBox::Question : QMessageBox::Warning,
                    caption, text, buttons, owner);
    if (defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(defaultButton);
        if (box.escapeButton() == nullptr)
            box.setEscapeButton(defaultButton);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

TMessageBoxFunc SetMessageBoxFunc(TMessageBoxFunc func)
{
    TMessageBoxFunc previous = currentFunc();
    currentFunc() = std::move(func);
    return previous;
}

QString ExecutableCaption()
{
    return QvAppCaption();
}

void ThrowPanelError(const QString &text)
{
    throw QvSNMPException(PANEL_BUILD_ERROR, text);
}
