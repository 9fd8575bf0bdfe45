#include "tconfigform.h"

#include "qvsnmpexception.h"
#include "qvsnmprequest2controls.h"
#include "tmessagebox.h"
#include "tsnmppanel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

TConfigForm::TConfigForm(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ConfigForm"));
    setWindowTitle(QStringLiteral("ConfigForm"));
    resize(159, 105);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow *>(w) && w->isVisible()) {
            move(w->frameGeometry().center() - QPoint(width() / 2, height() / 2));
            break;
        }
}

TConfigForm::~TConfigForm()
{
    FormClose();
}

TSNMPEditorPanel *TConfigForm::InitAsEditor(QvSNMPRequest2Edits *binding)
{
    if (m_formType != FT_NONE)
        ThrowPanelError(QStringLiteral("Can not change Type of a Config Form!"));
    m_formType = FT_EDITOR;
    m_bindings << binding;
    auto *panel = new TSNMPEditorPanel(this, binding);
    panel->FitForm(this);
    return panel;
}

TSNMPListViewPanel *TConfigForm::InitAsListView(QvSNMPRequest2Edits *binding, int addStatusRow,
                                                const QString &addStatusText, int deleteStatusRow,
                                                const QString &deleteStatusText)
{
    if (m_formType != FT_NONE)
        ThrowPanelError(QStringLiteral("Can not change Type of a Config Form!"));
    m_formType = FT_LISTVIEW;
    m_bindings << binding;
    auto *panel = new TSNMPListViewPanel(this, binding);
    panel->FitForm(this);
    if (!addStatusText.isEmpty())
        panel->SetAddStatus(addStatusRow, addStatusText);
    if (!deleteStatusText.isEmpty())
        panel->SetDeleteStatus(deleteStatusRow, deleteStatusText);
    return panel;
}

void TConfigForm::InitAsPages()
{
    if (m_formType != FT_NONE)
        ThrowPanelError(QStringLiteral("Can not change Type of a Config Form!"));
    m_formType = FT_PAGES;
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl"));
    // Qt's tab bar has no multi-line mode; long tab rows scroll instead.
    m_pages->setUsesScrollButtons(true);
    m_pages->tabBar()->setExpanding(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
    connect(m_pages, &QTabWidget::currentChanged, this, [this] {
        if (!m_firstRefreshDone)
            return;
        try {
            RefreshForm();
        } catch (const std::exception &) {
        }
    });
}

QWidget *TConfigForm::addSheet(const QString &title, QvSNMPRequest2Edits *binding)
{
    auto *sheet = new QWidget;
    sheet->setWindowTitle(title);
    sheet->setProperty("tag", m_pages->count());
    auto *layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    m_bindings << binding;
    m_pages->addTab(sheet, title);
    return sheet;
}

void TConfigForm::sizePage(QWidget *sheet, QWidget *panel)
{
    // The sheet takes the panel's size, the page control the sheet's plus its tab row, and the
    // window the page control's; each only grows.
    QSize sheetSize = sheet->size().expandedTo(panel->size());
    sheet->resize(sheetSize);
    const int tabHeight = m_pages->tabBar()->sizeHint().height();
    QSize pagesSize = m_pages->size();
    pagesSize.setWidth(qMax(pagesSize.width(), sheetSize.width() + 4));
    pagesSize.setHeight(qMax(pagesSize.height(), tabHeight + sheetSize.height() + 4));
    m_pages->resize(pagesSize);
    QSize client = size().expandedTo(pagesSize);
    // A window larger than the screen would leave controls out of reach.
    if (QScreen *s = screen())
        client = client.boundedTo(s->availableGeometry().size() - QSize(16, 48));
    resize(client);
}

TSNMPEditorPanel *TConfigForm::AddEditorPage(const QString &title, QvSNMPRequest2Edits *binding)
{
    if (m_formType != FT_PAGES)
        ThrowPanelError(QStringLiteral("Can not add editor page to a none-page pannel!"));
    QWidget *sheet = addSheet(title, binding);
    auto *panel = new TSNMPEditorPanel(sheet, binding);
    panel->FitForm(this);
    sizePage(sheet, panel);
    return panel;
}

TSNMPListViewPanel *TConfigForm::AddListViewPage(const QString &title, QvSNMPRequest2Edits *binding,
                                                 int addStatusRow, const QString &addStatusText,
                                                 int deleteStatusRow, const QString &deleteStatusText)
{
    if (m_formType != FT_PAGES)
        ThrowPanelError(QStringLiteral("Can not add listview page to a none-page pannel!"));
    QWidget *sheet = addSheet(title, binding);
    auto *panel = new TSNMPListViewPanel(sheet, binding);
    panel->FitForm(this);
    if (!addStatusText.isEmpty())
        panel->SetAddStatus(addStatusRow, addStatusText);
    if (!deleteStatusText.isEmpty())
        panel->SetDeleteStatus(deleteStatusRow, deleteStatusText);
    sizePage(sheet, panel);
    return panel;
}

void TConfigForm::RefreshForm()
{
    QvSNMPRequest2Edits *chosen = nullptr;
    switch (m_formType) {
    case FT_NONE:
        return;
    case FT_EDITOR:
    case FT_LISTVIEW:
        chosen = m_bindings.value(0);
        break;
    case FT_PAGES:
        if (!m_pages || m_pages->count() == 0)
            return;
        chosen = m_bindings.value(m_pages->currentWidget()->property("tag").toInt());
        break;
    default:
        ThrowPanelError(QStringLiteral("Refresh a Form with unknown Form Type!"));
    }
    if (m_closing || m_closed)
        return;
    if (m_current && m_current != chosen)
        m_current->Request().alive = 0;
    m_current = chosen;
    if (!chosen)
        return;
    chosen->Request().alive = 1;
    try {
        chosen->Refresh();
    } catch (const QvSNMPException &e) {
        chosen->Report(e.text());
    } catch (const std::exception &e) {
        chosen->Report(QString::fromLatin1(e.what()));
    }
}

void TConfigForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!m_refreshPosted) {
        m_refreshPosted = true;
        QCoreApplication::postEvent(this, new QEvent(RefreshEventType()));
    }
}

bool TConfigForm::event(QEvent *e)
{
    if (e->type() == RefreshEventType()) {
        m_firstRefreshDone = true;
        try {
            RefreshForm();
        } catch (const std::exception &) {
            // Nothing may leave into the event loop.
        }
        return true;
    }
    return QDialog::event(e);
}

void TConfigForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TConfigForm::FormClose()
{
    if (m_closing || m_closed)
        return;
    m_closing = true;
    for (QPointer<QvSNMPRequest2Edits> &b : m_bindings) {
        if (!b)
            continue;
        delete b.data();
    }
    m_bindings.clear();
    m_current = nullptr;
    m_closing = false;
    m_closed = true;
}
