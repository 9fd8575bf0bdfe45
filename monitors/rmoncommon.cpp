#include "rmoncommon.h"

#include "qvsnmprequest2controls.h"
#include "tlistviewexport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QTime>
#include <QTreeWidget>

#include <utility>
#include <vector>

const QString RmonValid = QStringLiteral("valid");
const QString RmonCreateRequest = QStringLiteral("createRequest");
const QString RmonUnderCreation = QStringLiteral("underCreation");
const QString RmonInvalid = QStringLiteral("invalid");
const QString RmonDisabledMessage = QStringLiteral("Please enable RMON first!");

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

void WriteRmonEntry(QvSNMPRequest2Edits &binding, int statusItem, QComboBox *status, const QList<int> &dataItems,
                    bool adding, int *step)
{
    TAccessGuard guard(binding.Vars());
    auto write = [&](int n) {
        if (step)
            *step = n;
        binding.Apply(false, true);
    };
    guard.SendOnly({statusItem});
    SelectStatus(status, adding ? RmonCreateRequest : RmonUnderCreation);
    write(1);
    guard.SendOnly(dataItems);
    write(2);
    guard.SendOnly({statusItem});
    SelectStatus(status, RmonValid);
    write(3);
}

void InvalidateRmonEntry(QvSNMPRequest2Edits &binding, int statusItem, QComboBox *status)
{
    TAccessGuard guard(binding.Vars());
    guard.SendOnly({statusItem});
    SelectStatus(status, RmonInvalid);
    binding.Apply(false, true);
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
