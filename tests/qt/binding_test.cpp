// What only the binding does: refused keys beep and change nothing, the entry menu greys out what
// does not apply, and the widest texts show whole at every scale, with no room to spare.
#include <QClipboard>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "about/aboutform.h"
#include "controls/eventgate.h"
#include "controls/userinput.h"
#include "mainwindow/mainform.h"
#include "platform/qtdesktop.h"
#include "platform/textfit.h"

namespace {

class TestDesktop : public platform::QtDesktop {
  public:
    void messageBox(std::string_view, std::string_view, controls::MessageStyle) override {}
    void beep() override { ++beeps; }
    void openAddress(std::string_view) override {}
    int beeps = 0;
};

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

// Whether the widget shows its whole text; Qt's own measures decide.
bool showsWhole(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // A text too wide scrolls left when painted with the caret at its end; the caret at its
        // start then stands left of the margin (Qt's caret rectangle reaches 5 pixels left).
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
        edit->grab();
        edit->setCursorPosition(0);
        const int first = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() + 5;
        return first >= edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) + 2;
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                 : label->sizeHint().width() <= label->width();
    }
    if (auto* option = qobject_cast<QRadioButton*>(widget))
        return option->sizeHint().width() <= option->width();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        const QFont font =
            platform::fittedCaptionFont(*frame, frame->font(), frame->title(), frame->width());
        return QFontMetrics(font, frame).horizontalAdvance(frame->title()) <= frame->width();
    }
    return true;
}

void checkFits(QWidget* window) {
    QVERIFY(window != nullptr);
    int checked = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window)) continue;
        QVERIFY2(showsWhole(widget), qPrintable(widget->objectName() + " is cut"));
        ++checked;
    }
    QVERIFY(checked > 5);
}

}  // namespace

class BindingTest : public QObject {
    Q_OBJECT

  private slots:
    void refusedKeysBeepAndChangeNothing() {
        const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
        const struct {
            const char* name;
            int key;
            int modifiers;
            QString text;
            int beeps;
        } cases[] = {
            {"letter", Qt::Key_X, 0, "x", 1},
            {"enter", Qt::Key_Return, 0, "\r", 1},
            {"ctrl+v from a keyboard", Qt::Key_V, ctrl, "\x16", 1},
            {"ctrl+v from QTest", Qt::Key_V, ctrl, "v", 1},
            {"ctrl+z undo", Qt::Key_Z, ctrl, "z", 1},
            {"ctrl+backspace", Qt::Key_Backspace, ctrl, "\b", 1},
            {"outside latin-1", Qt::Key_unknown, 0, QString(QChar(0x0436)), 1},
            {"shift+insert paste", Qt::Key_Insert, shift, "", 0},
            {"shift+delete cut", Qt::Key_Delete, shift, "", 0},
            {"alt+digit", Qt::Key_5, Qt::AltModifier, "5", 0},
            {"ctrl+digit", Qt::Key_5, ctrl, "5", 0},
        };
        for (const auto& c : cases) {
            Onscreen session;
            QGuiApplication::clipboard()->setText(QStringLiteral("999"));
            auto* edit = session.top()->findChild<QLineEdit*>(QStringLiteral("V"));
            edit->setFocus(Qt::MouseFocusReason);
            session.form.V.setSelStart(1);
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.key), c.text,
                                Qt::KeyboardModifiers(c.modifiers));
            QVERIFY2(session.desktop.beeps == c.beeps, c.name);
            QVERIFY2(session.form.V.text() == "208" && edit->text() == "208", c.name);
            QVERIFY2(edit->cursorPosition() == 1, c.name);
        }
    }

    void widestTextsFit() {
        Onscreen session;
        MainForm& form = session.form;
        QVERIFY(controls::userPaste(form.V, "999999"));
        QVERIFY(controls::userFocus(form.W));
        QVERIFY(controls::userPaste(form.W, "999999999999"));
        QVERIFY(controls::userFocus(form.Factor));
        QVERIFY(controls::userTick(form.Timer2));
        QCOMPARE(form.W.text(), "999,999,999,999");
        checkFits(session.top());
        // Etched frames, dark outside, and bold numbers.
        const QImage frame =
            session.top()->findChild<QWidget*>(QStringLiteral("Frame3D3"))->grab().toImage();
        QVERIFY(qGray(frame.pixel(0, frame.height() / 2)) < qGray(frame.pixel(2, 0)));
        auto* power = session.top()->findChild<QLineEdit*>(QStringLiteral("W"));
        QVERIFY(QFontInfo(power->font()).bold());

        QVERIFY(controls::userClick(form.Trbutton));
        QVERIFY(controls::userClick(form.CommandSC));
        QVERIFY(controls::userTick(form.Timer2));
        // The pointer over a frame shows the frame's note.
        QTest::mouseMove(session.top()->findChild<QWidget*>(QStringLiteral("SSFrame2")), {2, 20});
        QVERIFY(form.Label5.caption().starts_with("Three-Phase Short-Circuit"));
        checkFits(session.top());
        // The longest note wraps within the window.
        QVERIFY(controls::userHover(form.Frame3D4));
        QVERIFY(form.Label5.caption().starts_with("When transformer is at full load"));
        checkFits(session.top());

        QVERIFY(controls::userClick(form.Command3D2));
        QVERIFY(form.about() != nullptr);
        checkFits(session.desktop.widgetOf(form.about()->Form));
        // No text touches the window's left edge.
        const QImage about = session.desktop.widgetOf(form.about()->Form)->grab().toImage();
        for (int y = 0; y < about.height(); ++y) QCOMPARE(about.pixel(0, y), about.pixel(0, 0));
        // The power is made no smaller than it must: a quarter point more cuts it.
        QFont larger = power->font();
        larger.setPointSizeF(larger.pointSizeF() + 0.25);
        power->setFont(larger);
        QVERIFY(!showsWhole(power));
    }

    // With nothing to paste, an empty field's menu greys out every item but the separator.
    void greyedMenuItems() {
        Onscreen session;
        QGuiApplication::clipboard()->clear();
        auto* edit = session.top()->findChild<QLineEdit*>(QStringLiteral("V"));
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit, Qt::Key_Delete);
        QStringList items;  // the enabled ones end in "+"
        QTimer::singleShot(0, [&items] {
            QWidget* menu = QApplication::activePopupWidget();
            if (menu == nullptr) return;
            for (const QAction* item : menu->actions())
                items << item->text() + (item->isEnabled() ? "+" : "");
            menu->close();
        });
        QTest::keyClick(edit, Qt::Key_Menu);
        QCOMPARE(items.join(' '), "Cu&t &Copy &Paste &Delete + Select &All");
    }
};

QTEST_MAIN(BindingTest)
#include "binding_test.moc"
