// What a screen reader finds in the windows, read through Qt's accessibility interfaces: a name
// for every control, the numbers as values, the hints as descriptions, the note as a live
// status bar, and actions that reach the model as a person's clicks do.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "about/aboutform.h"
#include "controls/userinput.h"
#include "fixture.h"

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    return widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

QString name(QWidget* widget) {
    return accessible(widget)->text(QAccessible::Name);
}

QString description(QWidget* widget) {
    return accessible(widget)->text(QAccessible::Description);
}

QString fromModel(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void everyControlIsNamedAndDescribedAsTheModelSays();
    void spinArrowsAreNamedAndPressable();
    void numbersAreValuesAfterATick();
    void hintAreasDescribeTheirNote();
    void noteIsALiveStatusBar();
    void optionActionsReachTheModel();
};

void AccessibilityTest::everyControlIsNamedAndDescribedAsTheModelSays() {
    Onscreen session;
    QVERIFY(controls::userClick(session.form.Command3D2));
    AboutForm* about = session.form.about();
    QVERIFY(about != nullptr);
    for (controls::Window* window : {&session.form.Form, &about->Form}) {
        QWidget* top = session.desktop.widgetOf(*window);
        QVERIFY(top != nullptr);
        QVERIFY(!name(top).trimmed().isEmpty());
        for (const controls::Control* control : window->controls()) {
            if (control->kind() == controls::Kind::Timer ||
                control->kind() == controls::Kind::Window) {
                continue;
            }
            const QString objectName = fromModel(control->name());
            QWidget* widget = top->findChild<QWidget*>(objectName);
            QVERIFY2(widget != nullptr, qPrintable(objectName));
            QVERIFY2(accessible(widget) != nullptr, qPrintable(objectName));
            QVERIFY2(!name(widget).trimmed().isEmpty(), qPrintable(objectName));
            if (!control->accessibleName().empty()) {
                QVERIFY2(name(widget).startsWith(fromModel(control->accessibleName())),
                         qPrintable(objectName));
            }
            QCOMPARE(description(widget), fromModel(control->accessibleDescription()));
        }
    }
    QCOMPARE(name(session.widget<QLineEdit>("V")), QStringLiteral("System voltage, volts"));
    QCOMPARE(name(session.widget<QLineEdit>("Factor")), QStringLiteral("Power factor, 0.01 to 1"));
    // Unnamed buttons and frames are named by their captions.
    QCOMPARE(name(session.widget<QWidget>("Command1")), QStringLiteral("125% of Current"));
}

void AccessibilityTest::spinArrowsAreNamedAndPressable() {
    Onscreen session;
    QAccessibleInterface* spin = accessible(session.widget<QWidget>("VS"));
    QCOMPARE(spin->text(QAccessible::Name), QStringLiteral("Steps of the system voltage"));
    QCOMPARE(spin->childCount(), 2);
    QAccessibleInterface* up = spin->child(0);
    QAccessibleInterface* down = spin->child(1);
    QCOMPARE(up->text(QAccessible::Name), QStringLiteral("Step system voltage up"));
    QCOMPARE(down->text(QAccessible::Name), QStringLiteral("Step system voltage down"));
    QCOMPARE(name(session.widget<QWidget>("ImpSpin")->findChildren<QWidget*>().value(1)),
             QStringLiteral("Step transformer impedance down"));

    // Pressed by a screen reader, an arrow steps the voltage as a click does.
    QVERIFY(
        up->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    up->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(session.form.V.text() != "208");
    QCOMPARE(session.widget<QLineEdit>("V")->text(), fromModel(session.form.V.text()));
}

void AccessibilityTest::numbersAreValuesAfterATick() {
    Onscreen session;
    QVERIFY(controls::userTick(session.form.Timer1));
    QAccessibleInterface* power = accessible(session.widget<QLineEdit>("W"));
    QCOMPARE(power->text(QAccessible::Name), QStringLiteral("Power, volt-amperes"));
    QCOMPARE(power->text(QAccessible::Value), QStringLiteral("3,603"));
    QAccessibleTextInterface* text = power->textInterface();
    QVERIFY(text != nullptr);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("3,603"));

    // Labels that show a number are named by what they are and what they show.
    QAccessibleInterface* formula = accessible(session.widget<QLabel>("Wzor"));
    QCOMPARE(formula->text(QAccessible::Name),
             QStringLiteral("Formula processed: P = 1.73 * U * I * PF"));
    QCOMPARE(formula->text(QAccessible::Value), QStringLiteral("P = 1.73 * U * I * PF"));

    QVERIFY(controls::userClick(session.form.Trbutton));
    QVERIFY(controls::userTick(session.form.Timer1));
    const QString fault = fromModel(session.form.Fault.caption());
    QVERIFY(fault != QStringLiteral("10.0"));
    QAccessibleInterface* faultLabel = accessible(session.widget<QLabel>("Fault"));
    QCOMPARE(faultLabel->text(QAccessible::Value), fault);
    QCOMPARE(
        faultLabel->text(QAccessible::Name),
        QStringLiteral("Short-circuit current at the transformer terminals, amperes: ") + fault);
    QCOMPARE(faultLabel->role(), QAccessible::StaticText);
}

void AccessibilityTest::hintAreasDescribeTheirNote() {
    Onscreen session;
    QVERIFY(controls::userClick(session.form.Trbutton));
    QVERIFY(controls::userTick(session.form.Timer1));
    const QString withoutMotors = fromModel(session.form.Label6.caption());
    QVERIFY(withoutMotors != QStringLiteral("Label6"));
    const QString shortCircuit = description(session.widget<QWidget>("SSFrame2"));
    QVERIFY2(shortCircuit.endsWith(QStringLiteral(" would be: ") + withoutMotors +
                                   QStringLiteral(" Amperes.")),
             qPrintable(shortCircuit));
    // The same text the pointer writes into the note.
    QVERIFY(controls::userHover(session.form.SSFrame2));
    QCOMPARE(session.widget<QLabel>("Label5")->text(), shortCircuit);

    // A click spends the percentage hint; the button then says what it does.
    QAccessibleInterface* percent = accessible(session.widget<QWidget>("Command1"));
    QCOMPARE(percent->text(QAccessible::Description),
             QStringLiteral("\nClick button to change the percentage."));
    percent->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(session.form.state.PercentClicked, std::int16_t{1});
    QVERIFY(percent->text(QAccessible::Description).startsWith(QStringLiteral("Changes the")));
    QCOMPARE(percent->text(QAccessible::Name), QStringLiteral("150% of Current"));
}

void AccessibilityTest::noteIsALiveStatusBar() {
    Onscreen session;
    QLabel* note = session.widget<QLabel>("Label5");
    QAccessibleInterface* live = accessible(note);
    QCOMPARE(live->role(), QAccessible::StatusBar);
    QVERIFY(live->text(QAccessible::Name).startsWith(QStringLiteral("Note:\nCalculations do not")));

    // The name follows the note; Qt tells a listening screen reader of each change (events
    // reach no handler on the offscreen platform, which has no accessibility bridge).
    QVERIFY(controls::userClick(session.form.Trbutton));
    QVERIFY(controls::userHover(session.form.ImpedFrame));
    QVERIFY(live->text(QAccessible::Name)
                .startsWith(QStringLiteral("Minimum Impedance values allowed")));
}

void AccessibilityTest::optionActionsReachTheModel() {
    Onscreen session;
    QAccessibleInterface* single = accessible(session.widget<QWidget>("SPh"));
    QAccessibleInterface* three = accessible(session.widget<QWidget>("TPh"));
    QCOMPARE(single->role(), QAccessible::RadioButton);
    QCOMPARE(single->text(QAccessible::Name), QStringLiteral("Single-phase"));
    QVERIFY(three->state().checked);
    QVERIFY(!single->state().checked);

    // The toggle a screen reader offers is a click: the phase handler converts the voltage.
    QVERIFY(single->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::toggleAction()));
    single->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(session.form.SPh.value());
    QVERIFY(!session.form.TPh.value());
    QCOMPARE(session.form.V.text(), std::string("120"));
    QVERIFY(single->state().checked);
    QVERIFY(!three->state().checked);
}

QUELLORA_QT_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
