// Search, sort and filter of list views: the filter forms, MAC notations, counts, sort orders and
// the return to arrival order, rows arriving under a filter, export of what is shown, readable
// cells that leave the raw value to Edit and Delete, and where the box goes.
#include "qvsnmprequest2controls.h"
#include "tlistviewexport.h"
#include "tlistviewfilter.h"
#include "tlistviewpanel.h"
#include "tsnmppanel.h"

#include <QAbstractItemModelTester>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

using namespace ListFilter;

TEST(ListFilterRules, ParsesTheFilterForms)
{
    const QStringList captions{"Address", "Port", "Status", "Peak", "Peak Occured at", ""};
    const QHash<QString, int> aliases{{"mac", 0}};
    const struct { const char *input; int column; const char *text; } cases[] = {
        {"learned", -1, "learned"},
        {"  Port: 5 ", 1, "5"},
        {"port:5", 1, "5"},
        {"STATUS: Learned", 2, "Learned"},
        {"stat: self", 2, "self"},                   // unambiguous beginning
        {"peak: 9", 3, "9"},                         // the exact caption wins over a longer one
        {"peakoccured: 12:00", 4, "12:00"},          // blanks in captions ignored
        {"p: 9", -1, "p: 9"},                        // ambiguous: the whole text, every cell
        {"mac: 00:0d", 0, "00:0d"},                  // alias
        {"00:0d:88", -1, "00:0d:88"},                // no column named "00"
        {"vlan: 10", -1, "vlan: 10"},                // no such column here
        {": x", -1, ": x"},
        {"", -1, ""},
    };
    for (const auto &c : cases) {
        const Query q = Parse(c.input, captions, aliases);
        EXPECT_EQ(q.column, c.column) << c.input;
        EXPECT_EQ(q.text, QString(c.text)) << c.input;
    }
}

TEST(ListFilterRules, CellsMatch)
{
    const struct { const char *needle, *shown, *raw; bool inColumn, expected; } cases[] = {
        {"LEARN", "learned", "learned", false, true},
        {"arn", "learned", "learned", false, true},
        {"static", "learned", "learned", false, false},
        {"5", "15", "15", false, true},                          // any cell: text inside
        {"5", "15", "15", true, false},                          // a column: the number itself
        {"5", "5", "5", true, true},
        {"05", "5", "5", true, true},
        {"-5", "5", "5", true, false},
        {"00:0d", "00:0D:88:AA:BB:CC", "000D88AABBCC", true, true},
        {"00-0D-88", "00:0D:88:AA:BB:CC", "000D88AABBCC", true, true},
        {"000d88a", "00:0D:88:AA:BB:CC", "000D88AABBCC", true, true},
        {"00 0d", "00:0D:88:AA:BB:CC", "000D88AABBCC", true, true},
        {"000D.88AA", "00:0D:88:AA:BB:CC", "000D88AABBCC", true, true},
        {"0d:88", "00:0D:88:AA:BB:CC", "000D88AABBCC", true, true},   // text inside the shown form
        {"0d88", "00:0D:88:AA:BB:CC", "000D88AABBCC", true, true},    // ... or inside the raw one
        {"00-0e", "00:0D:88:AA:BB:CC", "000D88AABBCC", true, false},
        {"0d-88", "00:0D:88:AA:BB:CC", "000D88AABBCC", true, false},  // a beginning, not inside
        {"00:0d", "000D88AABBCC", "000D88AABBCC", true, true},        // readable forms off
        {"00:0d", "10:00:0d", "10:00:0d", true, true},                // plainly inside
        {"", "anything", "anything", true, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CellMatches(c.needle, c.shown, c.raw, c.inColumn), c.expected)
            << c.needle << " in " << c.shown << (c.inColumn ? " (column)" : "");
}

TEST(ListFilterRules, SortOrders)
{
    auto sorted = [](QStringList texts) {
        std::stable_sort(texts.begin(), texts.end(),
                         [](const QString &a, const QString &b) { return Compare(KeyOf(a), KeyOf(b)) < 0; });
        return texts;
    };
    const struct { const char *name; QStringList in, out; } cases[] = {
        {"whole numbers", {"10", "9", "100", "-3", "0"}, {"-3", "0", "9", "10", "100"}},
        {"64-bit counters", {"18446744073709551615", "18446744073709551614", "2"},
         {"2", "18446744073709551614", "18446744073709551615"}},
        {"reals", {"1.5", "1.25", "-0.5", "10"}, {"-0.5", "1.25", "1.5", "10"}},
        {"numbers with units", {"12.5 %", "3 %", "100 %"}, {"3 %", "12.5 %", "100 %"}},
        {"IP addresses by octets", {"10.0.0.10", "10.0.0.2", "9.255.255.255", "192.168.1.1"},
         {"9.255.255.255", "10.0.0.2", "10.0.0.10", "192.168.1.1"}},
        {"dotted indexes by parts", {"1.3.6.1.10", "1.3.6.1.9", "1.3.6.1", "1.3.6.1.9.1"},
         {"1.3.6.1", "1.3.6.1.9", "1.3.6.1.9.1", "1.3.6.1.10"}},
        {"times", {"12:00:05", "9:59:59", "12:00:00"}, {"9:59:59", "12:00:00", "12:00:05"}},
        {"text, case-insensitive, numbers inside", {"port 10", "Port 9", "alpha", "Beta"},
         {"alpha", "Beta", "Port 9", "port 10"}},
        {"empty first, numbers before text", {"n/a", "", "7"}, {"", "7", "n/a"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(sorted(c.in), c.out) << c.name;
}

namespace {

// A window with a layout holding one list of address, port and status rows.
struct Window {
    QWidget window;
    QTreeWidget *lv = new QTreeWidget;
    TListViewFilter *filter;
    explicit Window(const QList<QStringList> &rows = {})
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(lv);
        lv->setHeaderLabels({"Address", "Port", "Status"});
        filter = TListViewFilter::Attach(lv);
        for (const QStringList &r : rows)
            new QTreeWidgetItem(lv, r);
    }
    QStringList Shown(int column = 0) const
    {
        QStringList out;
        for (int r = 0; r < lv->topLevelItemCount(); ++r)
            if (!lv->topLevelItem(r)->isHidden())
                out << lv->topLevelItem(r)->text(column);
        return out;
    }
};

const QList<QStringList> fdb{
    {"000D88000001", "5", "learned"},   {"000D88000002", "15", "learned"}, {"0011220000AA", "5", "self"},
    {"00E0FC000010", "50", "learned"},  {"000D99000003", "2", "mgmt"},
};

}  // namespace

TEST(ListViewFilter, FiltersAndCounts)
{
    Window w(fdb);
    QAbstractItemModelTester tester(w.lv->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    w.filter->SetAliases({{"mac", 0}});
    EXPECT_EQ(w.filter->CountLabel()->text(), "5") << "no filter: the total";
    const struct { const char *filter; QStringList shown; const char *count; } cases[] = {
        {"LEARNED", {"000D88000001", "000D88000002", "00E0FC000010"}, "3/5"},
        {"port: 5", {"000D88000001", "0011220000AA"}, "2/5"},
        {"po: 50", {"00E0FC000010"}, "1/5"},
        {"mac: 00:0d:88", {"000D88000001", "000D88000002"}, "2/5"},
        {"mac: 00-0D", {"000D88000001", "000D88000002", "000D99000003"}, "3/5"},
        {"address: 000d99", {"000D99000003"}, "1/5"},
        {"status: nothing", {}, "0/5"},
        {"", {"000D88000001", "000D88000002", "0011220000AA", "00E0FC000010", "000D99000003"}, "5"},
    };
    for (const auto &c : cases) {
        w.filter->SetFilterText(c.filter);
        EXPECT_EQ(w.Shown(), c.shown) << c.filter;
        EXPECT_EQ(w.filter->CountLabel()->text(), QString(c.count)) << c.filter;
        EXPECT_EQ(w.filter->ShownCount(), c.shown.size()) << c.filter;
    }

    // Typing filters after a pause, not at every key.
    w.filter->Edit()->setText("self");
    EXPECT_EQ(w.Shown().size(), 5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.Shown().size() == 1; }, 2000));
    EXPECT_EQ(w.filter->CountText(), "1/5");
}

TEST(ListViewFilter, RowsArrivingUnderAFilterAreFilteredAsTheyCome)
{
    QWidget form;
    QvSNMPRequest2Edits binding(&form);
    const QvSNMPVarDesc table[] = {
        {"1.3.6.1.2.1.17.4.3.1.1", "Address", SYN_MACADDRESS, ACC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {"1.3.6.1.2.1.17.4.3.1.2", "Port", SYN_INTEGER, ACC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    binding.Vars() = QvSNMPVarList(table, MVT_FMV, 0);
    QTreeWidget lv(&form);
    binding.BindListView(&lv, false);
    TListViewFilter *filter = TListViewFilter::Attach(&lv);
    QAbstractItemModelTester tester(lv.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    filter->SetFilterText("port: 7");
    filter->SortBy(0, Qt::DescendingOrder);
    binding.BeforeRefresh();
    // Two answers of rows, each going in as a batch as a walk does.
    for (int answer = 0; answer < 2; ++answer) {
        for (int i = 0; i < 50; ++i) {
            const int n = answer * 50 + i;
            binding.Vars().Item(0).valueText = QStringLiteral("0000000000%1").arg(n, 2, 10, QLatin1Char('0'));
            binding.Vars().Item(1).valueText = QString::number(n % 10);
            binding.RowReceived();
        }
        // The first rows go in at once, later ones with the next batch.
        ASSERT_TRUE(QTest::qWaitFor([&] { return lv.topLevelItemCount() == (answer + 1) * 50; }, 1000));
        EXPECT_EQ(filter->ShownCount(), (answer + 1) * 5);
    }
    binding.AfterRefresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lv.topLevelItem(0)->text(0) == "000000000099"; }, 2000))
        << "rows come in sorted as they arrive";
    QStringList shown;
    for (int r = 0; r < lv.topLevelItemCount(); ++r)
        if (!lv.topLevelItem(r)->isHidden())
            shown << lv.topLevelItem(r)->text(0).right(2);
    EXPECT_EQ(shown, (QStringList{"97", "87", "77", "67", "57", "47", "37", "27", "17", "07"}));
    EXPECT_EQ(filter->CountText(), "10/100");
}

TEST(ListViewFilter, HeaderClicksSortAndReturnToArrivalOrder)
{
    Window w({{"b", "10.0.0.10", "1.5"}, {"a", "10.0.0.2", "-2"}, {"c", "9.1.1.1", "1.25"}, {"A", "10.0.0.2", "x"}});
    QAbstractItemModelTester tester(w.lv->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    w.lv->setSelectionMode(QAbstractItemView::SingleSelection);
    QTreeWidgetItem *c = w.lv->topLevelItem(2);
    c->setSelected(true);
    int selectionSignals = 0;
    QObject::connect(w.lv, &QTreeWidget::itemSelectionChanged, [&] { ++selectionSignals; });
    w.filter->SetFilterText("status: x");
    const struct { int click; QStringList order; int sortColumn; } steps[] = {
        {1, {"c", "a", "A", "b"}, 1},   // IP addresses by octets, ties in arrival order
        {1, {"b", "a", "A", "c"}, 1},   // descending
        {1, {"b", "a", "c", "A"}, -1},  // third click: arrival order
        {2, {"a", "c", "b", "A"}, 2},   // numbers before text
        {0, {"a", "A", "b", "c"}, 0},
    };
    for (const auto &s : steps) {
        w.filter->HeaderClicked(s.click);
        QStringList order;
        for (int r = 0; r < w.lv->topLevelItemCount(); ++r)
            order << w.lv->topLevelItem(r)->text(0);
        EXPECT_EQ(order, s.order) << s.click;
        EXPECT_EQ(w.filter->SortColumn(), s.sortColumn);
        EXPECT_EQ(w.lv->header()->isSortIndicatorShown(), s.sortColumn >= 0);
        EXPECT_EQ(w.Shown(), QStringList{"A"}) << "the filter stays";
        EXPECT_TRUE(c->isSelected()) << "the selection stays";
    }
    EXPECT_EQ(selectionSignals, 0) << "sorting is no selection change for the window";
}

// A monitor rewrites its rows in place each sample: the sorted order comes back before the paint.
TEST(ListViewFilter, RowsRewrittenInPlaceStaySorted)
{
    Window w({{"p1", "5"}, {"p2", "7"}, {"p3", "6"}});
    w.filter->SortBy(1, Qt::DescendingOrder);
    const QList<QStringList> sample{{"p1", "9"}, {"p2", "1"}, {"p3", "4"}};
    for (int r = 0; r < 3; ++r)
        for (int col = 0; col < 2; ++col)
            w.lv->topLevelItem(r)->setText(col, sample[r][col]);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.Shown(), (QStringList{"p1", "p3", "p2"}));
}

TEST(ListViewFilter, ExportTakesWhatIsShown)
{
    Window w(fdb);
    TListViewExport *exporter = TListViewExport::Attach(w.lv);
    w.filter->SetReadable([](int column, const QString &raw) {
        return column == 0 ? raw.left(2) + ":" + raw.mid(2, 2) + "..." : QString();
    });
    TListViewFilter::SetReadableShown(true);
    w.filter->SetFilterText("learned");
    w.filter->SortBy(1, Qt::DescendingOrder);
    EXPECT_EQ(exporter->Rows(false), (QList<QStringList>{{"00:E0...", "50", "learned"},
                                                         {"00:0D...", "15", "learned"},
                                                         {"00:0D...", "5", "learned"}}));
    TListViewFilter::SetReadableShown(false);
    EXPECT_EQ(exporter->Rows(false).first().first(), "00E0FC000010");
    TListViewFilter::SetReadableShown(true);
}

TEST(ListViewFilter, ReadableCellsLeaveTheRawValueToEditAndDelete)
{
    QStandardPaths::setTestModeEnabled(true);
    const QvSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.9999.9.1", "Index", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {"1.3.6.1.4.1.9999.9.2", "Address", SYN_MACADDRESS, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {"1.3.6.1.4.1.9999.9.3", "Egress Ports", SYN_OCTETSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    QWidget form;
    QvSNMPRequest2Edits binding(&form);
    binding.Vars() = QvSNMPVarList(table, MVT_UMV, 1);
    auto *panel = new TSNMPListViewPanel(&form, &binding);
    QTreeWidget *lv = panel->ListPanel->ListView;
    TListViewFilter *filter = TListViewFilter::Of(lv);
    ASSERT_NE(filter, nullptr);
    ASSERT_NE(filter->ReadableAction, nullptr);
    TListViewFilter::SetReadableShown(true);
    auto *row = new QTreeWidgetItem(lv, QStringList{"4", "000D88AABBCC", "F0000000"});
    EXPECT_EQ(TListViewFilter::ShownText(lv, row, 1), "00:0D:88:AA:BB:CC");
    EXPECT_EQ(TListViewFilter::ShownText(lv, row, 2), "1-4");
    filter->SetFilterText("mac: 00-0d-88");
    EXPECT_FALSE(row->isHidden());
    filter->SetFilterText("egress: 1-4");
    EXPECT_FALSE(row->isHidden()) << "the shown form is searched";

    row->setSelected(true);
    binding.CollectValues();
    EXPECT_EQ(binding.Vars().Item(1).valueText, "000D88AABBCC") << "the raw value goes to the switch";
    EXPECT_EQ(binding.Vars().Item(2).valueText, "F0000000");

    // The switch is remembered and every list follows it.
    filter->ReadableAction->setChecked(false);
    EXPECT_FALSE(TListViewFilter::ReadableShown());
    EXPECT_EQ(TListViewFilter::ShownText(lv, row, 1), "000D88AABBCC");
    EXPECT_FALSE(QSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                               + "/kmv7040qx/lists.ini",
                           QSettings::IniFormat)
                     .value("View/ReadableValues", true)
                     .toBool());
    TListViewFilter::SetReadableShown(true);
    EXPECT_TRUE(filter->ReadableAction->isChecked());
    delete panel;
}

TEST(ListViewFilter, TheBoxGoesAboveTheList)
{
    // In a layout, at once.
    Window w;
    QWidget *box = w.lv->parentWidget();
    ASSERT_NE(box, &w.window);
    auto *column = qobject_cast<QVBoxLayout *>(box->layout());
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->itemAt(0)->widget(), w.filter->Bar());
    EXPECT_EQ(column->itemAt(1)->widget(), w.lv);

    // A tab page, once the list is shown; a list kept hidden gets none.
    QTabWidget tabs;
    auto *page = new QTreeWidget;
    auto *hidden = new QTreeWidget(&tabs);
    hidden->hide();
    tabs.addTab(new QWidget, "First");
    tabs.addTab(page, "Views");
    TListViewFilter *pageFilter = TListViewFilter::Attach(page);
    TListViewFilter *hiddenFilter = TListViewFilter::Attach(hidden);
    tabs.setCurrentIndex(1);
    tabs.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->parentWidget() == tabs.widget(1); }, 2000));
    EXPECT_EQ(tabs.tabText(1), "Views");
    EXPECT_EQ(tabs.currentIndex(), 1);
    EXPECT_TRUE(pageFilter->Bar()->isVisible());
    EXPECT_FALSE(hiddenFilter->Bar()->isVisible());
    EXPECT_EQ(hidden->parentWidget(), &tabs);
}
