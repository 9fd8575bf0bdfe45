// The handlers of the "RMON" menu: each opens its window at once, non-modal; the window finds out
// on its own whether the agent serves RMON and tells the user to enable it when it does not.
#pragma once

#include "devicecommands.h"
#include "menutree.h"

// Adds "Statistics1Click", "History1Click" and "AlarmEvent1Click" for windows owned by mainWindow.
void AddRmonHandlers(TMenuHandlers &handlers, QWidget *mainWindow);
