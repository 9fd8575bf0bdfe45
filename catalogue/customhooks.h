// The windows whose row dialogs need more than the generic list panel gives: fields that start
// with set values, fields that are always sent, an index column writable only at certain
// moments; and the spin-lock pages whose one item is always sent. The window definitions
// reference these by name.
#pragma once

#include "windowdefs.h"

class QObject;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

// The list panel a hook works on: the sender itself or its nearest list-panel ancestor (a
// clicked button sits on the panel's button bar).
TSNMPListViewPanel *HookPanel(QObject *sender);

// "802.1Q VLAN", page "VLAN Static Table": every new VLAN carries its name.
void VlanStaticBeforeAdd(void *data, QObject *sender);
void VlanStaticAfterAdd(void *data, QObject *sender);
extern const THookSet VlanStaticTableHooks;

// "Trunk Control": a new trunk sends index, master port and members; the index column is
// writable only between Adds and Edits of rows whose index is "0"; the type is fixed in Edits.
void TrunkBeforeAdd(void *data, QObject *sender);
void TrunkAfterAdd(void *data, QObject *sender);
void TrunkBeforeEdit(void *data, QObject *sender);
void TrunkAfterEdit(void *data, QObject *sender);
extern const THookSet TrunkTableHooks;

// "Ethernet Table", page "ACL Ethernet Rule Table": a new rule starts from neutral values.
void AclEthernetRuleBeforeAdd(void *data, QObject *sender);
extern const THookSet AclEthernetRuleTableHooks;

// "VACM MIB Views", page "View Tree Family Table": a new entry starts included and non-volatile.
void ViewTreeFamilyBeforeAdd(void *data, QObject *sender);
extern const THookSet ViewTreeFamilyTableHooks;

// "Community Table": a new community sends its name and security name, non-volatile.
void CommunityBeforeAdd(void *data, QObject *sender);
void CommunityAfterAdd(void *data, QObject *sender);
extern const THookSet CommunityTableHooks;

// The spin-lock pages: row 0 ticked and its check box hidden, so Set always sends it.
void SpinLockPageAdjust(TSNMPEditorPanel *panel);
