// Real key events reach the key preview with the character a keyboard types: every refused one
// beeps once and leaves the field as it was. A beep cannot be seen from outside the program,
// so this stays here rather than in the real-window suite.
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "fixture.h"

class KeysTest : public QObject {
    Q_OBJECT

  private slots:
    void refusedKeysBeepAndChangeNothing_data();
    void refusedKeysBeepAndChangeNothing();
};

void KeysTest::refusedKeysBeepAndChangeNothing_data() {
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

void KeysTest::refusedKeysBeepAndChangeNothing() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, beeps);

    Onscreen session;
    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    auto* edit = session.widget<QLineEdit>("V");
    edit->setFocus(Qt::MouseFocusReason);
    session.form.V.setSelStart(1);

    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));

    QCOMPARE(session.desktop.beeps, beeps);
    QCOMPARE(QString::fromStdString(session.form.V.text()), QStringLiteral("208"));
    QCOMPARE(edit->text(), QStringLiteral("208"));
    QCOMPARE(edit->cursorPosition(), 1);
}

QUELLORA_QT_TEST_MAIN(KeysTest)
#include "keys_test.moc"
