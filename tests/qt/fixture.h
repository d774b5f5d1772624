// What every Qt test of the binding starts from: the real main window, shown and active, with a
// desktop that counts beeps and answers message boxes at once instead of letting a test hang.
#pragma once

#include <QApplication>
#include <QWidget>
#include <string_view>

#include "controls/eventgate.h"
#include "mainwindow/mainform.h"
#include "platform/qtdesktop.h"

class TestDesktop : public platform::QtDesktop {
  public:
    void messageBox(std::string_view, std::string_view, controls::MessageStyle) override {}
    void beep() override { ++beeps; }
    void openAddress(std::string_view) override {}
    int beeps = 0;
};

class Onscreen {
  public:
    Onscreen();
    ~Onscreen();
    Onscreen(const Onscreen&) = delete;
    Onscreen& operator=(const Onscreen&) = delete;

    QWidget* top() const { return desktop.widgetOf(form.Form); }
    template <class W>
    W* widget(const char* name) const {
        return top()->findChild<W*>(QString::fromLatin1(name));
    }
    // Lets posted events and deferred deletions run.
    static void settle();

    TestDesktop desktop;
    controls::EventGate gate;
    MainForm form{desktop, gate};
};

// Offscreen unless the caller chose a platform.
#define QUELLORA_QT_TEST_MAIN(TestClass)                      \
    int main(int argc, char** argv) {                         \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { \
            qputenv("QT_QPA_PLATFORM", "offscreen");          \
        }                                                     \
        QApplication application(argc, argv);                 \
        TestClass test;                                       \
        return QTest::qExec(&test, argc, argv);               \
    }
