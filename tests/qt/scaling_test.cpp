// The layout at the screen's scale factor (run at 1, 1.5 and 2 through QT_SCALE_FACTOR): the
// places stay the same in logical pixels while Qt draws them with more device pixels, and every
// text still fits the widget that shows it, in both window sizes and in the About window.
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QToolButton>

#include "about/aboutform.h"
#include "controls/userinput.h"
#include "fixture.h"
#include "platform/framewidget.h"

namespace {

double expectedScale() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

int widestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

// Why a shown widget's text does not fit it, or an empty text.
QString misfit(QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    const QStyle* style = widget->style();
    const int width = widget->width();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap()) {
            return label->heightForWidth(width) > label->height() ? QStringLiteral("too short")
                                                                  : QString();
        }
        if (widestLine(metrics, label->text()) > width) return QStringLiteral("too narrow");
        if (metrics.height() > label->height() + metrics.descent()) return QStringLiteral("low");
        return {};
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // The field's frame and margins around one line of its font.
        if (edit->minimumSizeHint().height() > edit->height()) return QStringLiteral("too low");
        return metrics.horizontalAdvance(edit->text()) + 8 > width ? QStringLiteral("too narrow")
                                                                   : QString();
    }
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        const int mark = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option);
        const int spacing = style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
        if (mark + spacing + metrics.horizontalAdvance(option->text()) > width) {
            return QStringLiteral("too narrow");
        }
        const int markHeight =
            style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, option);
        return std::max(markHeight, metrics.height()) > option->height() ? QStringLiteral("low")
                                                                         : QString();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        return metrics.horizontalAdvance(button->text()) + margin > width ? QStringLiteral("narrow")
                                                                          : QString();
    }
    if (auto* arrow = qobject_cast<QToolButton*>(widget)) {
        // Room for the arrow inside the button's frame.
        return arrow->height() < 8 || arrow->width() < 8 ? QStringLiteral("arrow clipped")
                                                         : QString();
    }
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        const QFont fitted = platform::fittedCaptionFont(frame->font(), frame->title(), width);
        if (QFontMetrics(fitted).horizontalAdvance(frame->title()) > width) {
            return QStringLiteral("caption cut");
        }
        // Set closer or smaller only a little.
        return fitted.pointSizeF() < frame->font().pointSizeF() - 0.5
                   ? QStringLiteral("caption shrunk")
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
    QVERIFY(checked > 0);
}

}  // namespace

class ScalingTest : public QObject {
    Q_OBJECT

  private slots:
    void layoutKeepsItsLogicalPixels();
    void everyTextFitsTheCompactWindow();
    void everyTextFitsTheTransformerWindow();
    void everyTextFitsTheAboutWindow();
};

void ScalingTest::layoutKeepsItsLogicalPixels() {
    Onscreen session;
    QWidget* top = session.top();
    QCOMPARE(top->devicePixelRatioF(), expectedScale());
    QCOMPARE(top->logicalDpiX(), 96);
    // The places in logical pixels are those at 96 dots per inch, whatever the scale.
    QCOMPARE(session.widget<QWidget>("V")->geometry(), QRect(100, 15, 141, 26));
    QCOMPARE(session.widget<QWidget>("Frame3D6")->geometry(), QRect(320, 12, 209, 49));
    const QPixmap picture = top->grab();
    QCOMPARE(picture.devicePixelRatio(), expectedScale());
    QCOMPARE(picture.width(), qRound(top->width() * expectedScale()));
}

void ScalingTest::everyTextFitsTheCompactWindow() {
    Onscreen session;
    QVERIFY(controls::userTick(session.form.Timer1));
    checkFits(session.top());
}

void ScalingTest::everyTextFitsTheTransformerWindow() {
    Onscreen session;
    QVERIFY(controls::userClick(session.form.Trbutton));
    QVERIFY(controls::userClick(session.form.CommandSC));
    QVERIFY(controls::userTick(session.form.Timer1));
    QVERIFY(controls::userHover(session.form.SSFrame2));
    checkFits(session.top());
    QVERIFY(controls::userHover(session.form.Form));
    checkFits(session.top());
}

void ScalingTest::everyTextFitsTheAboutWindow() {
    Onscreen session;
    QVERIFY(controls::userClick(session.form.Command3D2));
    QVERIFY(session.form.about() != nullptr);
    checkFits(session.desktop.widgetOf(session.form.about()->Form));
}

QUELLORA_QT_TEST_MAIN(ScalingTest)
#include "scaling_test.moc"
