// What only the binding does and neither the scenario files nor the real-window suite can see:
// real key events reach the key preview with the character a keyboard types, and every refused
// one beeps once (a beep is not seen from outside the program) and leaves the field as it was;
// and every text shows whole at the screen's scale (QT_SCALE_FACTOR 1, 1.5 and 2) with the widest
// numbers the fields and results can hold, in both window sizes and in the About window. The
// real-window suite runs the second again on the X server, whose fonts are hinted differently.
#include <QClipboard>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include "about/aboutform.h"
#include "controls/eventgate.h"
#include "controls/userinput.h"
#include "mainwindow/mainform.h"
#include "platform/qtdesktop.h"
#include "platform/textfit.h"

namespace {

// Answers message boxes at once instead of letting a test hang.
class TestDesktop : public platform::QtDesktop {
  public:
    void messageBox(std::string_view, std::string_view, controls::MessageStyle) override {}
    void beep() override { ++beeps; }
    void openAddress(std::string_view) override {}
    int beeps = 0;
};

// The real main window, shown and active.
struct Onscreen {
    Onscreen() {
        form.Form_Load();
        form.show();
        if (QTest::qWaitForWindowActive(top())) settle();
    }
    ~Onscreen() {
        // The windows go before the model does.
        desktop.closeAllWindows();
        settle();
    }
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QWidget* top() const { return desktop.widgetOf(form.Form); }

    TestDesktop desktop;
    controls::EventGate gate;
    MainForm form{desktop, gate};
};

// Why the widget does not show its whole text, or an empty text. Qt's own measures decide: a
// line edit scrolls a text that does not fit, a label's size hint is what its text needs.
QString misfit(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // Painted with the caret at the end, the text scrolls left if it is too wide; the caret
        // at its first character then stands left of the field's margin.
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
        edit->grab();
        edit->setCursorPosition(0);
        // Qt's caret rectangle reaches 5 pixels left of the caret.
        const int first = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() + 5;
        const int margin = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        return first < margin + 2 ? QStringLiteral("scrolled") : QString();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : label->sizeHint().width() <= label->width();
        return fits ? QString() : QStringLiteral("cut");
    }
    if (auto* option = qobject_cast<QRadioButton*>(widget))
        return option->sizeHint().width() > option->width() ? QStringLiteral("cut") : QString();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        const QFont font =
            platform::fittedCaptionFont(*frame, frame->font(), frame->title(), frame->width());
        return QFontMetrics(font, frame).horizontalAdvance(frame->title()) > frame->width()
                   ? QStringLiteral("caption cut")
                   : QString();
    }
    return {};
}

void checkFits(QWidget* window) {
    QVERIFY(window != nullptr);
    int checked = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window)) continue;
        const QString problem = misfit(widget);
        QVERIFY2(problem.isEmpty(), qPrintable(widget->objectName() + ": " + problem));
        ++checked;
    }
    QVERIFY(checked > 5);
}

}  // namespace

class BindingTest : public QObject {
    Q_OBJECT

  private slots:
    void refusedKeysBeepAndChangeNothing_data();
    void refusedKeysBeepAndChangeNothing();
    void widestTextsFit();
};

void BindingTest::refusedKeysBeepAndChangeNothing_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");

    QTest::newRow("letter") << int(Qt::Key_X) << 0 << "x" << 1;
    QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "\r" << 1;
    QTest::newRow("ctrl+v from a keyboard")
        << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16" << 1;
    QTest::newRow("ctrl+v from QTest") << int(Qt::Key_V) << int(Qt::ControlModifier) << "v" << 1;
    QTest::newRow("ctrl+z undo") << int(Qt::Key_Z) << int(Qt::ControlModifier) << "z" << 1;
    QTest::newRow("ctrl+backspace")
        << int(Qt::Key_Backspace) << int(Qt::ControlModifier) << "\b" << 1;
    QTest::newRow("outside latin-1") << int(Qt::Key_unknown) << 0 << QString(QChar(0x0436)) << 1;
    QTest::newRow("shift+insert paste") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "" << 0;
    QTest::newRow("shift+delete cut") << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << "" << 0;
    QTest::newRow("alt+digit") << int(Qt::Key_5) << int(Qt::AltModifier) << "5" << 0;
    QTest::newRow("ctrl+digit") << int(Qt::Key_5) << int(Qt::ControlModifier) << "5" << 0;
}

void BindingTest::refusedKeysBeepAndChangeNothing() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, beeps);

    Onscreen session;
    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    auto* edit = session.top()->findChild<QLineEdit*>(QStringLiteral("V"));
    edit->setFocus(Qt::MouseFocusReason);
    session.form.V.setSelStart(1);

    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));

    QCOMPARE(session.desktop.beeps, beeps);
    QCOMPARE(session.form.V.text(), "208");
    QCOMPARE(edit->text(), QStringLiteral("208"));
    QCOMPARE(edit->cursorPosition(), 1);
}

void BindingTest::widestTextsFit() {
    Onscreen session;
    MainForm& form = session.form;
    // The places in logical pixels are those at 96 dots per inch, whatever the scale.
    QCOMPARE(session.top()->findChild<QWidget*>(QStringLiteral("V"))->geometry(),
             QRect(100, 15, 141, 26));

    QVERIFY(controls::userPaste(form.V, "999999"));
    QVERIFY(controls::userFocus(form.W));
    QVERIFY(controls::userPaste(form.W, "999999999999"));
    QVERIFY(controls::userFocus(form.Factor));
    QVERIFY(controls::userTick(form.Timer2));
    QCOMPARE(form.W.text(), "999,999,999,999");
    checkFits(session.top());

    QVERIFY(controls::userClick(form.Trbutton));
    QVERIFY(controls::userClick(form.CommandSC));
    QVERIFY(controls::userTick(form.Timer2));
    QVERIFY(controls::userHover(form.SSFrame2));
    checkFits(session.top());

    QVERIFY(controls::userClick(form.Command3D2));
    QVERIFY(form.about() != nullptr);
    checkFits(session.desktop.widgetOf(form.about()->Form));
}

QTEST_MAIN(BindingTest)
#include "binding_test.moc"
