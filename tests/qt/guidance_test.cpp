// The pointer over the real widgets writes the hints into the note at the bottom, each area
// only its own; the real About window opens over the main window wherever it was dragged, and
// its links reach the desktop's default handlers, which the test intercepts.
#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <map>
#include <memory>
#include <span>

#include "about/aboutform.h"
#include "controls/userinput.h"
#include "fixture.h"

namespace {

struct Move {
    const char* name;
    const char* widget;  // moved over, at pos in its own coordinates ("" = the window)
    QPoint pos;
    const char* heard;  // the one control that hears the move
    int lines;          // of the note afterwards; 0 = the note is left as it was
    const char* first;  // first and last line of the note; %1 stands for Label6's caption
    const char* last;
};

const char* const kPowerFactorNote =
    "When transformer is at full load, the power factor PF nears 1. As the load decreases - "
    "transformer PF drops. Loads with low PF (i.e. motors) draw more current than high PF (i.e. "
    "resistive.) With no load the transformer still draws the \"no-load\" current (approx "
    "3-5%.) Calculating transformer PF exceeds the scope of this calculator.";
const char* const kLineToLine =
    "Select \"Line to Line\" Voltage for proper Short-Circuit Current calculations.";

const Move kCompactMoves[] = {
    {"percentage button",
     "Command1",
     {10, 8},
     "Command1",
     2,
     "",
     "Click button to change the percentage."},
    {"power factor frame while Factor is enabled", "Frame3D4", {4, 44}, "Frame3D4", 0, "", ""},
};

// Three-phase, after a tick has disabled Factor.
const Move kTransformerMoves[] = {
    {"bare background",
     "",
     {330, 5},
     "Form",
     4,
     "Short-Circuit-Current values shown are for estimating purposes only. ",
     "The main purpose of these calculations is merly to indicate if more exact calculations "
     "are needed."},
    {"impedance frame's own border",
     "ImpedFrame",
     {4, 44},
     "ImpedFrame",
     4,
     "Minimum Impedance values allowed by codes are shown by default.",
     "Impedances outside of the normal 1.5 - 13% range are possible for special applications."},
    {"impedance field inside the frame", "Imped", {5, 5}, "Imped", 0, "", ""},
    {"frame without a hint", "Frame3D1", {4, 44}, "Frame3D1", 0, "", ""},
    {"power factor frame while Factor is disabled",
     "Frame3D4",
     {4, 44},
     "Frame3D4",
     1,
     kPowerFactorNote,
     kPowerFactorNote},
    {"secondary voltage frame", "Frame3D6", {4, 44}, "Frame3D6", 1, kLineToLine, kLineToLine},
    {"disabled Factor leaves the pointer to its frame",
     "Factor",
     {7, 7},
     "Frame3D4",
     1,
     kPowerFactorNote,
     kPowerFactorNote},
    {"short-circuit frame",
     "SSFrame2",
     {4, 40},
     "SSFrame2",
     3,
     "Three-Phase Short-Circuit calculations assume \"infinite\" primary. ",
     "Without the motors contribution the available Short-Circuit Current (symmetrical) would "
     "be: %1 Amperes."},
    {"short-circuit result inside the frame", "Fault", {5, 5}, "Fault", 0, "", ""},
};

const char* const kSchemes[] = {"mailto", "http", "https"};

}  // namespace

class GuidanceTest : public QObject {
    Q_OBJECT

  private slots:
    void hintsFollowThePointer();
    void aboutOpensOverTheDraggedWindow();

  private:
    static void checkMoves(Onscreen& session, std::span<const Move> moves);
};

void GuidanceTest::checkMoves(Onscreen& session, std::span<const Move> moves) {
    // Each control counts what it hears, so that a note left unchanged is known to have been
    // passed over, and a frame is known not to hear the pointer over a control inside it.
    std::map<std::string, std::shared_ptr<int>> heard;
    for (const Move& move : moves) {
        controls::Control* control = session.form.Form.find(move.heard);
        QVERIFY2(control != nullptr, move.heard);
        if (heard.count(move.heard) != 0) continue;
        auto count = std::make_shared<int>(0);
        control->onMouseMove = [count, handler = control->onMouseMove] {
            ++*count;
            if (handler) handler();
        };
        heard[move.heard] = count;
    }
    auto* note = session.widget<QLabel>("Label5");
    for (const Move& move : moves) {
        std::map<std::string, int> before;
        for (const auto& [name, count] : heard) before[name] = *count;
        const QString previous = note->text();
        QWidget* widget =
            *move.widget == '\0' ? session.top() : session.widget<QWidget>(move.widget);
        QVERIFY2(widget != nullptr, move.name);

        QTest::mouseMove(widget, move.pos);
        // On a real X server the pointer warps and its events come later.
        QTRY_VERIFY2_WITH_TIMEOUT(*heard[move.heard] > before[move.heard], move.name, 1000);
        for (const auto& [name, count] : heard) {
            if (name != move.heard) QVERIFY2(*count == before[name], move.name);
        }
        QVERIFY2(note->text() == QString::fromStdString(session.form.Label5.caption()), move.name);
        if (move.lines == 0) {
            QVERIFY2(note->text() == previous, move.name);
            continue;
        }
        const QStringList lines = note->text().split(QLatin1Char('\n'));
        const QString label6 = QString::fromStdString(session.form.Label6.caption());
        QVERIFY2(lines.size() == move.lines, move.name);
        QVERIFY2(
            lines.front() == QString::fromUtf8(move.first).replace(QStringLiteral("%1"), label6),
            move.name);
        QVERIFY2(lines.back() == QString::fromUtf8(move.last).replace(QStringLiteral("%1"), label6),
                 move.name);
    }
}

void GuidanceTest::hintsFollowThePointer() {
    Onscreen session;
    checkMoves(session, kCompactMoves);
    if (QTest::currentTestFailed()) return;

    QTest::mouseClick(session.widget<QPushButton>("Trbutton"), Qt::LeftButton);
    QVERIFY(session.form.TPh.value());
    QVERIFY(controls::userTick(session.form.Timer1));
    QVERIFY(!session.widget<QWidget>("Factor")->isEnabled());
    checkMoves(session, kTransformerMoves);
}

void GuidanceTest::aboutOpensOverTheDraggedWindow() {
    Onscreen session;
    UrlSink sink;
    for (const char* scheme : kSchemes) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &sink, "open");
    }
    session.desktop.realAddresses = true;
    QWidget* top = session.top();
    auto* aboutButton = session.widget<QPushButton>("Command3D2");

    // As a person drags it: the window system moves it and the model hears of it.
    top->move(40, 30);
    QTRY_COMPARE(session.form.Form.geometry().left, 600);
    QTest::mouseClick(aboutButton, Qt::LeftButton);
    AboutForm* about = session.form.about();
    QVERIFY(about != nullptr);
    QPointer<QWidget> window = session.desktop.widgetOf(about->Form);
    QVERIFY(window != nullptr && window->isVisible());
    QTRY_COMPARE(window->frameGeometry().topLeft(), top->frameGeometry().topLeft());
    QCOMPARE(window->windowTitle(), QStringLiteral("About Quellora"));
    QVERIFY(!window->isModal());
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    const struct {
        const char* label;
        const char* caption;
    } captions[] = {
        {"Label2", "Version: 26.1.0"},
        {"LabelWeb", "https://www.example.com/quellora"},
        {"LabelMail", "qa@example.com"},
    };
    for (const auto& c : captions) {
        auto* label = window->findChild<QLabel*>(QString::fromLatin1(c.label));
        QVERIFY2(label != nullptr, c.label);
        QVERIFY2(label->text() == QLatin1String(c.caption), c.label);
    }
    QCOMPARE(window->findChild<QPushButton*>(QStringLiteral("Command3"))->text(),
             QStringLiteral("OK"));

    // The links reach the default handlers; the window stays open.
    const struct {
        const char* label;
        const char* url;
    } links[] = {
        {"LabelMail", "mailto:qa@example.com"},
        {"LabelWeb", "https://www.example.com/quellora"},
    };
    for (const auto& link : links) {
        sink.urls.clear();
        QTest::mouseClick(window->findChild<QLabel*>(QString::fromLatin1(link.label)),
                          Qt::LeftButton);
        QVERIFY2(sink.urls.size() == 1, link.label);
        QVERIFY2(sink.urls.front().toString() == QLatin1String(link.url), link.label);
        QVERIFY2(session.form.about() == about && window->isVisible(), link.label);
    }
    QCOMPARE(
        session.desktop.opened,
        (std::vector<std::string>{"Mailto:qa@example.com", "https://www.example.com/quellora"}));

    QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton, {},
                      QPoint(5, 5));
    QVERIFY(session.form.about() == about && window->isVisible());

    // A second About while it is open brings back the same window.
    QTest::mouseClick(aboutButton, Qt::LeftButton);
    QVERIFY(session.form.about() == about);
    QCOMPARE(session.desktop.widgetOf(about->Form), window.data());
    int aboutWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == QStringLiteral("About Quellora"))
            ++aboutWindows;
    }
    QCOMPARE(aboutWindows, 1);

    // A bare point of its background closes it.
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(session.form.about() == nullptr);
    Onscreen::settle();
    QVERIFY(window == nullptr);

    for (const char* scheme : kSchemes) {
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
}

QUELLORA_QT_TEST_MAIN(GuidanceTest)
#include "guidance_test.moc"
