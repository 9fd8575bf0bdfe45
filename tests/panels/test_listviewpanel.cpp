// The list panel without an agent: its size rule, the buttons it shows, the status setters,
// the row hint and what a click on empty space does.
#include "qvoptionlist.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest2controls.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"
#include "tlistviewpanel.h"
#include "tmessagebox.h"
#include "tmsgpanel.h"
#include "tsnmppanel.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {
const QvOptionDesc statusDesc[] = {{1, "Active"}, {4, "CreateAndGo"}, {6, "Destroy"}, {0, nullptr}};
const QvOptionList statusOptions(statusDesc);

const QvSNMPVarDesc threeColumns[] = {
    {"1.3.6.1.4.1.9999.5.1", "Index", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9999.5.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9999.5.3", "Status", SYN_INTEGER, ACC_READWRITE, &statusOptions, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

const QvSNMPVarDesc readOnlyTable[] = {
    {"1.3.6.1.4.1.9999.6.1", "Index", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9999.6.2", "Packets", SYN_COUNTER, ACC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

struct ListFixture {
    QWidget form;
    std::unique_ptr<QvSNMPRequest2Edits> binding;
    std::unique_ptr<TSNMPListViewPanel> panel;
    explicit ListFixture(const QvSNMPVarDesc *table)
    {
        binding = std::make_unique<QvSNMPRequest2Edits>(&form);
        binding->Vars() = QvSNMPVarList(table, MVT_UMV, 1);
        panel = std::make_unique<TSNMPListViewPanel>(&form, binding.get());
    }
    ~ListFixture()
    {
        panel.reset();
        binding.reset();
    }
};
}

TEST(ListViewPanel, WidthFromCaptions)
{
    struct Case {
        const char *name;
        QStringList captions;
        int border;
        int expected;
    };
    const Case cases[] = {
        {"5, 4 and 6 characters", {"Index", "Name", "Status"}, 2, 8 * 15 + 4},
        {"no border", {"Index", "Name", "Status"}, 0, 120},
        {"60 characters capped", {QString(20, 'a'), QString(20, 'b'), QString(20, 'c')}, 1, 450},
        {"just under the cap", {QString(56, 'a')}, 0, 448},
        {"no columns", {}, 3, 6},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TListViewPanel::WidthFor(c.captions, c.border), c.expected) << c.name;
}

TEST(ListViewPanel, BoundListTakesSizeRuleAndButtons)
{
    QWidget form;
    QvSNMPRequest2Edits binding(&form);
    binding.Vars() = QvSNMPVarList(threeColumns, MVT_UMV, 1);
    TListViewPanel p(&form, &binding);
    QStringList captions;
    for (int c = 0; c < p.ListView->columnCount(); ++c)
        captions << p.ListView->headerItem()->text(c);
    ASSERT_EQ(captions.size(), 3);
    EXPECT_EQ(p.size(), QSize(TListViewPanel::WidthFor(captions, p.ListView->frameWidth()), 350));

    TCtrlBtnPanel bar;
    p.ArrangeCtrlBtn(&bar);
    EXPECT_FALSE(bar.ST_Count->isHidden());
    EXPECT_FALSE(bar.BT_Edit->isHidden());
    EXPECT_FALSE(bar.BT_Edit->isEnabled());
    EXPECT_TRUE(bar.BT_Add->isHidden());
    EXPECT_TRUE(bar.BT_Delete->isHidden());
    EXPECT_TRUE(bar.BT_SetChecked->isHidden());
    p.addStatusRow = 2;
    p.deleteStatusRow = 2;
    p.ArrangeCtrlBtn(&bar);
    EXPECT_FALSE(bar.BT_Add->isHidden());
    EXPECT_FALSE(bar.BT_Delete->isHidden());
    EXPECT_FALSE(bar.BT_Delete->isEnabled());
}

TEST(SNMPListViewPanel, StatusSetters)
{
    ListFixture f(threeColumns);
    TSNMPListViewPanel &p = *f.panel;
    EXPECT_TRUE(p.CtrlBtn->BT_Add->isHidden());
    struct Case {
        const char *name;
        bool add;
        int row;
        QString text;
        QString error;  // empty: accepted
    };
    const Case cases[] = {
        {"text not among the entries", true, 2, "Bogus", "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:Bogus"},
        {"edit row", true, 1, "Active", "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:Active"},
        {"row out of range", false, 7, "Destroy", "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:Destroy"},
        {"add, other case", true, 2, "createandgo", ""},
        {"delete", false, 2, "Destroy", ""},
    };
    for (const Case &c : cases) {
        try {
            if (c.add)
                p.SetAddStatus(c.row, c.text);
            else
                p.SetDeleteStatus(c.row, c.text);
            EXPECT_TRUE(c.error.isEmpty()) << c.name;
        } catch (const QvSNMPException &e) {
            EXPECT_EQ(e.text(), c.error) << c.name;
        }
    }
    EXPECT_EQ(p.ListPanel->addStatusRow, 2);
    EXPECT_EQ(p.ListPanel->addStatusText, "createandgo");
    EXPECT_EQ(p.ListPanel->deleteStatusText, "Destroy");
    EXPECT_FALSE(p.CtrlBtn->BT_Add->isHidden());
    EXPECT_FALSE(p.CtrlBtn->BT_Delete->isHidden());
    EXPECT_FALSE(p.CtrlBtn->BT_Edit->isHidden());
    EXPECT_TRUE(p.EditsPanel->isHidden());
}

TEST(SNMPListViewPanel, ReadOnlyTableHasNoEdit)
{
    ListFixture f(readOnlyTable);
    EXPECT_TRUE(f.panel->CtrlBtn->BT_Edit->isHidden());
}

TEST(SNMPListViewPanel, ItemConstraintOnlyOnEdits)
{
    ListFixture f(threeColumns);
    struct Case {
        int row;
        QString error;
    };
    const Case cases[] = {{2, "Can not set Var format to a ComboBox!"}, {9, "Unknow UI Control type!"}, {1, ""}};
    for (const Case &c : cases) {
        try {
            f.panel->SetItemConstraint(c.row, "%s{l4}");
            EXPECT_TRUE(c.error.isEmpty()) << c.row;
        } catch (const QvSNMPException &e) {
            EXPECT_EQ(e.text(), c.error) << c.row;
        }
    }
    // The new constraint is in force on the row's edit.
    auto *edit = qobject_cast<QLineEdit *>(f.panel->EditsPanel->Item(1).control);
    EXPECT_EQ(edit->maxLength(), 4);
    EXPECT_EQ(f.panel->EditsPanel->Item(1).format, "%s{l4}");
}

TEST(SNMPListViewPanel, HintIsATwoColumnTable)
{
    struct Case {
        const char *name;
        QStringList captions, values, readable;
        QString expected;
    };
    const QString head = "<qt><table cellspacing=\"0\" cellpadding=\"1\">";
    const QString cap = "<tr><td style=\"white-space:pre\"><b>";
    const QString mid = "</b>&nbsp;&nbsp;</td><td style=\"white-space:pre\">";
    const Case cases[] = {
        {"one line per column",
         {"ID", "Name"},
         {"7", "office"},
         {},
         head + cap + "ID" + mid + "7</td></tr>" + cap + "Name" + mid + "office</td></tr></table></qt>"},
        {"readable form below the stated text",
         {"Egress Ports"},
         {"0F000000000080"},
         {"5-8, 49"},
         head + cap + "Egress Ports" + mid + "0F000000000080<br><i>= 5-8, 49</i></td></tr></table></qt>"},
        {"markup and control characters are shown, not obeyed",
         {"Name  "},
         {QString("a<b>&") + QChar(0) + QChar('\n') + QChar(0xE9)},
         {},
         head + cap + "Name" + mid + "a&lt;b&gt;&amp;.." + QChar(0xE9) + "</td></tr></table></qt>"},
        {"no columns", {}, {}, {}, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TSNMPListViewPanel::HintText(c.captions, c.values, c.readable), c.expected) << c.name;
}

// Over a row the hint shows readable forms beside the cells, whose texts stay as they are.
TEST(SNMPListViewPanel, ReadableFormsBesideTheCells)
{
    const QvSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.9999.7.1", "Index", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {"1.3.6.1.4.1.9999.7.2", "Egress Ports", SYN_OCTETSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {"1.3.6.1.4.1.9999.7.3", "Privacy Protocol", SYN_OBJECTID, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {"1.3.6.1.4.1.9999.7.4", "Address", SYN_MACADDRESS, ACC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    ListFixture f(table);
    const QStringList cells{"3", "0F000000000080", "1.3.6.1.6.3.10.1.2.2", "0011223344AA"};
    const QStringList readable{"", "5-8, 49", "usmDESPrivProtocol (DES)", "00:11:22:33:44:AA"};
    for (int c = 0; c < cells.size(); ++c)
        EXPECT_EQ(f.panel->ColumnReadable(c, cells[c]), readable[c]) << c;
}

// Cut cells widen their column after rows arrive, up to the cap, never below the design width.
TEST(SNMPListViewPanel, ColumnsWidenToTheirContent)
{
    ListFixture f(threeColumns);
    TSNMPListViewPanel &p = *f.panel;
    f.form.resize(800, 400);
    p.resize(800, 400);
    f.form.show();
    QTreeWidget *lv = p.ListPanel->ListView;
    QHeaderView *header = lv->header();
    QList<int> design;
    for (int c = 0; c < lv->columnCount(); ++c)
        design << header->sectionSize(c);
    new QTreeWidgetItem(lv, QStringList{"1", QString(20, 'n'), "x"});
    new QTreeWidgetItem(lv, QStringList{"2", "a", QString(200, 'w')});
    ASSERT_TRUE(QTest::qWaitFor([&] { return header->sectionSize(1) > design[1]; }, 5000));
    const int nameWidth = header->sectionSize(1);
    EXPECT_GE(nameWidth, lv->fontMetrics().horizontalAdvance(QString(20, 'n')));
    EXPECT_EQ(header->sectionSize(2), TSNMPListViewPanel::MaxColumnWidth) << "capped";
    EXPECT_GE(header->sectionSize(0), design[0]) << "never narrower than designed";

    // A later, shorter list keeps the columns as wide as they are.
    lv->clear();
    new QTreeWidgetItem(lv, QStringList{"3", "b", "c"});
    QTest::qWait(300);
    EXPECT_EQ(header->sectionSize(1), nameWidth);
}

// The right button's menu leaves the buttons as a click on the row leaves them.
TEST(SNMPListViewPanel, ContextMenuClickSelectsLikeAClick)
{
    ListFixture f(threeColumns);
    TSNMPListViewPanel &p = *f.panel;
    f.form.resize(600, 400);
    p.resize(600, 400);
    f.form.show();
    QTreeWidget *lv = p.ListPanel->ListView;
    auto *row = new QTreeWidgetItem(lv, QStringList{"1", "hq", "Active"});
    QStringList shown;
    QTimer::singleShot(50, [&] {
        if (QWidget *menu = QApplication::activePopupWidget()) {
            for (QAction *a : menu->actions())
                shown << a->text();
            menu->close();
        }
    });
    const QPoint at = lv->visualItemRect(row).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, lv->viewport()->mapToGlobal(at));
    QTest::mousePress(lv->viewport(), Qt::RightButton, {}, at);
    QApplication::sendEvent(lv->viewport(), &event);
    EXPECT_EQ(shown, (QStringList{"Copy", "Export as CSV..."}));
    EXPECT_TRUE(row->isSelected());
    EXPECT_TRUE(p.CtrlBtn->BT_Edit->isEnabled());
    EXPECT_TRUE(p.CtrlBtn->BT_Delete->isEnabled());
}

// Delete asks with "No" as the default button: Enter alone deletes nothing.
TEST(SNMPListViewPanel, DeleteDefaultsToNo)
{
    ListFixture f(threeColumns);
    f.panel->SetDeleteStatus(2, "Destroy");
    QvMessageHook previous = QvSetMessageHook({});
    QString text;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        defaultButton = box->standardButton(box->defaultButton());
        QTest::keyClick(box, Qt::Key_Return);
    });
    f.panel->DeleteClick();
    QvSetMessageHook(previous);
    EXPECT_EQ(text, "Are you sure to delete ?");
    EXPECT_EQ(defaultButton, QMessageBox::No);
    // Answered No, the panel sent nothing: no report line reached its strip.
    EXPECT_TRUE(f.panel->Strip()->Memo->toPlainText().isEmpty());
}

const QvSNMPVarDesc arpLike[] = {
    {"1.3.6.1.4.1.9999.8.1", "IfIndex", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9999.8.3", "Net Address", SYN_IPADDRESS, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr,
     nullptr},
    {"1.3.6.1.4.1.9999.8.2", "Phys Address", SYN_MACADDRESS, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr,
     nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

// The question names the row it would delete by its index columns, else its first column.
TEST(SNMPListViewPanel, DeleteNamesTheRow)
{
    struct Case {
        const char *name;
        const QvSNMPVarDesc *table;
        int indexCount;
        QStringList row;  // empty: nothing selected
        QString question;
    };
    const Case cases[] = {
        {"one index column", threeColumns, 1, {"7", "hq", "Active"}, "Are you sure to delete 7 ?"},
        {"two index columns", arpLike, 2, {"1", "10.0.0.1", "001122334455"}, "Are you sure to delete 1, 10.0.0.1 ?"},
        {"no index column", threeColumns, 0, {"7", "hq", "Active"}, "Are you sure to delete 7 ?"},
        {"an empty index shows the next column", threeColumns, 0, {"", "hq", "Active"},
         "Are you sure to delete hq ?"},
        {"nothing selected", threeColumns, 1, {}, "Are you sure to delete ?"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ListFixture f(c.table);
        f.binding->Vars().indexCount = c.indexCount;
        QTreeWidget *lv = f.panel->ListPanel->ListView;
        if (!c.row.isEmpty())
            lv->setCurrentItem(new QTreeWidgetItem(lv, c.row));
        QStringList asked;
        QvMessageHook previous = QvSetMessageHook(
            [&](QWidget *, const QString &text, const QString &, QMessageBox::StandardButtons) {
                asked << text;
                return QMessageBox::No;
            });
        f.panel->DeleteClick();
        QvSetMessageHook(previous);
        EXPECT_EQ(asked.join(u'|').toStdString(), c.question.toStdString());
    }
}

TEST(SNMPListViewPanel, ClickOnEmptySpaceClearsSelectionAndRows)
{
    ListFixture f(threeColumns);
    TSNMPListViewPanel &p = *f.panel;
    f.form.resize(600, 400);
    p.resize(600, 400);
    f.form.show();
    QTreeWidget *lv = p.ListPanel->ListView;
    auto *row = new QTreeWidgetItem(lv, QStringList{"1", "hq", "Active"});
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, lv->visualItemRect(row).center());
    EXPECT_TRUE(row->isSelected());
    EXPECT_TRUE(p.CtrlBtn->BT_Edit->isEnabled());
    EXPECT_TRUE(p.CtrlBtn->BT_Delete->isEnabled());
    EXPECT_EQ(p.CtrlBtn->ST_Count->text(), "1");

    p.EditsPanel->SetItemText(1, "typed");
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, QPoint(5, lv->viewport()->height() - 5));
    EXPECT_FALSE(row->isSelected());
    EXPECT_FALSE(p.CtrlBtn->BT_Edit->isEnabled());
    EXPECT_FALSE(p.CtrlBtn->BT_Delete->isEnabled());
    EXPECT_TRUE(p.EditsPanel->IsItemEmpty(1));
    delete row;
    EXPECT_EQ(p.CtrlBtn->ST_Count->text(), "0");
}
