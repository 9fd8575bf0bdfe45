#include "tfrmconfigsnmp.h"

#include "qvradiogroup.h"
#include "qvsnmpnotify.h"
#include "qvsnmpsession.h"
#include "startupconfig.h"
#include "tmessagebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include <cmath>

namespace {

const QString DefaultReadCommunity = QStringLiteral("corvet");
const QString DefaultWriteCommunity = QStringLiteral("lanmore");

template <typename W>
W *place(W *w, int left, int top, int width = -1)
{
    if (width < 0) {
        w->adjustSize();
        w->move(left, top);
    } else {
        w->setGeometry(left, top, width, w->sizeHint().height());
    }
    return w;
}

QLabel *label(QWidget *parent, const char *text, int left, int top)
{
    return place(new QLabel(QLatin1String(text), parent), left, top);
}

QComboBox *combo(QWidget *parent, const QStringList &items, int left, int top, int width, bool editable)
{
    auto *c = new QComboBox(parent);
    c->setEditable(editable);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return place(c, left, top, width);
}

QLineEdit *edit(QWidget *parent, const char *text, int left, int top, int width)
{
    return place(new QLineEdit(QLatin1String(text), parent), left, top, width);
}

// The file names a device, so the address must be plain host text: no folder part.
bool IsPlainHostText(const QString &address)
{
    return !address.isEmpty() && address != QLatin1String(".") && address != QLatin1String("..")
           && !address.contains(QLatin1Char('/')) && !address.contains(QLatin1Char('\\'))
           && !address.contains(QChar(0));
}

void SetBackground(QWidget *w, QPalette::ColorRole role)
{
    QPalette pal = w->palette();
    const QColor colour = QApplication::palette().color(QPalette::Active, role);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(g, QPalette::Base, colour);
        pal.setColor(g, QPalette::Button, colour);
    }
    w->setPalette(pal);
}

// The file's entry of a protocol list: the item's own when it carries one (a protocol the list
// does not offer, kept from the running settings), else its position.
int FileIndex(const QComboBox *c)
{
    const QVariant d = c->currentData();
    return d.isValid() ? d.toInt() : c->currentIndex();
}

// Selects the entry of a file index; one the list lacks is added under its name, so that OK
// writes back what was running.
void SelectFileIndex(QComboBox *c, int index, const QString &name)
{
    if (index >= 0 && index < c->count() && !c->itemData(index).isValid()) {
        c->setCurrentIndex(index);
        return;
    }
    if (index < 0 || name.isEmpty()) {
        c->setCurrentIndex(-1);
        return;
    }
    int at = c->findData(index);
    if (at < 0) {
        c->addItem(name, index);
        at = c->count() - 1;
    }
    c->setCurrentIndex(at);
}

QString AuthProtocolName(int code)
{
    switch (code) {
    case AUTHPROT_HMAC128SHA224: return QStringLiteral("HMAC_SHA224");
    case AUTHPROT_HMAC192SHA256: return QStringLiteral("HMAC_SHA256");
    case AUTHPROT_HMAC256SHA384: return QStringLiteral("HMAC_SHA384");
    case AUTHPROT_HMAC384SHA512: return QStringLiteral("HMAC_SHA512");
    default: return QString();
    }
}

QString PrivProtocolName(int code)
{
    switch (code) {
    case PRIVPROT_AES128: return QStringLiteral("CFB_AES128");
    case PRIVPROT_AES192: return QStringLiteral("CFB_AES192");
    case PRIVPROT_AES256: return QStringLiteral("CFB_AES256");
    default: return QString();
    }
}

}  // namespace

TfrmConfigSNMP::TfrmConfigSNMP(QWidget *owner, const QString &address, const QString &runningVersion,
                               const QString &runningSecurityName, const QString &folder)
    : QDialog(owner), m_runningVersion(runningVersion), m_runningSecurityName(runningSecurityName), m_folder(folder)
{
    setObjectName(QStringLiteral("frmConfigSNMP"));
    setWindowTitle(QStringLiteral("Device SNMP Configure"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    // The design packs its rows tightly: a compact font keeps the labels clear of their fields.
    QFont compact = font();
    compact.setPixelSize(11);
    setFont(compact);

    sbxConfigSNMP = new QScrollArea(this);
    sbxConfigSNMP->setObjectName(QStringLiteral("sbxConfigSNMP"));
    sbxConfigSNMP->setGeometry(0, 0, ClientWidth, ClientHeight);
    sbxConfigSNMP->setFrameShape(QFrame::NoFrame);
    auto *box = new QWidget;
    box->resize(ClientWidth, ClientHeight);
    sbxConfigSNMP->setWidget(box);

    lblIPCaption = label(box, "IP : ", 16, 16);
    lblIP = label(box, "", 38, 16);
    lblPort = label(box, "Port : ", 120, 16);
    edtPort = edit(box, "161", 148, 10, 38);

    rgpSNMPVersion = new QvRadioGroup(QStringLiteral("SNMP Version"), box);
    rgpSNMPVersion->setColumns(3);
    rgpSNMPVersion->setItems({QStringLiteral("SNMPv1"), QStringLiteral("SNMPv2c"), QStringLiteral("SNMPv3")});
    rgpSNMPVersion->setItemIndex(0);
    if (QLayout *l = rgpSNMPVersion->layout())
        l->setContentsMargins(6, 0, 6, 0);
    rgpSNMPVersion->setGeometry(199, 0, 265, 40);

    lblSecurityName = label(box, "Security Name : ", 16, 48);
    cbxSecurityName = combo(box,
                            {QStringLiteral("noAuthUser"), QStringLiteral("MD5_User"), QStringLiteral("MD5_DES_User"),
                             QStringLiteral("SHA_User"), QStringLiteral("SHA_DES_User")},
                            94, 43, 140, true);
    lblSecurityLevel = label(box, "Security Level : ", 248, 48);
    cbxSecurityLevel = combo(box, {QStringLiteral("NoAuthNoPriv"), QStringLiteral("AuthNoPriv"), QStringLiteral("AuthPriv")},
                             333, 43, 130, false);
    lblAuthProtocol = label(box, "Auth Protocol : ", 16, 72);
    cbxAuthProtocol = combo(box, {QStringLiteral("None"), QStringLiteral("HMACMD5"), QStringLiteral("HMAC_SHA")}, 94, 67,
                            140, false);
    lblAuthPass = label(box, "Auth Password : ", 248, 72);
    edtAuthPass = edit(box, "", 334, 67, 129);
    lblPrivProtocol = label(box, "Priv Protocol : ", 16, 96);
    cbxPrivProtocol = combo(box, {QStringLiteral("None"), QStringLiteral("CBC_DES"), QStringLiteral("CBC_IDEA")}, 94, 91,
                            140, false);
    lblPrivPass = label(box, "Priv Password : ", 248, 96);
    edtPrivPass = edit(box, "", 334, 91, 129);
    lblContext = label(box, "Context Name : ", 16, 119);
    edtContext = edit(box, "corvet", 178, 114, 56);
    lblContextEngine = label(box, "Context Engine ID :  ", 248, 120);
    edtContextEngine = edit(box, "", 346, 115, 117);
    lblCommunity = label(box, "Write Community String : ", 16, 143);
    edtCommunity = edit(box, "lanmore", 178, 138, 56);
    lblTimeout = label(box, "Time-out (s) : ", 16, 167);
    edtTimeout = edit(box, "1", 94, 162, 40);
    lblRetries = label(box, "Retries : ", 248, 167);
    edtRetries = edit(box, "1", 334, 162, 40);
    lblNotifyAddress = label(box, "Trap address : ", 16, 191);
    edtNotifyAddress = edit(box, "0.0.0.0", 94, 186, 140);
    lblNotifyPort = label(box, "Trap port : ", 248, 191);
    edtNotifyPort = edit(box, "162", 334, 186, 56);
    edtNotifyAddress->setToolTip(QStringLiteral("Where this computer receives the switch's traps and informs "
                                                "(0.0.0.0: every address)"));
    edtNotifyPort->setToolTip(QStringLiteral("UDP port for traps and informs; ports below 1024 need privileges"));
    chkGetBulk = place(new QCheckBox(QStringLiteral("Read tables with GETBULK (SNMPv2c, SNMPv3)"), box), 16, 213);
    chkGetBulk->setChecked(true);
    chkGetBulk->setToolTip(QStringLiteral("Off: one GET-NEXT per row, for switches whose agents mishandle GETBULK"));

    btnOk = new QPushButton(QStringLiteral("OK"), box);
    btnOk->setGeometry(136, 240, 75, 25);
    btnOk->setDefault(true);
    btnExit = new QPushButton(QStringLiteral("Exit"), box);
    btnExit->setGeometry(232, 240, 75, 25);

    const struct { QWidget *w; const char *name; } names[] = {
        {lblIPCaption, "lblIPCaption"}, {lblIP, "lblIP"}, {lblPort, "lblPort"}, {edtPort, "edtPort"},
        {rgpSNMPVersion, "rgpSNMPVersion"}, {lblSecurityName, "lblSecurityName"},
        {cbxSecurityName, "cbxSecurityName"}, {lblSecurityLevel, "lblSecurityLevel"},
        {cbxSecurityLevel, "cbxSecurityLevel"}, {lblAuthProtocol, "lblAuthProtocol"},
        {cbxAuthProtocol, "cbxAuthProtocol"}, {lblAuthPass, "lblAuthPass"}, {edtAuthPass, "edtAuthPass"},
        {lblPrivProtocol, "lblPrivProtocol"}, {cbxPrivProtocol, "cbxPrivProtocol"}, {lblPrivPass, "lblPrivPass"},
        {edtPrivPass, "edtPrivPass"}, {lblContext, "lblContext"}, {edtContext, "edtContext"},
        {lblContextEngine, "lblContextEngine"}, {edtContextEngine, "edtContextEngine"},
        {lblCommunity, "lblCommunity"}, {edtCommunity, "edtCommunity"}, {lblTimeout, "lblTimeout"},
        {edtTimeout, "edtTimeout"}, {lblRetries, "lblRetries"}, {edtRetries, "edtRetries"}, {lblNotifyAddress, "lblNotifyAddress"},
        {edtNotifyAddress, "edtNotifyAddress"}, {lblNotifyPort, "lblNotifyPort"}, {edtNotifyPort, "edtNotifyPort"},
        {chkGetBulk, "chkGetBulk"},
        {btnOk, "btnOk"},
        {btnExit, "btnExit"},
    };
    for (const auto &n : names)
        n.w->setObjectName(QLatin1String(n.name));

    lblIP->setText(address);
    lblIP->adjustSize();
    FormCreate();
    edtTimeout->setText(QString::number(SessionParams().Timeout / 100.0));
    edtRetries->setText(QString::number(SessionParams().Retries));
    edtNotifyAddress->setText(NotifyListenParams().Address);
    edtNotifyPort->setText(QString::number(NotifyListenParams().Port));
    chkGetBulk->setChecked(SessionParams().UseGetBulk);

    connect(rgpSNMPVersion, &QvRadioGroup::itemIndexChanged, this, [this] { rgpSNMPVersionClick(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });
}

void TfrmConfigSNMP::FormCreate()
{
    SetV3Controls(false);
}

bool TfrmConfigSNMP::V3Selected() const
{
    return rgpSNMPVersion->itemIndex() == 2;
}

void TfrmConfigSNMP::SetV3Controls(bool on)
{
    const QPalette::ColorRole role = on ? QPalette::Base : QPalette::Window;
    for (QComboBox *c : {cbxSecurityName, cbxSecurityLevel, cbxAuthProtocol, cbxPrivProtocol}) {
        c->setEnabled(on);
        SetBackground(c, role);
    }
    for (QLineEdit *e : {edtAuthPass, edtPrivPass, edtContextEngine}) {
        e->setReadOnly(!on);
        SetBackground(e, role);
    }
}

void TfrmConfigSNMP::rgpSNMPVersionClick()
{
    if (V3Selected()) {
        SetV3Controls(true);
        edtContext->clear();
        edtCommunity->clear();
    } else {
        SetV3Controls(false);
        edtContext->setText(DefaultReadCommunity);
        edtCommunity->setText(DefaultWriteCommunity);
    }
}

QString TfrmConfigSNMP::ConfigFilePath() const
{
    const QString address = lblIP->text();
    if (!IsPlainHostText(address) || m_folder.isEmpty())
        return QString();
    return DeviceConfigPathFor(QDir(m_folder).filePath(address + QStringLiteral(".cfg")), TConfigUse::Write);
}

QString TfrmConfigSNMP::ConfigFileText() const
{
    static const char *const versions[] = {"0", "1", "3"};
    const int v = rgpSNMPVersion->itemIndex();
    TDeviceConfigEntries e;
    e.AgentIP = lblIP->text();
    e.AgentPort = edtPort->text();
    e.Version = QLatin1String(v >= 0 && v < 3 ? versions[v] : "0");
    e.SecurityName = V3Selected() ? cbxSecurityName->currentText() : QString();
    e.AuthPassword = edtAuthPass->text();
    e.PrivPassword = edtPrivPass->text();
    e.ContextEngineID = edtContextEngine->text();
    e.SecurityLevel = cbxSecurityLevel->currentIndex();
    e.ContextName = edtContext->text();
    e.GetCommStr = edtContext->text();
    e.SetCommStr = edtCommunity->text();
    e.AuthProtocol = FileIndex(cbxAuthProtocol);
    e.PrivProtocol = FileIndex(cbxPrivProtocol);
    e.Timeout = TimeoutHundredths().value_or(SessionParams().Timeout);
    e.Retries = RetryCount().value_or(SessionParams().Retries);
    e.GetBulk = chkGetBulk->isChecked();
    e.NotifyAddress = NotifyAddressText().isEmpty() ? NotifyListenParams().Address : NotifyAddressText();
    e.NotifyPort = NotifyPortNumber().value_or(NotifyListenParams().Port);
    return DeviceConfigFileText(e);
}

std::optional<int> TfrmConfigSNMP::TimeoutHundredths() const
{
    bool ok = false;
    const double seconds = edtTimeout->text().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(seconds))
        return std::nullopt;
    const long long h = std::llround(seconds * 100);
    if (h < QvMinTimeout || h > QvMaxTimeout)
        return std::nullopt;
    return int(h);
}

std::optional<int> TfrmConfigSNMP::RetryCount() const
{
    const QString t = edtRetries->text().trimmed();
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok || t.startsWith(QLatin1Char('+')) || n < 0 || n > QvMaxRetries)
        return std::nullopt;
    return n;
}

std::optional<int> TfrmConfigSNMP::NotifyPortNumber() const
{
    const QString t = edtNotifyPort->text().trimmed();
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok || t.startsWith(QLatin1Char('+')) || n < 1 || n > 65535)
        return std::nullopt;
    return n;
}

QString TfrmConfigSNMP::NotifyAddressText() const
{
    // Numeric only: nothing is looked up.
    const QString t = edtNotifyAddress->text().trimmed();
    return IsNumericAddress(t) ? t : QString();
}

void TfrmConfigSNMP::LoadSettings(const TDeviceConfigEntries &running)
{
    edtPort->setText(running.AgentPort);
    const QString v = running.Version.trimmed();
    const int index = v == QLatin1String("3") ? 2 : v == QLatin1String("1") ? 1 : 0;
    rgpSNMPVersion->setItemIndex(index);
    rgpSNMPVersionClick();
    if (index == 2) {
        cbxSecurityName->setCurrentText(running.SecurityName);
        SelectFileIndex(cbxSecurityLevel, running.SecurityLevel, QString());
        SelectFileIndex(cbxAuthProtocol, running.AuthProtocol, AuthProtocolName(running.AuthProtocol + 1));
        SelectFileIndex(cbxPrivProtocol, running.PrivProtocol, PrivProtocolName(running.PrivProtocol + 1));
        edtAuthPass->setText(running.AuthPassword);
        edtPrivPass->setText(running.PrivPassword);
        edtContextEngine->setText(running.ContextEngineID);
        edtContext->setText(running.ContextName);
    } else {
        edtContext->setText(running.GetCommStr);
        edtCommunity->setText(running.SetCommStr);
    }
    edtTimeout->setText(QString::number(running.Timeout / 100.0));
    edtRetries->setText(QString::number(running.Retries));
    edtNotifyAddress->setText(running.NotifyAddress);
    edtNotifyPort->setText(QString::number(running.NotifyPort));
    chkGetBulk->setChecked(running.GetBulk);
}

bool TfrmConfigSNMP::ComputeVersionChanged() const
{
    const int selected = rgpSNMPVersion->itemIndex();
    const QString running = m_runningVersion.trimmed().isEmpty() ? QStringLiteral("0") : m_runningVersion.trimmed();
    if (running == QLatin1String("0"))
        return selected != 0;
    if (running == QLatin1String("1"))
        return selected != 1;
    if (running == QLatin1String("3")) {
        if (selected == 2)
            return cbxSecurityName->currentText() != m_runningSecurityName;
        return true;
    }
    return false;
}

void TfrmConfigSNMP::btnOkClick()
{
    try {
        if (!TimeoutHundredths()) {
            QvMessageBox(this, QStringLiteral("Time-out must be a number of seconds from 0.1 to 60!"), QvAppCaption());
            return;
        }
        if (!RetryCount()) {
            QvMessageBox(this, QStringLiteral("Retries must be a whole number from 0 to 10!"), QvAppCaption());
            return;
        }
        if (NotifyAddressText().isEmpty()) {
            QvMessageBox(this, QStringLiteral("Trap address must be a numeric address (0.0.0.0: every address)!"),
                         QvAppCaption());
            return;
        }
        if (!NotifyPortNumber()) {
            QvMessageBox(this, QStringLiteral("Trap port must be a whole number from 1 to 65535!"), QvAppCaption());
            return;
        }
        if (V3Selected()) {
            const struct { QComboBox *c; const char *text; } checks[] = {
                {cbxSecurityName, "SecurityName is empty!"},
                {cbxSecurityLevel, "SecurityLevel is empty!"},
                {cbxAuthProtocol, "AuthProtocol is empty!"},
                {cbxPrivProtocol, "PrivProtocol is empty!"},
            };
            for (const auto &check : checks) {
                if (check.c->currentText().isEmpty()) {
                    QvMessageBox(this, QLatin1String(check.text), QvAppCaption());
                    return;
                }
            }
        }
        const QString path = ConfigFilePath();
        if (path.isEmpty() || !WriteDeviceConfigFile(path, ConfigFileText())) {
            QvMessageBox(this, QStringLiteral("Create file error!"), QvAppCaption());
            return;
        }
        VersionChanged = ComputeVersionChanged();
        // Time-out, retries, the trap port and GETBULK take effect at once; the rest waits for
        // the next start.
        SessionParams().Timeout = *TimeoutHundredths();
        SessionParams().Retries = *RetryCount();
        SessionParams().UseGetBulk = chkGetBulk->isChecked();
        NotifyListenParams().Address = NotifyAddressText();
        NotifyListenParams().Port = quint16(*NotifyPortNumber());
        accept();
    } catch (const std::exception &e) {
        QvMessageBox(this, QString::fromLatin1(e.what()), QvAppCaption());
    }
}

void TfrmConfigSNMP::btnExitClick()
{
    reject();
}
