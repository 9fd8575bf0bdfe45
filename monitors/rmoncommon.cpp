#include "rmoncommon.h"

#include "qvmessage.h"
#include "qvsnmperrors.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest2controls.h"
#include "qvwaitindicator.h"
#include "tlistviewexport.h"
#include "tlistviewfilter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLocale>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QTime>
#include <QTreeWidget>

#include <memory>
#include <utility>
#include <vector>

const QString RmonValid = QStringLiteral("valid");
const QString RmonCreateRequest = QStringLiteral("createRequest");
const QString RmonUnderCreation = QStringLiteral("underCreation");
const QString RmonInvalid = QStringLiteral("invalid");
const QString RmonDisabledMessage = QStringLiteral("Please enable RMON first!");

QString RmonNoAnswerMessage(const QString &error)
{
    return QStringLiteral("The switch does not answer: %1\nTry again?").arg(error);
}

namespace {

// Access flags of a whole list, put back when the writes are over.
class TAccessGuard {
public:
    explicit TAccessGuard(QvSNMPVarList &vars) : m_vars(vars)
    {
        for (int i = 0; i < vars.Count(); ++i)
            m_saved.push_back(vars.Item(i).access);
    }
    ~TAccessGuard()
    {
        for (int i = 0; i < m_vars.Count() && i < int(m_saved.size()); ++i)
            m_vars.Item(i).access = m_saved[size_t(i)];
    }
    // Only the given items are sent; the rest are read-only for the moment.
    void SendOnly(const QList<int> &items)
    {
        for (int i = 0; i < m_vars.Count(); ++i) {
            const quint32 kept = m_saved[size_t(i)] & ~quint32(ACC_READWRITE | ACC_INVALID);
            m_vars.Item(i).access = kept | (items.contains(i) ? ACC_READWRITE : ACC_READONLY);
        }
    }

private:
    QvSNMPVarList &m_vars;
    std::vector<quint32> m_saved;
};

void SelectStatus(QComboBox *status, const QString &text)
{
    if (!status)
        return;
    const int at = status->findText(text);
    if (at >= 0)
        status->setCurrentIndex(at);
}

QvSNMPError Failure(int code, const QString &text)
{
    QvSNMPError e;
    e.code = code ? code : QVE_UNKNOWN;
    e.text = text;
    return e;
}

// Sends items alone (the status shown as statusText first when given); then runs with the answer.
void SendStep(QvSNMPRequest2Edits &binding, const QList<int> &items, QComboBox *status, const QString &statusText,
              std::function<void(const QvSNMPError &)> then)
{
    try {
        TAccessGuard guard(binding.Vars());
        guard.SendOnly(items);
        if (!statusText.isEmpty())
            SelectStatus(status, statusText);
        binding.ThenApplied(then);
        binding.Apply(false, true);
        return;
    } catch (const QvSNMPException &e) {
        binding.ThenApplied(nullptr);
        then(Failure(e.code(), e.text()));
    } catch (const std::exception &e) {
        binding.ThenApplied(nullptr);
        then(Failure(QVE_UNKNOWN, QString::fromLocal8Bit(e.what())));
    }
}

// Reads one column of a table, row after row, on the request's callbacks.
class TIndexWalk : public QObject {
public:
    TIndexWalk(const QvSNMPVarDesc *table, QObject *context,
               std::function<void(const QList<quint32> &, const QvSNMPError &)> done)
        : QObject(context), m_done(std::move(done))
    {
        m_request.vars.itemType = MVT_FMV;
        m_request.vars.AddVar(QString::fromLatin1(table[0].oid), QStringLiteral("Index"), SYN_INTEGER,
                              ACC_READONLY);
    }
    void Start()
    {
        try {
            m_request.ReadAsync(&TIndexWalk::Answered, this, true);
        } catch (const QvSNMPException &e) {
            Finish(Failure(e.code(), e.text()));
        }
    }

private:
    static void Answered(void *data, QvSNMPError *outcome, QvSNMPVarList *)
    {
        auto *self = static_cast<TIndexWalk *>(data);
        if (!self || !outcome)
            return;
        try {
            if (outcome->code != 0) {
                self->Finish(*outcome);
                return;
            }
            if (outcome->finished) {
                self->Finish(*outcome);
                return;
            }
            // The row's own instance: a switch may serve anything in the index column.
            self->m_used.append(LastArc(self->m_request.vars.Item(0).currentOid).toUInt());
            self->m_request.ReadAsync(&TIndexWalk::Answered, self, false);
        } catch (const QvSNMPException &e) {
            self->Finish(Failure(e.code(), e.text()));
        } catch (const std::exception &e) {
            self->Finish(Failure(QVE_UNKNOWN, QString::fromLocal8Bit(e.what())));
        }
    }
    void Finish(const QvSNMPError &outcome)
    {
        // The request must not go from within its own completion.
        deleteLater();
        if (auto done = std::exchange(m_done, nullptr))
            done(m_used, outcome);
    }

    QvSNMPRequest m_request;
    QList<quint32> m_used;
    std::function<void(const QList<quint32> &, const QvSNMPError &)> m_done;
};

}  // namespace

QString LastArc(const QString &oid)
{
    const qsizetype dot = oid.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : oid.mid(dot + 1);
}

QString IfIndexText(const QString &dataSource)
{
    return QStringLiteral("IfIndex.") + LastArc(dataSource);
}

QString TimeOfDayText()
{
    return QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat);
}

bool IsDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QString RmonWriteStepText(int step, bool adding)
{
    switch (step) {
    case 1:
        return QStringLiteral("step 1 of 3 (status %1)").arg(adding ? RmonCreateRequest : RmonUnderCreation);
    case 2: return QStringLiteral("step 2 of 3 (data columns)");
    case 3: return QStringLiteral("step 3 of 3 (status %1)").arg(RmonValid);
    default: return QStringLiteral("step %1").arg(step);
    }
}

void WriteRmonEntry(QvSNMPRequest2Edits &binding, int statusItem, QComboBox *status, const QList<int> &dataItems,
                    bool adding, TRmonWriteDone done)
{
    QPointer<QvSNMPRequest2Edits> b(&binding);
    QPointer<QComboBox> shown(status);
    SendStep(binding, {statusItem}, status, adding ? RmonCreateRequest : RmonUnderCreation,
             [=](const QvSNMPError &first) {
                 if (first.code != 0 || !b) {
                     done(first, 1);
                     return;
                 }
                 // A later step that fails takes back what the first made: an added entry goes
                 // ("invalid"), a modified one is valid again with its old data.
                 const auto undo = [=](const QvSNMPError &failure, int step) {
                     if (!b) {
                         done(failure, step);
                         return;
                     }
                     SendStep(*b, {statusItem}, shown, adding ? RmonInvalid : RmonValid,
                              [=](const QvSNMPError &) { done(failure, step); });
                 };
                 SendStep(*b, dataItems, shown, QString(), [=](const QvSNMPError &second) {
                     if (second.code != 0 || !b) {
                         undo(second, 2);
                         return;
                     }
                     SendStep(*b, {statusItem}, shown, RmonValid, [=](const QvSNMPError &third) {
                         if (third.code != 0)
                             undo(third, 3);
                         else
                             done(third, 3);
                     });
                 });
             });
}

void InvalidateRmonEntry(QvSNMPRequest2Edits &binding, int statusItem, QComboBox *status, TRmonWriteDone done)
{
    SendStep(binding, {statusItem}, status, RmonInvalid, [done](const QvSNMPError &outcome) { done(outcome, 1); });
}

void RefreshThen(QvSNMPRequest2Controls *binding, std::function<void(const QvSNMPError &)> then)
{
    auto ended = std::make_shared<QMetaObject::Connection>();
    auto cancelled = std::make_shared<QMetaObject::Connection>();
    *ended = QObject::connect(binding, &QvSNMPRequest2Controls::RefreshEnded, binding,
                              [ended, cancelled, then](const QvSNMPError &outcome) {
                                  QObject::disconnect(*ended);
                                  QObject::disconnect(*cancelled);
                                  then(outcome);
                              });
    *cancelled = QObject::connect(binding, &QvSNMPRequest2Controls::Cancelled, binding, [ended, cancelled] {
        QObject::disconnect(*ended);
        QObject::disconnect(*cancelled);
    });
    // A walk under way is joined: a second one over the same list would not leave.
    if (binding->Busy())
        return;
    QvSNMPError failure;
    try {
        binding->Refresh();
        if (binding->Busy())
            return;
        failure = Failure(QVE_UNKNOWN, QStringLiteral("The request did not leave."));
    } catch (const QvSNMPException &e) {
        failure = Failure(e.code(), e.text());
    } catch (const std::exception &e) {
        failure = Failure(QVE_UNKNOWN, QString::fromLocal8Bit(e.what()));
    }
    QObject::disconnect(*ended);
    QObject::disconnect(*cancelled);
    binding->Report(failure.text);
    then(failure);
}

QObject *WalkRmonIndexes(const QvSNMPVarDesc *table, QObject *context,
                         std::function<void(const QList<quint32> &, const QvSNMPError &)> done)
{
    auto *walk = new TIndexWalk(table, context, std::move(done));
    QPointer<QObject> alive(walk);
    walk->Start();
    return alive.data();
}

void TellLater(QWidget *owner, const QString &text, std::function<void()> after)
{
    QMetaObject::invokeMethod(
        owner,
        [owner, text, after] {
            try {
                QvMessageBox(owner, text, QvAppCaption());
                if (after)
                    after();
            } catch (const std::exception &) {
            }
        },
        Qt::QueuedConnection);
}

bool ConfirmRmonDelete(QWidget *owner, const QString &question)
{
    return QvMessageBox(owner, question, QStringLiteral("Delete this entry"), QMessageBox::Ok | QMessageBox::Cancel)
           == QMessageBox::Ok;
}

void OpenRmonDialog(QDialog *dialog, std::function<void(int)> finished)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QDialog::finished, dialog, [finished](int result) {
        try {
            if (finished)
                finished(result);
        } catch (const std::exception &) {
        }
    });
    dialog->open();
}

// ---- the window base ----

TRmonWindow::TRmonWindow(QWidget *owner) : QWidget(owner, Qt::Window), m_wait(new QvWaitIndicator(this))
{
    // Escape during the first walk: the switch gave no answer the user would wait for.
    connect(m_wait, &QvWaitIndicator::CancelledByUser, this, [this] {
        if (m_probe == ProbePending && !m_closing) {
            QvSNMPError cancelled;
            cancelled.code = QVE_UNKNOWN;
            cancelled.text = QStringLiteral("Cancelled.");
            ProbeEnded(cancelled, 0);
        }
    });
}

TRmonWindow::~TRmonWindow() = default;

void TRmonWindow::SetWaitTarget(QLabel *target)
{
    m_waitTarget = target;
    m_wait->SetStatusTarget(target);
}

void TRmonWindow::WatchBinding(QvSNMPRequest2Controls *binding)
{
    m_wait->Watch(binding);
    const auto keepLine = [this] {
        // Putting the target back shows the waiting line over the earlier request's report.
        if (m_wait->Waiting() && m_waitTarget)
            m_wait->SetStatusTarget(m_waitTarget);
    };
    connect(binding, &QvSNMPRequest2Controls::RefreshEnded, this, keepLine);
    connect(binding, &QvSNMPRequest2Controls::ApplyEnded, this, keepLine);
}

void TRmonWindow::ProbeEnded(const QvSNMPError &outcome, int rows)
{
    if (outcome.code != 0) {
        m_probe = ProbeFailed;
        m_probeError = outcome.text;
    } else {
        m_probe = rows > 0 ? ProbeEnabled : ProbeDisabled;
        m_probeError.clear();
    }
    emit Probed(m_probe);
    if (m_probe != ProbeEnabled)
        // Asked once the binding's signal is over.
        QMetaObject::invokeMethod(this, [this] { AskAfterProbe(); }, Qt::QueuedConnection);
}

void TRmonWindow::AskAfterProbe()
{
    try {
        if (m_probe == ProbeFailed) {
            const auto answer = QvMessageBox(this, RmonNoAnswerMessage(m_probeError), QvAppCaption(),
                                             QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry);
            if (answer == QMessageBox::Retry) {
                m_probe = ProbePending;
                StartProbe();
            } else {
                close();
            }
            return;
        }
        if (m_probe == ProbeDisabled) {
            QvMessageBox(this, RmonDisabledMessage, QvAppCaption());
            close();
        }
    } catch (const std::exception &) {
    }
}

void TRmonWindow::closeEvent(QCloseEvent *event)
{
    // What is still out is no longer awaited; nothing more is asked.
    m_closing = true;
    if (m_wait->Waiting())
        m_wait->CancelAll();
    QWidget::closeEvent(event);
    m_closing = false;
}

TDisplayDelegate::TDisplayDelegate(std::function<QString(const QString &)> display, QObject *parent)
    : QStyledItemDelegate(parent), m_display(std::move(display))
{
}

QString TDisplayDelegate::displayText(const QVariant &value, const QLocale &) const
{
    return m_display(value.toString());
}

QLabel *AddStatusPanel(QStatusBar *bar, int width)
{
    auto *panel = new QLabel(bar);
    panel->setObjectName(bar->objectName() + QStringLiteral("Panel0"));
    panel->setMinimumWidth(width);
    bar->addWidget(panel, 1);
    bar->setSizeGripEnabled(false);
    return panel;
}

QTreeWidget *MakeListView(QWidget *parent, const QString &name)
{
    auto *view = new QTreeWidget(parent);
    view->setObjectName(name);
    view->setColumnCount(0);
    TListViewExport::Attach(view);
    TListViewFilter::Attach(view);
    return view;
}

QPushButton *TRmonSidePanel::AddButton(const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, form);
    b->setObjectName(name);
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
}

TRmonSidePanel BuildRmonSidePanel(QWidget *form, const QStringList &intervals, const QString &hint, int countIndex)
{
    TRmonSidePanel side;
    side.form = form;
    side.layout = new QVBoxLayout;
    side.layout->addWidget(new QLabel(QStringLiteral("System Time:"), form));
    side.time = new QLabel(form);
    side.time->setObjectName(QStringLiteral("ST_Time"));
    side.layout->addWidget(side.time);
    side.layout->addWidget(new QLabel(QStringLiteral("Interval (sec)"), form));
    side.interval = new QComboBox(form);
    side.interval->setObjectName(QStringLiteral("CB_Interval"));
    side.interval->addItems(intervals);
    side.layout->addWidget(side.interval);
    side.layout->addWidget(new QLabel(hint, form));
    side.layout->addWidget(new QLabel(QStringLiteral("Count(10-120)"), form));
    side.count = new QComboBox(form);
    side.count->setObjectName(QStringLiteral("CB_HistoryCount"));
    side.count->addItems({QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("60"),
                          QStringLiteral("120")});
    side.count->setCurrentIndex(countIndex);
    side.layout->addWidget(side.count);
    side.u3d = new QCheckBox(QStringLiteral("3D Line"), form);
    side.u3d->setObjectName(QStringLiteral("CK_U3D"));
    side.layout->addWidget(side.u3d);
    return side;
}

QWidget *BuildRmonTablePage(const QString &name, QLabel *&owner, QLabel *&index, QLabel *&source, QTreeWidget *&list,
                            const QString &listName)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    auto *layout = new QVBoxLayout(page);
    auto *labels = new QHBoxLayout;
    auto addLabel = [&](const QString &caption, QLabel *&st, const QString &stName) {
        labels->addWidget(new QLabel(caption, page));
        st = new QLabel(page);
        st->setObjectName(stName);
        st->setMinimumWidth(80);
        labels->addWidget(st);
    };
    addLabel(QStringLiteral("Owner : "), owner, QStringLiteral("ST_Owner"));
    addLabel(QStringLiteral("Index : "), index, QStringLiteral("ST_Index"));
    addLabel(QStringLiteral("Data Source : "), source, QStringLiteral("ST_DataSource"));
    labels->addStretch(1);
    layout->addLayout(labels);
    list = MakeListView(page, listName);
    layout->addWidget(list);
    return page;
}

void LayOutRmonForm(QWidget *form, QTreeWidget *control, QTabWidget *pages, QVBoxLayout *side, QStatusBar *bar)
{
    side->addStretch(1);
    auto *left = new QVBoxLayout;
    left->addWidget(control);
    left->addWidget(pages, 1);
    auto *body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(side);
    auto *outer = new QVBoxLayout(form);
    outer->addLayout(body, 1);
    outer->addWidget(bar);
}

namespace {

class TCellTips : public QObject {
public:
    explicit TCellTips(QTreeWidget *list) : QObject(list), m_list(list) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return QObject::eventFilter(watched, event);
        const auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex at = m_list->indexAt(help->pos());
        const QString text = at.isValid() ? at.data(Qt::DisplayRole).toString() : QString();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, m_list->viewport(), m_list->visualRect(at));
        return true;
    }

private:
    QTreeWidget *m_list;
};

}  // namespace

void ShowCellTips(QTreeWidget *list)
{
    list->viewport()->installEventFilter(new TCellTips(list));
}
