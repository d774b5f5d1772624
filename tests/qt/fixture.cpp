#include "fixture.h"

#include <QTest>

Session::Session() {
    form.Form_Load();
    form.show();
    QWidget* window = top();
    if (window != nullptr && QTest::qWaitForWindowActive(window)) settle();
}

Session::~Session() {
    // The windows go before the model does.
    desktop.closeAllWindows();
    settle();
}

void Session::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
