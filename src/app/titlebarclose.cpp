#include "app/titlebarclose.h"

#include "about/aboutform.h"
#include "controls/userinput.h"

namespace app {

void routeTitleBarClose(platform::QtDesktop& desktop, MainForm& form) {
    desktop.onCloseRequest = [&form](controls::Window& window) {
        if (&window == &form.Form) {
            controls::userClick(form.Command3D1);
        } else if (AboutForm* about = form.about(); about != nullptr && &window == &about->Form) {
            controls::userClick(about->Command3);
        }
    };
}

}  // namespace app
