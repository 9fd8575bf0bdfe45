#include "qvwaitindicator.h"

#include "qvsnmprequest2controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <memory>

namespace {

const QString kWaitPrefix = QStringLiteral("Waiting for the switch");

QTextDocument *documentOf(QWidget *w)
{
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        return memo->document();
    if (auto *rich = qobject_cast<QTextEdit *>(w))
        return rich->document();
    return nullptr;
}

}  // namespace

QvWaitIndicator::QvWaitIndicator(QWidget *window) : QObject(window), m_window(window), m_clock(new QTimer(this))
{
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &QvWaitIndicator::ShowLine);
}

bool QvWaitIndicator::eventFilter(QObject *watched, QEvent *event)
{
    // Escape in the waiting window ends the wait: before a dialog would take it as Close, and
    // whichever of the window's widgets has the focus.
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) && Waiting() && m_window) {
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && widget
            && widget->window() == m_window->window()) {
            if (event->type() == QEvent::KeyPress)
                CancelAll();
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QvWaitIndicator::~QvWaitIndicator()
{
    // The window goes: what it waited for goes with it, without a word.
    const QList<Wait> waits = m_waits.values();
    m_waits.clear();
    for (const Wait &w : waits)
        if (w.cancel)
            w.cancel();
}

QString QvWaitIndicator::WaitingText(int seconds, int limitSeconds)
{
    return QStringLiteral("%1… %2 s of %3 s (Esc cancels)").arg(kWaitPrefix).arg(seconds).arg(limitSeconds);
}

void QvWaitIndicator::SetStatusTarget(QWidget *target)
{
    ClearLine();
    m_target = target;
    if (auto *bar = qobject_cast<QStatusBar *>(target)) {
        auto *button = new QPushButton(QStringLiteral("Cancel"), bar);
        button->setObjectName(QStringLiteral("BT_CancelWait"));
        button->setVisible(false);
        bar->addPermanentWidget(button);
        connect(button, &QPushButton::clicked, this, &QvWaitIndicator::CancelAll);
        m_cancelButton = button;
    }
    if (Waiting())
        ShowLine();
}

void QvWaitIndicator::AddSendControl(QWidget *control)
{
    if (!control || m_controls.contains(control))
        return;
    m_controls.append(control);
    m_wasEnabled.append(control->isEnabled());
    if (Waiting())
        control->setEnabled(false);
}

void QvWaitIndicator::RemoveSendControl(QWidget *control)
{
    const qsizetype at = m_controls.indexOf(control);
    if (at < 0)
        return;
    if (Waiting() && m_wasEnabled.at(at) && control)
        control->setEnabled(true);
    m_controls.removeAt(at);
    m_wasEnabled.removeAt(at);
}

void QvWaitIndicator::Watch(QvSNMPRequest2Controls *binding)
{
    auto token = std::make_shared<int>(0);
    QPointer<QvSNMPRequest2Controls> b(binding);
    connect(binding, &QvSNMPRequest2Controls::BusyChanged, this, [this, b, token](bool busy) {
        if (busy && !*token) {
            *token = Begin(b ? b->WaitLimitMs() : 0, [b] {
                if (b)
                    b->Cancel();
            });
        } else if (!busy && *token) {
            const int t = *token;
            *token = 0;
            End(t);
        }
    });
    connect(binding, &QvSNMPRequest2Controls::Progress, this, [this, token](int) {
        if (*token)
            Tick(*token);
    });
    connect(binding, &QObject::destroyed, this, [this, token] {
        if (*token) {
            const int t = *token;
            *token = 0;
            m_waits.remove(t);
            if (m_waits.isEmpty())
                Stopped();
        }
    });
}

int QvWaitIndicator::Begin(int limitMs, std::function<void()> cancel)
{
    const int token = m_nextToken++;
    Wait w;
    w.limitMs = limitMs;
    w.sinceAnswer.start();
    w.cancel = std::move(cancel);
    const bool first = m_waits.isEmpty();
    m_waits.insert(token, std::move(w));
    if (first)
        Started();
    ShowLine();
    return token;
}

void QvWaitIndicator::Tick(int token)
{
    auto it = m_waits.find(token);
    if (it != m_waits.end())
        it->sinceAnswer.start();
}

void QvWaitIndicator::End(int token)
{
    if (m_waits.remove(token) && m_waits.isEmpty())
        Stopped();
}

void QvWaitIndicator::CancelAll()
{
    if (m_waits.isEmpty())
        return;
    const QList<int> tokens = m_waits.keys();
    for (int t : tokens) {
        const auto it = m_waits.constFind(t);
        if (it == m_waits.constEnd())
            continue;
        const std::function<void()> cancel = it->cancel;
        if (cancel)
            cancel();
        End(t);
    }
    const QString note = QStringLiteral("Cancelled: the switch's answer is no longer awaited.");
    if (auto *doc = documentOf(m_target)) {
        QTextCursor c(doc);
        c.movePosition(QTextCursor::End);
        if (!doc->isEmpty())
            c.insertBlock();
        c.insertText(note);
    } else if (auto *bar = qobject_cast<QStatusBar *>(m_target)) {
        bar->showMessage(note);
    } else if (auto *label = qobject_cast<QLabel *>(m_target)) {
        label->setText(note);
    }
    emit CancelledByUser();
}

QString QvWaitIndicator::Line() const
{
    if (m_waits.isEmpty())
        return QString();
    // The wait nearest to its time-out speaks for the window.
    qint64 waited = 0;
    int limit = 0;
    for (const Wait &w : m_waits) {
        if (w.sinceAnswer.elapsed() >= waited) {
            waited = w.sinceAnswer.elapsed();
            limit = w.limitMs;
        }
    }
    // The clock ticks each second from the start; a tick a little early still counts.
    return WaitingText(int((waited + 100) / 1000), (limit + 999) / 1000);
}

void QvWaitIndicator::Started()
{
    for (int i = 0; i < m_controls.size(); ++i) {
        if (QWidget *c = m_controls.at(i)) {
            m_wasEnabled[i] = c->isEnabled();
            c->setEnabled(false);
        }
    }
    if (m_window)
        m_window->setCursor(Qt::BusyCursor);
    qApp->installEventFilter(this);
    if (m_cancelButton)
        m_cancelButton->setVisible(true);
    m_clock->start();
    emit WaitingChanged(true);
}

void QvWaitIndicator::Stopped()
{
    m_clock->stop();
    qApp->removeEventFilter(this);
    if (m_cancelButton)
        m_cancelButton->setVisible(false);
    if (m_window)
        m_window->unsetCursor();
    for (int i = 0; i < m_controls.size(); ++i)
        if (QWidget *c = m_controls.at(i); c && m_wasEnabled.at(i))
            c->setEnabled(true);
    ClearLine();
    emit WaitingChanged(false);
}

void QvWaitIndicator::ShowLine()
{
    const QString line = Line();
    if (line.isEmpty() || !m_target)
        return;
    if (auto *doc = documentOf(m_target)) {
        QTextBlock block = m_memoBlock >= 0 ? doc->findBlockByNumber(m_memoBlock) : QTextBlock();
        QTextCursor c(doc);
        if (block.isValid() && block.text().startsWith(kWaitPrefix)) {
            c.setPosition(block.position());
            c.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            c.insertText(line);
        } else {
            c.movePosition(QTextCursor::End);
            if (!doc->isEmpty())
                c.insertBlock();
            c.insertText(line);
            m_memoBlock = doc->blockCount() - 1;
        }
    } else if (auto *bar = qobject_cast<QStatusBar *>(m_target)) {
        bar->showMessage(line);
    } else if (auto *label = qobject_cast<QLabel *>(m_target)) {
        label->setText(line);
    }
    m_shown = line;
}

void QvWaitIndicator::ClearLine()
{
    if (m_shown.isEmpty())
        return;
    if (auto *doc = documentOf(m_target)) {
        const QTextBlock block = m_memoBlock >= 0 ? doc->findBlockByNumber(m_memoBlock) : QTextBlock();
        if (block.isValid() && block.text().startsWith(kWaitPrefix)) {
            QTextCursor c(doc);
            if (block.blockNumber() > 0) {
                // The line and the break before it.
                c.setPosition(block.position() - 1);
                c.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            } else {
                c.setPosition(block.position());
                c.setPosition(qMin(block.position() + block.length(), doc->characterCount() - 1),
                              QTextCursor::KeepAnchor);
            }
            c.removeSelectedText();
        }
    } else if (auto *bar = qobject_cast<QStatusBar *>(m_target)) {
        if (bar->currentMessage() == m_shown)
            bar->clearMessage();
    } else if (auto *label = qobject_cast<QLabel *>(m_target)) {
        if (label->text() == m_shown)
            label->clear();
    }
    m_memoBlock = -1;
    m_shown.clear();
}
