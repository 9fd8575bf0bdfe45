// The help window: the device manager's own help document (HTML pages built into the program)
// in a browser with Contents, Back and Forward. One window serves every request.
#pragma once

#include <QUrl>
#include <QWidget>

class QKeyEvent;
class QPushButton;
class QTextBrowser;

class THelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget *parent = nullptr);

    static const QUrl ContentsUrl;

    void ShowContents();

    QTextBrowser *Browser;
    QPushButton *BT_Contents;
    QPushButton *BT_Back;
    QPushButton *BT_Forward;
    QPushButton *BT_Close;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// Opens the help window at its contents (raising it when it is already open) and returns it.
THelpViewer *ShowHelp(QWidget *parent = nullptr);
// The same at a page of the help, "monitors.html#rmon-alarm" for example.
THelpViewer *ShowHelpAt(QWidget *parent, const QString &page);
// F1 in window opens the help at page.
void InstallHelpKey(QWidget *window, const QString &page);
