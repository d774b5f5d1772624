#include "app/appicon.h"

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

}  // namespace app
