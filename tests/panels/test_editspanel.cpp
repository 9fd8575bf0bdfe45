// The rows of a variable list: kinds, both arrangements, row operations, counts, the button bar
// they choose, and the port-list dialog.
#include "qvoptionlist.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest2controls.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"
#include "tmessagebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
const QvOptionDesc statusDesc[] = {{1, "Active"}, {4, "CreateAndGo"}, {6, "Destroy"}, {0, nullptr}};
const QvOptionList statusOptions(statusDesc);

// One of each kind: read-only plain, read-only enumerated, writable plain, writable enumerated.
const QvSNMPVarDesc mixedVars[] = {
    {"1.3.6.1.4.1.9999.1.1", "Read Only", SYN_INTEGER, ACC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9999.1.2", "Read Only Option", SYN_INTEGER, ACC_READONLY, &statusOptions, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9999.1.3", "Writable", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9999.1.4", "A Much Longer Writable Name", SYN_INTEGER, ACC_READWRITE, &statusOptions, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

// A table keyed by its first column, with a port list and a status column.
const QvSNMPVarDesc vlanVars[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", SYN_GAUGE, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", SYN_OCTETSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", SYN_INTEGER, ACC_READWRITE, &statusOptions, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

const QvSNMPVarDesc keysOnlyVars[] = {
    {"1.3.6.1.4.1.9999.2.1", "Key", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9999.2.2", "Counter", SYN_COUNTER, ACC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

const QvSNMPVarDesc oneWritableVars[] = {
    {"1.3.6.1.4.1.9999.3.1", "Uptime", SYN_TIMETICKS, ACC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9999.3.2", "Contact", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

struct Fixture {
    QWidget form;
    std::unique_ptr<QvSNMPRequest2Edits> binding;
    std::unique_ptr<TEditsPanel> panel;
    QStringList messages;
    QvMessageHook previous;

    Fixture(const QvSNMPVarDesc *table, quint8 itemType, int indexCount)
    {
        previous = QvSetMessageHook([this](QWidget *, const QString &text, const QString &,
                                            QMessageBox::StandardButtons) {
            messages << text;
            return QMessageBox::Ok;
        });
        binding = std::make_unique<QvSNMPRequest2Edits>(&form);
        binding->Vars() = QvSNMPVarList(table, itemType, indexCount);
        panel = std::make_unique<TEditsPanel>(&form, binding.get());
    }
    ~Fixture()
    {
        panel.reset();
        binding.reset();
        QvSetMessageHook(previous);
    }
    QLineEdit *edit(int row) { return qobject_cast<QLineEdit *>(panel->Item(row).control); }
    QComboBox *combo(int row) { return qobject_cast<QComboBox *>(panel->Item(row).control); }
};
}

TEST(EditsPanel, KindsFollowAccessAndOptions)
{
    Fixture f(mixedVars, SVT_SV, 0);
    ASSERT_EQ(f.panel->ItemCount(), 4);
    const int kinds[] = {EIK_READONLY_EDIT, EIK_READONLY_OPTION, EIK_EDIT, EIK_COMBO};
    for (int r = 0; r < 4; ++r) {
        const TEditItem &it = f.panel->Item(r);
        EXPECT_EQ(it.kind, kinds[r]) << r;
        EXPECT_EQ(it.label->text(), QString::fromLatin1(mixedVars[r].name));
        EXPECT_EQ(it.check->width(), 20);
        EXPECT_EQ(it.check->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(it.check->property("tag").toInt(), r);
        EXPECT_EQ(it.control->width(), 121);
        EXPECT_EQ(qobject_cast<QComboBox *>(it.control) != nullptr, kinds[r] == EIK_COMBO) << r;
    }
    // The combo box lists the option labels; read-only rows are disabled, the others not ticked.
    EXPECT_EQ(f.combo(3)->count(), 3);
    EXPECT_EQ(f.combo(3)->itemText(1), "CreateAndGo");
    EXPECT_TRUE(f.edit(0)->isReadOnly());
    EXPECT_TRUE(f.panel->Item(0).check->isHidden());
    EXPECT_FALSE(f.edit(2)->isReadOnly());
    EXPECT_FALSE(f.panel->Item(2).check->isChecked());
    EXPECT_EQ(f.panel->EnabledCheckCount(), 2);
}

TEST(EditsPanel, OneRowPerLine)
{
    Fixture f(mixedVars, SVT_SV, 0);
    f.panel->ArrangeItems(2, true);
    int labelColumn = 0;
    for (int r = 0; r < 4; ++r)
        labelColumn = qMax(labelColumn, f.panel->Item(r).label->width());
    int top = 20, right = 0, bottom = 0;
    for (int r = 0; r < 4; ++r) {
        const TEditItem &it = f.panel->Item(r);
        EXPECT_EQ(it.control->y(), top) << r;
        EXPECT_GE(it.control->height(), 20);
        EXPECT_EQ(it.check->x(), 20);
        EXPECT_EQ(it.label->x(), 20 + 20 + 5);
        EXPECT_EQ(it.control->x(), 45 + labelColumn + 5) << r;
        EXPECT_EQ(it.label->y(), it.control->y() + (it.control->height() - it.label->height()) / 2);
        EXPECT_EQ(it.check->y(), it.control->y() + (it.control->height() - it.check->height()) / 2);
        top += it.control->height() + 5;
        right = qMax(right, it.control->geometry().right() + 1);
        bottom = qMax(bottom, it.control->geometry().bottom() + 1);
    }
    EXPECT_EQ(f.panel->size(), QSize(right + 40, bottom + 40));
}

TEST(EditsPanel, SideBySideAndHiddenRows)
{
    Fixture f(mixedVars, SVT_SV, 0);
    f.panel->HideItem(1);
    EXPECT_TRUE(f.binding->Vars().Item(1).access & ACC_HIDDEN);
    const QPoint hiddenAt = f.panel->Item(1).control->pos();
    f.panel->ArrangeItems(1, true);
    int x = 0;
    for (int r : {0, 2, 3}) {
        const TEditItem &it = f.panel->Item(r);
        EXPECT_EQ(it.control->y(), 20) << r;
        EXPECT_EQ(it.check->x(), x + 5) << r;
        EXPECT_EQ(it.label->x(), x + 20 + 10) << r;
        EXPECT_EQ(it.control->x(), it.label->x() + it.label->width() + 5) << r;
        x = it.control->x() + it.control->width();
    }
    // A hidden row keeps its place and its controls stay hidden.
    EXPECT_EQ(f.panel->Item(1).control->pos(), hiddenAt);
    EXPECT_TRUE(f.panel->Item(1).control->isHidden());
    EXPECT_TRUE(f.panel->Item(1).label->isHidden());

    f.panel->ShowItem(1);
    EXPECT_FALSE(f.binding->Vars().Item(1).access & ACC_HIDDEN);
    EXPECT_FALSE(f.panel->Item(1).control->isHidden());

    f.panel->SetEditWidth(200, 2);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(f.panel->Item(r).control->width(), 200);
}

TEST(EditsPanel, RowOperations)
{
    Fixture f(mixedVars, SVT_SV, 0);
    TEditsPanel &p = *f.panel;

    p.DisableItem(2);
    EXPECT_TRUE(f.edit(2)->isReadOnly());
    EXPECT_EQ(f.edit(2)->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(p.Item(2).check->isHidden());
    EXPECT_EQ(f.edit(2)->palette().color(QPalette::Base), p.readOnlyBackground);
    p.DisableItem(3);
    EXPECT_FALSE(f.combo(3)->isEnabled());

    p.SetDefaultTick(true);
    EXPECT_FALSE(f.edit(2)->isReadOnly());
    EXPECT_TRUE(p.Item(2).check->isChecked());
    EXPECT_TRUE(f.combo(3)->isEnabled());
    EXPECT_EQ(p.CheckedCount(), 2);
    EXPECT_TRUE(p.Item(0).check->isHidden());

    p.DisableItemCheck(2);
    EXPECT_FALSE(p.Item(2).check->isEnabled());
    EXPECT_TRUE(p.Item(2).check->isChecked());
    EXPECT_EQ(p.EnabledCheckCount(), 1);
    p.EnableItemCheck(2);
    p.UncheckItem(2);
    EXPECT_EQ(p.CheckedCount(), 1);
    p.CheckItem(2);
    EXPECT_EQ(p.CheckedCount(), 2);

    p.SetItemText(2, "abc");
    EXPECT_EQ(f.edit(2)->text(), "abc");
    EXPECT_EQ(f.binding->Vars().Item(2).valueText, "abc");
    p.SetItemText(3, "destroy");  // entries are matched without regard to case
    EXPECT_EQ(f.combo(3)->currentText(), "Destroy");
    EXPECT_EQ(p.GetItemText(3), "Destroy");
    EXPECT_FALSE(p.IsItemEmpty(3));
    p.ClearItem(3);
    EXPECT_EQ(f.combo(3)->currentIndex(), -1);
    EXPECT_TRUE(p.IsItemEmpty(3));
    p.ClearItems();
    EXPECT_TRUE(p.IsItemEmpty(2));
    EXPECT_TRUE(f.binding->Vars().Item(2).valueText.isEmpty());

    // A row beyond the last is refused with the message and changes nothing.
    p.DisableItem(4);
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_EQ(f.messages[0], "aIdx is overtop!\n you may define < 4");
}

TEST(EditsPanel, KeyColumnsAndReadOnlyColours)
{
    Fixture f(vlanVars, MVT_UMV, 1);
    EXPECT_TRUE(f.panel->IsKeyColumn(0));
    EXPECT_FALSE(f.panel->IsKeyColumn(1));
    // Writable by the list's rule, but a key: disabled by the default tick.
    EXPECT_EQ(f.panel->Item(0).kind, EIK_EDIT);
    EXPECT_TRUE(f.edit(0)->isReadOnly());
    f.panel->SetReadOnlyColours(Qt::darkBlue, Qt::yellow);
    EXPECT_EQ(f.edit(0)->palette().color(QPalette::Text), QColor(Qt::darkBlue));
    EXPECT_EQ(f.edit(0)->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_FALSE(f.panel->AllReadOnly());
}

TEST(EditsPanel, ArrangeCtrlBtnByWritableRows)
{
    struct Case {
        const char *name;
        const QvSNMPVarDesc *table;
        quint8 itemType;
        int indexCount;
        bool setShown, checkAllShown;
        QString setCaption;
        bool checksHidden;
    };
    const Case cases[] = {
        {"keys and read-only only", keysOnlyVars, MVT_FMV, 1, false, false, "Set Checked", false},
        {"one writable row", oneWritableVars, SVT_SV, 0, true, false, "Set", true},
        {"two writable rows", mixedVars, SVT_SV, 0, true, true, "Set Checked", false},
    };
    for (const Case &c : cases) {
        Fixture f(c.table, c.itemType, c.indexCount);
        TCtrlBtnPanel bar;
        f.panel->ArrangeCtrlBtn(&bar);
        EXPECT_TRUE(bar.ST_Count->isHidden()) << c.name;
        EXPECT_TRUE(bar.BT_Edit->isHidden()) << c.name;
        EXPECT_TRUE(bar.BT_Add->isHidden()) << c.name;
        EXPECT_FALSE(bar.BT_Refresh->isHidden()) << c.name;
        EXPECT_FALSE(bar.BT_Close->isHidden()) << c.name;
        EXPECT_EQ(!bar.BT_SetChecked->isHidden(), c.setShown) << c.name;
        EXPECT_EQ(!bar.BT_CheckAll->isHidden(), c.checkAllShown) << c.name;
        EXPECT_EQ(!bar.BT_ClearChecks->isHidden(), c.checkAllShown) << c.name;
        EXPECT_EQ(bar.BT_SetChecked->text(), c.setCaption) << c.name;
        if (c.setCaption == "Set") {
            EXPECT_TRUE(bar.BT_SetChecked->isEnabled());
            EXPECT_TRUE(f.panel->Item(1).check->isChecked()) << c.name;
        }
        bool allHidden = true;
        for (int r = 0; r < f.panel->ItemCount(); ++r)
            allHidden = allHidden && f.panel->Item(r).check->isHidden();
        if (c.checksHidden) {
            EXPECT_TRUE(allHidden) << c.name;
        } else if (c.setShown) {
            EXPECT_FALSE(allHidden) << c.name;
        }
        // Hidden controls take no room in the bar.
        EXPECT_EQ(bar.BT_Close->y(), [&] {
            int top = 10;
            for (QWidget *w : bar.LayoutList()) {
                if (w == bar.BT_Close)
                    return top;
                if (!w->isHidden())
                    top += w->height() + 5;
            }
            return -1;
        }()) << c.name;
    }
}

TEST(EditsPanel, WithoutBinding)
{
    QWidget form;
    TEditsPanel p(&form);
    TCtrlBtnPanel bar;
    EXPECT_EQ(p.ItemCount(), 0);
    try {
        p.ArrangeCtrlBtn(&bar);
        FAIL() << "no exception";
    } catch (const QvSNMPException &e) {
        EXPECT_EQ(e.text(), "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    }
}

TEST(PortListDialog, Geometry)
{
    struct Case {
        int perLine, count;
    };
    for (const Case c : {Case{25, 50}, Case{8, 20}, Case{1, 3}}) {
        TPortListDialog d(nullptr, "Egress Ports", c.perLine, c.count, false);
        ASSERT_EQ(d.Boxes.size(), c.count);
        const int labelH = d.Labels[0]->sizeHint().height();
        const int boxH = d.Boxes[0]->height();
        int lines = 0;
        for (int n = 0; n < c.count; ++n) {
            const int line = n / c.perLine, column = n % c.perLine;
            lines = qMax(lines, line + 1);
            EXPECT_EQ(d.Labels[n]->text(), QString::number(n + 1));
            EXPECT_EQ(d.Labels[n]->pos(), QPoint(column * 20 + 10, line * (boxH + labelH) + 10)) << n;
            EXPECT_EQ(d.Boxes[n]->pos(), QPoint(column * 20 + 10, line * (boxH + labelH) + 10 + labelH)) << n;
            EXPECT_EQ(d.Boxes[n]->width(), 20);
            EXPECT_TRUE(d.Boxes[n]->isEnabled());
        }
        EXPECT_EQ(lines, (c.count + c.perLine - 1) / c.perLine);
        const int lastBottom = d.Boxes.last()->geometry().bottom() + 1;
        EXPECT_EQ(d.BT_OK->y(), lastBottom + 10);
        EXPECT_EQ(d.BT_OK->x(), 10);
        EXPECT_EQ(d.BT_Cancel->x(), d.BT_OK->x() + d.BT_OK->width() + 10);
        EXPECT_EQ(d.BT_CheckAll->x(), d.BT_Cancel->x() + d.BT_Cancel->width() + 10);
        EXPECT_EQ(d.height(), d.BT_OK->y() + d.BT_OK->height() + 10);
        // Neither boxes nor buttons are cut off.
        EXPECT_GE(d.width(), d.BT_ClearChecks->geometry().right() + 1 + 10);
        EXPECT_GE(d.width(), qMin(c.count, c.perLine) * 20 + 10);
        d.BT_CheckAll->click();
        EXPECT_TRUE(d.Boxes.last()->isChecked());
        d.BT_ClearChecks->click();
        EXPECT_FALSE(d.Boxes.first()->isChecked());
    }
    TPortListDialog ro(nullptr, "Ports", 25, 50, true);
    EXPECT_FALSE(ro.Boxes[0]->isEnabled());
    EXPECT_EQ(ro.BT_Cancel, nullptr);
    EXPECT_EQ(TPortListDialog::BitList(4), "0,1,2,3");
}

TEST(PortListDialog, SetsBitsMostSignificantFirst)
{
    Fixture f(vlanVars, MVT_UMV, 1);
    EXPECT_THROW(f.panel->AssignPortListEditor(3, 25, 50), QvSNMPException);
    f.panel->AssignPortListEditor(2, 25, 50);
    EXPECT_TRUE(f.edit(2)->isReadOnly());
    f.panel->SetItemText(2, "00000000000000");

    struct Case {
        QList<int> ports;  // 1-based
        QString expected;
    };
    const Case cases[] = {
        {{1}, "80000000000000"},
        {{1, 2, 9}, "C0800000000000"},
        {{8, 50}, "01000000000040"},
        {{}, "00000000000000"},
    };
    for (const Case &c : cases) {
        int seenBoxes = 0;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<TPortListDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            seenBoxes = d->Boxes.size();
            d->BT_ClearChecks->click();
            for (int port : c.ports)
                d->Boxes[port - 1]->setChecked(true);
            d->BT_OK->click();
        });
        f.panel->EditPortList(2);
        EXPECT_EQ(seenBoxes, 50);
        EXPECT_EQ(f.edit(2)->text().toUpper(), c.expected);
        EXPECT_EQ(f.binding->Vars().Item(2).valueText.toUpper(), c.expected);
    }

    // Cancel leaves the value as it was, and the dialog shows the bits of the value.
    QList<bool> shown;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<TPortListDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        f.edit(2)->setText("x");
        for (QCheckBox *b : d->Boxes)
            shown << b->isChecked();
        d->BT_CheckAll->click();
        d->BT_Cancel->click();
    });
    f.panel->SetItemText(2, "40000000000001");
    f.panel->EditPortList(2);
    ASSERT_EQ(shown.size(), 50);
    for (int n = 0; n < 50; ++n)
        EXPECT_EQ(shown[n], n == 1) << n;
    EXPECT_EQ(f.edit(2)->text().toUpper(), "40000000000001");
}

// A value the user changed is meant to be sent: its row ticks itself. Values the program puts in
// (a refresh, SetItemText) tick nothing.
TEST(EditsPanel, TickFollowsTheUsersChanges)
{
    struct Case {
        const char *name;
        int row;
        std::function<void(Fixture &)> change;
        bool ticked;
    };
    auto portDialog = [](Fixture &f, const QList<int> &ports, bool ok) {
        QTimer::singleShot(0, [&f, ports, ok] {
            auto *d = qobject_cast<TPortListDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            for (int port : ports)
                d->Boxes[port - 1]->setChecked(true);
            (ok ? d->BT_OK : d->BT_Cancel)->click();
        });
        f.panel->EditPortList(2);
    };
    const Case cases[] = {
        {"typed name", 1, [](Fixture &f) { QTest::keyClicks(f.edit(1), "lab"); }, true},
        {"combo choice", 3, [](Fixture &f) { QTest::keyClick(f.combo(3), Qt::Key_Down); }, true},
        {"ports picked", 2, [&](Fixture &f) { portDialog(f, {5, 6, 7, 8, 49}, true); }, true},
        {"port dialog cancelled", 2, [&](Fixture &f) { portDialog(f, {5}, false); }, false},
        {"port dialog left as it was", 2, [&](Fixture &f) { portDialog(f, {}, true); }, false},
        {"text set by the program", 1, [](Fixture &f) { f.panel->SetItemText(1, "filled"); }, false},
        {"refresh fills the row", 1,
         [](Fixture &f) {
             f.binding->Vars().Item(1).valueText = "from agent";
             f.binding->FillControls(-1);
         },
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(vlanVars, MVT_UMV, 1);
        f.panel->AssignPortListEditor(2, 25, 50);
        f.panel->SetItemText(2, "00000000000000");
        f.panel->SetItemText(3, "Active");
        QList<int> clicked;
        QObject::connect(f.panel.get(), &TEditsPanel::ItemCheckClicked, [&](int row) { clicked << row; });
        f.combo(3)->setFocus();
        c.change(f);
        for (int r = 1; r < 4; ++r)
            EXPECT_EQ(f.panel->Item(r).check->isChecked(), c.ticked && r == c.row) << "row " << r;
        EXPECT_EQ(clicked, c.ticked ? QList<int>{c.row} : QList<int>{});
    }

    // The box can still be unticked afterwards, and a key column's hidden box never ticks.
    Fixture f(vlanVars, MVT_UMV, 1);
    QTest::keyClicks(f.edit(1), "x");
    f.panel->UncheckItem(1);
    EXPECT_FALSE(f.panel->Item(1).check->isChecked());
    f.panel->TickChangedItem(0);
    EXPECT_FALSE(f.panel->Item(0).check->isChecked());
}

// The value box's tooltip tells what the stated text means.
TEST(EditsPanel, ValueTooltipShowsTheReadableForm)
{
    Fixture f(vlanVars, MVT_UMV, 1);
    f.panel->AssignPortListEditor(2, 25, 50);
    f.panel->SetItemText(2, "0F000000000080");
    EXPECT_EQ(f.edit(2)->text(), "0F000000000080") << "the stated text stays";
    EXPECT_EQ(f.edit(2)->toolTip(), "5-8, 49");
    f.panel->SetItemText(1, "office");
    EXPECT_EQ(f.edit(1)->toolTip(), "");
    const QString cut = "portType-100Base-TX-with-a-long-tail";
    f.panel->SetItemText(1, cut);
    EXPECT_EQ(f.edit(1)->toolTip(), cut) << "a text cut by its box is shown whole";
}
