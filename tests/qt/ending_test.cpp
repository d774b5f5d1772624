// Exit and the title bar's close button end the event loop; closing the About window does not.
#include <QPushButton>
#include <QTest>

#include "about/aboutform.h"
#include "fixture.h"

namespace {

// Runs the application's loop until something ends it, or fails after five seconds.
int runLoopUntilEnded() {
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    limit.start(5000);
    return QCoreApplication::exec();
}

}  // namespace

class EndingTest : public QObject {
    Q_OBJECT

  private slots:
    void exitButtonEndsTheProgram();
    void closingTheMainWindowEndsTheProgram();
    void closingAboutOnlyClosesAbout();
};

void EndingTest::exitButtonEndsTheProgram() {
    Onscreen session;
    auto* exit = session.widget<QPushButton>("Command3D1");
    QTimer::singleShot(0, [exit] { QTest::mouseClick(exit, Qt::LeftButton); });
    QCOMPARE(runLoopUntilEnded(), 0);
    QVERIFY(session.desktop.ended);
    QVERIFY(session.gate.ended());
}

void EndingTest::closingTheMainWindowEndsTheProgram() {
    Onscreen session;
    QWidget* top = session.top();
    QTimer::singleShot(0, [top] { top->close(); });
    QCOMPARE(runLoopUntilEnded(), 0);
    QVERIFY(session.desktop.ended);
    QVERIFY(session.gate.ended());
}

void EndingTest::closingAboutOnlyClosesAbout() {
    Onscreen session;
    QTest::mouseClick(session.widget<QPushButton>("Command3D2"), Qt::LeftButton);
    QVERIFY(session.form.about() != nullptr);
    QWidget* about = session.desktop.widgetOf(session.form.about()->Form);

    QVERIFY(!about->close());
    QVERIFY(session.form.about() == nullptr);
    QVERIFY(!session.desktop.ended);
    QVERIFY(!session.gate.ended());
    QVERIFY(session.top()->isVisible());
}

QUELLORA_QT_TEST_MAIN(EndingTest)
#include "ending_test.moc"
