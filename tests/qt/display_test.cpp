// What the real widgets show: sizes and places in pixels, fonts, the model's changes after a
// tick, nothing repainted by an idle tick, and the second window coming and going.
#include <QDesktopServices>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "about/aboutform.h"
#include "controls/userinput.h"
#include "fixture.h"

namespace {

class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

class DisplayTest : public QObject {
    Q_OBJECT

  private slots:
    void windowHasTheModelsOuterSize();
    void controlsSitAtTheirTwips();
    void fontsResolveToOneFamily();
    void tickIsShown();
    void idleTicksRepaintNothing();
    void tickIsSkippedWhileAMessageBoxIsOpen();
    void unexpectedMessageBoxIsClosedByTheWatchdog();
    void aboutWindowComesAndGoes();
    void aboutOpensWhereThePersonMovedTheWindow();
    void addressesGoToTheDefaultHandlers();
    void screenSizeIsInTwips();
};

void DisplayTest::windowHasTheModelsOuterSize() {
    Onscreen session;
    QWidget* top = session.top();
    QCOMPARE(top->windowTitle(), QStringLiteral(" Quellora"));
    // 4790 x 3732 twips at 15 twips a pixel, frame included.
    QCOMPARE(top->frameGeometry().size(), QSize(319, 249));
    QCOMPARE(top->minimumSize(), top->maximumSize());
    const controls::Rect& model = session.form.Form.geometry();
    QCOMPARE(top->pos(), QPoint(qRound(model.left / 15.0), qRound(model.top / 15.0)));

    // The transformer size, as Trbutton sets it.
    session.form.Form.setWidth(8160);
    session.form.Form.setHeight(5432);
    QCOMPARE(top->frameGeometry().size(), QSize(544, 362));
}

void DisplayTest::controlsSitAtTheirTwips() {
    struct Place {
        const char* name;
        QRect pixels;  // in its frame or window
    };
    const Place places[] = {
        {"Frame3D1", QRect(13, 12, 298, 49)},   {"V", QRect(100, 15, 141, 26)},
        {"Command3D1", QRect(80, 190, 53, 18)}, {"Factor", QRect(26, 15, 60, 26)},
        {"Frame3D6", QRect(320, 12, 209, 49)},
    };
    Onscreen session;
    for (const Place& place : places) {
        QWidget* widget = session.widget<QWidget>(place.name);
        QVERIFY2(widget != nullptr, place.name);
        QVERIFY2(widget->geometry() == place.pixels, place.name);
    }
    QVERIFY(!session.widget<QLabel>("Label6")->isVisible());
    QVERIFY(session.widget<QLabel>("Label5")->isVisible());
}

void DisplayTest::fontsResolveToOneFamily() {
    Onscreen session;
    const QFontInfo field(session.widget<QLineEdit>("V")->font());
    const QFontInfo note(session.widget<QLabel>("Label5")->font());
    QVERIFY(field.bold());
    QCOMPARE(field.pointSizeF(), 11.25);
    QVERIFY(!note.bold());
    // The note's face has no file here: it must fall back to the Arial substitute, not to
    // whatever the desktop's default face is.
    QCOMPARE(note.family(), field.family());
}

void DisplayTest::tickIsShown() {
    Onscreen session;
    QVERIFY(controls::userTick(session.form.Timer1));
    QCOMPARE(session.widget<QLineEdit>("W")->text(), QStringLiteral("3,603"));
    QCOMPARE(session.widget<QLabel>("Wzor")->text(), QStringLiteral("P = 1.73 * U * I * PF"));
}

void DisplayTest::idleTicksRepaintNothing() {
    Onscreen session;
    // No caret may blink during the count.
    session.form.Form.setFocus(session.form.Command3D2);
    QVERIFY(controls::userTick(session.form.Timer1));
    QTest::qWait(300);

    PaintCounter counter;
    session.top()->installEventFilter(&counter);
    for (QWidget* child : session.top()->findChildren<QWidget*>())
        child->installEventFilter(&counter);
    QTest::qWait(50);
    QCOMPARE(counter.paints, 0);
    for (int tick = 0; tick < 10; ++tick) {
        QVERIFY(controls::userTick(session.form.Timer1));
        QTest::qWait(20);
    }
    QCOMPARE(counter.paints, 0);

    // The counter does see a real change.
    session.form.V.setText("480");
    QVERIFY(controls::userTick(session.form.Timer1));
    QTest::qWait(50);
    QVERIFY(counter.paints > 0);
}

void DisplayTest::tickIsSkippedWhileAMessageBoxIsOpen() {
    Onscreen session;
    session.desktop.realMessageBoxes = true;
    session.watchdog.expectModal = true;
    int ticks = 0;
    session.form.Timer1.onTimer = [&] { ++ticks; };
    int timeouts = 0;
    int ticksWhileOpen = -1;
    bool boxSeen = false;
    session.form.Command1.onClick = [&] {
        session.desktop.messageBox("busy", "Quellora", controls::MessageStyle::Information);
    };
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        ticksWhileOpen = ticks;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxSeen = box->text() == QStringLiteral("busy");
            box->accept();
        }
    });
    QTimer counter;
    counter.setInterval(100);
    QObject::connect(&counter, &QTimer::timeout, [&] { ++timeouts; });

    closer.start(450);
    counter.start();
    QTest::mouseClick(session.widget<QPushButton>("Command1"), Qt::LeftButton);
    counter.stop();

    QVERIFY(boxSeen);
    QVERIFY2(timeouts >= 3, "the timers kept firing while the box was open");
    QCOMPARE(ticksWhileOpen, 0);
    QTest::qWait(250);
    QVERIFY(ticks >= 1);
}

void DisplayTest::unexpectedMessageBoxIsClosedByTheWatchdog() {
    Onscreen session;
    session.desktop.realMessageBoxes = true;
    session.form.Command1.onClick = [&] {
        session.desktop.messageBox("stray", "Quellora", controls::MessageStyle::Exclamation);
    };
    QTest::mouseClick(session.widget<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(session.watchdog.unexpected, 1);
    session.watchdog.unexpected = 0;
}

void DisplayTest::aboutWindowComesAndGoes() {
    Onscreen session;
    QTest::mouseClick(session.widget<QPushButton>("Command3D2"), Qt::LeftButton);
    AboutForm* about = session.form.about();
    QVERIFY(about != nullptr);
    QPointer<QWidget> window = session.desktop.widgetOf(about->Form);
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("About Quellora"));
    QCOMPARE(window->pos(), session.top()->pos());

    QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("LabelMail")), Qt::LeftButton);
    QCOMPARE(session.desktop.opened.size(), std::size_t{1});
    QVERIFY(window != nullptr);

    // A click on the background closes it from inside its own widget's event.
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(3, window->height() / 2));
    QVERIFY(session.form.about() == nullptr);
    Onscreen::settle();
    QVERIFY(window == nullptr);

    // It can be opened again.
    QTest::mouseClick(session.widget<QPushButton>("Command3D2"), Qt::LeftButton);
    QVERIFY(session.form.about() != nullptr);
    QVERIFY(session.desktop.widgetOf(session.form.about()->Form)->isVisible());
}

void DisplayTest::aboutOpensWhereThePersonMovedTheWindow() {
    Onscreen session;
    const controls::Rect before = session.form.Form.geometry();
    session.top()->move(50, 60);
    QTRY_COMPARE(session.form.Form.geometry().left, 750);
    QCOMPARE(session.form.Form.geometry().top, 900);
    QCOMPARE(session.form.Form.width(), before.width);

    QTest::mouseClick(session.widget<QPushButton>("Command3D2"), Qt::LeftButton);
    QVERIFY(session.form.about() != nullptr);
    QCOMPARE(session.desktop.widgetOf(session.form.about()->Form)->pos(), QPoint(50, 60));
}

void DisplayTest::addressesGoToTheDefaultHandlers() {
    struct Case {
        const char* address;
        const char* url;
    };
    const Case cases[] = {
        {"Mailto:someone@example.com", "mailto:someone@example.com"},
        {"https://www.example.com/quellora", "https://www.example.com/quellora"},
        {"www.example.com", "http://www.example.com"},
    };
    UrlSink sink;
    for (const char* scheme : {"mailto", "http", "https"}) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &sink, "open");
    }
    platform::QtDesktop desktop;
    for (const Case& c : cases) {
        sink.urls.clear();
        desktop.openAddress(c.address);
        QVERIFY2(sink.urls.size() == 1, c.address);
        QVERIFY2(sink.urls.front().toString() == QLatin1String(c.url), c.address);
    }
    for (const char* scheme : {"mailto", "http", "https"}) {
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
}

void DisplayTest::screenSizeIsInTwips() {
    platform::QtDesktop desktop;
    const QSize pixels = QGuiApplication::primaryScreen()->size();
    const controls::ScreenSize twips = desktop.screenSize();
    QCOMPARE(twips.width, pixels.width() * 15);
    QCOMPARE(twips.height, pixels.height() * 15);
}

QUELLORA_QT_TEST_MAIN(DisplayTest)
#include "display_test.moc"
