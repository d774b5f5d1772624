// Every text shows whole at the screen's scale (QT_SCALE_FACTOR 1, 1.5 and 2), with the widest
// numbers the fields and results can hold, in both window sizes and in the About window. The
// real-window suite runs it again on the X server, whose fonts are hinted differently. Qt's own
// measures decide: a line edit scrolls a text that does not fit, a label's size hint is what
// its text needs.
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include "about/aboutform.h"
#include "controls/userinput.h"
#include "fixture.h"
#include "platform/textfit.h"

namespace {

// Why the widget does not show its whole text, or an empty text.
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
        return first < margin + 2 ? QStringLiteral("scrolled by %1").arg(margin + 2 - first)
                                  : QString();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap()) {
            return label->heightForWidth(label->width()) > label->height() ? QStringLiteral("short")
                                                                           : QString();
        }
        return label->sizeHint().width() > label->width() ? QStringLiteral("narrow") : QString();
    }
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        return option->sizeHint().width() > option->width() ? QStringLiteral("narrow") : QString();
    }
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
        QVERIFY2(problem.isEmpty(),
                 qPrintable(widget->objectName() + QStringLiteral(": ") + problem));
        ++checked;
    }
    QVERIFY(checked > 5);
}

}  // namespace

class TextFitTest : public QObject {
    Q_OBJECT

  private slots:
    void widestTextsFit();
};

void TextFitTest::widestTextsFit() {
    Onscreen session;
    MainForm& form = session.form;
    // The places in logical pixels are those at 96 dots per inch, whatever the scale.
    QCOMPARE(session.widget<QWidget>("V")->geometry(), QRect(100, 15, 141, 26));

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

QUELLORA_QT_TEST_MAIN(TextFitTest)
#include "textfit_test.moc"
