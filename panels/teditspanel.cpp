#include "teditspanel.h"

#include "qvreadable.h"
#include "qvsnmprequest2controls.h"
#include "tctrlbtnpanel.h"
#include "tmessagebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

namespace {
constexpr int CheckWidth = 20;

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}
}

TEditsPanel::TEditsPanel(QWidget *owner, QvSNMPRequest2Edits *binding)
    : QWidget(owner), readOnlyFont(Qt::black), readOnlyBackground(buttonFace())
{
    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    m_box = new QWidget;
    ScrollBox->setWidget(m_box);
    if (binding)
        BuildItems(binding);
    SetReadOnlyColours(readOnlyFont, readOnlyBackground);
}

TEditsPanel::~TEditsPanel()
{
    for (const TEditItem &it : std::as_const(m_items))
        it.control->removeEventFilter(this);
}

void TEditsPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ScrollBox->setGeometry(rect());
}

QvSNMPVarList *TEditsPanel::vars() const
{
    return m_binding ? &m_binding->Vars() : nullptr;
}

bool TEditsPanel::validRow(int row) const
{
    return row >= 0 && row < m_items.size();
}

void TEditsPanel::clearRows()
{
    for (TEditItem &it : m_items) {
        if (m_binding)
            m_binding->Unbind(int(&it - m_items.data()));
        delete it.control;
        delete it.check;
        delete it.label;
    }
    m_items.clear();
}

void TEditsPanel::BuildItems(QvSNMPRequest2Edits *binding)
{
    clearRows();
    m_binding = binding;
    QvSNMPVarList *list = vars();
    if (!list)
        return;
    for (int i = 0; i < list->Count(); ++i) {
        const QvSNMPVar *var = &list->Item(i);
        TEditItem it;
        const bool hasOptions = var->options != nullptr;
        if (!list->IsWritable(i))
            it.kind = hasOptions ? EIK_READONLY_OPTION : EIK_READONLY_EDIT;
        else
            it.kind = hasOptions ? EIK_COMBO : EIK_EDIT;

        it.check = new QCheckBox(m_box);
        it.check->setFixedWidth(CheckWidth);
        it.check->setFocusPolicy(Qt::NoFocus);
        it.check->setProperty("tag", i);
        connect(it.check, &QCheckBox::clicked, this, [this, i] { emit ItemCheckClicked(i); });

        it.label = new QLabel(var->name, m_box);
        it.label->setProperty("tag", i);
        it.label->adjustSize();

        if (it.kind == EIK_COMBO) {
            auto *combo = new QComboBox(m_box);
            combo->setEditable(false);
            it.control = combo;
            it.label->setBuddy(combo);
            connect(combo, &QComboBox::activated, this, [this, i] { TickChangedItem(i); });
        } else {
            auto *edit = new QLineEdit(m_box);
            it.control = edit;
            it.label->setBuddy(edit);
            connect(edit, &QLineEdit::textEdited, this, [this, i] { TickChangedItem(i); });
            connect(edit, &QLineEdit::textChanged, this, [this, i] { UpdateReadableTip(i); });
        }
        it.control->setProperty("tag", i);
        m_items.append(it);

        if (it.kind == EIK_COMBO)
            binding->BindControl(i, it.control);
        else
            binding->BindEdits(i, it.format, {qobject_cast<QLineEdit *>(it.control)});
    }
    SetDefaultTick(false);
    ArrangeItems(2, true);
}

bool TEditsPanel::IsKeyColumn(int row) const
{
    const QvSNMPVarList *list = vars();
    return list && (list->itemType == MVT_FMV || list->itemType == MVT_UMV) && row < list->indexCount;
}

bool TEditsPanel::IsReadOnlyKind(int row) const
{
    const int kind = m_items.at(row).kind;
    return kind == EIK_READONLY_EDIT || kind == EIK_READONLY_OPTION;
}

bool TEditsPanel::IsRowHidden(int row) const
{
    const QvSNMPVarList *list = vars();
    return list && row < list->Count() && (list->Item(row).access & ACC_HIDDEN);
}

void TEditsPanel::ArrangeItems(int mode, bool resize)
{
    int labelColumn = 0;
    for (int r = 0; r < m_items.size(); ++r) {
        TEditItem &it = m_items[r];
        it.control->resize(editWidth, it.control->sizeHint().height());
        it.label->adjustSize();
        if (!IsRowHidden(r))
            labelColumn = qMax(labelColumn, it.label->width());
    }

    int top = 20;
    int x = 0;
    int previousHeight = -1;
    for (int r = 0; r < m_items.size(); ++r) {
        if (IsRowHidden(r))
            continue;
        TEditItem &it = m_items[r];
        QWidget *c = it.control;
        if (c->height() < 20)
            c->resize(c->width(), 21);
        const int checkHeight = it.check->sizeHint().height();
        it.check->resize(CheckWidth, checkHeight);
        if (mode == 1) {
            it.check->move(x + 5, 20);
            it.label->move(x + CheckWidth + 10, 20);
            c->move(it.label->x() + it.label->width() + 5, 20);
            x = qMax(x, c->x() + c->width());
        } else {
            if (previousHeight >= 0)
                top += previousHeight + 5;
            previousHeight = c->height();
            it.check->move(20, top);
            it.label->move(20 + CheckWidth + 5, top);
            c->move(it.label->x() + labelColumn + 5, top);
        }
        it.check->move(it.check->x(), c->y() + (c->height() - it.check->height()) / 2);
        it.label->move(it.label->x(), c->y() + (c->height() - it.label->height()) / 2);
    }

    int right = 0, bottom = 0;
    for (int r = 0; r < m_items.size(); ++r) {
        const QWidget *c = m_items.at(r).control;
        right = qMax(right, c->x() + c->width());
        bottom = qMax(bottom, c->y() + c->height());
    }
    m_box->resize(right + 40, bottom + 40);
    if (resize)
        this->resize(right + 40, bottom + 40);
    ScrollBox->setGeometry(rect());
}

void TEditsPanel::SetEditWidth(int width, int mode)
{
    editWidth = width;
    ArrangeItems(mode, true);
}

void TEditsPanel::HideItem(int row)
{
    if (!validRow(row))
        return;
    TEditItem &it = m_items[row];
    it.check->hide();
    it.label->hide();
    it.control->hide();
    vars()->Item(row).access |= ACC_HIDDEN;
}

void TEditsPanel::ShowItem(int row)
{
    if (!validRow(row))
        return;
    TEditItem &it = m_items[row];
    vars()->Item(row).access &= ~quint32(ACC_HIDDEN);
    it.label->show();
    it.control->show();
    it.check->setVisible(it.enabled);
}

void TEditsPanel::applyColours(QWidget *control, const QColor &font, const QColor &background)
{
    QPalette pal = control->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(g, QPalette::Text, font);
        pal.setColor(g, QPalette::ButtonText, font);
        pal.setColor(g, QPalette::Base, background);
    }
    control->setPalette(pal);
}

void TEditsPanel::DisableItem(int row)
{
    if (row >= m_items.size()) {
        QvMessageBox(this, QStringLiteral("aIdx is overtop!\n you may define < ") + QString::number(m_items.size()),
                     QvAppCaption());
        return;
    }
    if (row < 0)
        return;
    TEditItem &it = m_items[row];
    it.enabled = false;
    it.check->setChecked(false);
    it.check->setEnabled(false);
    it.check->hide();
    if (auto *edit = qobject_cast<QLineEdit *>(it.control)) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    } else {
        it.control->setEnabled(false);
    }
    applyColours(it.control, readOnlyFont, readOnlyBackground);
}

void TEditsPanel::EnableItem(int row)
{
    if (!validRow(row))
        return;
    TEditItem &it = m_items[row];
    it.enabled = true;
    it.check->setEnabled(true);
    it.check->setVisible(!IsRowHidden(row));
    it.check->setChecked(defaultTick);
    if (auto *edit = qobject_cast<QLineEdit *>(it.control)) {
        // A port list is edited through its dialog only.
        edit->setReadOnly(IsPortListRow(row));
        edit->setFocusPolicy(Qt::StrongFocus);
    } else {
        it.control->setEnabled(true);
    }
    const QPalette &app = QApplication::palette();
    applyColours(it.control, app.color(QPalette::Active, QPalette::Text), app.color(QPalette::Active, QPalette::Base));
}

void TEditsPanel::UpdateReadableTip(int row)
{
    if (!validRow(row) || !vars() || row >= vars()->Count())
        return;
    auto *edit = qobject_cast<QLineEdit *>(m_items[row].control);
    if (!edit)
        return;
    const QvSNMPVar &var = vars()->Item(row);
    const QvReadableKind kind = QvReadableKindOf(var.syntax, var.name, var.options != nullptr, IsPortListRow(row));
    QString tip = QvReadableText(kind, edit->text());
    // A text cut by its box is shown whole.
    if (tip.isEmpty() && edit->fontMetrics().horizontalAdvance(edit->text()) > qMax(editWidth, edit->width()) - 8)
        tip = edit->text();
    edit->setToolTip(tip);
}

void TEditsPanel::TickChangedItem(int row)
{
    // A value the user changed is meant to be sent: an unticked row would be left out silently.
    if (!validRow(row))
        return;
    QCheckBox *check = m_items[row].check;
    if (!check->isEnabled() || check->isHidden() || check->isChecked())
        return;
    check->setChecked(true);
    emit ItemCheckClicked(row);
}

void TEditsPanel::CheckItem(int row)
{
    if (validRow(row))
        m_items[row].check->setChecked(true);
}

void TEditsPanel::UncheckItem(int row)
{
    if (validRow(row))
        m_items[row].check->setChecked(false);
}

void TEditsPanel::DisableItemCheck(int row)
{
    if (validRow(row))
        m_items[row].check->setEnabled(false);
}

void TEditsPanel::EnableItemCheck(int row)
{
    if (validRow(row))
        m_items[row].check->setEnabled(true);
}

void TEditsPanel::ClearItem(int row)
{
    if (!validRow(row))
        return;
    TEditItem &it = m_items[row];
    if (auto *edit = qobject_cast<QLineEdit *>(it.control))
        edit->clear();
    else if (auto *combo = qobject_cast<QComboBox *>(it.control))
        combo->setCurrentIndex(-1);
    if (QvSNMPVarList *list = vars())
        list->Item(row).valueText.clear();
}

void TEditsPanel::ClearItems()
{
    for (int r = 0; r < m_items.size(); ++r)
        ClearItem(r);
}

void TEditsPanel::SetItemText(int row, const QString &text)
{
    if (!validRow(row))
        return;
    TEditItem &it = m_items[row];
    if (auto *edit = qobject_cast<QLineEdit *>(it.control))
        edit->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(it.control))
        combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString));
    if (QvSNMPVarList *list = vars())
        list->Item(row).valueText = text;
}

QString TEditsPanel::GetItemText(int row) const
{
    if (!validRow(row))
        return {};
    const QWidget *c = m_items.at(row).control;
    if (auto *edit = qobject_cast<const QLineEdit *>(c))
        return edit->text();
    if (auto *combo = qobject_cast<const QComboBox *>(c))
        return combo->currentText();
    // Composite rows keep their own text in a property of their container.
    return c ? c->property("text").toString() : QString();
}

bool TEditsPanel::IsItemEmpty(int row) const
{
    return GetItemText(row).isEmpty();
}

void TEditsPanel::SetReadOnlyColours(const QColor &font, const QColor &background)
{
    readOnlyFont = font;
    readOnlyBackground = background;
    for (int r = 0; r < m_items.size(); ++r) {
        if (IsReadOnlyKind(r))
            DisableItem(r);
        else if (!m_items[r].enabled)
            applyColours(m_items[r].control, font, background);  // disabled keys look alike
    }
}

void TEditsPanel::SetDefaultTick(bool tick)
{
    defaultTick = tick;
    for (int r = 0; r < m_items.size(); ++r) {
        if (IsReadOnlyKind(r) || IsKeyColumn(r))
            DisableItem(r);
        else
            EnableItem(r);
    }
}

int TEditsPanel::EnabledCheckCount() const
{
    int n = 0;
    for (const TEditItem &it : m_items)
        n += !it.check->isHidden() && it.check->isEnabled();
    return n;
}

int TEditsPanel::CheckedCount() const
{
    int n = 0;
    for (const TEditItem &it : m_items)
        n += !it.check->isHidden() && it.check->isChecked();
    return n;
}

bool TEditsPanel::AllReadOnly() const
{
    for (int r = 0; r < m_items.size(); ++r)
        if (!IsReadOnlyKind(r) && !IsKeyColumn(r))
            return false;
    return true;
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel *b)
{
    if (!m_binding)
        ThrowPanelError(QStringLiteral("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!"));
    b->ST_Count->hide();
    b->LB_Samples->hide();
    for (QWidget *w : {b->BT_Refresh, b->BT_SetChecked, b->BT_CheckAll, b->BT_ClearChecks, b->BT_Close})
        w->show();
    for (QWidget *w : {b->BT_Edit, b->BT_Add, b->BT_Delete})
        w->hide();
    if (AllReadOnly()) {
        b->BT_SetChecked->hide();
        b->BT_CheckAll->hide();
        b->BT_ClearChecks->hide();
    } else if (EnabledCheckCount() <= 1) {
        b->BT_CheckAll->hide();
        b->BT_ClearChecks->hide();
        if (!b->BT_SetChecked->icon().isNull() && b->BT_SetChecked->text().isEmpty())
            b->BT_SetChecked->setToolTip(QStringLiteral("Set"));
        else
            b->BT_SetChecked->setText(QStringLiteral("Set"));
        b->BT_SetChecked->setEnabled(true);
        for (TEditItem &it : m_items)
            if (!it.check->isHidden() && it.check->isEnabled())
                it.check->setChecked(true);
        if (CheckedCount() <= 1)
            for (TEditItem &it : m_items)
                it.check->hide();
    }
    b->ArrangeButtons();
}

void TEditsPanel::AssignPortListEditor(int row, int boxesPerLine, int boxCount)
{
    if (!validRow(row) || (m_items[row].kind != EIK_READONLY_EDIT && m_items[row].kind != EIK_EDIT))
        ThrowPanelError(QStringLiteral("You can only assign Octet Item to a Edit!"));
    TEditItem &it = m_items[row];
    it.boxesPerLine = qMax(1, boxesPerLine);
    it.boxCount = qMax(0, boxCount);
    auto *edit = qobject_cast<QLineEdit *>(it.control);
    edit->setReadOnly(true);
    edit->setCursor(Qt::PointingHandCursor);
    edit->installEventFilter(this);
    UpdateReadableTip(row);
}

bool TEditsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) {
        for (int r = 0; r < m_items.size(); ++r) {
            if (m_items[r].control != watched || !IsPortListRow(r))
                continue;
            if (event->type() == QEvent::KeyPress) {
                // Moving on with Tab must stay possible.
                const int key = static_cast<QKeyEvent *>(event)->key();
                if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
                    return false;
            }
            try {
                EditPortList(r);
            } catch (const std::exception &) {
                // A failing port dialog must not take the window down.
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TEditsPanel::EditPortList(int row)
{
    if (!validRow(row) || !IsPortListRow(row) || !m_binding || m_inPortDialog)
        return;
    m_inPortDialog = true;
    TEditItem &it = m_items[row];
    QvSNMPRequest2Edits *b = m_binding;
    try {
        b->CollectControls(-1);
    } catch (const std::exception &) {
    }
    const bool readOnly = !it.enabled;
    TPortListDialog dialog(window(), vars()->Item(row).name, it.boxesPerLine, it.boxCount, readOnly);
    b->BindCheckBoxes(row, TPortListDialog::BitList(it.boxCount), dialog.Boxes);
    try {
        b->FillControls(row);
    } catch (const std::exception &) {
        ClearItem(row);
        for (QCheckBox *box : std::as_const(dialog.Boxes))
            box->setChecked(false);
    }
    const QString before = GetItemText(row);
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (ok && !readOnly) {
        try {
            b->CollectControls(-1);
        } catch (const std::exception &) {
        }
    }
    b->Unbind(row);
    b->BindEdits(row, it.format, {qobject_cast<QLineEdit *>(it.control)});
    try {
        b->FillControls(row);
        try {
            b->CollectControls(-1);
        } catch (const std::exception &) {
        }
    } catch (const std::exception &) {
    }
    m_inPortDialog = false;
    if (ok && !readOnly && GetItemText(row) != before)
        TickChangedItem(row);
}

TPortListDialog::TPortListDialog(QWidget *owner, const QString &caption, int boxesPerLine, int boxCount,
                                 bool readOnly)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(caption);
    boxesPerLine = qMax(1, boxesPerLine);
    QCheckBox probe;
    const int boxHeight = probe.sizeHint().height();
    QLabel probeLabel(QStringLiteral("50"));
    const int labelHeight = probeLabel.sizeHint().height();

    int right = 0, bottom = 0;
    for (int n = 0; n < boxCount; ++n) {
        auto *label = new QLabel(QString::number(n + 1), this);
        label->adjustSize();
        label->move(LabelPos(n, boxesPerLine, labelHeight, boxHeight));
        auto *box = new QCheckBox(this);
        box->setFixedWidth(20);
        box->resize(20, boxHeight);
        box->setFocusPolicy(Qt::NoFocus);
        box->setEnabled(!readOnly);
        box->move(BoxPos(n, boxesPerLine, labelHeight, boxHeight));
        Labels << label;
        Boxes << box;
        right = qMax(right, box->x() + box->width());
        bottom = qMax(bottom, box->y() + box->height());
    }

    const int top = bottom + 10;
    int x = 10;
    auto addButton = [&](const QString &text) {
        auto *bt = new QPushButton(text, this);
        bt->setAutoDefault(false);
        bt->resize(bt->sizeHint());
        bt->move(x, top);
        x += bt->width() + 10;
        return bt;
    };
    BT_OK = addButton(QStringLiteral("OK"));
    BT_OK->setDefault(true);
    connect(BT_OK, &QPushButton::clicked, this, &QDialog::accept);
    if (!readOnly) {
        BT_Cancel = addButton(QStringLiteral("Cancel"));
        connect(BT_Cancel, &QPushButton::clicked, this, &QDialog::reject);
        BT_CheckAll = addButton(QStringLiteral("Check All"));
        connect(BT_CheckAll, &QPushButton::clicked, this, [this] {
            for (QCheckBox *b : std::as_const(Boxes))
                b->setChecked(true);
        });
        BT_ClearChecks = addButton(QStringLiteral("Clear Checks"));
        connect(BT_ClearChecks, &QPushButton::clicked, this, [this] {
            for (QCheckBox *b : std::as_const(Boxes))
                b->setChecked(false);
        });
    }
    // The buttons may be wider than a short line of boxes; they must not be cut off.
    const int width = qMax(right, x - 10) + 10;
    setFixedSize(width, top + BT_OK->height() + 10);
}

QPoint TPortListDialog::LabelPos(int n, int boxesPerLine, int labelHeight, int boxHeight)
{
    const int line = n / boxesPerLine, column = n % boxesPerLine;
    return {column * 20 + 10, line * (boxHeight + labelHeight) + 10};
}

QPoint TPortListDialog::BoxPos(int n, int boxesPerLine, int labelHeight, int boxHeight)
{
    const QPoint label = LabelPos(n, boxesPerLine, labelHeight, boxHeight);
    return {label.x(), label.y() + labelHeight};
}

QString TPortListDialog::BitList(int boxCount)
{
    QStringList bits;
    for (int n = 0; n < boxCount; ++n)
        bits << QString::number(n);
    return bits.join(QLatin1Char(','));
}
