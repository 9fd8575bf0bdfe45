#include "thelpviewer.h"

#include <QShortcut>

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The resources of a static library are registered by hand, once, outside any namespace.
static void InitHelpResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)done;
}

const QUrl THelpViewer::ContentsUrl(QStringLiteral("qrc:/help/index.html"));

THelpViewer::THelpViewer(QWidget *parent) : QWidget(parent, Qt::Window)
{
    InitHelpResources();
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("KMV-7040QX Help"));
    resize(720, 560);

    BT_Contents = new QPushButton(QStringLiteral("Contents"), this);
    BT_Back = new QPushButton(QStringLiteral("Back"), this);
    BT_Forward = new QPushButton(QStringLiteral("Forward"), this);
    BT_Close = new QPushButton(QStringLiteral("Close"), this);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    // Links leave the document only through the desktop, never by loading outside pages here.
    Browser->setOpenLinks(false);
    connect(Browser, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (url.scheme() == QLatin1String("qrc") || url.isRelative())
            Browser->setSource(Browser->source().resolved(url));
        else
            QDesktopServices::openUrl(url);
    });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BT_Contents);
    buttons->addWidget(BT_Back);
    buttons->addWidget(BT_Forward);
    buttons->addStretch(1);
    buttons->addWidget(BT_Close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser, 1);

    BT_Back->setEnabled(false);
    BT_Forward->setEnabled(false);
    connect(BT_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(BT_Contents, &QPushButton::clicked, this, [this] { ShowContents(); });
    connect(BT_Back, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(BT_Forward, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, BT_Back, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, BT_Forward, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = Browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("KMV-7040QX Help")
                                       : QStringLiteral("KMV-7040QX Help - ") + title);
    });
    ShowContents();
}

void THelpViewer::keyPressEvent(QKeyEvent *event)
{
    // A plain window has no Escape of its own, as a dialog has.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void THelpViewer::ShowContents()
{
    Browser->setSource(ContentsUrl);
}

THelpViewer *ShowHelp(QWidget *parent)
{
    static QPointer<THelpViewer> viewer;
    // A closed viewer is on its way out (deleted on close): a new request gets a new one.
    if (!viewer || !viewer->isVisible()) {
        viewer = new THelpViewer(parent);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        viewer->ShowContents();
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

THelpViewer *ShowHelpAt(QWidget *parent, const QString &page)
{
    THelpViewer *viewer = ShowHelp(parent);
    viewer->Browser->setSource(THelpViewer::ContentsUrl.resolved(QUrl(page)));
    return viewer;
}

void InstallHelpKey(QWidget *window, const QString &page)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [window, page] {
        try {
            ShowHelpAt(window, page);
        } catch (const std::exception &) {
        }
    });
}
