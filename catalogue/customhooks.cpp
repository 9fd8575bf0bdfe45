#include "customhooks.h"

#include "qvsnmpvarlist.h"
#include "teditspanel.h"
#include "tsnmppanel.h"

#include <QCheckBox>
#include <QObject>

#include <initializer_list>

namespace {

constexpr int kTrunkIndex = 0;
constexpr int kTrunkType = 3;

TEditsPanel *HookItems(QObject *sender)
{
    TSNMPListViewPanel *panel = HookPanel(sender);
    return panel ? panel->EditsPanel : nullptr;
}

QvSNMPVarList *HookVars(QObject *sender)
{
    TSNMPListViewPanel *panel = HookPanel(sender);
    return panel && panel->Binding() ? &panel->Binding()->Vars() : nullptr;
}

void SetWritable(QvSNMPVarList *vars, int item, bool on)
{
    if (!vars || item < 0 || item >= vars->Count())
        return;
    quint32 &access = vars->Item(item).access;
    access = on ? (access | ACC_WRITEONLY) : (access & ~quint32(ACC_WRITEONLY));
}

} // namespace

TSNMPListViewPanel *HookPanel(QObject *sender)
{
    for (QObject *o = sender; o; o = o->parent()) {
        if (auto *panel = qobject_cast<TSNMPListViewPanel *>(o))
            return panel;
    }
    return nullptr;
}

void VlanStaticBeforeAdd(void *, QObject *sender)
{
    if (TEditsPanel *items = HookItems(sender)) {
        items->CheckItem(1);
        items->DisableItemCheck(1);
        items->ClearItems();
    }
}

void VlanStaticAfterAdd(void *, QObject *sender)
{
    if (TEditsPanel *items = HookItems(sender))
        items->EnableItemCheck(1);
}

const THookSet VlanStaticTableHooks = {VlanStaticBeforeAdd, VlanStaticAfterAdd, nullptr, nullptr};

void TrunkBeforeAdd(void *, QObject *sender)
{
    if (TEditsPanel *items = HookItems(sender)) {
        for (int row : {0, 1, 2})
            items->CheckItem(row);
        for (int row : {0, 1, 2})
            items->DisableItemCheck(row);
        items->ClearItems();
    }
}

void TrunkAfterAdd(void *, QObject *sender)
{
    if (TEditsPanel *items = HookItems(sender)) {
        items->EnableItemCheck(1);
        items->EnableItemCheck(2);
        items->DisableItemCheck(kTrunkType);
    }
    SetWritable(HookVars(sender), kTrunkIndex, true);
}

void TrunkBeforeEdit(void *, QObject *sender)
{
    QvSNMPVarList *vars = HookVars(sender);
    if (vars && vars->Count() > kTrunkIndex && vars->Item(kTrunkIndex).valueText != QLatin1String("0"))
        SetWritable(vars, kTrunkIndex, false);
    if (TEditsPanel *items = HookItems(sender))
        items->editLock = true;
}

void TrunkAfterEdit(void *, QObject *sender)
{
    QvSNMPVarList *vars = HookVars(sender);
    SetWritable(vars, kTrunkIndex, true);
    SetWritable(vars, kTrunkType, true);
    if (TEditsPanel *items = HookItems(sender)) {
        items->EnableItem(kTrunkIndex);
        items->EnableItem(kTrunkType);
        items->editLock = false;
    }
}

const THookSet TrunkTableHooks = {TrunkBeforeAdd, TrunkAfterAdd, TrunkBeforeEdit, TrunkAfterEdit};

void AclEthernetRuleBeforeAdd(void *, QObject *sender)
{
    TEditsPanel *items = HookItems(sender);
    if (!items)
        return;
    items->UncheckItem(2);
    items->DisableItem(2);
    for (int row : {0, 1, 2})
        items->ClearItem(row);
    // Rows 12 (permit) and 13 (row status) keep what the dialog showed last.
    static const char *const presets[] = {"000000000000", "000000000000", "-1", "0000", "disabled",
                                          "-1", "enabled", "disabled", "-1"};
    int row = 3;
    for (const char *text : presets)
        items->SetItemText(row++, QLatin1String(text));
}

const THookSet AclEthernetRuleTableHooks = {AclEthernetRuleBeforeAdd, nullptr, nullptr, nullptr};

void ViewTreeFamilyBeforeAdd(void *, QObject *sender)
{
    if (TEditsPanel *items = HookItems(sender)) {
        items->ClearItems();
        items->SetItemText(3, QStringLiteral("included"));
        items->SetItemText(4, QStringLiteral("nonVolatile"));
    }
}

const THookSet ViewTreeFamilyTableHooks = {ViewTreeFamilyBeforeAdd, nullptr, nullptr, nullptr};

void CommunityBeforeAdd(void *, QObject *sender)
{
    if (TEditsPanel *items = HookItems(sender)) {
        items->CheckItem(1);
        items->CheckItem(2);
        items->DisableItemCheck(1);
        items->DisableItemCheck(2);
        items->ClearItems();
        items->SetItemText(6, QStringLiteral("nonVolatile"));
    }
}

void CommunityAfterAdd(void *, QObject *sender)
{
    if (TEditsPanel *items = HookItems(sender)) {
        items->EnableItemCheck(1);
        items->EnableItemCheck(2);
    }
}

const THookSet CommunityTableHooks = {CommunityBeforeAdd, CommunityAfterAdd, nullptr, nullptr};

void SpinLockPageAdjust(TSNMPEditorPanel *panel)
{
    if (!panel || !panel->EditsPanel || panel->EditsPanel->ItemCount() < 1)
        return;
    panel->EditsPanel->CheckItem(0);
    if (QCheckBox *check = panel->EditsPanel->Item(0).check)
        check->setVisible(false);
}
