// The global session of a program with windows.
#pragma once

#include <QString>

// OpenGlobalSession, and while a blocking request waits, every visible window is repainted now
// and then (see SetBlockingRepaintHook). The repaint is set up also when the session is open.
void OpenGuiSession(const QString &directory);
