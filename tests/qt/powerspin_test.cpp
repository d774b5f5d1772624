// The real arrows of the power spin button, and the arrow keys in W that stand for them: one
// click is one step, the lower arrow steps down, and W is left focused with its text selected.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "calc/messages.h"
#include "fixture.h"

namespace {

enum Press { LowerArrow, UpperArrow, DownKey, UpKey };

// The arrow under the pointer in the lower or upper half of the spin button.
QToolButton* arrowAt(QWidget* spin, bool lower) {
    const QPoint point(spin->width() / 2, lower ? spin->height() * 3 / 4 : spin->height() / 4);
    return qobject_cast<QToolButton*>(spin->childAt(point));
}

}  // namespace

class PowerSpinTest : public QObject {
    Q_OBJECT

  private slots:
    void arrowsStepThePower_data();
    void arrowsStepThePower();
};

void PowerSpinTest::arrowsStepThePower_data() {
    QTest::addColumn<bool>("transformer");  // wide window, single phase
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("impedanceBefore");
    QTest::addColumn<int>("press");
    QTest::addColumn<QStringList>("shown");  // after each press
    QTest::addColumn<double>("power");       // after the last press
    QTest::addColumn<QString>("impedance");  // empty: not stepped
    QTest::addColumn<float>("impedanceValue");
    QTest::addColumn<int>("messages");

    QTest::newRow("empty, lower arrow: 0.9 written, then a tenth less")
        << false << ""
        << "" << int(LowerArrow) << QStringList{"0.8"} << 0.0 << "" << 0.0F << 0;
    QTest::newRow("empty, upper arrow: 1 written, then stepped")
        << false << ""
        << "" << int(UpperArrow) << QStringList{"2"} << 2.0 << "" << 0.0F << 0;
    QTest::newRow("one click is one step, whatever the auto-repeat")
        << false << "10"
        << "" << int(UpperArrow) << QStringList{"15"} << 15.0 << "" << 0.0F << 0;
    QTest::newRow("seven characters step by 1,000, then nine by 100,000")
        << false << "1500000"
        << "" << int(LowerArrow) << QStringList{"1,499,000", "1,399,000"} << 0.0 << "" << 0.0F << 0;
    QTest::newRow("Down key in W is the lower arrow")
        << false << "1500000"
        << "" << int(DownKey) << QStringList{"1,499,000", "1,399,000"} << 0.0 << "" << 0.0F << 0;
    QTest::newRow("Up key in W is the upper arrow")
        << false << "10"
        << "" << int(UpKey) << QStringList{"15"} << 15.0 << "" << 0.0F << 0;
    QTest::newRow("upper limit: the range message, then the cap")
        << false << "1000000000"
        << "" << int(UpperArrow) << QStringList{"999,999,999,999"} << 999999999999.0 << "" << 0.0F
        << 1;
    QTest::newRow("single-phase rating 50,000 up to 75,000 with impedance 2")
        << true << "50000"
        << "4" << int(UpperArrow) << QStringList{"75,000"} << 75000.0 << "2" << 2.0F << 0;
    QTest::newRow("single-phase 25,000 down passes 15,000 by, impedance 1.5")
        << true << "25,000"
        << "4" << int(LowerArrow) << QStringList{"10,000"} << 0.0 << "1.5" << 1.5F << 0;
}

void PowerSpinTest::arrowsStepThePower() {
    QFETCH(bool, transformer);
    QFETCH(QString, start);
    QFETCH(QString, impedanceBefore);
    QFETCH(int, press);
    QFETCH(QStringList, shown);
    QFETCH(double, power);
    QFETCH(QString, impedance);
    QFETCH(float, impedanceValue);
    QFETCH(int, messages);

    Onscreen session;
    MainForm& form = session.form;
    auto* w = session.widget<QLineEdit>("W");
    auto* imped = session.widget<QLineEdit>("Imped");
    QWidget* spin = session.widget<QWidget>("PS");
    QToolButton* arrow = arrowAt(spin, press == LowerArrow || press == DownKey);
    QVERIFY(w != nullptr && imped != nullptr && arrow != nullptr);
    if (transformer) {
        QTest::mouseClick(session.widget<QPushButton>("Trbutton"), Qt::LeftButton);
        QTest::mouseClick(session.widget<QRadioButton>("SPh"), Qt::LeftButton);
        QVERIFY(form.SPh.value());
    }
    if (!impedanceBefore.isEmpty()) form.Imped.setText(impedanceBefore.toStdString());
    form.W.setText(start.toStdString());
    if (press == DownKey || press == UpKey) session.focus(w);

    for (const QString& text : shown) {
        if (press == LowerArrow || press == UpperArrow) {
            QTest::mouseClick(arrow, Qt::LeftButton);
        } else {
            QTest::keyClick(w, press == DownKey ? Qt::Key_Down : Qt::Key_Up);
        }
        QCOMPARE(w->text(), text);
        QCOMPARE(QApplication::focusWidget(), w);
        QCOMPARE(form.Form.focused(), &form.W);
        QCOMPARE(w->selectedText(), text);
    }
    QCOMPARE(form.state.Power, power);
    // The current is derived from the power stepped.
    QVERIFY(!form.Timer1.enabled());
    QVERIFY(form.Timer2.enabled());
    if (!impedance.isEmpty()) {
        QCOMPARE(imped->text(), impedance);
        QCOMPARE(form.state.Impedance, impedanceValue);
    }
    QCOMPARE(int(session.desktop.messages.size()), messages);
    if (messages > 0) {
        QCOMPARE(session.desktop.messages.front(), std::string(calc::kRangeMessageAlt));
        QCOMPARE(session.desktop.titles.front(), std::string("Quellora"));
        QCOMPARE(session.desktop.styles.front(), controls::MessageStyle::Exclamation);
    }
    QCOMPARE(session.desktop.beeps, 0);
}

QUELLORA_QT_TEST_MAIN(PowerSpinTest)
#include "powerspin_test.moc"
