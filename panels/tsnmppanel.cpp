#include "tsnmppanel.h"

#include "qveditconstraint.h"
#include "qvreadable.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest2controls.h"
#include "qvwaitindicator.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"
#include "tlistviewexport.h"
#include "tlistviewfilter.h"
#include "tlistviewpanel.h"
#include "tmessagebox.h"
#include "tmsgpanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// The window forms are centred on: the application's main window when there is one, else the
// form's own owner.
QWidget *centreAnchor(QWidget *form)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow *>(w) && w->isVisible() && w != form)
            return w;
    QWidget *p = form->parentWidget();
    return p ? p->window() : nullptr;
}

void centreForm(QWidget *form)
{
    QRect area;
    if (QWidget *anchor = centreAnchor(form))
        area = anchor->frameGeometry();
    else if (QScreen *s = form->screen())
        area = s->availableGeometry();
    if (area.isValid())
        form->move(area.center() - QPoint(form->width() / 2, form->height() / 2));
}

// Keeps widget filling its parent through a margin-free layout.
void fillParent(QWidget *widget)
{
    QWidget *parent = widget->parentWidget();
    if (!parent)
        return;
    QLayout *layout = parent->layout();
    if (!layout) {
        layout = new QVBoxLayout(parent);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    if (layout->indexOf(widget) < 0)
        layout->addWidget(widget);
}

void reportTo(QvSNMPRequest2Edits *binding, const QString &text)
{
    if (binding)
        binding->Report(text);
}

int tagOf(const QObject *o)
{
    return o ? o->property("tag").toInt() : 0;
}

void setConstraintOwner(QvSNMPRequest2Edits *b, QWidget *owner)
{
    if (b && b->Constraint())
        b->Constraint()->SetOwner(owner);
}
}

// ---------------------------------------------------------------------------------------------

TSNMPPanel::TSNMPPanel(QWidget *parent, TMsgPanel *sharedStrip, QvSNMPRequest2Edits *binding)
    : QWidget(parent), m_binding(binding)
{
    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    Splitter = new QSplitter(Qt::Horizontal, this);
    Splitter->setChildrenCollapsible(false);
    outer->addWidget(Splitter);

    ClientArea = new QWidget(Splitter);
    auto *clientLayout = new QVBoxLayout(ClientArea);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    LowerSplitter = new QSplitter(Qt::Vertical, ClientArea);
    LowerSplitter->setChildrenCollapsible(false);
    clientLayout->addWidget(LowerSplitter);
    WorkHost = new QWidget(LowerSplitter);
    auto *workLayout = new QVBoxLayout(WorkHost);
    workLayout->setContentsMargins(0, 0, 0, 0);
    LowerSplitter->addWidget(WorkHost);
    LowerSplitter->setStretchFactor(0, 1);
    if (sharedStrip) {
        m_strip = sharedStrip;
    } else {
        m_strip = new TMsgPanel(LowerSplitter);
        m_ownStrip = true;
        LowerSplitter->addWidget(m_strip);
        LowerSplitter->setStretchFactor(1, 0);
    }

    CtrlBtn = new TCtrlBtnPanel(Splitter);
    Splitter->addWidget(ClientArea);
    Splitter->addWidget(CtrlBtn);
    Splitter->setStretchFactor(0, 1);
    Splitter->setStretchFactor(1, 0);

    if (m_binding)
        m_binding->SetReportTarget(m_strip->Memo);
    m_wait = new QvWaitIndicator(this);
    m_wait->SetStatusTarget(m_strip->Memo);
    if (m_binding)
        m_wait->Watch(m_binding);
    for (QWidget *w : {CtrlBtn->BT_Refresh, CtrlBtn->BT_SetChecked, CtrlBtn->BT_Add, CtrlBtn->BT_Edit,
                       CtrlBtn->BT_Delete})
        m_wait->AddSendControl(w);
    connect(CtrlBtn->BT_Refresh, &QPushButton::clicked, this, &TSNMPPanel::RefreshClick);
    connect(CtrlBtn->BT_Close, &QPushButton::clicked, this, &TSNMPPanel::CloseClick);
    resize(0, 0);
}

void TSNMPPanel::RefreshClick()
{
    if (!m_binding)
        return;
    try {
        m_binding->Refresh();
    } catch (const QvSNMPException &e) {
        reportTo(m_binding, e.text());
    } catch (const std::exception &e) {
        reportTo(m_binding, QString::fromLatin1(e.what()));
    }
}

void TSNMPPanel::CloseClick()
{
    try {
        if (!m_form)
            ThrowPanelError(QStringLiteral("Please initial close form"));
        m_form->close();
    } catch (const std::exception &) {
        QvMessageBox(this, QStringLiteral("Please initial close form"), QvAppCaption());
    }
}

void TSNMPPanel::SetWorkArea(QWidget *control)
{
    if (m_workArea && m_workArea != control) {
        if (QLayout *l = m_workArea->parentWidget() ? m_workArea->parentWidget()->layout() : nullptr)
            l->removeWidget(m_workArea);
        m_workArea->hide();
    }
    m_workArea = control;
    if (!control)
        return;
    const QSize size = control->size();
    if (control->parentWidget() != WorkHost)
        control->setParent(WorkHost);
    if (WorkHost->layout()->indexOf(control) < 0)
        WorkHost->layout()->addWidget(control);
    control->show();

    const int width = size.width() + CtrlBtn->width() + Splitter->handleWidth() + 3;
    int height = size.height() + (m_ownStrip ? TMsgPanel::StripHeight : 0) + LowerSplitter->handleWidth();
    height = qMax(height, CtrlBtn->ContentHeight());
    resize(width, height);
    ClientArea->resize(size.width() + 3, height);
    LowerSplitter->setSizes(m_ownStrip ? QList<int>{size.height(), TMsgPanel::StripHeight}
                                       : QList<int>{size.height()});
    Splitter->setSizes({size.width() + 3, CtrlBtn->width()});
}

void TSNMPPanel::FitForm(QWidget *form)
{
    m_form = form;
    if (!form)
        return;
    QSize client = form->size().expandedTo(size());
    client = client.boundedTo(QSize(MaxClientWidth, MaxClientHeight));
    fillParent(this);
    form->resize(client);
    centreForm(form);
}

// ---------------------------------------------------------------------------------------------

TSNMPEditorPanel::TSNMPEditorPanel(QWidget *parent, QvSNMPRequest2Edits *binding)
    : TSNMPPanel(parent, nullptr, binding)
{
    EditsPanel = new TEditsPanel(WorkHost, binding);
    QPushButton *set = CtrlBtn->BT_SetChecked;
    connect(set, &QPushButton::clicked, this, [this, set] { Set(set); });
    connect(CtrlBtn->BT_CheckAll, &QPushButton::clicked, this, [this, set] { CheckAll(set); });
    connect(CtrlBtn->BT_ClearChecks, &QPushButton::clicked, this, [this, set] { ClearChecks(set); });
    // The check boxes speak to whichever button bar shows the rows at the time.
    connect(EditsPanel, &TEditsPanel::ItemCheckClicked, this, [this] {
        if (auto *lv = qobject_cast<TSNMPListViewPanel *>(this); lv && lv->DialogPanel())
            UpdateSetButton(lv->DialogPanel()->CtrlBtn->BT_SetChecked);
        else
            UpdateSetButton(CtrlBtn->BT_SetChecked);
    });
    set->setEnabled(false);
    if (binding)
        EditsPanel->ArrangeCtrlBtn(CtrlBtn);
    SetWorkArea(EditsPanel);
}

void TSNMPEditorPanel::UpdateSetButton(QPushButton *setButton)
{
    setButton->setEnabled(EditsPanel->CheckedCount() > 0);
}

void TSNMPEditorPanel::CheckAll(QPushButton *setButton)
{
    for (int r = 0; r < EditsPanel->ItemCount(); ++r) {
        const TEditItem &it = EditsPanel->Item(r);
        if (it.check->isEnabled() && !it.check->isHidden())
            it.check->setChecked(true);
    }
    UpdateSetButton(setButton);
}

void TSNMPEditorPanel::ClearChecks(QPushButton *setButton)
{
    for (int r = 0; r < EditsPanel->ItemCount(); ++r) {
        const TEditItem &it = EditsPanel->Item(r);
        if (it.check->isEnabled() && !it.check->isHidden())
            it.check->setChecked(false);
    }
    UpdateSetButton(setButton);
}

void TSNMPEditorPanel::SetEditWidth(int width)
{
    EditsPanel->SetEditWidth(width, 2);
    if (m_workArea == EditsPanel)
        SetWorkArea(EditsPanel);
    FitForm(m_form);
}

void TSNMPEditorPanel::SetItemConstraint(int row, const QString &constraint)
{
    if (row < 0 || row >= EditsPanel->ItemCount())
        ThrowPanelError(QStringLiteral("Unknow UI Control type!"));
    TEditItem &it = EditsPanel->Item(row);
    if (qobject_cast<QComboBox *>(it.control))
        ThrowPanelError(QStringLiteral("Can not set Var format to a ComboBox!"));
    auto *edit = qobject_cast<QLineEdit *>(it.control);
    if (!edit)
        ThrowPanelError(QStringLiteral("Unknow UI Control type!"));
    m_binding->Unbind(row);
    try {
        m_binding->BindEdits(row, constraint, {edit});
    } catch (...) {
        // A malformed constraint must not leave the row unbound.
        m_binding->BindEdits(row, it.format, {edit});
        throw;
    }
    it.format = constraint;
}

void TSNMPEditorPanel::Set(QPushButton *sender, QDialog *dialog)
{
    if (!m_binding || m_binding->Busy())
        return;
    QvSNMPRequest2Edits *b = m_binding;
    QList<int> excluded;
    QStringList empty;  // names of the ticked rows left empty
    bool incomplete = false;
    try {
        // Emptiness is judged on the edits themselves, before their texts are converted: an
        // empty field is reported as such, not as a conversion failure.
        QvSNMPVarList &vars = b->Vars();
        for (int r = 0; r < EditsPanel->ItemCount() && r < vars.Count(); ++r) {
            QvSNMPVar &var = vars.Item(r);
            if (!EditsPanel->Item(r).check->isChecked()) {
                if (!var.isInvalid()) {
                    var.setInvalid(true);
                    excluded << r;
                }
            } else if (!var.isInvalid() && EditsPanel->IsItemEmpty(r)) {
                incomplete = true;
                empty << EditsPanel->Item(r).label->text().trimmed();
            }
        }
        if (incomplete) {
            QvMessageBox(window(), QStringLiteral("Some items are empty!\n") + empty.join(QLatin1Char('\n')),
                         QStringLiteral("Warning"));
        } else {
            b->CollectValues();
            // A dialog closes once the switch has taken the write; a failed one keeps the
            // dialog and what the user typed, and the strip says why.
            if (tagOf(sender) == 1 && dialog)
                b->ThenApplied([dialog = QPointer<QDialog>(dialog)](const QvSNMPError &outcome) {
                    if (dialog && outcome.code == 0)
                        dialog->accept();
                });
            b->Apply(false, false);
        }
    } catch (const QvSNMPException &e) {
        b->Report(e.text());
    } catch (const std::exception &e) {
        b->Report(QString::fromLatin1(e.what()));
    }
    // The request took its selection when it left: the list is whole again at once.
    if (m_binding) {
        QvSNMPVarList &vars = b->Vars();
        for (int r : std::as_const(excluded))
            vars.Item(r).setInvalid(false);
    }
}

// ---------------------------------------------------------------------------------------------

TSNMPListViewPanel::TSNMPListViewPanel(QWidget *parent, QvSNMPRequest2Edits *binding)
    : TSNMPEditorPanel(parent, binding)
{
    OnBeforeAdd = [this](void *, QObject *) { EditsPanel->ClearItems(); };
    ListPanel = new TListViewPanel(WorkHost, binding);
    SetWorkArea(ListPanel);
    EditsPanel->hide();
    ListPanel->ArrangeCtrlBtn(CtrlBtn);
    if (EditsPanel->AllReadOnly()) {
        CtrlBtn->BT_Edit->hide();
        CtrlBtn->ArrangeButtons();
    }

    QTreeWidget *lv = ListPanel->ListView;
    lv->viewport()->installEventFilter(this);
    lv->viewport()->setMouseTracking(true);
    connect(lv, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item && item->isSelected())
            EditClick();
    });
    TListViewExport::Attach(lv, [this] {
        const QString page = ParentCaption(), caption = window()->windowTitle();
        return page == caption ? caption : caption + QStringLiteral(" - ") + page;
    });
    // Filter box and sorting come with the list panel; the readable forms and the column words
    // ("mac", "vlan") are this table's.
    TListViewFilter *filter = TListViewFilter::Attach(lv, true);
    bool readable = false;
    for (int c = 0; c < lv->columnCount(); ++c)
        readable = readable || ColumnKind(c) != RK_NONE;
    if (readable)
        filter->SetReadable([this](int column, const QString &raw) { return ColumnReadable(column, raw); });
    filter->SetAliases(ColumnAliases());
    connect(filter, &TListViewFilter::CountChanged, this, &TSNMPListViewPanel::UpdateCount);
    // Rows come an answer at a time: the columns are fitted shortly after the first rows and
    // again while more come, not once per answer.
    m_widenTimer = new QTimer(this);
    m_widenTimer->setSingleShot(true);
    m_widenTimer->setInterval(100);
    connect(m_widenTimer, &QTimer::timeout, this, &TSNMPListViewPanel::WidenColumns);
    QAbstractItemModel *model = lv->model();
    connect(model, &QAbstractItemModel::rowsInserted, m_widenTimer, [timer = m_widenTimer] {
        if (!timer->isActive())
            timer->start();
    });
    if (binding)
        connect(binding, &QvSNMPRequest2Controls::BusyChanged, this, &TSNMPListViewPanel::UpdateCount);
    connect(model, &QAbstractItemModel::rowsInserted, this, &TSNMPListViewPanel::UpdateCount);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TSNMPListViewPanel::UpdateCount);
    connect(model, &QAbstractItemModel::modelReset, this, &TSNMPListViewPanel::UpdateCount);

    // Rebind the button bar's actions to the list versions.
    CtrlBtn->BT_Refresh->disconnect(this);
    connect(CtrlBtn->BT_Refresh, &QPushButton::clicked, this, &TSNMPListViewPanel::RefreshClick);
    connect(CtrlBtn->BT_Add, &QPushButton::clicked, this, [this] { AddClick(); });
    connect(CtrlBtn->BT_Edit, &QPushButton::clicked, this, [this] { EditClick(); });
    connect(CtrlBtn->BT_Delete, &QPushButton::clicked, this, [this] { DeleteClick(); });
}

TSNMPListViewPanel::~TSNMPListViewPanel()
{
    // The list view outlives this part of the object; its signals and events must not reach it.
    QTreeWidget *lv = ListPanel->ListView;
    lv->viewport()->removeEventFilter(this);
    if (TListViewFilter *filter = TListViewFilter::Of(lv)) {
        filter->SetReadable({});
        disconnect(filter, nullptr, this, nullptr);
    }
    disconnect(lv->model(), nullptr, this, nullptr);
    disconnect(lv->model(), nullptr, m_widenTimer, nullptr);
    disconnect(lv, nullptr, this, nullptr);
}

void TSNMPListViewPanel::UpdateCount()
{
    // While a walk is under way the count says that more rows are coming.
    const bool walking = m_binding && m_binding->Busy() && m_binding->LastOperation() == 0;
    const TListViewFilter *filter = TListViewFilter::Of(ListPanel->ListView);
    CtrlBtn->ST_Count->setText((filter ? filter->CountText() : QString::number(ListPanel->ListView->topLevelItemCount()))
                               + (walking ? QStringLiteral("…") : QString()));
}

void TSNMPListViewPanel::WidenColumns()
{
    QTreeWidget *lv = ListPanel->ListView;
    QHeaderView *header = lv->header();
    for (int c = 0; c < lv->columnCount(); ++c) {
        const int width = header->sectionSize(c);
        if (width == 0 || header->isSectionHidden(c))
            continue;  // a hidden column stays hidden
        const int content = qMin(MaxColumnWidth, qMax(static_cast<QAbstractItemView *>(lv)->sizeHintForColumn(c),
                                                             header->sectionSizeHint(c)));
        if (content > width)
            header->resizeSection(c, content);
    }
}

void TSNMPListViewPanel::RefreshClick()
{
    if (!m_binding)
        return;
    if (m_binding->Asynchronous() && m_binding->Busy()) {
        // Only a walk restarts; a write in flight keeps its outcome.
        if (!RestartWalkOnRefresh || m_binding->LastOperation() != 0)
            return;
        m_binding->Cancel();
    }
    CtrlBtn->BT_Edit->setEnabled(false);
    CtrlBtn->BT_Delete->setEnabled(false);
    TSNMPPanel::RefreshClick();
}

void TSNMPListViewPanel::ListClicked()
{
    const bool selected = !ListPanel->ListView->selectedItems().isEmpty();
    CtrlBtn->BT_Edit->setEnabled(selected);
    CtrlBtn->BT_Delete->setEnabled(selected);
    if (!selected)
        EditsPanel->ClearItems();
}

QString TSNMPListViewPanel::HintText(const QStringList &captions, const QStringList &values,
                                     const QStringList &readable)
{
    // Tabs do not line up in a proportional font: a table does.
    auto cell = [](const QString &text) {
        QString shown = text;
        for (QChar &c : shown)
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                c = QLatin1Char('.');
        return shown.toHtmlEscaped();
    };
    if (captions.isEmpty())
        return QString();
    QString hint = QStringLiteral("<qt><table cellspacing=\"0\" cellpadding=\"1\">");
    for (int c = 0; c < captions.size(); ++c) {
        hint += QStringLiteral("<tr><td style=\"white-space:pre\"><b>") + cell(captions[c].trimmed())
                + QStringLiteral("</b>&nbsp;&nbsp;</td><td style=\"white-space:pre\">") + cell(values.value(c));
        if (!readable.value(c).isEmpty())
            hint += QStringLiteral("<br><i>= ") + cell(readable.value(c)) + QStringLiteral("</i>");
        hint += QStringLiteral("</td></tr>");
    }
    return hint + QStringLiteral("</table></qt>");
}

int TSNMPListViewPanel::ColumnKind(int column) const
{
    if (!m_binding)
        return RK_NONE;
    const QList<int> order = m_binding->RowColumnOrder();
    if (column < 0 || column >= order.size())
        return RK_NONE;
    const int item = order.at(column);
    const QvSNMPVar &var = m_binding->Vars().Item(item);
    const bool portList = item < EditsPanel->ItemCount() && EditsPanel->IsPortListRow(item);
    return QvReadableKindOf(var.syntax, var.name, var.options != nullptr, portList);
}

QString TSNMPListViewPanel::ColumnReadable(int column, const QString &text) const
{
    const int kind = ColumnKind(column);
    return kind == RK_NONE ? QString() : QvReadableText(QvReadableKind(kind), text);
}

QHash<QString, int> TSNMPListViewPanel::ColumnAliases() const
{
    QHash<QString, int> aliases;
    if (!m_binding)
        return aliases;
    const QList<int> order = m_binding->RowColumnOrder();
    QList<int> macs, vlans;
    for (int c = 0; c < order.size(); ++c) {
        const QvSNMPVar &var = m_binding->Vars().Item(order.at(c));
        QString name = var.name.toLower();
        name.remove(QLatin1Char(' '));
        if (m_binding->Vars().IsHiddenColumn(order.at(c)))
            continue;
        if (ColumnKind(c) == RK_MAC)
            macs << c;
        if (name.contains(QLatin1String("vlan")) || name == QLatin1String("fdbid"))
            vlans << c;
    }
    // A word stands for a column only where it names one.
    if (macs.size() == 1)
        aliases.insert(QStringLiteral("mac"), macs.first());
    if (vlans.size() == 1)
        aliases.insert(QStringLiteral("vlan"), vlans.first());
    return aliases;
}

QString TSNMPListViewPanel::ItemHint(QTreeWidgetItem *item) const
{
    QTreeWidget *lv = ListPanel->ListView;
    QStringList captions, values, readable;
    for (int c = 0; c < lv->columnCount(); ++c) {
        captions << lv->headerItem()->text(c);
        values << item->text(c);
        readable << ColumnReadable(c, item->text(c));
    }
    return HintText(captions, values, readable);
}

bool TSNMPListViewPanel::eventFilter(QObject *watched, QEvent *event)
{
    QTreeWidget *lv = ListPanel->ListView;
    if (watched == lv->viewport()) {
        try {
            switch (event->type()) {
            case QEvent::MouseButtonPress: {
                auto *me = static_cast<QMouseEvent *>(event);
                if (!lv->itemAt(me->position().toPoint()))
                    lv->clearSelection();
                break;
            }
            case QEvent::MouseButtonRelease:
                ListClicked();
                break;
            case QEvent::ContextMenu:
                // The menu takes the button's release: the click it ends is settled here.
                ListClicked();
                break;
            case QEvent::ToolTip: {
                auto *he = static_cast<QHelpEvent *>(event);
                if (QTreeWidgetItem *item = lv->itemAt(he->pos()))
                    QToolTip::showText(he->globalPos(), ItemHint(item), lv->viewport());
                else
                    QToolTip::hideText();
                return true;
            }
            default:
                break;
            }
        } catch (const std::exception &e) {
            reportTo(m_binding, QString::fromLatin1(e.what()));
        }
    }
    return TSNMPEditorPanel::eventFilter(watched, event);
}

void TSNMPListViewPanel::SetStatus(int row, const QString &text, bool add)
{
    QComboBox *combo = nullptr;
    if (row >= 0 && row < EditsPanel->ItemCount())
        combo = qobject_cast<QComboBox *>(EditsPanel->Item(row).control);
    if (!combo || combo->findText(text, Qt::MatchFixedString) < 0)
        ThrowPanelError((add ? QStringLiteral("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:")
                             : QStringLiteral("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:"))
                        + text);
    if (add) {
        ListPanel->addStatusRow = row;
        ListPanel->addStatusText = text;
        CtrlBtn->BT_Add->show();
    } else {
        ListPanel->deleteStatusRow = row;
        ListPanel->deleteStatusText = text;
        CtrlBtn->BT_Delete->show();
    }
    CtrlBtn->ArrangeButtons();
}

void TSNMPListViewPanel::SetAddStatus(int row, const QString &text)
{
    SetStatus(row, text, true);
}

void TSNMPListViewPanel::SetDeleteStatus(int row, const QString &text)
{
    SetStatus(row, text, false);
}

QString TSNMPListViewPanel::ParentCaption() const
{
    // On a tab page the page's title; else the window's caption.
    if (QWidget *p = parentWidget(); p && p != window() && !p->windowTitle().isEmpty())
        return p->windowTitle();
    return window()->windowTitle();
}

TSNMPPanel *TSNMPListViewPanel::OpenDialog(QDialog *dialog)
{
    m_dialog = dialog;
    setConstraintOwner(m_binding, dialog);
    auto *panel = new TSNMPPanel(dialog, m_strip, m_binding);
    m_dialogPanel = panel;
    // The dialog says itself that it waits: its own bar, cursor and Escape.
    panel->CtrlBtn->ST_Wait->show();
    panel->CtrlBtn->ArrangeButtons();
    panel->Wait()->SetStatusTarget(panel->CtrlBtn->ST_Wait);
    QPushButton *set = panel->CtrlBtn->BT_SetChecked;
    set->setProperty("tag", 1);
    connect(set, &QPushButton::clicked, this, [this, set, dialog] { Set(set, dialog); });
    connect(panel->CtrlBtn->BT_CheckAll, &QPushButton::clicked, this, [this, set] { CheckAll(set); });
    connect(panel->CtrlBtn->BT_ClearChecks, &QPushButton::clicked, this, [this, set] { ClearChecks(set); });
    return panel;
}

void TSNMPListViewPanel::CloseDialog(QDialog *dialog)
{
    // Closed while its write is out: the answer is no longer awaited; the list shows the outcome.
    if (m_binding && m_binding->Busy())
        m_binding->Cancel();
    // The edits panel comes home, hidden, before the dialog goes.
    if (QLayout *l = EditsPanel->parentWidget() ? EditsPanel->parentWidget()->layout() : nullptr)
        l->removeWidget(EditsPanel);
    EditsPanel->hide();
    EditsPanel->setParent(WorkHost);
    EditsPanel->hide();
    m_dialogPanel = nullptr;
    m_dialog = nullptr;
    delete dialog;
    setConstraintOwner(m_binding, window());
    RefreshClick();
}

void TSNMPListViewPanel::AddClick()
{
    if (!m_binding || m_dialog)
        return;
    if (OnBeforeAdd)
        OnBeforeAdd(OnBeforeAddData, this);
    auto *dialog = new QDialog(window());
    dialog->setWindowTitle(ParentCaption() + QStringLiteral(" (Add)"));
    TSNMPPanel *panel = OpenDialog(dialog);

    TEditsPanel *ep = EditsPanel;
    for (int r = 0; r < ep->ItemCount(); ++r) {
        if (!ep->IsKeyColumn(r))
            continue;
        ep->EnableItem(r);
        TEditItem &it = ep->Item(r);
        it.check->setChecked(true);
        it.check->show();
        it.check->setEnabled(false);
        it.control->setEnabled(true);
    }
    const int statusRow = ListPanel->addStatusRow;
    if (statusRow >= 0 && statusRow < ep->ItemCount()) {
        TEditItem &it = ep->Item(statusRow);
        it.check->show();
        it.check->setChecked(true);
        it.check->setEnabled(false);
        if (auto *combo = qobject_cast<QComboBox *>(it.control)) {
            combo->setCurrentIndex(combo->findText(ListPanel->addStatusText, Qt::MatchFixedString));
            combo->setEnabled(false);
        }
    }
    ep->ArrangeCtrlBtn(panel->CtrlBtn);
    panel->CtrlBtn->BT_Refresh->hide();
    panel->CtrlBtn->ArrangeButtons();
    panel->CtrlBtn->BT_SetChecked->setEnabled(ep->CheckedCount() > 0);
    ep->ArrangeItems(2, true);
    panel->SetWorkArea(ep);
    panel->FitForm(dialog);

    ListPanel->ListView->clearSelection();
    CtrlBtn->BT_Edit->setEnabled(false);
    CtrlBtn->BT_Delete->setEnabled(false);
    dialog->exec();
    CloseDialog(dialog);
    if (OnAfterAdd)
        OnAfterAdd(OnAfterAddData, this);
}

void TSNMPListViewPanel::EditClick()
{
    if (!m_binding || m_dialog)
        return;
    if (OnBeforeEdit)
        OnBeforeEdit(OnBeforeEditData, this);
    QvSNMPRequest2Edits *b = m_binding;
    // A walk still running would refill the list under the dialog: it stops here, and the
    // list is read afresh when the dialog closes.
    if (b->Asynchronous() && b->Busy())
        b->Cancel();

    auto *dialog = new QDialog(window());
    dialog->setWindowTitle(window()->windowTitle());
    TSNMPPanel *panel = OpenDialog(dialog);
    panel->CtrlBtn->BT_SetChecked->setEnabled(false);

    TEditsPanel *ep = EditsPanel;
    ep->SetDefaultTick(false);
    if (ep->editLock)
        ep->DisableItem(3);
    ep->ArrangeCtrlBtn(panel->CtrlBtn);
    panel->CtrlBtn->BT_Refresh->hide();
    panel->CtrlBtn->ArrangeButtons();

    // Neither status text can be chosen for an existing row.
    struct Removed {
        int row;
        int index;
        QString text;
        QVariant data;
    };
    QList<Removed> removed;
    QList<int> hidden;
    auto removeText = [&](int row, const QString &text) {
        if (row < 0 || row >= ep->ItemCount() || text.isEmpty())
            return;
        auto *combo = qobject_cast<QComboBox *>(ep->Item(row).control);
        if (!combo)
            return;
        const int index = combo->findText(text, Qt::MatchFixedString);
        if (index < 0)
            return;
        const QString current = combo->currentText();
        removed.prepend({row, index, combo->itemText(index), combo->itemData(index)});
        combo->removeItem(index);
        if (combo->currentText() != current)
            combo->setCurrentIndex(combo->findText(current, Qt::MatchFixedString));
        if (combo->count() == 0 && !ep->IsRowHidden(row)) {
            ep->HideItem(row);
            hidden << row;
        }
    };
    removeText(ListPanel->addStatusRow, ListPanel->addStatusText);
    removeText(ListPanel->deleteStatusRow, ListPanel->deleteStatusText);

    ep->SetEditWidth(200, 2);
    panel->SetWorkArea(ep);
    panel->FitForm(dialog);
    dialog->exec();

    for (int row : std::as_const(hidden))
        ep->ShowItem(row);
    // Put back in reverse order of removal, so every text returns to its old position.
    for (const Removed &r : std::as_const(removed)) {
        auto *combo = qobject_cast<QComboBox *>(ep->Item(r.row).control);
        const int current = combo->currentIndex();
        combo->insertItem(r.index, r.text, r.data);
        if (current >= r.index)
            combo->setCurrentIndex(current + 1);
    }
    CloseDialog(dialog);
    if (OnAfterEdit)
        OnAfterEdit(OnAfterEditData, this);
}

void TSNMPListViewPanel::DeleteClick()
{
    if (!m_binding || m_binding->Busy())
        return;
    // Name the row: its shown index columns, else its first shown column.
    QString rowName;
    if (const QList<QTreeWidgetItem *> sel = ListPanel->ListView->selectedItems(); !sel.isEmpty()) {
        const QList<int> order = m_binding->RowColumnOrder();
        const QvSNMPVarList &list = m_binding->Vars();
        QStringList keys, shown;
        for (int c = 0; c < order.size(); ++c) {
            if (list.IsHiddenColumn(order.at(c)) || sel.first()->text(c).trimmed().isEmpty())
                continue;
            shown << sel.first()->text(c).trimmed();
            if (EditsPanel->IsKeyColumn(order.at(c)))
                keys << shown.last();
        }
        rowName = !keys.isEmpty() ? keys.join(QStringLiteral(", ")) : shown.value(0);
    }
    const QString question = rowName.isEmpty() ? QStringLiteral("Are you sure to delete ?")
                                               : QStringLiteral("Are you sure to delete %1 ?").arg(rowName);
    if (QvMessageBox(window(), question, QStringLiteral("Delete"),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    QvSNMPRequest2Edits *b = m_binding;
    QvSNMPVarList &vars = b->Vars();
    const int statusRow = ListPanel->deleteStatusRow;
    QList<int> excluded;
    for (int i = 0; i < vars.Count(); ++i) {
        if (EditsPanel->IsKeyColumn(i) || i == statusRow || vars.Item(i).isInvalid())
            continue;
        vars.Item(i).setInvalid(true);
        excluded << i;
    }
    bool sent = false;
    try {
        b->CollectValues();
        if (statusRow >= 0 && statusRow < vars.Count())
            vars.Item(statusRow).valueText = ListPanel->deleteStatusText;
        // The list is read again once the switch has answered, whatever it answered.
        b->ThenApplied([panel = QPointer<TSNMPListViewPanel>(this)](const QvSNMPError &) {
            if (panel)
                QMetaObject::invokeMethod(panel, &TSNMPListViewPanel::RefreshClick, Qt::QueuedConnection);
        });
        b->Apply(false, false);
        sent = true;
    } catch (const QvSNMPException &e) {
        b->Report(e.text());
    } catch (const std::exception &e) {
        b->Report(QString::fromLatin1(e.what()));
    }
    if (!m_binding)
        return;
    for (int i : std::as_const(excluded))
        vars.Item(i).setInvalid(false);
    if (!sent)
        RefreshClick();
}
