// Option lists on combo boxes and radio groups, and the radio group itself.
#include "qvoptionlist.h"
#include "qvradiogroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QvOptionDesc RowStatusTable[] = {{1, "Active"}, {4, "CreateAndGo"}, {6, "Destroy"}, {0, nullptr}};
// Labels that look like other entries' values: a label match must win over a value match.
const QvOptionDesc CrossedTable[] = {{1, "2"}, {2, "1"}, {0, nullptr}};

struct Control {
    const char *name;
    std::function<void(const QvOptionList &)> fill;
    std::function<void(const QvOptionList &, const QString &)> select;
    std::function<QStringList()> items;
    std::function<int()> index;
};

class OptionControlsTest : public ::testing::Test {
protected:
    QComboBox combo;
    QvRadioGroup radio;
    std::vector<Control> controls{
        {"combo", [this](const QvOptionList &l) { l.FillItems(&combo); },
         [this](const QvOptionList &l, const QString &t) { l.SelectItem(&combo, t); },
         [this] {
             QStringList out;
             for (int i = 0; i < combo.count(); ++i)
                 out.append(combo.itemText(i));
             return out;
         },
         [this] { return combo.currentIndex(); }},
        {"radio", [this](const QvOptionList &l) { l.FillItems(&radio); },
         [this](const QvOptionList &l, const QString &t) { l.SelectItem(&radio, t); },
         [this] {
             QStringList out;
             for (int i = 0; i < radio.count(); ++i)
                 out.append(radio.button(i)->text());
             return out;
         },
         [this] { return radio.itemIndex(); }},
    };
};

TEST_F(OptionControlsTest, FillReplacesItemsWithTheLabelsInOrder)
{
    const QvOptionList rowStatus(RowStatusTable);
    const QvOptionList crossed(CrossedTable);
    for (const Control &c : controls) {
        SCOPED_TRACE(c.name);
        c.fill(crossed);
        c.select(crossed, "2");
        c.fill(rowStatus);
        EXPECT_EQ(c.items(), QStringList({"Active", "CreateAndGo", "Destroy"}));
        EXPECT_EQ(c.index(), -1);
    }
}

TEST_F(OptionControlsTest, SelectTriesLabelThenValue)
{
    const QvOptionList rowStatus(RowStatusTable);
    const QvOptionList crossed(CrossedTable);
    const struct {
        const QvOptionList *list;
        const char *text;
        int index;
    } rows[] = {
        {&rowStatus, "Destroy", 2},
        {&rowStatus, "destroy", 2},
        {&rowStatus, "4", 1},
        {&rowStatus, "1", 0},
        {&rowStatus, "5", -1},
        {&rowStatus, "", -1},
        {&rowStatus, "(NULL)", -1},
        {&crossed, "1", 1},
        {&crossed, "2", 0},
    };
    for (const Control &c : controls) {
        for (const auto &r : rows) {
            SCOPED_TRACE(std::string(c.name) + " " + r.text);
            c.fill(*r.list);
            c.select(*r.list, "Active");  // a stale selection must not survive a miss
            c.select(*r.list, QString::fromLatin1(r.text));
            EXPECT_EQ(c.index(), r.index);
        }
    }
}

TEST_F(OptionControlsTest, RadioGroupIndexSignalsAndClicks)
{
    radio.setItems({"SNMPv1", "SNMPv2c", "SNMPv3"});
    QSignalSpy spy(&radio, &QvRadioGroup::itemIndexChanged);
    const struct {
        int set;
        int index;
        QList<int> signalled;
    } rows[] = {
        {1, 1, {1}}, {1, 1, {}}, {2, 2, {2}}, {-1, -1, {-1}}, {-1, -1, {}}, {0, 0, {0}}, {7, -1, {-1}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.set);
        spy.clear();
        radio.setItemIndex(r.set);
        EXPECT_EQ(radio.itemIndex(), r.index);
        QList<int> got;
        for (const QList<QVariant> &args : spy)
            got.append(args.at(0).toInt());
        EXPECT_EQ(got, r.signalled);
        int checked = 0;
        for (int i = 0; i < radio.count(); ++i)
            checked += radio.button(i)->isChecked();
        EXPECT_EQ(checked, r.index >= 0 ? 1 : 0);
    }

    radio.show();
    spy.clear();
    QTest::mouseClick(radio.button(2), Qt::LeftButton);
    EXPECT_EQ(radio.itemIndex(), 2);
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 2);
    EXPECT_EQ(radio.itemText(2), "SNMPv3");
    EXPECT_EQ(radio.itemText(3), "");
}

TEST_F(OptionControlsTest, RadioGroupColumnsFillRowByRow)
{
    const struct {
        int columns;
        QList<QPair<int, int>> cells;  // row, column of each button
    } rows[] = {
        {3, {{0, 0}, {0, 1}, {0, 2}, {1, 0}}},
        {1, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
        {2, {{0, 0}, {0, 1}, {1, 0}, {1, 1}}},
        {0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},  // at least one column
    };
    radio.setItems({"a", "b", "c"});
    radio.addItem("d");
    radio.setItemIndex(3);
    auto *grid = qobject_cast<QGridLayout *>(radio.layout());
    ASSERT_NE(grid, nullptr);
    for (const auto &r : rows) {
        SCOPED_TRACE(r.columns);
        radio.setColumns(r.columns);
        for (int i = 0; i < radio.count(); ++i) {
            int row = -1, column = -1, rs = 0, cs = 0;
            grid->getItemPosition(grid->indexOf(radio.button(i)), &row, &column, &rs, &cs);
            EXPECT_EQ(qMakePair(row, column), r.cells[i]) << i;
        }
        EXPECT_EQ(radio.itemIndex(), 3);
    }
}

} // namespace
