#include "windowbuilder.h"

#include "customhooks.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest2controls.h"
#include "qvsnmpsession.h"
#include "qvsnmpvarlist.h"
#include "qvwaitindicator.h"
#include "tconfigform.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"
#include "tmessagebox.h"
#include "tsnmppanel.h"

#include <QPushButton>

#include <memory>

namespace {

constexpr int kCatalogueError = -500;

QvSNMPRequest2Edits *MakeBinding(const TPanelDef &panel, TConfigForm *form)
{
    auto *binding = new QvSNMPRequest2Edits(form);
    binding->Vars() = QvSNMPVarList(panel.table, panel.itemType, panel.indexCount);
    // Only this panel's request: the session keeps its own version.
    if (panel.raiseToV2c && binding->Request().version == SNMP_VERSION_V1)
        binding->Request().version = SNMP_VERSION_V2C;
    return binding;
}

QString Label(const char *text) { return text ? QString::fromLatin1(text) : QString(); }

void TunePanel(const TPanelDef &def, TSNMPEditorPanel *panel)
{
    for (int k = 0; k < def.ConstraintCount(); ++k)
        panel->SetItemConstraint(def.constraints[k].column, QString::fromLatin1(def.constraints[k].constraint));
    for (int k = 0; k < def.PortListCount(); ++k) {
        const TPortListDef &pl = def.portLists[k];
        panel->EditsPanel->AssignPortListEditor(pl.column, pl.boxesPerLine, pl.boxCount);
    }
    if (def.editWidth > 0)
        panel->SetEditWidth(def.editWidth);
    if (def.hooks) {
        auto *list = qobject_cast<TSNMPListViewPanel *>(panel);
        if (!list)
            throw QvSNMPException(kCatalogueError, QStringLiteral("Hooks need a list panel!"));
        if (def.hooks->beforeAdd)
            list->OnBeforeAdd = def.hooks->beforeAdd;
        if (def.hooks->afterAdd)
            list->OnAfterAdd = def.hooks->afterAdd;
        if (def.hooks->beforeEdit)
            list->OnBeforeEdit = def.hooks->beforeEdit;
        if (def.hooks->afterEdit)
            list->OnAfterEdit = def.hooks->afterEdit;
    }
    if (def.adjust)
        def.adjust(panel);
}

TSNMPEditorPanel *AddPanel(const TWindowDef &win, const TPanelDef &def, TConfigForm *form,
                           QvSNMPRequest2Edits *binding)
{
    const QString title = Label(def.title);
    const int addRow = def.add.label ? def.add.column : -1;
    const int delRow = def.del.label ? def.del.column : -1;
    switch (win.layout) {
    case WL_EDITOR:
        return form->InitAsEditor(binding);
    case WL_LISTVIEW:
        return form->InitAsListView(binding, addRow, Label(def.add.label), delRow, Label(def.del.label));
    case WL_PAGES:
        if (def.kind == PK_LIST)
            return form->AddListViewPage(title, binding, addRow, Label(def.add.label), delRow, Label(def.del.label));
        return form->AddEditorPage(title, binding);
    }
    throw QvSNMPException(kCatalogueError, QStringLiteral("Unknown window layout!"));
}

} // namespace

QString WindowCaption(const TWindowDef &def, const QString &agentAddress)
{
    QString caption = QString::fromLatin1(def.caption);
    if (def.captionWithAddress)
        caption += agentAddress;
    return caption;
}

TConfigForm *BuildGeneratedWindow(const TWindowDef &def, const QString &agentAddress, QWidget *owner)
{
    auto form = std::make_unique<TConfigForm>(owner);
    form->setWindowTitle(WindowCaption(def, agentAddress));
    if (def.layout == WL_PAGES)
        form->InitAsPages();
    for (int k = 0; k < def.PanelCount(); ++k) {
        const TPanelDef &panelDef = def.panels[k];
        QvSNMPRequest2Edits *binding = MakeBinding(panelDef, form.get());
        TSNMPEditorPanel *panel = AddPanel(def, panelDef, form.get(), binding);
        TunePanel(panelDef, panel);
    }
    if (def.width > 0 || def.height > 0 || def.widen != 0) {
        const int width = (def.width > 0 ? def.width : form->width()) + def.widen;
        const int height = def.height > 0 ? def.height : form->height();
        form->resize(width, height);
    }
    return form.release();
}

TConfigForm *BuildModuleWindow(const TWindowDef &def, const QString &agentAddress, QWidget *owner)
{
    TConfigForm *form = BuildGeneratedWindow(def, agentAddress, owner);
    // Refresh in the middle of a large table starts it afresh instead of being ignored.
    for (TSNMPListViewPanel *list : form->findChildren<TSNMPListViewPanel *>()) {
        list->RestartWalkOnRefresh = true;
        list->Wait()->RemoveSendControl(list->CtrlBtn->BT_Refresh);
    }
    return form;
}

void OpenGeneratedWindow(const TWindowDef &def, QWidget *owner)
{
    try {
        std::unique_ptr<TConfigForm> form(BuildGeneratedWindow(def, SessionParams().Device.Address, owner));
        form->exec();
    } catch (const QvSNMPException &e) {
        QvMessageBox(owner, e.text(), QvAppCaption());
    } catch (const std::exception &e) {
        QvMessageBox(owner, QString::fromLocal8Bit(e.what()), QvAppCaption());
    }
}
