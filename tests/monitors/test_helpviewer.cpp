// The help viewer: a document whose every link leads to a page of its own, one window for every
// request, and the ways it closes.
#include "thelpviewer.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <functional>

TEST(HelpViewer, OpensAtContentsAndEveryLinkLeadsToAPage)
{
    THelpViewer *viewer = ShowHelp(nullptr);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->Browser->source(), THelpViewer::ContentsUrl);
    EXPECT_EQ(viewer->Browser->documentTitle(), "Contents");
    EXPECT_FALSE(viewer->BT_Back->isEnabled());

    // Every page linked from any page exists and has a title; every page links back to the contents.
    QStringList pending{"index.html"};
    QSet<QString> seen;
    const QRegularExpression href("href=\"([^\"#]+)\"");
    while (!pending.isEmpty()) {
        const QString page = pending.takeFirst();
        if (seen.contains(page))
            continue;
        seen.insert(page);
        QFile f(":/help/" + page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(html.contains("<title>")) << page.toStdString();
        if (page != "index.html") {
            EXPECT_TRUE(html.contains("href=\"index.html\"")) << page.toStdString();
        }
        for (auto it = href.globalMatch(html); it.hasNext();)
            pending << it.next().captured(1);
    }
    EXPECT_GE(seen.size(), 6);

    viewer->Browser->setSource(QUrl("qrc:/help/settings.html"));
    EXPECT_TRUE(viewer->BT_Back->isEnabled());
    EXPECT_TRUE(viewer->Browser->toPlainText().contains("Summer Time"));
    EXPECT_EQ(ShowHelp(nullptr), viewer) << "one window serves every request";
    EXPECT_EQ(viewer->Browser->source(), THelpViewer::ContentsUrl) << "reopened at its contents";
    viewer->close();
}

TEST(HelpViewer, ClosesWithEscapeOrItsCloseButton)
{
    const struct { const char *name; std::function<void(THelpViewer *)> close; } cases[] = {
        {"Escape in the page", [](THelpViewer *v) { QTest::keyClick(v->Browser, Qt::Key_Escape); }},
        {"Escape on the window", [](THelpViewer *v) { QTest::keyClick(v, Qt::Key_Escape); }},
        {"Close button", [](THelpViewer *v) { v->BT_Close->click(); }},
    };
    for (const auto &c : cases) {
        QPointer<THelpViewer> viewer = ShowHelp(nullptr);
        ASSERT_TRUE(viewer);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer.data()));
        viewer->Browser->setFocus();
        c.close(viewer);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !viewer || !viewer->isVisible(); }, 2000)) << c.name;
        QTest::qWait(0);
    }
    // Other keys still reach the page.
    QPointer<THelpViewer> viewer = ShowHelp(nullptr);
    QTest::keyClick(viewer->Browser, Qt::Key_Down);
    EXPECT_TRUE(viewer && viewer->isVisible());
    viewer->close();
}
