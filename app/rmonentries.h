// The handlers of the "RMON" menu: each window finds out when it is created whether the agent
// serves RMON; without it the user is told to enable RMON instead.
#pragma once

#include "devicecommands.h"
#include "menutree.h"

// Adds "Statistics1Click", "History1Click" and "AlarmEvent1Click" for windows owned by mainWindow.
void AddRmonHandlers(TMenuHandlers &handlers, QWidget *mainWindow, const TRunModal &run);
