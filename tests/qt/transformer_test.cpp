// The real "Transformer Calc." button: the window a person sees grows to uncover the secondary
// side and shrinks back, centred each time, and the keyboard reaches V2 only while it is shown.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "controls/userinput.h"
#include "fixture.h"

namespace {

// What the compact window leaves outside its client area.
const char* const kSecondarySide[] = {"Frame3D6",   "Frame3D7", "Frame3D8",
                                      "ImpedFrame", "SSFrame2", "Label5"};

QRect inWindow(QWidget* top, QWidget* widget) {
    return QRect(widget->mapTo(top, QPoint(0, 0)), widget->size());
}

bool seen(QWidget* top, QWidget* widget) {
    return top->rect().contains(inWindow(top, widget)) && !widget->visibleRegion().isEmpty();
}

bool unseen(QWidget* top, QWidget* widget) {
    return !top->rect().intersects(inWindow(top, widget)) && widget->visibleRegion().isEmpty();
}

// The outer rectangle of the window in pixels where the model puts it, and centred on the screen
// up to the pixel lost in halving.
void checkPlace(Onscreen& session, QSize outer) {
    QWidget* top = session.top();
    QTRY_COMPARE(top->frameGeometry().size(), outer);
    const controls::Rect& model = session.form.Form.geometry();
    QCOMPARE(top->frameGeometry().topLeft(),
             QPoint(qRound(model.left / 15.0), qRound(model.top / 15.0)));
    const QRect screen = top->screen()->geometry();
    const QRect frame = top->frameGeometry();
    QVERIFY2(qAbs(frame.left() - screen.left() - (screen.width() - frame.width()) / 2) <= 1,
             "centred across");
    QVERIFY2(qAbs(frame.top() - screen.top() - (screen.height() - frame.height()) / 2) <= 1,
             "centred down");
}

// Where a Tab pressed in Factor takes the focus.
QWidget* tabFromFactor(Onscreen& session) {
    auto* factor = session.widget<QLineEdit>("Factor");
    session.focus(factor);
    QTest::keyClick(factor, Qt::Key_Tab);
    return QApplication::focusWidget();
}

}  // namespace

class TransformerTest : public QObject {
    Q_OBJECT

  private slots:
    void buttonWidensAndNarrowsTheRealWindow();
};

void TransformerTest::buttonWidensAndNarrowsTheRealWindow() {
    Onscreen session;
    MainForm& form = session.form;
    QWidget* top = session.top();
    auto* button = session.widget<QPushButton>("Trbutton");
    auto* voltage = session.widget<QGroupBox>("Frame3D1");
    auto* current = session.widget<QGroupBox>("Frame3D2");
    auto* factor = session.widget<QLineEdit>("Factor");
    auto* spin = session.widget<QWidget>("PFS");
    auto* secondary = session.widget<QLineEdit>("V2");
    QVERIFY(button != nullptr && voltage != nullptr && current != nullptr && factor != nullptr &&
            spin != nullptr && secondary != nullptr);

    // 4790 x 3732 twips.
    checkPlace(session, QSize(319, 249));
    for (const char* name : kSecondarySide) {
        QVERIFY2(unseen(top, session.widget<QWidget>(name)), name);
    }

    // 8160 x 5432 twips.
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(form.Form.width(), 8160);
    QCOMPARE(form.Form.height(), 5432);
    checkPlace(session, QSize(544, 362));
    for (const char* name : kSecondarySide) {
        QVERIFY2(seen(top, session.widget<QWidget>(name)), name);
    }
    QCOMPARE(voltage->title(), QStringLiteral("Primary Voltage (U)"));
    QCOMPARE(current->title(), QStringLiteral("Primary Current (I)"));
    QCOMPARE(tabFromFactor(session), secondary);
    QCOMPARE(form.Form.focused(), &form.V2);

    // The tick, not the button, holds the power factor at 1.
    QVERIFY(factor->isEnabled());
    QVERIFY(controls::userTick(form.Timer1));
    QVERIFY(!factor->isEnabled());
    QCOMPARE(factor->text(), QStringLiteral("1"));
    QVERIFY(spin->isHidden());

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(form.Form.width(), 4790);
    QCOMPARE(form.Form.height(), 3732);
    checkPlace(session, QSize(319, 249));
    for (const char* name : kSecondarySide) {
        QVERIFY2(unseen(top, session.widget<QWidget>(name)), name);
    }
    QCOMPARE(voltage->title(), QStringLiteral("System Voltage (U)"));
    QCOMPARE(current->title(), QStringLiteral("Current (I)"));
    QVERIFY(factor->isEnabled());
    QVERIFY(spin->isVisible());
    QWidget* next = tabFromFactor(session);
    QVERIFY(next != nullptr);
    QVERIFY2(next != secondary, qPrintable(next->objectName()));

    QVERIFY(session.desktop.messages.empty());
}

QUELLORA_QT_TEST_MAIN(TransformerTest)
#include "transformer_test.moc"
