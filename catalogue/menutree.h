// The main window's menu: every entry in menu order with its caption, component name (the
// objectName of its QMenu or QAction) and click handler name. The main window builds its menu
// bar with BuildMainMenu and hands over the handlers it implements itself; generated windows are
// opened by the catalogue.
#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <span>

class QMenuBar;
class QObject;

struct TMenuEntry {
    int depth;            // 0 for the menu bar's menus
    const char *caption;
    const char *name;     // component name
    const char *handler;  // click handler; null for a submenu
    bool hidden = false;  // present but not visible

    bool IsSubmenu() const { return handler == nullptr; }
};

std::span<const TMenuEntry> MainMenuEntries();
const TMenuEntry *FindMenuEntry(const QString &name);

// Handlers keyed by handler name ("RebootClick"), called with the clicked action as sender.
using TMenuHandler = std::function<void(QObject *sender)>;
using TMenuHandlers = QHash<QString, TMenuHandler>;

// Fills the bar with the whole tree. A click runs, first found: the handler of that name in
// handlers; a slot of that name taking a QObject* on handlerOwner; the generated window of
// that name; else the user is told plainly that the window is not available yet. Nothing a
// handler throws escapes into the event loop.
void BuildMainMenu(QMenuBar *bar, QObject *handlerOwner, const TMenuHandlers &handlers = {});

// Runs the click of one entry as BuildMainMenu's actions do (also for tests).
void RunMenuHandler(const QString &handler, QObject *sender, QObject *handlerOwner, const TMenuHandlers &handlers);

// Whether the SNMPv3 configuration tool is in the working folder (the main window shows its
// entry only then); the name is matched without regard to letter case.
bool ConfigToolPresent(const QString &workingFolder);
