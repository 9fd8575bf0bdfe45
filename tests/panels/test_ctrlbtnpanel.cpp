// The button bar: captions or pictures from the working folder, and the vertical layout that
// leaves no room for hidden controls.
#include "agent_support.h"
#include "tctrlbtnpanel.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
// Runs with the working folder switched to a fresh temporary one.
struct WorkingFolder {
    QString previous = QDir::currentPath();
    QString dir = makeTempDir(QStringLiteral("panels-btn"));
    WorkingFolder() { QDir::setCurrent(dir); }
    ~WorkingFolder()
    {
        QDir::setCurrent(previous);
        QDir(dir).removeRecursively();
    }
    void addPicture(const QString &name) const
    {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(Qt::red);
        ASSERT_TRUE(img.save(QDir(dir).filePath(name), "BMP"));
    }
};

QList<QPushButton *> buttons(TCtrlBtnPanel &p)
{
    return {p.BT_Refresh, p.BT_Edit, p.BT_SetChecked, p.BT_Add, p.BT_Delete, p.BT_CheckAll, p.BT_ClearChecks,
            p.BT_Close};
}
}

TEST(CtrlBtnPanel, CaptionsWithoutPictures)
{
    WorkingFolder folder;
    TCtrlBtnPanel p;
    const QStringList expected = {"Refresh", "Edit", "Set Checked", "Add", "Delete", "Check All", "Clear Checks",
                                  "Close"};
    const QList<QPushButton *> bs = buttons(p);
    for (int k = 0; k < bs.size(); ++k)
        EXPECT_EQ(bs[k]->text(), expected[k]);
    EXPECT_EQ(p.ST_Count->text(), "0");
    EXPECT_EQ(p.LB_Samples->text(), "Samples");
    EXPECT_EQ(p.width(), 2 * 10 + 96);
    EXPECT_TRUE(p.BT_Add->isHidden());
    EXPECT_TRUE(p.BT_Delete->isHidden());
}

TEST(CtrlBtnPanel, PictureReplacesCaptionOfItsButtonOnly)
{
    struct Case {
        const char *file;
        int button;
    };
    const Case cases[] = {{"Close.bmp", 7}, {"Get.bmp", 0}, {"SelectNone.bmp", 6}, {"SetCheck.bmp", 2}};
    for (const Case &c : cases) {
        WorkingFolder folder;
        folder.addPicture(QString::fromLatin1(c.file));
        TCtrlBtnPanel p;
        const QList<QPushButton *> bs = buttons(p);
        for (int k = 0; k < bs.size(); ++k) {
            if (k == c.button) {
                EXPECT_TRUE(bs[k]->text().isEmpty()) << c.file;
                EXPECT_EQ(bs[k]->icon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red)) << c.file;
            } else {
                EXPECT_FALSE(bs[k]->text().isEmpty()) << c.file << " button " << k;
            }
        }
    }
}

TEST(CtrlBtnPanel, BrokenPictureKeepsCaption)
{
    WorkingFolder folder;
    QFile f(QDir(folder.dir).filePath("Delete.bmp"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    TCtrlBtnPanel p;
    EXPECT_EQ(p.BT_Delete->text(), "Delete");
}

TEST(CtrlBtnPanel, ArrangeButtonsStacksVisibleControls)
{
    WorkingFolder folder;
    TCtrlBtnPanel p;
    struct Case {
        const char *name;
        QList<int> hidden;  // positions in the layout list
    };
    const Case cases[] = {
        {"defaults", {5, 6, 10}},
        {"all shown", {}},
        {"only close", {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"gaps", {0, 3, 4, 8}},
    };
    for (const Case &c : cases) {
        const QList<QWidget *> &list = p.LayoutList();
        ASSERT_EQ(list.size(), 11);
        for (int k = 0; k < list.size(); ++k)
            list[k]->setHidden(c.hidden.contains(k));
        p.ArrangeButtons();
        int expectedTop = 10;
        for (int k = 0; k < list.size(); ++k) {
            EXPECT_EQ(list[k]->x(), 10) << c.name;
            EXPECT_EQ(list[k]->width(), 96) << c.name;
            EXPECT_EQ(list[k]->y(), expectedTop) << c.name << " control " << k;
            if (!list[k]->isHidden())
                expectedTop += list[k]->height() + 5;
        }
        EXPECT_EQ(p.ContentHeight(), expectedTop - 5 + 10) << c.name;
    }
}
