// Message boxes of the panels (QvMessageBox, answered in tests through QvSetMessageHook) and the
// error the panels raise for a window builder's mistakes.
#pragma once

#include "qvmessage.h"

#include <QString>

// Code carried by the exceptions panels raise for a window builder's mistakes.
constexpr int PANEL_BUILD_ERROR = -500;
[[noreturn]] void ThrowPanelError(const QString &text);
