// What every Qt test of the binding starts from: the real main window on the offscreen
// platform, a desktop that counts beeps and records what handlers hand to it, and a watchdog
// that closes modal windows nobody asked for instead of letting a test hang.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "controls/eventgate.h"
#include "mainwindow/mainform.h"
#include "platform/qtdesktop.h"

class TestDesktop : public platform::QtDesktop {
  public:
    void messageBox(std::string_view text, std::string_view title,
                    controls::MessageStyle style) override;
    void beep() override { ++beeps; }
    void openAddress(std::string_view address) override;
    void endProgram() override;

    // Message boxes are recorded; a test that needs the real modal box turns this on.
    bool realMessageBoxes = false;
    std::vector<std::string> messages;
    std::vector<std::string> titles;  // one for each message
    std::vector<controls::MessageStyle> styles;
    // Addresses are recorded; a test that intercepts the default handlers turns this on.
    bool realAddresses = false;
    int beeps = 0;
    std::vector<std::string> opened;
    bool ended = false;
};

class ModalWatchdog : public QObject {
  public:
    ModalWatchdog();
    // Modal windows closed because no test expected them.
    int unexpected = 0;
    bool expectModal = false;

  private:
    QTimer timer_;
};

// Receives the addresses QDesktopServices hands to the default handlers.
class UrlSink : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> urls;

  public slots:
    void open(const QUrl& url) { urls.append(url); }
};

// The program as main() starts it, shown and active.
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
    // Gives a widget of the active window the keyboard focus as a click would.
    void focus(QWidget* widget) const;
    // Lets posted events and deferred deletions run.
    static void settle();

    TestDesktop desktop;
    controls::EventGate gate;
    MainForm form{desktop, gate};
    ModalWatchdog watchdog;
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
