// The generated windows of the menu, held as data: one definition per menu handler, read by the
// one builder of windowbuilder.h. A new window is a new entry in the table, not new code. The
// definitions point at their descriptor tables; hooks and page adjustments are named functions
// of customhooks.h.
#pragma once

#include "qvsnmptypes.h"

#include <QStringView>

#include <span>

class QObject;
class TSNMPEditorPanel;

enum TWindowLayout : quint8 {
    WL_EDITOR = 1,    // InitAsEditor
    WL_LISTVIEW = 2,  // InitAsListView
    WL_PAGES = 3,     // InitAsPages, then one page per panel
};

enum TPanelKind : quint8 {
    PK_EDITOR = 1,
    PK_LIST = 2,
};

// Fixed capacities of a definition; the checks over the table keep every entry within them.
constexpr int MaxWindowPanels = 4;
constexpr int MaxPanelConstraints = 8;
constexpr int MaxPanelPortLists = 3;

// A column of a list panel's table and the option label written to it (Add or Delete).
struct TStatusDef {
    int column = -1;
    const char *label = nullptr;
};

// An edit-constraint string on a column; the list of them ends at the first null constraint.
struct TConstraintDef {
    int column = -1;
    const char *constraint = nullptr;
};

// A port-list editor on a column; the list ends at the first entry with no boxes.
struct TPortListDef {
    int column = -1;
    int boxesPerLine = 0;
    int boxCount = 0;
};

// The list-panel hooks: called with (hook data, clicked button).
using TCatalogueHook = void (*)(void *data, QObject *sender);
struct THookSet {
    TCatalogueHook beforeAdd = nullptr;
    TCatalogueHook afterAdd = nullptr;
    TCatalogueHook beforeEdit = nullptr;
    TCatalogueHook afterEdit = nullptr;
};

// Made right after the page is added.
using TPageAdjust = void (*)(TSNMPEditorPanel *panel);

struct TPanelDef {
    TPanelKind kind = PK_EDITOR;
    const char *title = nullptr;  // page title, pages layout only
    const QvSNMPVarDesc *table = nullptr;  // descriptor table
    QvItemType itemType = SVT_SV;
    int indexCount = 0;
    TStatusDef add;
    TStatusDef del;
    TConstraintDef constraints[MaxPanelConstraints];
    TPortListDef portLists[MaxPanelPortLists];
    int editWidth = 0;  // 0: left as the panel made it
    const THookSet *hooks = nullptr;
    TPageAdjust adjust = nullptr;
    bool raiseToV2c = false;  // the request uses SNMPv2c when the session is SNMPv1

    constexpr bool IsUsed() const { return table != nullptr; }
    constexpr int ConstraintCount() const
    {
        int n = 0;
        while (n < MaxPanelConstraints && constraints[n].constraint)
            ++n;
        return n;
    }
    constexpr int PortListCount() const
    {
        int n = 0;
        while (n < MaxPanelPortLists && portLists[n].boxCount > 0)
            ++n;
        return n;
    }
};

struct TWindowDef {
    const char *handler = nullptr;  // the menu item's click handler
    const char *caption = nullptr;
    bool captionWithAddress = false;  // the caption is followed directly by the agent address
    TWindowLayout layout = WL_EDITOR;
    TPanelDef panels[MaxWindowPanels];
    // Applied after all panels are placed; 0 leaves the dimension as the panels made it.
    int width = 0;
    int height = 0;
    int widen = 0;  // added to the width as placed

    constexpr int PanelCount() const
    {
        int n = 0;
        while (n < MaxWindowPanels && panels[n].IsUsed())
            ++n;
        return n;
    }
};

std::span<const TWindowDef> WindowDefs();
// The definition behind a click handler, or null when the handler opens no generated window.
const TWindowDef *FindWindowDef(QStringView handler);

// The windows of the suite's shared modules, one per target switch ("/TLayer3_OSPF"), which
// stands in the handler field.
std::span<const TWindowDef> ModuleWindowDefs();
const TWindowDef *FindModuleWindowDef(QStringView target);
