#include "fixture.h"

#include <QTest>

Onscreen::Onscreen() {
    form.Form_Load();
    form.show();
    QWidget* window = top();
    if (window != nullptr && QTest::qWaitForWindowActive(window)) settle();
}

Onscreen::~Onscreen() {
    // The windows go before the model does.
    desktop.closeAllWindows();
    settle();
}

void Onscreen::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
