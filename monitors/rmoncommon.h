// Pieces the three RMON windows share: how an entry is written (status alone, then its data, then
// "valid") and deleted ("invalid" alone), the time-of-day text, the display of data sources and
// monitored variables in the lists, and a report-style list view with a status strip.
#pragma once

#include <QList>
#include <QString>
#include <QStyledItemDelegate>

#include <functional>

class QCheckBox;
class QComboBox;
class QDialog;
class QPushButton;
class QTabWidget;
class QVBoxLayout;
class QLabel;
class QStatusBar;
class QTreeWidget;
class QWidget;
class QvSNMPRequest2Edits;

enum TRmonDialogMode { RDM_Add = 1, RDM_Modify = 2, RDM_Delete = 3 };

// The status texts of an RMON entry.
extern const QString RmonValid;
extern const QString RmonCreateRequest;
extern const QString RmonUnderCreation;
extern const QString RmonInvalid;
extern const QString RmonDisabledMessage;

// The text after the last "." ("" for none).
QString LastArc(const QString &oid);
// "IfIndex." followed by the interface number of a data-source identifier.
QString IfIndexText(const QString &dataSource);
// Hours, minutes and seconds of the PC's clock.
QString TimeOfDayText();
// True for a non-empty text of decimal digits only.
bool IsDigits(const QString &text);

// Writes the entry of a blocking MVT_SV binding in three SETs: the status item alone ("createRequest"
// when adding, "underCreation" when modifying), then dataItems without the status, then the status
// "valid". Access flags are restored afterwards in every case. A failing SET ends the sequence with
// its QvSNMPException; step (1 to 3) tells which SET failed.
void WriteRmonEntry(QvSNMPRequest2Edits &binding, int statusItem, QComboBox *status, const QList<int> &dataItems,
                    bool adding, int *step = nullptr);
// Writes the status item alone as "invalid".
void InvalidateRmonEntry(QvSNMPRequest2Edits &binding, int statusItem, QComboBox *status);

// Shows a cell's text through a function, leaving the text the binding copies back untouched.
class TDisplayDelegate : public QStyledItemDelegate {
public:
    TDisplayDelegate(std::function<QString(const QString &)> display, QObject *parent);
    QString displayText(const QVariant &value, const QLocale &locale) const override;
    QString Display(const QString &text) const { return m_display(text); }

private:
    std::function<QString(const QString &)> m_display;
};

// The right-hand panel of the statistics and history windows: "System Time:", the interval choices
// with their hint, the history count ("10" to "120", countIndex selected) and the "3D Line" box;
// the caller adds its buttons.
struct TRmonSidePanel {
    QWidget *form = nullptr;
    QVBoxLayout *layout = nullptr;
    QLabel *time = nullptr;
    QComboBox *interval = nullptr;
    QComboBox *count = nullptr;
    QCheckBox *u3d = nullptr;
    QPushButton *AddButton(const QString &name, const QString &caption);
};
TRmonSidePanel BuildRmonSidePanel(QWidget *form, const QStringList &intervals, const QString &hint, int countIndex);
// A page with the "Owner : ", "Index : ", "Data Source : " line over a list view.
QWidget *BuildRmonTablePage(const QString &name, QLabel *&owner, QLabel *&index, QLabel *&source, QTreeWidget *&list,
                            const QString &listName);
// The control list over the pages, the side panel to their right, the status bar below.
void LayOutRmonForm(QWidget *form, QTreeWidget *control, QTabWidget *pages, QVBoxLayout *side, QStatusBar *bar);

// A status bar with one panel of the given width that takes the report lines.
QLabel *AddStatusPanel(QStatusBar *bar, int width);
// A list view with the given object name.
QTreeWidget *MakeListView(QWidget *parent, const QString &name);
