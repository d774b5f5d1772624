#include "app/screenshot.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "about/aboutform.h"
#include "controls/userinput.h"
#include "mainwindow/mainform.h"
#include "platform/qtdesktop.h"

namespace app {
namespace {

// Long enough for the window to be painted and for a few recalculation ticks to have run.
constexpr int kSettleMs = 600;

void fail(const char* message) {
    std::fputs(message, stderr);
    std::fputc('\n', stderr);
    QCoreApplication::exit(1);
}

void saveWindow(QWidget* window, const QString& path) {
    if (window == nullptr) return fail("screenshot: the window is not on screen");
    // Rendered at the screen's device pixel ratio, as the window is on screen.
    const QPixmap picture = window->grab();
    // The strongest compression: the pictures are kept in the repository.
    if (!picture.save(path, "PNG", 0)) return fail("screenshot: cannot write the picture");
    QCoreApplication::exit(0);
}

}  // namespace

void takeScreenshotIfAsked(platform::QtDesktop& desktop, MainForm& form) {
    const QString path = qEnvironmentVariable("QUELLORA_SCREENSHOT");
    if (path.isEmpty()) return;
    const QString state = qEnvironmentVariable("QUELLORA_SCREENSHOT_STATE", "compact");
    if (state != QLatin1String("compact") && state != QLatin1String("transformer") &&
        state != QLatin1String("about")) {
        QTimer::singleShot(0,
                           [] { fail("screenshot: the state is compact, transformer or about"); });
        return;
    }

    QTimer::singleShot(kSettleMs, [&desktop, &form, path, state] {
        if (state == QLatin1String("transformer")) {
            controls::userClick(form.Trbutton);
            // A person reads the impedance note with the pointer over its frame.
            QTimer::singleShot(kSettleMs, [&desktop, &form, path] {
                controls::userHover(form.ImpedFrame);
                QTimer::singleShot(kSettleMs / 2, [&desktop, &form, path] {
                    saveWindow(desktop.widgetOf(form.Form), path);
                });
            });
        } else if (state == QLatin1String("about")) {
            controls::userClick(form.Command3D2);
            QTimer::singleShot(kSettleMs, [&desktop, &form, path] {
                AboutForm* about = form.about();
                saveWindow(about != nullptr ? desktop.widgetOf(about->Form) : nullptr, path);
            });
        } else {
            saveWindow(desktop.widgetOf(form.Form), path);
        }
    });
}

}  // namespace app
