// Typing into the real power and power factor fields: what a person sees in the line edit, the
// caret and selection the handlers leave, the unit beside the power and the message boxes.
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <utility>

#include "calc/messages.h"
#include "fixture.h"

namespace {

// The selection as the line edit shows it: start and length, the caret when nothing is selected.
std::pair<int, int> shownSelection(const QLineEdit& edit) {
    if (edit.hasSelectedText()) return {edit.selectionStart(), edit.selectionLength()};
    return {edit.cursorPosition(), 0};
}

}  // namespace

class FieldsTest : public QObject {
    Q_OBJECT

  private slots:
    void powerFieldTakesWhatIsTyped();
    void powerFactorIsHeldInItsRange();
};

void FieldsTest::powerFieldTakesWhatIsTyped() {
    Onscreen session;
    MainForm& form = session.form;
    TestDesktop& desktop = session.desktop;
    auto* w = session.widget<QLineEdit>("W");
    QVERIFY(w != nullptr);
    session.focus(w);
    QCOMPARE(form.Form.focused(), &form.W);
    // The first tick may already have replaced the start value.
    const double before = form.state.Power;

    QTest::keyClicks(w, ".");
    QCOMPARE(w->text(), QStringLiteral("."));
    QVERIFY(!form.Timer1.enabled());
    QVERIFY(form.Timer2.enabled());
    QCOMPARE(form.state.Power, before);

    QTest::keyClicks(w, "5");
    QCOMPARE(w->text(), QStringLiteral(".5"));
    QCOMPARE(form.state.Power, 0.5);

    QTest::keyClicks(w, "a");
    QCOMPARE(w->text(), QStringLiteral(".5"));
    QCOMPARE(desktop.beeps, 1);
    QVERIFY(desktop.messages.empty());

    QTest::keyClick(w, Qt::Key_Backspace);
    QTest::keyClick(w, Qt::Key_Backspace);
    QCOMPARE(w->text(), QString());
    QTest::keyClicks(w, "1000000000000");
    QCOMPARE(desktop.messages, std::vector<std::string>{std::string(calc::kRangeMessageAlt)});
    QCOMPARE(desktop.titles, std::vector<std::string>{"Out of range"});
    QCOMPARE(desktop.styles,
             std::vector<controls::MessageStyle>{controls::MessageStyle::Exclamation});
    QCOMPARE(w->text(), QStringLiteral("999,999,999,999"));
    QCOMPARE(form.state.Power, 999999999999.0);

    // Leaving the field rounds the power to the one decimal it is shown with from 10 on.
    QTest::keyClick(w, Qt::Key_End);
    QTest::keyClick(w, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(w, Qt::Key_Backspace);
    QCOMPARE(w->text(), QString());
    QTest::keyClicks(w, "12.34");
    QCOMPARE(w->text(), QStringLiteral("12.34"));
    auto* a = session.widget<QLineEdit>("A");
    QTest::mouseClick(a, Qt::LeftButton);
    QCOMPARE(form.Form.focused(), &form.A);
    QCOMPARE(w->text(), QStringLiteral("12.3"));
    QCOMPARE(form.state.Power, 12.3);
    QVERIFY(form.Timer1.enabled());
    QVERIFY(!form.Timer2.enabled());
    QCOMPARE(desktop.messages.size(), std::size_t{1});
    QCOMPARE(desktop.beeps, 1);
}

void FieldsTest::powerFactorIsHeldInItsRange() {
    struct Step {
        const char* name;
        const char* typed;  // typed text, or null for Up arrow presses
        int ups;
        const char* shown;
        int selStart;
        int selLength;
        float powerFactor;
        const char* unit;
    };
    const Step steps[] = {
        {"0 is refused, then 0.85 with 85 selected", "0", 0, "0.85", 2, 2, 0.85F, " W"},
        {"9 replaces the selected decimals", "9", 0, "0.9", 3, 0, 0.9F, " W"},
        {"up arrow steps a hundredth", nullptr, 1, "0.91", 2, 2, 0.91F, " W"},
        {"up to 0.99", nullptr, 8, "0.99", 2, 2, 0.99F, " W"},
        {"up to 1: too short for the decimals, caret at the end", nullptr, 1, "1", 1, 0, 1.0F,
         "VA"},
        {"up at 1 selects the 1", nullptr, 1, "1", 0, 1, 1.0F, "VA"},
    };
    Onscreen session;
    MainForm& form = session.form;
    auto* factor = session.widget<QLineEdit>("Factor");
    auto* unit = session.widget<QLabel>("VA");
    QVERIFY(factor != nullptr && unit != nullptr);
    QCOMPARE(factor->text(), QStringLiteral("1"));
    QCOMPARE(unit->text(), QStringLiteral("VA"));

    // Selected so that the next key typed replaces it.
    session.focus(factor);
    QCOMPARE(form.Form.focused(), &form.Factor);
    QCOMPARE(factor->selectedText(), QStringLiteral("1"));
    QCOMPARE(factor->selectionStart(), 0);

    for (const Step& step : steps) {
        if (step.typed != nullptr) QTest::keyClicks(factor, step.typed);
        for (int up = 0; up < step.ups; ++up) QTest::keyClick(factor, Qt::Key_Up);
        QVERIFY2(factor->text() == QLatin1String(step.shown), step.name);
        QVERIFY2(shownSelection(*factor) == std::make_pair(step.selStart, step.selLength),
                 step.name);
        QVERIFY2(form.Factor.selStart() == step.selStart, step.name);
        QVERIFY2(form.Factor.selLength() == step.selLength, step.name);
        QVERIFY2(form.state.PowerFactor == step.powerFactor, step.name);
        QVERIFY2(unit->text() == QLatin1String(step.unit), step.name);
        QVERIFY2(QApplication::focusWidget() == factor, step.name);
        // Only the typed 0 raised the range message.
        QVERIFY2(session.desktop.messages ==
                     std::vector<std::string>{std::string(calc::kPowerFactorMessage)},
                 step.name);
    }
    QCOMPARE(session.desktop.titles, std::vector<std::string>{"Quellora"});
    QCOMPARE(session.desktop.styles,
             std::vector<controls::MessageStyle>{controls::MessageStyle::Information});
    QCOMPARE(session.desktop.beeps, 0);
    QCOMPARE(session.watchdog.unexpected, 0);
}

QUELLORA_QT_TEST_MAIN(FieldsTest)
#include "fields_test.moc"
