#include "qvedithooks.h"

#include "qvmessage.h"
#include "qvsnmpexception.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace {
const char HooksName[] = "qv_edit_hooks";
}

QvEditHooks::QvEditHooks(QLineEdit *edit) : QObject(edit), m_edit(edit)
{
    setObjectName(QLatin1String(HooksName));
    connect(edit, &QLineEdit::textChanged, this, [this] {
        // Copy first: the handler may replace itself while it runs.
        const QvEditHandler handler = m_change;
        run(handler);
    });
    edit->installEventFilter(this);
}

QvEditHooks *QvEditHooks::of(QLineEdit *edit)
{
    if (!edit)
        return nullptr;
    if (QvEditHooks *hooks = find(edit))
        return hooks;
    return new QvEditHooks(edit);
}

QvEditHooks *QvEditHooks::find(const QLineEdit *edit)
{
    return edit ? edit->findChild<QvEditHooks *>(QLatin1String(HooksName), Qt::FindDirectChildrenOnly) : nullptr;
}

bool QvEditHooks::eventFilter(QObject *watched, QEvent *event)
{
    // An edit in its destructor is no longer a QLineEdit; it has nothing left to check.
    if (watched == m_edit && event->type() == QEvent::FocusOut && qobject_cast<QLineEdit *>(watched)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool leftForOtherWindow = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
                                        || reason == Qt::MenuBarFocusReason;
        // A window being hidden or torn down takes the focus away too; that is no exit either.
        if (!leftForOtherWindow && m_edit->isVisible() && m_edit->window()->isVisible()) {
            const QvEditHandler handler = m_exit;
            run(handler);
        }
    }
    return QObject::eventFilter(watched, event);
}

void QvEditHooks::run(const QvEditHandler &handler)
{
    if (!handler)
        return;
    // Nothing may escape into the event loop: a failing handler is reported where the user sees it.
    try {
        handler(m_edit);
    } catch (const QvSNMPException &e) {
        QvShowMessage(m_edit->window(), e.text());
    } catch (const std::exception &e) {
        QvShowMessage(m_edit->window(), QString::fromLatin1(e.what()));
    } catch (...) {
        qWarning("QvEditHooks: unknown exception in an edit handler");
    }
}
