// Clicks, spin arrows, pointer moves and timer ticks of the real widgets reach the controls the
// model expects, once each.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "fixture.h"
#include "platform/spinwidget.h"

namespace {

// Replaces the pointer-move handlers of the named controls with recorders of their names.
void recordHovers(MainForm& form, std::initializer_list<const char*> names,
                  std::vector<std::string>& log) {
    for (const char* name : names) {
        form.Form.find(name)->onMouseMove = [&log, name] { log.emplace_back(name); };
    }
}

}  // namespace

class RoutesTest : public QObject {
    Q_OBJECT

  private slots:
    void optionsShowTheModelsChoice();
    void spinArrowsStepTheirControl();
    void pointerMovesReachTheControlUnderThePointer();
    void labelAndBackgroundClicks();
    void timersTickWhileEnabled();
};

void RoutesTest::optionsShowTheModelsChoice() {
    Onscreen session;
    auto* single = session.widget<QRadioButton>("SPh");
    auto* three = session.widget<QRadioButton>("TPh");
    QVERIFY(three->isChecked());
    QVERIFY(!single->isChecked());

    QTest::mouseClick(single, Qt::LeftButton);
    QVERIFY(session.form.SPh.value());
    QVERIFY(!session.form.TPh.value());
    QVERIFY(single->isChecked());
    QVERIFY(!three->isChecked());

    // A second click would uncheck a free-standing radio button; the model keeps it selected.
    QTest::mouseClick(single, Qt::LeftButton);
    QVERIFY(session.form.SPh.value());
    QVERIFY(single->isChecked());
}

void RoutesTest::spinArrowsStepTheirControl() {
    Onscreen session;
    std::vector<std::string> log;
    for (controls::SpinButton* spin : {&session.form.VS, &session.form.PFS}) {
        spin->onSpinUp = [&log, spin] { log.push_back(spin->name() + " up"); };
        spin->onSpinDown = [&log, spin] { log.push_back(spin->name() + " down"); };
    }
    auto* vs = session.widget<platform::SpinWidget>("VS");
    auto* pfs = session.widget<platform::SpinWidget>("PFS");

    QTest::mouseClick(vs->upButton(), Qt::LeftButton);
    QTest::mouseClick(vs->downButton(), Qt::LeftButton);
    QTest::mouseClick(pfs->downButton(), Qt::LeftButton);

    QCOMPARE(log, (std::vector<std::string>{"VS up", "VS down", "PFS down"}));
    QVERIFY(vs->upButton()->mapToGlobal(QPoint(0, 0)).y() <
            vs->downButton()->mapToGlobal(QPoint(0, 0)).y());
}

void RoutesTest::pointerMovesReachTheControlUnderThePointer() {
    struct Move {
        const char* name;
        const char* widget;  // moved over, at pos in its own coordinates
        QPoint pos;
        const char* heard;  // "" when nobody hears it
    };
    const Move moves[] = {
        {"window background", "Form", QPoint(3, 3), "Form"},
        {"frame, beside its controls", "Frame3D4", QPoint(4, 44), "Frame3D4"},
        {"text box inside the frame", "Factor", QPoint(5, 5), "Factor"},
        {"command button", "Command1", QPoint(10, 8), "Command1"},
        {"label inside a frame", "A1", QPoint(4, 4), "A1"},
        {"spin arrow", "PFS", QPoint(5, 5), "PFS"},
        {"frame without a handler", "Frame3D1", QPoint(4, 44), "Frame3D1"},
        {"back to the background", "Form", QPoint(150, 3), "Form"},
    };
    Onscreen session;
    std::vector<std::string> log;
    recordHovers(session.form, {"Form", "Frame3D4", "Factor", "Command1", "A1", "PFS", "Frame3D1"},
                 log);
    for (const Move& move : moves) {
        log.clear();
        QWidget* widget = std::string_view(move.widget) == "Form"
                              ? session.top()
                              : session.widget<QWidget>(move.widget);
        QTest::mouseMove(widget, move.pos);
        // On a real X server the pointer warps and its events come later.
        QTRY_VERIFY2_WITH_TIMEOUT(!log.empty(), move.name, 1000);
        QVERIFY2(log == std::vector<std::string>{move.heard}, move.name);
    }

    // A disabled control leaves the pointer to its frame.
    session.form.Factor.setEnabled(false);
    log.clear();
    QTest::mouseMove(session.widget<QWidget>("Factor"), QPoint(7, 7));
    QTRY_VERIFY_WITH_TIMEOUT(!log.empty(), 1000);
    QCOMPARE(log, std::vector<std::string>{"Frame3D4"});
}

void RoutesTest::labelAndBackgroundClicks() {
    Onscreen session;
    std::vector<std::string> log;
    session.form.Form.onClick = [&] { log.emplace_back("Form"); };
    session.form.A1.onClick = [&] { log.emplace_back("A1"); };
    session.form.Frame3D4.onClick = [&] { log.emplace_back("Frame3D4"); };

    QTest::mouseClick(session.widget<QLabel>("A1"), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(log, std::vector<std::string>{"A1"});

    log.clear();
    QTest::mouseClick(session.top(), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(log, std::vector<std::string>{"Form"});

    log.clear();
    QTest::mouseClick(session.widget<QWidget>("Frame3D4"), Qt::LeftButton, {}, QPoint(4, 44));
    QCOMPARE(log, std::vector<std::string>{"Frame3D4"});

    // The second press of a double click makes no second click (a double click arrives as
    // press, release, press, double click, release).
    log.clear();
    QTest::mouseClick(session.top(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(session.top(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(session.top(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(session.top(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(log, std::vector<std::string>{"Form"});
}

void RoutesTest::timersTickWhileEnabled() {
    Onscreen session;
    int first = 0;
    int second = 0;
    session.form.Timer1.onTimer = [&] { ++first; };
    session.form.Timer2.onTimer = [&] { ++second; };

    QTest::qWait(350);
    QVERIFY2(first >= 2, "Timer1 runs from the start");
    QCOMPARE(second, 0);

    session.form.Timer1.setEnabled(false);
    session.form.Timer2.setEnabled(true);
    first = 0;
    QTest::qWait(350);
    QCOMPARE(first, 0);
    QVERIFY(second >= 2);
}

QUELLORA_QT_TEST_MAIN(RoutesTest)
#include "routes_test.moc"
