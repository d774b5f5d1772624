// The program's icon for its windows: the one installed in the icon theme, so that it matches
// the menu entry, or the copy built into the program when it runs from the build tree.
#pragma once

#include <QIcon>

class QWidget;

namespace app {

// The desktop entry's id; Wayland shells match windows to their entry and icon by it.
inline constexpr char kDesktopId[] = "com.example.Quellora";

QIcon applicationIcon();

// Looking the icon up searches every theme directory and reads its pictures, a sixth of the
// start-up time: it is done once the window has painted its first frame, so the calculator
// shows first and its icon a moment later.
void setIconAfterFirstFrame(QWidget* window);

}  // namespace app
