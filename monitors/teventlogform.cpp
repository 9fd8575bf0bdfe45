// Event Log window.
#include "teventlogform.h"

#include "teventlog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

void TEventFilterModel::SetMinimumSeverity(int severity)
{
    m_minSeverity = severity;
    invalidateFilter();
}

void TEventFilterModel::SetUnacknowledgedOnly(bool on)
{
    m_unackedOnly = on;
    invalidateFilter();
}

void TEventFilterModel::SetSearch(const QString &text)
{
    m_search = text.trimmed();
    invalidateFilter();
}

bool TEventFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QAbstractItemModel *m = sourceModel();
    const QModelIndex first = m->index(sourceRow, 0, sourceParent);
    if (m->data(first, TEventLogModel::SeverityRole).toInt() < m_minSeverity)
        return false;
    if (m_unackedOnly && m->data(first, TEventLogModel::AcknowledgedRole).toBool())
        return false;
    if (m_search.isEmpty())
        return true;
    for (int c = 0; c < m->columnCount(sourceParent); ++c)
        if (m->data(m->index(sourceRow, c, sourceParent)).toString().contains(m_search, Qt::CaseInsensitive))
            return true;
    return false;
}

TEventLogForm::TEventLogForm(TEventLogModel *model, QWidget *parent)
    : QWidget(parent, Qt::Window), m_model(model)
{
    setObjectName(QStringLiteral("EventLogForm"));
    setWindowTitle(QStringLiteral("Event Log"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 420);

    m_filter = new TEventFilterModel(this);
    m_filter->setSourceModel(model);
    m_filter->setSortRole(Qt::DisplayRole);

    m_severity = new QComboBox(this);
    m_severity->setObjectName(QStringLiteral("cbxSeverity"));
    m_severity->addItems({QStringLiteral("All severities"), QStringLiteral("Warning and above"),
                          QStringLiteral("Critical only")});
    auto *unacked = new QCheckBox(QStringLiteral("Unacknowledged only"), this);
    unacked->setObjectName(QStringLiteral("chkUnacked"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("edtSearch"));
    m_search->setPlaceholderText(QStringLiteral("Search (name, port, variable, sender…)"));
    m_search->setClearButtonEnabled(true);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("EventTable"));
    m_view->setModel(m_filter);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(TEventLogModel::ColTime, Qt::DescendingOrder);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(false);
    m_view->horizontalHeader()->setSectionResizeMode(TEventLogModel::ColDetails, QHeaderView::Stretch);
    m_view->setWordWrap(false);

    const auto button = [this](const char *text, const char *name) {
        auto *b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    QPushButton *ack = button("Acknowledge", "btnAcknowledge");
    QPushButton *ackAll = button("Acknowledge All", "btnAcknowledgeAll");
    QPushButton *copy = button("Copy", "btnCopy");
    QPushButton *exportCsv = button("Export CSV…", "btnExport");
    QPushButton *clear = button("Clear", "btnClear");
    QPushButton *close = button("Close", "btnClose");
    m_counts = new QLabel(this);
    m_counts->setObjectName(QStringLiteral("lblCounts"));

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Show:"), this));
    top->addWidget(m_severity);
    top->addWidget(unacked);
    top->addWidget(m_search, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_counts, 1);
    for (QPushButton *b : {ack, ackAll, copy, exportCsv, clear, close})
        bottom->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);
    layout->addLayout(bottom);

    connect(m_severity, &QComboBox::currentIndexChanged, this, [this](int i) { m_filter->SetMinimumSeverity(i); });
    connect(unacked, &QCheckBox::toggled, this, [this](bool on) { m_filter->SetUnacknowledgedOnly(on); });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &t) { m_filter->SetSearch(t); });
    connect(ack, &QPushButton::clicked, this, [this] { AcknowledgeSelected(); });
    connect(ackAll, &QPushButton::clicked, this, [this] { m_model->AcknowledgeAll(); });
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(SelectedCsv(true)); });
    connect(exportCsv, &QPushButton::clicked, this, [this] {
        try {
            const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export Event Log"),
                                                              QStringLiteral("eventlog.csv"),
                                                              QStringLiteral("CSV files (*.csv)"));
            if (!path.isEmpty() && !ExportCsv(path))
                QMessageBox::warning(this, windowTitle(), QStringLiteral("%1 cannot be written").arg(path));
        } catch (...) {
        }
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        if (QMessageBox::question(this, windowTitle(), QStringLiteral("Clear the event log?")) == QMessageBox::Yes)
            m_model->Clear();
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *copyKey = new QShortcut(QKeySequence::Copy, m_view);
    connect(copyKey, &QShortcut::activated, this, [this] { QApplication::clipboard()->setText(SelectedCsv(true)); });
    connect(m_model, &TEventLogModel::UnacknowledgedChanged, this, [this] { UpdateCounts(); });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] { UpdateCounts(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { UpdateCounts(); });
    UpdateCounts();
}

TEventLogForm *TEventLogForm::ShowFor(TEventLogModel *model, QWidget *parent)
{
    TEventLogForm *form = parent ? parent->findChild<TEventLogForm *>(QStringLiteral("EventLogForm"),
                                                                      Qt::FindDirectChildrenOnly)
                                 : nullptr;
    if (!form)
        form = new TEventLogForm(model, parent);
    form->show();
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->raise();
    form->activateWindow();
    return form;
}

QList<int> TEventLogForm::SourceRows(bool selectedOnly) const
{
    QList<int> rows;
    if (selectedOnly) {
        QModelIndexList sel = m_view->selectionModel()->selectedRows();
        std::sort(sel.begin(), sel.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
        for (const QModelIndex &i : sel)
            rows << m_filter->mapToSource(i).row();
        return rows;
    }
    for (int r = 0; r < m_filter->rowCount(); ++r)
        rows << m_filter->mapToSource(m_filter->index(r, 0)).row();
    return rows;
}

QString TEventLogForm::SelectedCsv(bool allWhenNone) const
{
    QList<int> rows = SourceRows(true);
    if (rows.isEmpty() && allWhenNone)
        rows = SourceRows(false);
    return m_model->Csv(rows);
}

bool TEventLogForm::ExportCsv(const QString &path) const
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = m_model->Csv(SourceRows(false)).toUtf8();
    return f.write(bytes) == bytes.size();
}

void TEventLogForm::AcknowledgeSelected() { m_model->Acknowledge(SourceRows(true)); }

void TEventLogForm::SetIgnoredText(const QString &text)
{
    m_ignored = text;
    UpdateCounts();
}

void TEventLogForm::UpdateCounts()
{
    QString t = QStringLiteral("%1 notifications, %2 unacknowledged").arg(m_model->rowCount()).arg(m_model->UnacknowledgedCount());
    if (!m_ignored.isEmpty())
        t += QStringLiteral("; ") + m_ignored;
    if (!m_model->JournalError().isEmpty())
        t += QStringLiteral("; ") + m_model->JournalError();
    m_counts->setText(t);
}
