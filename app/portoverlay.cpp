#include "portoverlay.h"

#include "frontpanelart.h"
#include "portpoller.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QToolTip>

// Paints the looks of the ports over the picture's port area.
class TOverlayView : public QWidget {
public:
    TOverlayView(TPortOverlay *overlay, QWidget *image) : QWidget(image), m_overlay(overlay)
    {
        setObjectName(QStringLiteral("PortOverlay"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_TranslucentBackground);
        // The jacks and the module slots with room for the outlines; the LEDs stay outside.
        setGeometry(88, 22, 722, 49);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        for (int port = 1; port <= 50; ++port) {
            const TPortLook look = m_overlay->Look(port);
            const QRect face = FrontPanelArt::PortFace(port).translated(-pos());
            if (look.grey)
                p.fillRect(face, TPortOverlay::GreyColour());
            else if (look.level >= 0)
                p.fillRect(face, TPortOverlay::LevelColour(look.level));
            if (look.errors && !look.grey) {
                p.setPen(QPen(TPortOverlay::ErrorColour(), 2));
                p.setBrush(Qt::NoBrush);
                p.drawRect(face.adjusted(1, 1, -1, -1));
                p.setPen(Qt::NoPen);
                p.setBrush(TPortOverlay::ErrorColour());
                const QPoint corner = face.topRight();
                p.drawPolygon(QPolygon({corner, corner + QPoint(-7, 0), corner + QPoint(0, 7)}));
            }
            if (look.vlan != TVlanMembership::None) {
                QPen pen(look.grey ? TPortOverlay::GreyColour().lighter(150) : TPortOverlay::VlanColour(), 2);
                pen.setStyle(look.vlan == TVlanMembership::Tagged ? Qt::DashLine : Qt::SolidLine);
                pen.setDashPattern(look.vlan == TVlanMembership::Tagged ? QList<qreal>{1.5, 1.5} : QList<qreal>{});
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                p.drawRect(face.adjusted(-2, -1, 1, 0));
            }
        }
    }

private:
    TPortOverlay *m_overlay;
};

// The legend: the levels, errors, silence and the two outlines.
class TOverlayLegend : public QWidget {
public:
    explicit TOverlayLegend(TPortOverlay *overlay, QWidget *parent) : QWidget(parent), m_overlay(overlay)
    {
        setObjectName(QStringLiteral("OverlayLegend"));
        setMinimumWidth(640);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QFont f = font();
        f.setPixelSize(11);
        p.setFont(f);
        const int y = height() / 2;
        int x = 4;
        auto text = [&](const QString &t, const QColor &c = QColor()) {
            p.setPen(c.isValid() ? c : palette().color(QPalette::WindowText));
            const int w = p.fontMetrics().horizontalAdvance(t);
            p.drawText(QRect(x, 0, w + 2, height()), Qt::AlignVCenter | Qt::AlignLeft, t);
            x += w + 6;
        };
        // inset > 1 leaves chassis colour around the outline, as on the panel, so that a light one shows.
        auto swatch = [&](const QColor &fill, const QColor &edge, Qt::PenStyle style = Qt::SolidLine, int inset = 1) {
            const QRect r(x, y - 6, 16, 12);
            p.fillRect(r, QColor(52, 54, 60));
            if (fill.isValid())
                p.fillRect(r, fill);
            if (edge.isValid()) {
                QPen pen(edge, 2, style);
                if (style == Qt::DashLine)
                    pen.setDashPattern({1.5, 1.5});
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(inset, inset, -inset, -inset));
            }
            x += 19;
        };
        if (!m_overlay->IsEnabled()) {
            text(QStringLiteral("Port traffic and VLANs are off (View menu)"));
            return;
        }
        text(QStringLiteral("Traffic:"));
        for (int level = 0; level < TPortStats::LevelCount; ++level) {
            swatch(TPortOverlay::LevelColour(level), QColor());
            text(TPortStats::LevelLabel(level));
        }
        swatch(QColor(), TPortOverlay::ErrorColour());
        text(QStringLiteral("errors"));
        swatch(TPortOverlay::GreyColour(), QColor());
        text(QStringLiteral("no answer"));
        x += 6;
        swatch(QColor(), TPortOverlay::VlanColour(), Qt::SolidLine, 3);
        text(QStringLiteral("untagged"));
        swatch(QColor(), TPortOverlay::VlanColour(), Qt::DashLine, 3);
        text(QStringLiteral("tagged"));
    }

private:
    TPortOverlay *m_overlay;
};

namespace {

QString SettingsPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("kmv7040qx/kmv7040qx.conf"));
}

const QString EnabledKey = QStringLiteral("View/PortTraffic");

} // namespace

TPortOverlay::TPortOverlay(QWidget *image, QWidget *stripParent) : QObject(image), m_image(image)
{
    m_poller = new TPortPoller(this);
    m_view = new TOverlayView(this, image);
    m_view->raise();

    m_strip = new QWidget(stripParent);
    m_strip->setObjectName(QStringLiteral("OverlayStrip"));
    m_strip->setFixedHeight(StripHeight);
    auto *row = new QHBoxLayout(m_strip);
    row->setContentsMargins(2, 1, 4, 1);
    row->setSpacing(4);
    m_legend = new TOverlayLegend(this, m_strip);
    row->addWidget(m_legend, 1);
    auto *label = new QLabel(QStringLiteral("VLAN:"), m_strip);
    row->addWidget(label);
    m_vlanBox = new QComboBox(m_strip);
    m_vlanBox->setObjectName(QStringLiteral("VlanChooser"));
    m_vlanBox->setMinimumWidth(130);
    m_vlanBox->setToolTip(QStringLiteral("Outline the ports of a VLAN: solid untagged, dashed tagged"));
    label->setBuddy(m_vlanBox);
    row->addWidget(m_vlanBox);
    m_vlanBox->addItem(QStringLiteral("none"), 0);

    connect(m_poller, &TPortPoller::TrafficUpdated, this, &TPortOverlay::Repaint);
    connect(m_poller, &TPortPoller::SilentChanged, this, &TPortOverlay::Repaint);
    connect(m_poller, &TPortPoller::DetailsUpdated, this, [this] {
        FillVlanChooser();
        Repaint();
    });
    connect(m_vlanBox, &QComboBox::currentIndexChanged, this, &TPortOverlay::Repaint);
    image->installEventFilter(this);
    m_enabled = RememberedEnabled();
    m_view->setVisible(m_enabled);
    m_vlanBox->setEnabled(m_enabled);
}

TPortOverlay::~TPortOverlay() = default;

QAction *TPortOverlay::AddViewMenu(QMenuBar *bar, QMenu *before)
{
    auto *menu = new QMenu(QStringLiteral("&View"), bar);
    menu->setObjectName(QStringLiteral("View1"));
    if (before)
        bar->insertMenu(before->menuAction(), menu);
    else
        bar->addMenu(menu);
    m_action = menu->addAction(QStringLiteral("Port &traffic and VLANs"));
    m_action->setObjectName(QStringLiteral("PortTraffic"));
    m_action->setCheckable(true);
    m_action->setChecked(m_enabled);
    connect(m_action, &QAction::toggled, this, [this](bool on) {
        try {
            SetEnabled(on);
            Remember(on);
        } catch (...) {
        }
    });
    return m_action;
}

void TPortOverlay::SetEnabled(bool on)
{
    if (m_action && m_action->isChecked() != on)
        m_action->setChecked(on);
    if (m_enabled == on)
        return;
    m_enabled = on;
    m_view->setVisible(on);
    m_vlanBox->setEnabled(on);
    if (on)
        m_poller->Start();
    else
        m_poller->Stop();
    Repaint();
}

void TPortOverlay::Restart()
{
    if (m_enabled)
        m_poller->Start();
}

int TPortOverlay::SelectedVlan() const
{
    return m_vlanBox->currentData().toInt();
}

void TPortOverlay::FillVlanChooser()
{
    const int chosen = SelectedVlan();
    QSignalBlocker block(m_vlanBox);
    m_vlanBox->clear();
    m_vlanBox->addItem(QStringLiteral("none"), 0);
    for (const TVlan &v : m_poller->Vlans())
        m_vlanBox->addItem(v.name.isEmpty() ? QString::number(v.id) : QStringLiteral("%1 %2").arg(v.id).arg(v.name), v.id);
    const int at = m_vlanBox->findData(chosen);
    m_vlanBox->setCurrentIndex(at < 0 ? 0 : at);
}

TPortLook TPortOverlay::Look(int port) const
{
    TPortLook look;
    if (!m_enabled)
        return look;
    const TPortRate rate = m_poller->Stats().Port(port);
    look.grey = m_poller->Silent();
    look.level = rate.known ? rate.level : -1;
    look.errors = rate.errorsGrowing;
    if (const int id = SelectedVlan())
        for (const TVlan &v : m_poller->Vlans())
            if (v.id == id)
                look.vlan = MembershipOf(v, port);
    return look;
}

QString TPortOverlay::TooltipFor(int port) const
{
    const TPortDetails &d = m_poller->Details(port);
    TPortInfo info;
    info.port = port;
    info.name = d.name;
    info.alias = d.alias;
    info.adminStatus = d.adminStatus;
    info.operStatus = d.operStatus;
    info.duplex = d.duplex;
    info.pvid = d.pvid;
    info.vlans = m_poller->Vlans();
    info.rate = m_poller->Stats().Port(port);
    if (info.rate.speedBps == 0)
        info.rate.speedBps = d.speedBps;
    info.lastChangeTicks = d.lastChange;
    info.upTimeTicks = m_poller->UpTime();
    info.readAt = m_poller->ReadAt();
    info.stale = m_poller->Silent();
    return PortTooltipText(info);
}

void TPortOverlay::Repaint()
{
    m_view->update();
    m_legend->update();
}

bool TPortOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_image && event->type() == QEvent::ToolTip && m_enabled) {
        try {
            const auto *help = static_cast<QHelpEvent *>(event);
            const int port = FrontPanelArt::PortFaceAt(help->pos().x(), help->pos().y());
            if (port == 0) {
                QToolTip::hideText();
                event->ignore();
                return true;
            }
            QToolTip::showText(help->globalPos(), TooltipFor(port), m_image, FrontPanelArt::PortFace(port));
            return true;
        } catch (...) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QColor TPortOverlay::LevelColour(int level)
{
    static const QColor colours[TPortStats::LevelCount] = {
        QColor(90, 110, 130, 110), QColor(40, 150, 220, 150), QColor(40, 200, 110, 160),
        QColor(240, 200, 40, 170), QColor(245, 110, 20, 190),
    };
    return level >= 0 && level < TPortStats::LevelCount ? colours[level] : QColor();
}

QColor TPortOverlay::GreyColour()
{
    return QColor(140, 140, 140, 180);
}

QColor TPortOverlay::ErrorColour()
{
    return QColor(235, 30, 30);
}

QColor TPortOverlay::VlanColour()
{
    return QColor(250, 250, 255);
}

bool TPortOverlay::RememberedEnabled()
{
    const QSettings s(SettingsPath(), QSettings::IniFormat);
    return s.value(EnabledKey, true).toBool();
}

void TPortOverlay::Remember(bool on)
{
    QSettings s(SettingsPath(), QSettings::IniFormat);
    s.setValue(EnabledKey, on);
}
