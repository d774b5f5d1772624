#include "platform/qtdesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <algorithm>

#include "platform/twips.h"
#include "platform/windowbinding.h"

namespace platform {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon iconOf(controls::MessageStyle style) {
    switch (style) {
        case controls::MessageStyle::Exclamation:
            return QMessageBox::Warning;
        case controls::MessageStyle::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtDesktop::QtDesktop() = default;

QtDesktop::~QtDesktop() {
    closeAllWindows();
}

void QtDesktop::messageBox(std::string_view text, std::string_view title,
                           controls::MessageStyle style) {
    QMessageBox box(iconOf(style), fromUtf8(title), fromUtf8(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtDesktop::beep() {
    QApplication::beep();
}

void QtDesktop::openAddress(std::string_view address) {
    // "Mailto:" keeps its scheme; a bare "www." address is taken for a web address.
    QDesktopServices::openUrl(QUrl::fromUserInput(fromUtf8(address)));
}

controls::ScreenSize QtDesktop::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    const Dpi dpi = screenDpi();
    return controls::ScreenSize{pixelsToTwips(screen->size().width(), dpi.x),
                                pixelsToTwips(screen->size().height(), dpi.y)};
}

void QtDesktop::endProgram() {
    // exit() leaves every running event loop at once and sends no close events, which the
    // windows would pass back to the model.
    QCoreApplication::exit(0);
}

void QtDesktop::showWindow(controls::Window& window) {
    WindowBinding* binding = bindingOf(window);
    if (binding == nullptr) {
        bindings_.push_back(std::make_unique<WindowBinding>(window, [this](controls::Window& w) {
            if (onCloseRequest) onCloseRequest(w);
        }));
        binding = bindings_.back().get();
    }
    binding->present();
}

void QtDesktop::unloadWindow(controls::Window& window) {
    const auto found = std::find_if(bindings_.begin(), bindings_.end(), [&](const auto& binding) {
        return binding->window() == &window;
    });
    if (found == bindings_.end()) return;
    WindowBinding* binding = found->release();
    bindings_.erase(found);
    binding->detach();
    // The unload may come from a slot of the window's own widgets, which must outlive it.
    binding->deleteLater();
}

QWidget* QtDesktop::widgetOf(const controls::Window& window) const {
    const WindowBinding* binding = bindingOf(window);
    return binding != nullptr ? binding->topLevel() : nullptr;
}

void QtDesktop::closeAllWindows() {
    for (auto& binding : bindings_) binding->detach();
    bindings_.clear();
}

WindowBinding* QtDesktop::bindingOf(const controls::Window& window) const {
    for (const auto& binding : bindings_) {
        if (binding->window() == &window) return binding.get();
    }
    return nullptr;
}

}  // namespace platform
