// The windows are drawn on a grid: frames form columns and rows, and the controls inside them
// stand on common lines and share their fonts. One row per line of the grid.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "about/aboutform.h"
#include "unit/startedform.h"

namespace {

int edge(const controls::Control& control, char which) {
    const controls::Rect& r = control.geometry();
    const int hundredths = static_cast<int>(control.font().points * 100);
    const int edges[] = {r.left, r.top, r.width, r.height, r.left + r.width, hundredths};
    return edges[std::string_view("ltwhrf").find(which)];
}

TEST(Layout, ControlsOnOneLineOfTheGridShareIt) {
    // l, t, w, h: left, top, width, height; r: right edge; f: font size.
    const std::pair<const char*, std::vector<const char*>> lines[] = {
        {"lw", {"Frame3D2", "Frame3D3", "Frame3D5"}},
        {"lw", {"Frame3D6", "Frame3D7", "Frame3D8", "ImpedFrame"}},
        {"t", {"Frame3D1", "Frame3D6"}},
        {"t", {"FramePrX", "Frame3D2", "Frame3D7"}},
        {"t", {"Frame3D4", "Frame3D3", "Frame3D8"}},
        {"t", {"Frame3D5", "ImpedFrame"}},
        {"h",
         {"Frame3D1", "FramePrX", "Frame3D2", "Frame3D4", "Frame3D3", "Frame3D5", "Frame3D6",
          "Frame3D7", "Frame3D8", "ImpedFrame"}},
        {"r", {"FramePrX", "Trbutton", "Command3D1"}},
        {"h", {"Trbutton", "Command3D2", "Command3D1"}},
        {"t", {"Command3D2", "Command3D1"}},
        {"lth", {"Command1", "CommandSC"}},
        {"lwh", {"TPh", "SPh"}},
        {"th", {"V", "A", "Factor", "W", "V2", "Imped"}},
        {"twh", {"VS", "AS", "PFS", "PS", "V2S", "ImpSpin"}},
        {"th", {"Label1", "Label3", "VA", "Label2", "Label11", "Label10", "Fault"}},
        {"l", {"A", "W", "A2", "A2M", "Fault"}},
        {"w", {"A2", "A2M"}},
        {"th", {"A2", "Label4"}},
        {"th", {"A1", "Label8", "A2M", "Label7"}},
        {"lw", {"Label4", "Label7"}},
        {"l", {"Label5", "Label6"}},
        {"w", {"About.Label1", "About.Label3"}},
        {"thf", {"About.Label2", "About.Label4"}},
        {"f", {"V", "A", "Factor", "W", "V2", "Imped", "A1", "A2", "A2M", "Fault"}},
    };
    StartedForm started;
    controls::userClick(started.form.Command3D2);
    const auto place = [&](std::string name) -> const controls::Control& {
        const bool about = name.starts_with("About.");
        const auto& window = about ? started.form.about()->Form : started.form.Form;
        return *window.find(about ? name.substr(6) : name);
    };
    for (const auto& [edges, names] : lines) {
        for (const char which : std::string(edges)) {
            for (const char* name : names)
                EXPECT_EQ(edge(place(name), which), edge(place(names[0]), which))
                    << which << " of " << name << " and " << names[0];
        }
    }
}

}  // namespace
