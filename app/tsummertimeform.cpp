#include "tsummertimeform.h"

#include "mibtables.h"
#include "qveditconstraint.h"
#include "qvoptionlist.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest2controls.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"
#include "tmsgpanel.h"
#include "tsnmppanel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

namespace {

const QvOptionDesc MonthsSource[] = {
    {1, "Jan"}, {2, "Feb"}, {3, "Mar"}, {4, "Apr"}, {5, "May"}, {6, "Jun"},
    {7, "Jul"}, {8, "Aug"}, {9, "Sep"}, {10, "Oct"}, {11, "Nov"}, {12, "Dec"}, {0, nullptr},
};
const QvOptionDesc WeekdaysSource[] = {
    {1, "Sun"}, {2, "Mon"}, {3, "Tues"}, {4, "Wed"}, {5, "Thur"}, {6, "Fri"}, {7, "Sat"}, {0, nullptr},
};
const QvOptionDesc WeeksSource[] = {
    {1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {0, "last"}, {0, nullptr},
};

// One part of a composite row: a combo over a list or an edit for a number.
struct TPartDesc {
    int offset;
    quint32 syntax;
    const QvOptionList &(*options)();  // null: an edit
};

const TPartDesc RepeatingParts[] = {
    {3, SYN_UINT8, &TSummerTimeForm::Months},
    {0, SYN_UINT8, &TSummerTimeForm::Weeks},
    {1, SYN_UINT16, &TSummerTimeForm::Weekdays},
    {4, SYN_UINT8, nullptr},
    {5, SYN_UINT8, nullptr},
};
const TPartDesc AnnualParts[] = {
    {0, SYN_UINT8, nullptr},
    {1, SYN_UINT8, &TSummerTimeForm::Months},
    {2, SYN_UINT8, nullptr},
    {3, SYN_UINT8, nullptr},
};

void Report(QvSNMPRequest2Edits *binding, const QString &text)
{
    if (binding)
        binding->Report(text);
}

}  // namespace

QList<QWidget *> TCtrlsList::Parts() const
{
    QList<QWidget *> parts;
    for (qsizetype i = 1; i < size(); ++i)
        if (at(i))
            parts.append(at(i).data());
    return parts;
}

TCompositeRow::TCompositeRow(QWidget *parent) : QWidget(parent)
{
    setProperty("text", QString());
}

void TCompositeRow::AddPart(QWidget *part, bool isEdit)
{
    part->setParent(this);
    m_parts.append(part);
    m_isEdit.append(isEdit);
    part->show();
    LayoutParts();
}

void TCompositeRow::AddSeparator(int after)
{
    m_separator = new QLabel(QStringLiteral(":"), this);
    QFont bold = m_separator->font();
    bold.setBold(true);
    m_separator->setFont(bold);
    m_separator->adjustSize();
    m_separatorAfter = after;
    LayoutParts();
}

QSize TCompositeRow::sizeHint() const
{
    int height = 21;
    for (const QWidget *p : m_parts)
        height = qMax(height, p->sizeHint().height());
    return {240, height};
}

void TCompositeRow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayoutParts();
}

void TCompositeRow::LayoutParts()
{
    if (m_parts.isEmpty())
        return;
    const int share = width() / int(m_parts.size());
    for (int i = 0; i < m_parts.size(); ++i) {
        // Edits leave room on their left for the separator of the part before.
        if (m_isEdit.at(i))
            m_parts.at(i)->setGeometry(i * share + 4, 0, qMax(share - 4, 1), height());
        else
            m_parts.at(i)->setGeometry(i * share, 0, share, height());
    }
    if (m_separator && m_separatorAfter >= 0 && m_separatorAfter < m_parts.size()) {
        const QWidget *p = m_parts.at(m_separatorAfter);
        m_separator->move(p->x() + p->width(), 2);
        m_separator->raise();
    }
}

const QvOptionList &TSummerTimeForm::Months()
{
    static const QvOptionList list(MonthsSource);
    return list;
}

const QvOptionList &TSummerTimeForm::Weekdays()
{
    static const QvOptionList list(WeekdaysSource);
    return list;
}

const QvOptionList &TSummerTimeForm::Weeks()
{
    static const QvOptionList list(WeeksSource);
    return list;
}

TSummerTimeForm::TSummerTimeForm(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("SummerTimeForm"));
    setWindowTitle(QStringLiteral("Summer Time"));

    m_binding = new QvSNMPRequest2Edits(this);
    m_binding->Vars().Assign(QvSNMPVarList(SummerTimeVars, SVT_SV, 0));
    connect(m_binding, &QvSNMPRequest2Controls::RefreshEnded, this, &TSummerTimeForm::RefreshEnded);
    connect(m_binding, &QvSNMPRequest2Controls::ApplyEnded, this, &TSummerTimeForm::ApplyEnded);
    connect(m_binding, &QvSNMPRequest2Controls::Cancelled, this, [this] { m_step = Step::Idle; });

    m_panel = new TSNMPEditorPanel(this, m_binding);
    m_panel->FitForm(this);
    m_panel->SetEditWidth(240);

    for (int row = STR_RepeatStart; row <= STR_AnnualEnd; ++row)
        BuildCompositeRow(row);

    TCtrlBtnPanel *buttons = m_panel->CtrlBtn;
    buttons->BT_Refresh->disconnect(m_panel);
    connect(buttons->BT_Refresh, &QPushButton::clicked, this, [this] { RefreshSummerTime(); });
    buttons->BT_SetChecked->disconnect(m_panel);
    connect(buttons->BT_SetChecked, &QPushButton::clicked, this, [this] { ApplySummerTime(); });
    if (auto *status = qobject_cast<QComboBox *>(m_panel->EditsPanel->Item(STR_Status).control))
        connect(status, &QComboBox::currentIndexChanged, this, [this] { ShowModeRows(); });

    TEditsPanel *edits = m_panel->EditsPanel;
    resize(m_panel->size());
    edits->SetItemText(STR_Status, QStringLiteral("repeating"));
    ShowModeRows();
    edits->ArrangeItems(2, true);
    m_panel->SetWorkArea(edits);
    resize(m_panel->size());
    RefreshSummerTime();
}

TSummerTimeForm::~TSummerTimeForm()
{
    FormClose();
}

void TSummerTimeForm::BuildCompositeRow(int row)
{
    TEditsPanel *edits = m_panel->EditsPanel;
    TEditItem &item = edits->Item(row);
    QWidget *edit = item.control;

    m_binding->Unbind(row);
    auto *container = new TCompositeRow(edit->parentWidget());
    container->setObjectName(QStringLiteral("CompositeRow%1").arg(row));
    container->setGeometry(edit->geometry());
    container->setEnabled(edit->isEnabled());
    container->setVisible(edit->isVisible());
    edit->removeEventFilter(edits);
    delete edit;
    item.control = container;
    item.kind = EIK_COMPOSITE;
    item.label->setBuddy(container);
    container->setProperty("tag", row);

    TCtrlsList &list = m_rows[row - STR_RepeatStart];
    list.clear();
    list.append(container);

    const bool repeating = row == STR_RepeatStart || row == STR_RepeatEnd;
    const TPartDesc *parts = repeating ? RepeatingParts : AnnualParts;
    const int count = repeating ? int(std::size(RepeatingParts)) : int(std::size(AnnualParts));
    const int hourPart = repeating ? 3 : 2;
    for (int k = 0; k < count; ++k) {
        const TPartDesc &part = parts[k];
        QWidget *control;
        if (part.options) {
            auto *combo = new QComboBox(container);
            combo->setEditable(false);
            control = combo;
            container->AddPart(combo, false);
            m_binding->BindOptionControl(row, part.offset, part.syntax, &part.options(), combo);
        } else {
            auto *e = new QLineEdit(container);
            control = e;
            container->AddPart(e, true);
            m_binding->BindOptionControl(row, part.offset, part.syntax, nullptr, e);
            m_binding->Constraint()->Attach(QStringLiteral("%i"), e);
        }
        control->setObjectName(QStringLiteral("Row%1Part%2").arg(row).arg(k));
        list.append(control);
    }
    container->AddSeparator(hourPart);
}

QList<int> TSummerTimeForm::ModeRows() const
{
    const QString mode = m_panel->EditsPanel->GetItemText(STR_Status);
    if (mode == QLatin1String("repeating"))
        return {STR_RepeatStart, STR_RepeatEnd};
    if (mode == QLatin1String("annual"))
        return {STR_AnnualStart, STR_AnnualEnd};
    return {};
}

void TSummerTimeForm::ShowModeRows()
{
    if (m_closed)
        return;
    TEditsPanel *edits = m_panel->EditsPanel;
    const QList<int> shown = ModeRows();
    for (int row = STR_RepeatStart; row <= STR_AnnualEnd; ++row) {
        if (shown.contains(row)) {
            edits->ShowItem(row);
        } else {
            edits->HideItem(row);
            edits->UncheckItem(row);
        }
    }
    edits->ArrangeItems(2, false);
}

QvWaitIndicator *TSummerTimeForm::Wait() const
{
    return m_panel ? m_panel->Wait() : nullptr;
}

void TSummerTimeForm::closeEvent(QCloseEvent *event)
{
    // Closed while waiting: the late answer reaches nothing.
    if (m_binding)
        m_binding->Cancel();
    m_step = Step::Idle;
    QDialog::closeEvent(event);
}

void TSummerTimeForm::StepFailed(const QString &step, const QString &undone)
{
    m_step = Step::Idle;
    if (m_panel)
        m_panel->Strip()->Memo->appendPlainText(QStringLiteral("Summer time: %1 failed; %2.").arg(step, undone));
}

void TSummerTimeForm::RefreshSummerTime()
{
    if (m_closed || m_step != Step::Idle || m_binding->Busy())
        return;
    // First the status alone: it decides which rows the second read takes.
    QvSNMPVarList &vars = m_binding->Vars();
    vars.Item(STR_Status).setInvalid(false);
    for (int row = STR_Offset; row <= STR_AnnualEnd; ++row)
        vars.Item(row).setInvalid(true);
    m_step = Step::ReadStatus;
    try {
        m_binding->Refresh();
    } catch (const QvSNMPException &e) {
        Report(m_binding, e.text());
        StepFailed(QStringLiteral("reading the status"), QStringLiteral("the dates were not read"));
    } catch (const std::exception &e) {
        Report(m_binding, QString::fromLatin1(e.what()));
        StepFailed(QStringLiteral("reading the status"), QStringLiteral("the dates were not read"));
    }
}

void TSummerTimeForm::ReadRows()
{
    ShowModeRows();
    QvSNMPVarList &vars = m_binding->Vars();
    vars.Item(STR_Offset).setInvalid(false);
    for (int row : ModeRows())
        vars.Item(row).setInvalid(false);
    m_step = Step::ReadRows;
    m_binding->Refresh();
}

void TSummerTimeForm::RefreshEnded(const QvSNMPError &outcome)
{
    if (m_closed)
        return;
    const Step step = std::exchange(m_step, Step::Idle);
    try {
        if (step == Step::ReadStatus) {
            if (outcome.code != 0)
                StepFailed(QStringLiteral("reading the status"), QStringLiteral("the dates were not read"));
            else
                ReadRows();
        } else if (step == Step::ReadRows && outcome.code != 0) {
            StepFailed(QStringLiteral("reading the offset and the dates"), QStringLiteral("they may be out of date"));
        }
    } catch (const QvSNMPException &e) {
        Report(m_binding, e.text());
        StepFailed(QStringLiteral("reading the offset and the dates"), QStringLiteral("they were not read"));
    } catch (const std::exception &e) {
        Report(m_binding, QString::fromLatin1(e.what()));
        StepFailed(QStringLiteral("reading the offset and the dates"), QStringLiteral("they were not read"));
    }
}

void TSummerTimeForm::MarkRowComplete()
{
    for (TCtrlsList &list : m_rows) {
        QWidget *container = list.Container();
        if (!container)
            continue;
        bool complete = true;
        for (QWidget *part : list.Parts()) {
            if (auto *combo = qobject_cast<QComboBox *>(part))
                complete = complete && combo->currentIndex() >= 0 && !combo->currentText().isEmpty();
            else if (auto *edit = qobject_cast<QLineEdit *>(part))
                complete = complete && !edit->text().isEmpty();
        }
        container->setProperty("text", complete ? QStringLiteral("-") : QString());
    }
}

bool TSummerTimeForm::RunSetChecked()
{
    // With nothing valid and ticked there is nothing to send: no empty SET.
    TEditsPanel *edits = m_panel->EditsPanel;
    const QvSNMPVarList &vars = m_binding->Vars();
    bool any = false;
    for (int row = 0; row < edits->ItemCount() && row < vars.Count(); ++row)
        any = any || (!vars.Item(row).isInvalid() && edits->Item(row).check->isChecked());
    if (!any)
        return false;
    m_panel->Set(m_panel->CtrlBtn->BT_SetChecked);
    return m_binding && m_binding->Busy();
}

void TSummerTimeForm::ApplySummerTime()
{
    if (m_closed || m_step != Step::Idle || m_binding->Busy())
        return;
    try {
        // First the status alone, then the offset and the rows of the mode.
        MarkRowComplete();
        QvSNMPVarList &vars = m_binding->Vars();
        vars.Item(STR_Status).setInvalid(false);
        for (int row = STR_Offset; row <= STR_AnnualEnd; ++row)
            vars.Item(row).setInvalid(true);
        m_step = Step::WriteStatus;
        if (!RunSetChecked())
            WriteRows();
    } catch (const QvSNMPException &e) {
        Report(m_binding, e.text());
        StepFailed(QStringLiteral("writing the status"), QStringLiteral("the offset and the dates were not written"));
    } catch (const std::exception &e) {
        Report(m_binding, QString::fromLatin1(e.what()));
        StepFailed(QStringLiteral("writing the status"), QStringLiteral("the offset and the dates were not written"));
    }
    if (m_step == Step::Idle && m_binding)
        m_binding->Vars().Item(STR_Status).setInvalid(false);
}

void TSummerTimeForm::WriteRows()
{
    QvSNMPVarList &vars = m_binding->Vars();
    vars.Item(STR_Offset).setInvalid(false);
    for (int row = STR_RepeatStart; row <= STR_AnnualEnd; ++row)
        vars.Item(row).setInvalid(true);
    for (int row : ModeRows())
        vars.Item(row).setInvalid(false);
    vars.Item(STR_Status).setInvalid(true);
    m_step = Step::WriteRows;
    bool sent = false;
    try {
        sent = RunSetChecked();
    } catch (...) {
        vars.Item(STR_Status).setInvalid(false);
        throw;
    }
    // The request took its selection when it left: the status is in the list again at once.
    vars.Item(STR_Status).setInvalid(false);
    if (!sent)
        m_step = Step::Idle;
}

void TSummerTimeForm::ApplyEnded(const QvSNMPError &outcome)
{
    if (m_closed)
        return;
    const Step step = std::exchange(m_step, Step::Idle);
    try {
        if (step == Step::WriteStatus) {
            if (outcome.code != 0) {
                m_binding->Vars().Item(STR_Status).setInvalid(false);
                StepFailed(QStringLiteral("writing the status"),
                           QStringLiteral("the offset and the dates were not written"));
            } else {
                WriteRows();
            }
        } else if (step == Step::WriteRows && outcome.code != 0) {
            StepFailed(QStringLiteral("writing the offset and the dates"), QStringLiteral("the offset and the dates were not written"));
        }
    } catch (const QvSNMPException &e) {
        Report(m_binding, e.text());
        StepFailed(QStringLiteral("writing the offset and the dates"), QStringLiteral("the offset and the dates were not written"));
    } catch (const std::exception &e) {
        Report(m_binding, QString::fromLatin1(e.what()));
        StepFailed(QStringLiteral("writing the offset and the dates"), QStringLiteral("the offset and the dates were not written"));
    }
}

void TSummerTimeForm::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    delete m_binding;
    m_binding = nullptr;
    delete m_panel;
    m_panel = nullptr;
    for (TCtrlsList &list : m_rows)
        list.clear();
}
