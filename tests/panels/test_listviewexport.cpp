// Copy and Export as CSV of a list view: field quoting, the clipboard text, the file written,
// the proposed file name, a failing write, and the menu a generated list panel gets.
#include "qvsnmprequest2controls.h"
#include "tlistviewexport.h"
#include "tmessagebox.h"
#include "tlistviewpanel.h"
#include "tsnmppanel.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

TEST(ListText, FieldsQuoteOnlyWhatNeedsIt)
{
    const struct { const char *name; QString text; QChar sep; QString expected; } cases[] = {
        {"plain", "office", ',', "office"},
        {"comma", "a,b", ',', "\"a,b\""},
        {"quote", "say \"hi\"", ',', "\"say \"\"hi\"\"\""},
        {"line feed", "two\nlines", ',', "\"two\nlines\""},
        {"carriage return", "a\rb", ',', "\"a\rb\""},
        {"comma is plain text in a tab line", "a,b", '\t', "a,b"},
        {"tab in a tab line", "a\tb", '\t', "\"a\tb\""},
        {"empty", "", ',', ""},
        {"blanks kept", " x ", ',', " x "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ListText::Field(c.text, c.sep), c.expected) << c.name;
}

TEST(ListText, CsvAndTsvDocuments)
{
    const QStringList header{"VLAN ID", "Name"};
    const QList<QStringList> rows{{"1", "default"}, {"77", "lab, \"east\"\nfloor 2"}, {"8", QString(QChar(0xE9))}};
    EXPECT_EQ(ListText::Csv(header, rows),
              QByteArray("VLAN ID,Name\r\n1,default\r\n77,\"lab, \"\"east\"\"\nfloor 2\"\r\n8,\xC3\xA9\r\n"));
    EXPECT_EQ(ListText::Tsv(header, rows.mid(0, 2)),
              QString("VLAN ID\tName\n1\tdefault\n77\t\"lab, \"\"east\"\"\nfloor 2\"\n"));
    EXPECT_EQ(ListText::Csv({}, {}), QByteArray("\r\n"));
}

TEST(ListText, FileNameFromCaption)
{
    const struct { const char *caption, *expected; } cases[] = {
        {"802.1Q VLAN Config", "802.1Q VLAN Config.csv"},
        {"Port 5 - Port Information", "Port 5 - Port Information.csv"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j.csv"},
        {"", "list.csv"},
        {"  ..hidden", "list..hidden.csv"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ListText::FileNameFor(c.caption), QString(c.expected)) << c.caption;
}

namespace {
// A list of three columns, the first hidden as a key column is, with three rows.
struct ListView {
    QWidget window;
    QTreeWidget *lv = new QTreeWidget(&window);
    TListViewExport *exporter;
    ListView()
    {
        window.setWindowTitle("IP Routing: table/1");
        lv->setColumnCount(3);
        lv->setHeaderLabels({"Key", "Destination", "Note"});
        lv->setSelectionMode(QAbstractItemView::ExtendedSelection);
        lv->header()->setMinimumSectionSize(0);  // as a bound list view has it
        lv->header()->resizeSection(0, 0);
        new QTreeWidgetItem(lv, QStringList{"k1", "10.0.0.0", "a,b"});
        new QTreeWidgetItem(lv, QStringList{"k2", "10.1.0.0", "quote \""});
        new QTreeWidgetItem(lv, QStringList{"k3", "10.2.0.0", QString("byte ") + QChar(0xFF)});
        exporter = TListViewExport::Attach(lv);
    }
};
}

TEST(ListViewExport, CopyTakesTheSelectedRowsUnderAHeader)
{
    ListView v;
    EXPECT_EQ(TListViewExport::Attach(v.lv), v.exporter) << "one per list view";
    EXPECT_FALSE(v.exporter->CopySelected()) << "nothing selected";
    v.lv->topLevelItem(0)->setSelected(true);
    v.lv->topLevelItem(2)->setSelected(true);
    QApplication::clipboard()->clear();
    ASSERT_TRUE(v.exporter->CopySelected());
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString("Destination\tNote\n10.0.0.0\ta,b\n10.2.0.0\tbyte ") + QChar(0xFF) + "\n");

    // The shortcut reaches the same action from the focused list view.
    v.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v.window));
    v.lv->setFocus();
    v.lv->topLevelItem(2)->setSelected(false);
    QApplication::clipboard()->clear();
    QTest::keyClick(v.lv, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString("Destination\tNote\n10.0.0.0\ta,b\n"));
}

TEST(ListViewExport, ExportWritesTheWholeListAsUtf8Csv)
{
    ListView v;
    v.lv->topLevelItem(1)->setSelected(true);  // the selection does not limit an export
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString proposed;
    auto previous = TListViewExport::SetSaveFileFunc([&](QWidget *, const QString &path) {
        proposed = path;
        return dir.filePath("out.csv");
    });
    v.exporter->ExportAction->trigger();
    TListViewExport::SetSaveFileFunc(previous);
    EXPECT_EQ(QFileInfo(proposed).fileName(), "IP Routing_ table_1.csv");
    QFile file(dir.filePath("out.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Destination,Note\r\n10.0.0.0,\"a,b\"\r\n10.1.0.0,\"quote \"\"\"\r\n"
                                         "10.2.0.0,byte \xC3\xBF\r\n"));
}

TEST(ListViewExport, CancelWritesNothingAndAFailedWriteIsTold)
{
    ListView v;
    QTemporaryDir dir;
    QStringList boxes;
    QvMessageHook previousBox = QvSetMessageHook(
        [&](QWidget *, const QString &text, const QString &, QMessageBox::StandardButtons) {
            boxes << text;
            return QMessageBox::Ok;
        });
    QString target;
    auto previous = TListViewExport::SetSaveFileFunc([&](QWidget *, const QString &) { return target; });
    v.exporter->ExportAsCsv();  // cancelled
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(boxes.isEmpty());
    target = dir.filePath("no/such/folder/out.csv");
    v.exporter->ExportAsCsv();
    TListViewExport::SetSaveFileFunc(previous);
    QvSetMessageHook(previousBox);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith("Cannot write ")) << boxes[0].toStdString();
}

// Every generated list panel has the menu; its left clicks stay its own.
TEST(ListViewExport, GeneratedListPanelsHaveTheMenu)
{
    const QvSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.9999.8.1", "Index", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {"1.3.6.1.4.1.9999.8.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    QWidget form;
    form.setWindowTitle("802.1Q VLAN Config");
    QvSNMPRequest2Edits binding(&form);
    binding.Vars() = QvSNMPVarList(table, MVT_UMV, 1);
    auto *panel = new TSNMPListViewPanel(&form, &binding);
    QTreeWidget *lv = panel->ListPanel->ListView;
    EXPECT_EQ(lv->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList actions;
    for (QAction *a : lv->actions())
        actions << a->text() + " " + a->shortcut().toString();
    EXPECT_EQ(actions, (QStringList{"Copy Ctrl+C", "Export as CSV... Ctrl+S"}));
    auto *exporter = lv->findChild<TListViewExport *>();
    ASSERT_NE(exporter, nullptr);
    EXPECT_EQ(exporter->Caption(), "802.1Q VLAN Config");
    delete panel;
}
