// Keys typed into the real line edits reach the text only through the model's key preview.
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "fixture.h"

class TypingTest : public QObject {
    Q_OBJECT

  private slots:
    void digitsReachTheModel();
    void refusedKeysBeepAndChangeNothing_data();
    void refusedKeysBeepAndChangeNothing();
    void caretMovesAreCopiedIntoTheModel();
    void mouseSelectionIsCopiedIntoTheModel();
    void modelSelectionIsShown();
    void arrowKeysReachKeyDown();
    void deleteAndBackspaceEditThroughTheModel();
    void focusFromTabReachesTheModelAndCodeFocusIsNotEchoed();
    void keysOnAButtonPassTheKeyPreviewToo();
};

void TypingTest::digitsReachTheModel() {
    Onscreen session;
    auto* edit = session.widget<QLineEdit>("V");
    QVERIFY(edit != nullptr);
    session.focus(edit);
    session.form.V.setSelection(0, session.form.V.length());

    QTest::keyClicks(edit, "480");

    QCOMPARE(QString::fromStdString(session.form.V.text()), QStringLiteral("480"));
    QCOMPARE(edit->text(), QStringLiteral("480"));
    QCOMPARE(edit->cursorPosition(), 3);
    QCOMPARE(session.desktop.beeps, 0);
    // Taken in by V_Change.
    QCOMPARE(session.form.state.Voltage, 480.0);
}

void TypingTest::refusedKeysBeepAndChangeNothing_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");

    QTest::newRow("letter") << int(Qt::Key_X) << 0 << "x" << 1;
    QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << "-" << 1;
    QTest::newRow("comma") << int(Qt::Key_Comma) << 0 << "," << 1;
    QTest::newRow("blank") << int(Qt::Key_Space) << 0 << " " << 1;
    QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "\r" << 1;
    QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "\x1b" << 1;
    QTest::newRow("ctrl+v from a keyboard")
        << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16" << 1;
    QTest::newRow("ctrl+v from QTest") << int(Qt::Key_V) << int(Qt::ControlModifier) << "v" << 1;
    QTest::newRow("ctrl+z undo") << int(Qt::Key_Z) << int(Qt::ControlModifier) << "z" << 1;
    QTest::newRow("ctrl+a select all") << int(Qt::Key_A) << int(Qt::ControlModifier) << "a" << 1;
    QTest::newRow("ctrl+backspace")
        << int(Qt::Key_Backspace) << int(Qt::ControlModifier) << "\b" << 1;
    QTest::newRow("outside latin-1") << int(Qt::Key_unknown) << 0 << QString(QChar(0x0436)) << 1;
    QTest::newRow("shift+insert paste") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "" << 0;
    QTest::newRow("shift+delete cut") << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << "" << 0;
    QTest::newRow("ctrl+delete word") << int(Qt::Key_Delete) << int(Qt::ControlModifier) << "" << 0;
    QTest::newRow("alt+digit") << int(Qt::Key_5) << int(Qt::AltModifier) << "5" << 0;
    QTest::newRow("ctrl+digit") << int(Qt::Key_5) << int(Qt::ControlModifier) << "5" << 0;
}

void TypingTest::refusedKeysBeepAndChangeNothing() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, beeps);

    Onscreen session;
    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    auto* edit = session.widget<QLineEdit>("V");
    session.focus(edit);
    session.form.V.setSelStart(1);

    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));

    QCOMPARE(session.desktop.beeps, beeps);
    QCOMPARE(QString::fromStdString(session.form.V.text()), QStringLiteral("208"));
    QCOMPARE(edit->text(), QStringLiteral("208"));
    QCOMPARE(edit->cursorPosition(), 1);
}

void TypingTest::caretMovesAreCopiedIntoTheModel() {
    struct Step {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int selStart;
        int selLength;
    };
    const Step steps[] = {
        {"end", Qt::Key_End, Qt::NoModifier, 3, 0},
        {"shift+home", Qt::Key_Home, Qt::ShiftModifier, 0, 3},
        {"home", Qt::Key_Home, Qt::NoModifier, 0, 0},
        {"right", Qt::Key_Right, Qt::NoModifier, 1, 0},
        {"shift+end", Qt::Key_End, Qt::ShiftModifier, 1, 2},
        {"shift+left keeps the anchor", Qt::Key_Left, Qt::ShiftModifier, 1, 1},
    };
    Onscreen session;
    auto* edit = session.widget<QLineEdit>("V");
    session.focus(edit);
    session.form.V.setSelStart(0);
    for (const Step& step : steps) {
        QTest::keyClick(edit, step.key, step.modifiers);
        QVERIFY2(session.form.V.selStart() == step.selStart, step.name);
        QVERIFY2(session.form.V.selLength() == step.selLength, step.name);
    }
    QCOMPARE(session.desktop.beeps, 0);
    QCOMPARE(QString::fromStdString(session.form.V.text()), QStringLiteral("208"));
}

void TypingTest::mouseSelectionIsCopiedIntoTheModel() {
    Onscreen session;
    auto* edit = session.widget<QLineEdit>("V");
    const QPoint end(edit->width() - 4, edit->height() / 2);

    QTest::mouseClick(edit, Qt::LeftButton, {}, end);
    QCOMPARE(session.form.Form.focused(), &session.form.V);
    QCOMPARE(session.form.V.selStart(), 3);
    QCOMPARE(session.form.V.selLength(), 0);

    QTest::mouseDClick(edit, Qt::LeftButton, {}, end);
    QCOMPARE(session.form.V.selStart(), 0);
    QCOMPARE(session.form.V.selLength(), 3);
}

void TypingTest::modelSelectionIsShown() {
    Onscreen session;
    auto* edit = session.widget<QLineEdit>("A");
    controls::TextBox& box = session.form.A;

    box.setText("12345");
    QCOMPARE(edit->text(), QStringLiteral("12345"));
    QCOMPARE(edit->cursorPosition(), 0);
    QVERIFY(!edit->hasSelectedText());

    box.setSelection(1, 3);
    QCOMPARE(edit->selectionStart(), 1);
    QCOMPARE(edit->selectionLength(), 3);

    box.setSelStart(4);
    QVERIFY(!edit->hasSelectedText());
    QCOMPARE(edit->cursorPosition(), 4);
}

void TypingTest::arrowKeysReachKeyDown() {
    Onscreen session;
    std::vector<int> codes;
    session.form.V.onKeyDown = [&](std::int16_t& code, std::int16_t) { codes.push_back(code); };
    auto* edit = session.widget<QLineEdit>("V");
    session.focus(edit);

    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Down);

    QCOMPARE(codes, (std::vector<int>{38, 40}));
    QCOMPARE(session.desktop.beeps, 0);
    QCOMPARE(edit->text(), QStringLiteral("208"));
}

void TypingTest::deleteAndBackspaceEditThroughTheModel() {
    Onscreen session;
    std::vector<std::string> changes;
    session.form.V.onChange = [&] { changes.push_back(session.form.V.text()); };
    auto* edit = session.widget<QLineEdit>("V");
    session.focus(edit);
    session.form.V.setSelStart(1);

    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_Backspace);

    QCOMPARE(changes, (std::vector<std::string>{"28", "8"}));
    QCOMPARE(edit->text(), QStringLiteral("8"));
    QCOMPARE(edit->cursorPosition(), 0);
    QCOMPARE(session.desktop.beeps, 0);
}

void TypingTest::focusFromTabReachesTheModelAndCodeFocusIsNotEchoed() {
    Onscreen session;
    MainForm& form = session.form;
    int events = 0;
    auto afterEvent = session.gate.afterEvent;
    session.gate.afterEvent = [&] {
        ++events;
        if (afterEvent) afterEvent();
    };
    auto* v = session.widget<QLineEdit>("V");
    auto* a = session.widget<QLineEdit>("A");
    session.focus(v);
    QCOMPARE(form.Form.focused(), &form.V);

    QTest::keyClick(v, Qt::Key_Tab);
    QCOMPARE(form.Form.focused(), &form.A);
    QCOMPARE(QApplication::focusWidget(), a);

    // The model moves the focus itself: Qt follows, and nothing comes back as a person's event.
    events = 0;
    form.Form.setFocus(form.W);
    QCOMPARE(QApplication::focusWidget(), session.widget<QLineEdit>("W"));
    QCOMPARE(events, 0);
    QCOMPARE(form.Form.focused(), &form.W);
}

// The key preview sees what is typed anywhere in the window, not only in the fields.
void TypingTest::keysOnAButtonPassTheKeyPreviewToo() {
    Onscreen session;
    auto* button = session.widget<QPushButton>("Trbutton");
    QVERIFY(button != nullptr);
    session.focus(button);
    QTest::keyClick(button, Qt::Key_X);
    QTest::keyClick(button, Qt::Key_5);
    QCOMPARE(session.desktop.beeps, 1);
    QCOMPARE(session.form.Form.width(), 4790);
}

QUELLORA_QT_TEST_MAIN(TypingTest)
#include "typing_test.moc"
