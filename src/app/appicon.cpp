#include "app/appicon.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace app {

QIcon applicationIcon() {
    QIcon icon = QIcon::fromTheme(QLatin1String(kDesktopId));
    if (!icon.isNull()) return icon;
    // Every size, so that title bars and task lists need not scale a large picture down.
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(
            QStringLiteral(":/icons/%1x%1/%2.png").arg(size).arg(QLatin1String(kDesktopId)));
    }
    return icon;
}

namespace {

class IconAfterFirstFrame : public QObject {
  public:
    explicit IconAfterFirstFrame(QObject* parent) : QObject(parent) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After this paint has finished, not inside it.
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(applicationIcon());
                deleteLater();
            });
        }
        return false;
    }
};

}  // namespace

void setIconAfterFirstFrame(QWidget* window) {
    if (window != nullptr) window->installEventFilter(new IconAfterFirstFrame(window));
}

}  // namespace app
