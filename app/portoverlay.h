// The front panel as a live dashboard: each port's face tinted by its utilisation, red while its
// errors grow, grey while the switch is silent; the members of a chosen VLAN outlined (solid
// untagged, dashed tagged); a tooltip per port; a legend and the VLAN chooser below the panel.
// On by default; the View menu turns it off and the choice is remembered.
#pragma once

#include "portstats.h"

#include <QColor>
#include <QObject>

class QAction;
class QComboBox;
class QMenu;
class QMenuBar;
class QWidget;
class TPortPoller;
class TOverlayView;
class TOverlayLegend;

// How one port is drawn.
struct TPortLook {
    int level = -1;        // utilisation level, -1 untinted
    bool errors = false;   // errors grew over the last interval
    bool grey = false;     // the switch is silent
    TVlanMembership vlan = TVlanMembership::None;
};

class TPortOverlay : public QObject {
    Q_OBJECT
public:
    static constexpr int StripHeight = 26;

    // The view goes onto image (the front panel picture, whose events it also watches for
    // tooltips); the strip (legend and chooser) is made as a child of stripParent.
    TPortOverlay(QWidget *image, QWidget *stripParent);
    ~TPortOverlay() override;

    QWidget *Strip() const { return m_strip; }
    // Adds a View menu before `before` (or at the end) with the overlay's checkable entry.
    QAction *AddViewMenu(QMenuBar *bar, QMenu *before);
    QAction *ViewAction() const { return m_action; }

    void SetEnabled(bool on);
    bool IsEnabled() const { return m_enabled; }
    // Starts the polls afresh (after the session changed) when the overlay is on.
    void Restart();

    TPortPoller *Poller() const { return m_poller; }
    QComboBox *VlanChooser() const { return m_vlanBox; }
    int SelectedVlan() const;
    TPortLook Look(int port) const;
    QString TooltipFor(int port) const;

    static QColor LevelColour(int level);
    static QColor GreyColour();
    static QColor ErrorColour();
    static QColor VlanColour();

    // The remembered choice (user configuration, kmv7040qx/kmv7040qx.conf).
    static bool RememberedEnabled();
    static void Remember(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FillVlanChooser();
    void Repaint();

    QWidget *m_image;
    TPortPoller *m_poller;
    TOverlayView *m_view;
    QWidget *m_strip;
    TOverlayLegend *m_legend;
    QComboBox *m_vlanBox;
    QAction *m_action = nullptr;
    bool m_enabled = false;
};
