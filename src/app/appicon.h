// The program's icon for its windows: the one installed in the icon theme, so that it matches
// the menu entry, or the copy built into the program when it runs from the build tree.
#pragma once

#include <QIcon>

namespace app {

// The desktop entry's id; Wayland shells match windows to their entry and icon by it.
inline constexpr char kDesktopId[] = "com.example.Quellora";

QIcon applicationIcon();

}  // namespace app
