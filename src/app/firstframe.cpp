#include "app/firstframe.h"

#ifdef __linux__
#include <unistd.h>
#endif
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

namespace app {
namespace {

std::chrono::steady_clock::time_point mainStart;

// Milliseconds since the kernel started this process (field 22 of /proc/self/stat, in clock
// ticks since boot), so that loading the shared libraries is counted too; -1 if unknown.
long long processAgeMs() {
#ifndef __linux__
    return -1;  // only Linux tells a process when it started
#else
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0) return -1;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    // Field 3 (state) is the first after the name; starttime is field 22.
    if (fields.size() < 20) return -1;
    const QByteArray& start = fields[19];
    unsigned long long ticks = 0;
    if (std::from_chars(start.data(), start.data() + start.size(), ticks).ec != std::errc{}) {
        return -1;
    }
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1;
    const long long perSecond = sysconf(_SC_CLK_TCK);
    if (perSecond <= 0) return -1;
    const long long nowMs = static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
    return nowMs - static_cast<long long>(ticks) * 1000 / perSecond;
#endif
}

std::string number(long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

class FirstFrameProbe : public QObject {
  public:
    explicit FirstFrameProbe(QObject* parent) : QObject(parent) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            const auto sinceMain = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - mainStart);
            const std::string text = "first frame: " + number(processAgeMs()) +
                                     " ms since process start, " + number(sinceMain.count()) +
                                     " ms since main\n";
            std::fputs(text.c_str(), stdout);
            std::fflush(stdout);
            // Let this paint finish before leaving.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

  private:
    bool reported_ = false;
};

}  // namespace

void markStart() {
    mainStart = std::chrono::steady_clock::now();
}

void exitAfterFirstFrame(QWidget* window) {
    if (window == nullptr ||
        qEnvironmentVariable("QUELLORA_EXIT_AFTER_SHOW") != QLatin1String("1")) {
        return;
    }
    window->installEventFilter(new FirstFrameProbe(window));
}

}  // namespace app
