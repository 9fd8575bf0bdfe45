#include "tmessagebox.h"

#include "qvsnmpexception.h"

void ThrowPanelError(const QString &text)
{
    throw QvSNMPException(PANEL_BUILD_ERROR, text);
}
