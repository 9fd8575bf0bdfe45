// The one builder of generated windows: turns a window definition into a TConfigForm with its
// bindings and panels, tuned as the definition says.
#pragma once

#include "windowdefs.h"

#include <QString>

class QWidget;
class TConfigForm;

// The caption the window gets: the fixed text, followed directly by the agent address where
// the definition asks for it.
QString WindowCaption(const TWindowDef &def, const QString &agentAddress);

// Builds the window, not shown. A definition the panels refuse (a status label that is not an
// option of its column, a constraint on a combo box) raises QvSNMPException; nothing is left
// behind then.
TConfigForm *BuildGeneratedWindow(const TWindowDef &def, const QString &agentAddress, QWidget *owner = nullptr);

// A shared module's window: built as above, its tables read many rows per request where the
// session's SNMP version allows it.
TConfigForm *BuildModuleWindow(const TWindowDef &def, const QString &agentAddress, QWidget *owner = nullptr);

// The menu handler of a generated window: builds it for the session's agent, shows it modally
// and destroys it. Builder failures are shown in a message box; nothing escapes.
void OpenGeneratedWindow(const TWindowDef &def, QWidget *owner = nullptr);
