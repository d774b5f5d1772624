#include "fixture.h"

#include <QDialog>
#include <QTest>

#include "app/titlebarclose.h"

void TestDesktop::messageBox(std::string_view text, std::string_view title,
                             controls::MessageStyle style) {
    messages.emplace_back(text);
    titles.emplace_back(title);
    styles.push_back(style);
    if (realMessageBoxes) QtDesktop::messageBox(text, title, style);
}

void TestDesktop::openAddress(std::string_view address) {
    opened.emplace_back(address);
    if (realAddresses) QtDesktop::openAddress(address);
}

void TestDesktop::endProgram() {
    ended = true;
    QtDesktop::endProgram();
}

ModalWatchdog::ModalWatchdog() {
    timer_.setInterval(200);
    connect(&timer_, &QTimer::timeout, this, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || expectModal) return;
        ++unexpected;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    });
    timer_.start();
}

Onscreen::Onscreen() {
    app::routeTitleBarClose(desktop, form);
    form.Form_Load();
    form.show();
    QWidget* window = top();
    if (window != nullptr && QTest::qWaitForWindowActive(window)) settle();
}

Onscreen::~Onscreen() {
    // Recorded without returning: the windows must still go before the model does.
    QTest::qVerify(watchdog.unexpected == 0, "watchdog.unexpected == 0",
                   "a modal window opened that no test expected", __FILE__, __LINE__);
    desktop.closeAllWindows();
    settle();
}

void Onscreen::focus(QWidget* widget) const {
    widget->setFocus(Qt::MouseFocusReason);
}

void Onscreen::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
