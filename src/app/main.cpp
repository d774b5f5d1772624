// Start-up: the Qt desktop, the event gate and the main window, then the event loop.
#include <QApplication>

#include "app/appicon.h"
#include "app/firstframe.h"
#include "app/screenshot.h"
#include "app/titlebarclose.h"
#include "controls/eventgate.h"
#include "mainwindow/mainform.h"
#include "platform/qtdesktop.h"

int main(int argc, char** argv) {
    app::markStart();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quellora"));
    QGuiApplication::setDesktopFileName(QLatin1String(app::kDesktopId));

    platform::QtDesktop desktop;
    controls::EventGate gate;
    MainForm form(desktop, gate);
    app::routeTitleBarClose(desktop, form);
    form.Form_Load();
    form.show();
    app::setIconAfterFirstFrame(desktop.widgetOf(form.Form));
    app::exitAfterFirstFrame(desktop.widgetOf(form.Form));
    app::takeScreenshotIfAsked(desktop, form);

    const int result = QApplication::exec();
    // The widgets go while the model they mirror still exists.
    desktop.closeAllWindows();
    return result;
}
