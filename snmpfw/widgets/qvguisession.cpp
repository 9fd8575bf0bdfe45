#include "qvguisession.h"

#include "qvsnmpsession.h"

#include <QApplication>
#include <QWidget>

namespace {

void repaintVisibleWindows()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->update();
}

} // namespace

void OpenGuiSession(const QString &directory)
{
    OpenGlobalSession(directory);
    SetBlockingRepaintHook(repaintVisibleWindows);
}
