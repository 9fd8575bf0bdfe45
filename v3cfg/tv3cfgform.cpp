#include "tv3cfgform.h"

#include "qvsnmpexception.h"
#include "qvsnmpsession.h"
#include "qvwaitindicator.h"
#include "startupconfig.h"
#include "tlistviewfilter.h"
#include "tmessagebox.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

const QString TV3CfgForm::Caption = QStringLiteral("SNMPv3 Configuration");

const TProtocolChoice AuthProtocolChoices[7] = {
    {"None", AUTHPROT_NONE},
    {"HMAC-MD5", AUTHPROT_HMACMD5},
    {"HMAC-SHA", AUTHPROT_HMACSHA},
    {"HMAC-SHA-224", AUTHPROT_HMAC128SHA224},
    {"HMAC-SHA-256", AUTHPROT_HMAC192SHA256},
    {"HMAC-SHA-384", AUTHPROT_HMAC256SHA384},
    {"HMAC-SHA-512", AUTHPROT_HMAC384SHA512},
};

const TProtocolChoice PrivProtocolChoices[5] = {
    {"None", PRIVPROT_NONE},
    {"DES (CBC)", PRIVPROT_DES},
    {"AES-128", PRIVPROT_AES128},
    {"AES-192", PRIVPROT_AES192},
    {"AES-256", PRIVPROT_AES256},
};

namespace {

template <size_t N>
QString ChoiceLabel(const TProtocolChoice (&choices)[N], qint32 code, const QString &oid)
{
    for (const TProtocolChoice &c : choices)
        if (c.code == code)
            return QLatin1String(c.label);
    return oid.isEmpty() ? QStringLiteral("?") : oid;
}

template <size_t N>
QComboBox *ChoiceCombo(const TProtocolChoice (&choices)[N], QWidget *parent)
{
    auto *c = new QComboBox(parent);
    for (const TProtocolChoice &p : choices)
        c->addItem(QLatin1String(p.label), p.code);
    return c;
}

// A report-style list, as the product's other lists.
QTreeWidget *Table(const QStringList &headers, QWidget *parent)
{
    auto *t = new QTreeWidget(parent);
    t->setColumnCount(int(headers.size()));
    t->setHeaderLabels(headers);
    t->setRootIsDecorated(false);
    t->setItemsExpandable(false);
    t->setUniformRowHeights(true);
    t->setAllColumnsShowFocus(true);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->header()->setStretchLastSection(true);
    return t;
}

QTreeWidgetItem *Row(const QStringList &cells)
{
    return new QTreeWidgetItem(cells);
}

// All rows at once: one insertion for the filter and the sort to follow.
void SetRows(QTreeWidget *t, const QList<QTreeWidgetItem *> &rows)
{
    t->clear();
    t->addTopLevelItems(rows);
    for (int c = 0; c < t->columnCount(); ++c)
        t->resizeColumnToContents(c);
}

QLineEdit *PasswordEdit(QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setEchoMode(QLineEdit::Password);
    return e;
}

QPushButton *Button(const char *text, QWidget *parent, const char *name)
{
    auto *b = new QPushButton(QLatin1String(text), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

TV3CfgForm::TV3CfgForm(const TV3CfgStart &start, QWidget *parent) : QDialog(parent), m_start(start)
{
    setObjectName(QStringLiteral("V3CfgForm"));
    setWindowTitle(Caption + QStringLiteral(" : ") + start.address);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    auto *top = new QVBoxLayout(this);

    LB_Session = new QLabel(this);
    top->addWidget(LB_Session);

    auto *split = new QSplitter(Qt::Vertical, this);
    top->addWidget(split, 1);
    auto *upper = new QWidget(split);
    auto *upperRow = new QHBoxLayout(upper);
    upperRow->setContentsMargins(0, 0, 0, 0);
    auto *usersBox = new QGroupBox(QStringLiteral("Users"), upper);
    auto *usersLayout = new QVBoxLayout(usersBox);
    LV_Users = Table({QStringLiteral("User"), QStringLiteral("Authentication"), QStringLiteral("Privacy"),
                      QStringLiteral("Group"), QStringLiteral("Status"), QStringLiteral("Storage")},
                     usersBox);
    LV_Users->setObjectName(QStringLiteral("LV_Users"));
    usersLayout->addWidget(LV_Users);
    // "name: ..." as the form calls it.
    TListViewFilter::Attach(LV_Users)->SetAliases({{QStringLiteral("name"), 0}});
    upperRow->addWidget(usersBox, 3);

    auto *formBox = new QGroupBox(QStringLiteral("User"), upper);
    auto *form = new QFormLayout(formBox);
    ED_Name = new QLineEdit(formBox);
    ED_Name->setMaxLength(32);
    CB_AuthProtocol = ChoiceCombo(AuthProtocolChoices, formBox);
    ED_AuthPassword = PasswordEdit(formBox);
    CB_PrivProtocol = ChoiceCombo(PrivProtocolChoices, formBox);
    ED_PrivPassword = PasswordEdit(formBox);
    CB_CloneFrom = new QComboBox(formBox);
    ED_CloneAuthPassword = PasswordEdit(formBox);
    ED_ClonePrivPassword = PasswordEdit(formBox);
    CB_Group = new QComboBox(formBox);
    CB_Group->setEditable(true);
    form->addRow(QStringLiteral("Name :"), ED_Name);
    form->addRow(QStringLiteral("Auth Protocol :"), CB_AuthProtocol);
    form->addRow(QStringLiteral("Auth Password :"), ED_AuthPassword);
    form->addRow(QStringLiteral("Priv Protocol :"), CB_PrivProtocol);
    form->addRow(QStringLiteral("Priv Password :"), ED_PrivPassword);
    form->addRow(QStringLiteral("Clone From :"), CB_CloneFrom);
    form->addRow(QStringLiteral("Its Auth Password :"), ED_CloneAuthPassword);
    form->addRow(QStringLiteral("Its Priv Password :"), ED_ClonePrivPassword);
    form->addRow(QStringLiteral("Group :"), CB_Group);
    auto *formButtons = new QHBoxLayout;
    BT_Create = Button("Create", formBox, "BT_Create");
    BT_Try = Button("Try these credentials", formBox, "BT_Try");
    BT_Use = Button("Use", formBox, "BT_Use");
    BT_Use->setToolTip(QStringLiteral("Write these credentials into the device manager's configuration file"));
    formButtons->addWidget(BT_Create);
    formButtons->addWidget(BT_Try);
    formButtons->addWidget(BT_Use);
    form->addRow(formButtons);
    ED_OldAuthPassword = PasswordEdit(formBox);
    ED_OldPrivPassword = PasswordEdit(formBox);
    form->addRow(QStringLiteral("Current Auth Password :"), ED_OldAuthPassword);
    form->addRow(QStringLiteral("Current Priv Password :"), ED_OldPrivPassword);
    auto *userButtons = new QHBoxLayout;
    BT_ChangePasswords = Button("Change Passwords", formBox, "BT_ChangePasswords");
    BT_ChangePasswords->setToolTip(QStringLiteral("Give the selected user the passwords above; a password left "
                                                  "empty stays as it is"));
    BT_Delete = Button("Delete", formBox, "BT_Delete");
    userButtons->addWidget(BT_ChangePasswords);
    userButtons->addWidget(BT_Delete);
    form->addRow(userButtons);
    upperRow->addWidget(formBox, 2);

    PC_Vacm = new QTabWidget(split);
    LV_Groups = Table({QStringLiteral("Security Model"), QStringLiteral("Security Name"), QStringLiteral("Group"),
                       QStringLiteral("Status"), QStringLiteral("Storage")},
                      PC_Vacm);
    LV_Access = Table({QStringLiteral("Group"), QStringLiteral("Context Prefix"), QStringLiteral("Security Model"),
                       QStringLiteral("Security Level"), QStringLiteral("Context Match"), QStringLiteral("Read View"),
                       QStringLiteral("Write View"), QStringLiteral("Notify View"), QStringLiteral("Status")},
                      PC_Vacm);
    LV_Views = Table({QStringLiteral("View"), QStringLiteral("Subtree"), QStringLiteral("Mask"), QStringLiteral("Type"),
                      QStringLiteral("Status")},
                     PC_Vacm);
    PC_Vacm->addTab(LV_Groups, QStringLiteral("Groups"));
    PC_Vacm->addTab(LV_Access, QStringLiteral("Access"));
    PC_Vacm->addTab(LV_Views, QStringLiteral("Views"));
    for (QTreeWidget *t : {LV_Groups, LV_Access, LV_Views})
        TListViewFilter::Attach(t);

    MM_Report = new QPlainTextEdit(split);
    MM_Report->setObjectName(QStringLiteral("MM_Report"));
    MM_Report->setReadOnly(true);
    MM_Report->setMaximumBlockCount(500);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setStretchFactor(2, 1);

    auto *bottom = new QHBoxLayout;
    BT_Refresh = Button("Refresh", this, "BT_Refresh");
    BT_Close = Button("Close", this, "BT_Close");
    bottom->addWidget(BT_Refresh);
    bottom->addStretch(1);
    bottom->addWidget(BT_Close);
    top->addLayout(bottom);

    connect(BT_Refresh, &QPushButton::clicked, this, [this] { BT_RefreshClick(); });
    connect(BT_Create, &QPushButton::clicked, this, [this] { BT_CreateClick(); });
    connect(BT_Try, &QPushButton::clicked, this, [this] { BT_TryClick(); });
    connect(BT_Use, &QPushButton::clicked, this, [this] { BT_UseClick(); });
    connect(BT_ChangePasswords, &QPushButton::clicked, this, [this] { BT_ChangePasswordsClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { BT_DeleteClick(); });
    connect(BT_Close, &QPushButton::clicked, this, &QDialog::accept);
    connect(LV_Users, &QTreeWidget::itemSelectionChanged, this, [this] { LV_UsersSelectionChanged(); });

    const QvSNMPSessionParams &p = SessionParams();
    const QString who = p.Security.Version == SNMP_VERSION_V3
                            ? QStringLiteral("SNMPv3 user \"%1\"").arg(p.Security.SecurityName)
                            : QStringLiteral("SNMPv%1 community").arg(p.Security.Version == SNMP_VERSION_V2C
                                                                          ? QStringLiteral("2c")
                                                                          : QStringLiteral("1"));
    LB_Session->setText(QStringLiteral("Switch %1, port %2, as %3 (%4)")
                            .arg(start.address)
                            .arg(p.Device.Port)
                            .arg(who, start.configRead ? QStringLiteral("from ") + start.configPath
                                                       : QStringLiteral("no device configuration file; defaults")));
    resize(1000, 720);

    Wait = new QvWaitIndicator(this);
    Wait->SetStatusTarget(MM_Report);
    for (QWidget *w : std::initializer_list<QWidget *>{BT_Refresh, BT_Create, BT_Try, BT_ChangePasswords, BT_Delete})
        Wait->AddSendControl(w);
    connect(Wait, &QvWaitIndicator::WaitingChanged, this, [this](bool waiting) {
        if (!waiting)
            m_waits.clear();
    });
    m_admin.Answered = [this] {
        for (int t : std::as_const(m_waits))
            Wait->Tick(t);
    };
}

TV3CfgForm::~TV3CfgForm()
{
    // The indicator cancels what is out while the administration still exists.
    delete Wait;
    Wait = nullptr;
    m_admin.Cancel();
}

void TV3CfgForm::done(int result)
{
    if (Wait && Wait->Waiting())
        Wait->CancelAll();
    QDialog::done(result);
}

int TV3CfgForm::BeginWait()
{
    const int t = Wait->Begin(TUsmAdmin::WaitLimitMs(), [this] { m_admin.Cancel(); });
    m_waits.insert(t);
    return t;
}

void TV3CfgForm::EndWait(int token)
{
    m_waits.remove(token);
    if (Wait)
        Wait->End(token);
}

bool TV3CfgForm::ConfirmClearKeys(const QString &name)
{
    if (!TUsmAdmin::SessionInClear())
        return true;
    return QvMessageBox(this,
                        QStringLiteral("This session speaks SNMPv1/v2c: the community and the key change values for "
                                       "\"%1\" cross the network in clear, so whoever sees them and knows an old "
                                       "password can work out the new key.\n\nSend them anyway?")
                            .arg(name),
                        Caption, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

void TV3CfgForm::Report(const QString &text)
{
    MM_Report->appendPlainText(text);
}

void TV3CfgForm::Guarded(const std::function<void()> &action)
{
    try {
        action();
    } catch (const QvSNMPException &e) {
        Report(QStringLiteral("Failed: ") + TUsmAdmin::PlainFailure(e.code(), e.text()));
    } catch (const std::exception &e) {
        Report(QStringLiteral("Failed: ") + QString::fromLatin1(e.what()));
    }
}

void TV3CfgForm::BT_RefreshClick()
{
    Guarded([this] { Refresh(QString()); });
}

void TV3CfgForm::Refresh(const QString &select)
{
    const QString keep = select.isEmpty() ? SelectedUser() : select;
    const int t = BeginWait();
    m_admin.ReadTables([this, t, keep](const TUsmTables &tables) {
        EndWait(t);
        Guarded([&] {
            if (!tables.outcome.ok) {
                Report(QStringLiteral("Refresh: ") + tables.outcome.Report());
                return;
            }
            m_users = tables.users;
            m_groups = tables.groups;
            m_access = tables.access;
            m_views = tables.views;
            FillUsers();
            SelectUser(keep);
            FillVacm();
            Report(QStringLiteral("Read %1 users, %2 group entries, %3 access entries and %4 view entries.")
                       .arg(m_users.size())
                       .arg(m_groups.size())
                       .arg(m_access.size())
                       .arg(m_views.size()));
        });
    });
}

void TV3CfgForm::FillUsers()
{
    const QSignalBlocker block(LV_Users);
    QList<QTreeWidgetItem *> rows;
    const QString clone = CB_CloneFrom->currentText();
    const QString group = CB_Group->currentText();
    CB_CloneFrom->clear();
    QSet<QString> groups;
    for (int i = 0; i < m_users.size(); ++i) {
        const TUsmUser &u = m_users.at(i);
        QString userGroup;
        for (const TVacmMember &m : std::as_const(m_groups))
            if (m.model == SECMODEL_USM && m.securityName == u.name)
                userGroup = m.group;
        rows << Row({u.name, ChoiceLabel(AuthProtocolChoices, u.authProtocol, u.authOid),
                     ChoiceLabel(PrivProtocolChoices, u.privProtocol, u.privOid), userGroup, u.status, u.storage});
        CB_CloneFrom->addItem(u.name);
    }
    for (const TVacmMember &m : std::as_const(m_groups))
        groups.insert(m.group);
    QStringList sorted(groups.begin(), groups.end());
    sorted.sort();
    CB_Group->clear();
    CB_Group->addItem(QString());
    CB_Group->addItems(sorted);
    // The session's own user is the natural clone source: its passwords are known.
    const QvSNMPSecurity &s = SessionParams().Security;
    const QString preferred = !clone.isEmpty() ? clone : s.SecurityName;
    if (int at = CB_CloneFrom->findText(preferred); at >= 0)
        CB_CloneFrom->setCurrentIndex(at);
    if (s.Version == SNMP_VERSION_V3 && CB_CloneFrom->currentText() == s.SecurityName
        && ED_CloneAuthPassword->text().isEmpty()) {
        ED_CloneAuthPassword->setText(s.AuthPassword);
        ED_ClonePrivPassword->setText(s.PrivPassword);
    }
    CB_Group->setCurrentText(group);
    SetRows(LV_Users, rows);
}

void TV3CfgForm::FillVacm()
{
    // With a user selected, the access entries and views are those of its group.
    const QString user = SelectedUser();
    QString group;
    for (const TVacmMember &m : std::as_const(m_groups))
        if (!user.isEmpty() && m.model == SECMODEL_USM && m.securityName == user)
            group = m.group;
    const bool all = user.isEmpty();
    QList<QTreeWidgetItem *> groupRows, accessRows, viewRows;
    for (const TVacmMember &m : std::as_const(m_groups)) {
        if (!all && m.group != group)
            continue;
        groupRows << Row({QString::number(m.model), m.securityName, m.group, m.status, m.storage});
    }
    QSet<QString> views;
    for (const TVacmAccess &a : std::as_const(m_access)) {
        if (!all && a.group != group)
            continue;
        views << a.readView << a.writeView << a.notifyView;
        accessRows << Row({a.group, a.contextPrefix, QString::number(a.model), a.level, a.match, a.readView,
                           a.writeView, a.notifyView, a.status});
    }
    for (const TVacmView &v : std::as_const(m_views)) {
        if (!all && !views.contains(v.name))
            continue;
        viewRows << Row({v.name, v.subtree, v.mask, v.type, v.status});
    }
    PC_Vacm->setTabText(1, all || group.isEmpty() ? QStringLiteral("Access")
                                                  : QStringLiteral("Access of \"%1\"").arg(group));
    SetRows(LV_Groups, groupRows);
    SetRows(LV_Access, accessRows);
    SetRows(LV_Views, viewRows);
}

QString TV3CfgForm::SelectedUser() const
{
    // A user the filter hides is not acted on.
    const QList<QTreeWidgetItem *> sel = LV_Users->selectedItems();
    return sel.isEmpty() ? QString() : sel.first()->text(0);
}

void TV3CfgForm::SelectUser(const QString &name)
{
    for (int r = 0; r < LV_Users->topLevelItemCount(); ++r) {
        if (QTreeWidgetItem *item = LV_Users->topLevelItem(r); item->text(0) == name) {
            LV_Users->setCurrentItem(item);
            return;
        }
    }
    LV_Users->clearSelection();
}

void TV3CfgForm::LV_UsersSelectionChanged()
{
    const QString name = SelectedUser();
    for (const TUsmUser &u : std::as_const(m_users)) {
        if (u.name != name)
            continue;
        ED_Name->setText(u.name);
        if (int at = CB_AuthProtocol->findData(u.authProtocol); at >= 0)
            CB_AuthProtocol->setCurrentIndex(at);
        if (int at = CB_PrivProtocol->findData(u.privProtocol); at >= 0)
            CB_PrivProtocol->setCurrentIndex(at);
        for (const TVacmMember &m : std::as_const(m_groups))
            if (m.model == SECMODEL_USM && m.securityName == name)
                CB_Group->setCurrentText(m.group);
    }
    FillVacm();
}

TUsmCredentials TV3CfgForm::FormCredentials() const
{
    TUsmCredentials c;
    c.name = ED_Name->text();
    c.authProtocol = CB_AuthProtocol->currentData().toInt();
    c.privProtocol = CB_PrivProtocol->currentData().toInt();
    c.authPassword = ED_AuthPassword->text();
    c.privPassword = ED_PrivPassword->text();
    c.level = c.authProtocol == AUTHPROT_NONE   ? SECLEVEL_NOAUTH_NOPRIV
              : c.privProtocol == PRIVPROT_NONE ? SECLEVEL_AUTH_NOPRIV
                                                : SECLEVEL_AUTH_PRIV;
    return c;
}

void TV3CfgForm::BT_CreateClick()
{
    Guarded([this] {
        TUsmNewUser q;
        q.user = FormCredentials();
        q.cloneFrom = CB_CloneFrom->currentText();
        q.cloneAuthPassword = ED_CloneAuthPassword->text();
        q.clonePrivPassword = ED_ClonePrivPassword->text();
        q.group = CB_Group->currentText().trimmed();
        if (q.user.level >= SECLEVEL_AUTH_NOPRIV && !ConfirmClearKeys(q.user.name))
            return;
        const int t = BeginWait();
        const QString name = q.user.name;
        m_admin.CreateUser(q, [this, t, name](const TUsmOutcome &o) {
            Guarded([&] {
                Report(QStringLiteral("Create \"%1\": ").arg(name) + o.Report());
                // The wait goes on into the refresh that shows the new user.
                Refresh(name);
            });
            EndWait(t);
        });
    });
}

void TV3CfgForm::BT_TryClick()
{
    Guarded([this] {
        const TUsmCredentials c = FormCredentials();
        const int t = BeginWait();
        m_admin.TestCredentials(c, [this, t, name = c.name](const TUsmOutcome &o) {
            EndWait(t);
            Report(QStringLiteral("Try \"%1\": ").arg(name) + o.Report());
        });
    });
}

void TV3CfgForm::BT_UseClick()
{
    Guarded([this] {
        const TUsmCredentials c = FormCredentials();
        if (c.name.isEmpty()) {
            Report(QStringLiteral("Use: give the user's name first."));
            return;
        }
        if (m_start.configPath.isEmpty()) {
            Report(QStringLiteral("Use: the device manager reads no configuration file for %1 from %2 (its folder "
                                  "is not the suite's and the suite's program folder is not set).")
                       .arg(m_start.address, m_start.programFolder));
            return;
        }
        const TDeviceConfigEntries e =
            UserConfigEntries(m_start.address, SessionParams().Device.Port, c.name, c.level, c.authProtocol,
                              c.authPassword, c.privProtocol, c.privPassword);
        const QString path = DeviceConfigPathFor(m_start.configPath, TConfigUse::Write);
        if (!WriteDeviceConfigFile(path, DeviceConfigFileText(e))) {
            Report(QStringLiteral("Use: cannot write %1.").arg(path));
            return;
        }
        Report(QStringLiteral("Use: %1 now holds \"%2\"; the device manager polls with it when this tool closes.")
                   .arg(path, c.name));
    });
}

void TV3CfgForm::BT_ChangePasswordsClick()
{
    Guarded([this] {
        const QString name = SelectedUser();
        const auto it = std::find_if(m_users.cbegin(), m_users.cend(), [&](const TUsmUser &u) { return u.name == name; });
        if (it == m_users.cend()) {
            Report(QStringLiteral("Change passwords: select a user first."));
            return;
        }
        TUsmPasswordChange q;
        q.name = name;
        q.authProtocol = it->authProtocol;
        q.privProtocol = it->privProtocol;
        q.changeAuth = !ED_AuthPassword->text().isEmpty();
        q.newAuthPassword = ED_AuthPassword->text();
        q.oldAuthPassword = ED_OldAuthPassword->text();
        q.changePriv = !ED_PrivPassword->text().isEmpty();
        q.newPrivPassword = ED_PrivPassword->text();
        q.oldPrivPassword = ED_OldPrivPassword->text();
        if ((q.changeAuth || q.changePriv) && !ConfirmClearKeys(name))
            return;
        const int t = BeginWait();
        m_admin.ChangePasswords(q, [this, t, name](const TUsmOutcome &o) {
            EndWait(t);
            Report(QStringLiteral("Change passwords of \"%1\": ").arg(name) + o.Report());
        });
    });
}

void TV3CfgForm::BT_DeleteClick()
{
    Guarded([this] {
        const QString name = SelectedUser();
        if (name.isEmpty()) {
            Report(QStringLiteral("Delete: select a user first."));
            return;
        }
        // Refused before the question: the answer would not matter.
        if (TUsmAdmin::IsSessionUser(name)) {
            Report(QStringLiteral("Delete \"%1\": it is the user this tool speaks as; it cannot delete itself.")
                       .arg(name));
            return;
        }
        if (QvMessageBox(this, QStringLiteral("Delete the user \"%1\" from the switch?").arg(name), Caption,
                         QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
            return;
        const int t = BeginWait();
        m_admin.DeleteUser(name, [this, t, name](const TUsmOutcome &o) {
            Guarded([&] {
                Report(QStringLiteral("Delete \"%1\": ").arg(name) + o.Report());
                Refresh(QString());
            });
            EndWait(t);
        });
    });
}
