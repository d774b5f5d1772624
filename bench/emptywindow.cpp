// The baseline of the start-up measurement: an empty window of the main window's size, started
// and measured the same way as the program (QUELLORA_EXIT_AFTER_SHOW=1).
#include <QApplication>
#include <QWidget>

#include "app/firstframe.h"

int main(int argc, char** argv) {
    app::markStart();
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(319, 249);
    window.setWindowTitle(QStringLiteral("Empty"));
    window.show();
    app::exitAfterFirstFrame(&window);
    return QApplication::exec();
}
