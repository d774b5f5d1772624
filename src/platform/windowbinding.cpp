#include "platform/windowbinding.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

#include "controls/userinput.h"
#include "platform/accessibility.h"
#include "platform/inputrouter.h"
#include "platform/look.h"
#include "platform/spinwidget.h"
#include "platform/textfit.h"
#include "platform/textindex.h"
#include "platform/widgetfactory.h"

namespace platform {

using controls::Kind;

namespace {
constexpr int kEdgeIndent = 3;  // pixels
}  // namespace

// Marks the writes of the model into widgets, so that the focus moves and selection changes
// they cause are not taken for a person's.
class WindowBinding::Mirroring {
  public:
    explicit Mirroring(WindowBinding& binding) : binding_(binding) { ++binding_.mirroring_; }
    ~Mirroring() { --binding_.mirroring_; }
    Mirroring(const Mirroring&) = delete;
    Mirroring& operator=(const Mirroring&) = delete;

  private:
    WindowBinding& binding_;
};

WindowBinding::WindowBinding(controls::Window& window,
                             std::function<void(controls::Window&)> closeRequested)
    : window_(&window),
      closeRequested_(std::move(closeRequested)),
      dpi_(screenDpi()),
      top_(createWindowWidget(window)) {
    installAccessibility();
    build();
    router_ = std::make_unique<InputRouter>(*this);
    window_->setObserver(this);
}

WindowBinding::~WindowBinding() {
    detach();
    // Nothing listens any more, so the focus moves of the dying widgets reach nobody.
    top_.reset();
}

void WindowBinding::build() {
    const Mirroring mirroring(*this);
    controls_[top_.get()] = window_;
    widgets_[window_] = top_.get();
    // Containers are created before what they hold, so each parent exists when asked for.
    for (controls::Control* control : window_->controls()) {
        if (control->kind() == Kind::Timer) {
            auto* timer = new QTimer(this);
            timer->setInterval(static_cast<const controls::Timer*>(control)->interval());
            timers_[control] = timer;
            continue;
        }
        QWidget* parent =
            control->container() != nullptr ? widgetOf(*control->container()) : top_.get();
        QWidget* widget = createControlWidget(*control, parent != nullptr ? parent : top_.get());
        widgets_[control] = widget;
        controls_[widget] = control;
    }
    showAll(*window_);
    for (controls::Control* control : window_->controls()) showAll(*control);
    showTabOrder();
    fitWindow(true);
}

void WindowBinding::showAll(controls::Control& control) {
    if (control.kind() == Kind::Timer) {
        showEnabled(control);
        return;
    }
    QWidget* widget = widgetOf(control);
    // The design font first, as a wrapping label grows with it; showFont fits it at the end.
    if (control.kind() != Kind::Window) widget->setFont(qtFont(control.font()));
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setAlignment(qtAlignment(control.alignment()));
        label->setWordWrap(static_cast<const controls::Label&>(control).wordWrap());
        setLiveLabel(label, static_cast<const controls::Label&>(control).live());
    }
    showAccessible(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setAlignment(qtAlignment(control.alignment()) & Qt::AlignHorizontal_Mask);
    }
    showCaption(control);
    if (control.kind() == Kind::TextBox) showText(static_cast<const controls::TextBox&>(control));
    if (control.kind() == Kind::OptionButton) {
        showValue(static_cast<const controls::OptionButton&>(control));
    }
    showEnabled(control);
    showVisible(control);
    showTabStop(control);
    showColors(control);
    if (control.kind() != Kind::Window) showGeometry(control);
    showFont(control);
    if (control.kind() == Kind::Window) showFocus();
}

void WindowBinding::present() {
    if (window_ == nullptr) return;
    const Mirroring mirroring(*this);
    const bool first = !presented_;
    presented_ = true;
    top_->show();
    if (first) fitWindow(true);
    // The focus mark shows from the start, not only after the first Tab.
    top_->setAttribute(Qt::WA_KeyboardFocusChange);
    top_->raise();
    top_->activateWindow();
    showFocus();
}

void WindowBinding::detach() {
    if (window_ == nullptr) return;
    router_->stop();
    for (auto& [control, timer] : timers_) timer->stop();
    if (window_->observer() == this) window_->setObserver(nullptr);
    window_ = nullptr;
    controls_.clear();
    widgets_.clear();
    timers_.clear();
    top_->hide();
}

controls::Control* WindowBinding::controlOf(const QObject* widget) const {
    const auto found = controls_.find(widget);
    return found != controls_.end() ? found->second : nullptr;
}

QWidget* WindowBinding::widgetOf(const controls::Control& control) const {
    const auto found = widgets_.find(&control);
    return found != widgets_.end() ? found->second : nullptr;
}

QTimer* WindowBinding::timerOf(const controls::Control& timer) const {
    const auto found = timers_.find(&timer);
    return found != timers_.end() ? found->second : nullptr;
}

void WindowBinding::requestClose() {
    if (window_ != nullptr && closeRequested_) closeRequested_(*window_);
}

void WindowBinding::changed(controls::Control& control, controls::Property property) {
    if (window_ == nullptr) return;
    const Mirroring mirroring(*this);
    const QSignalBlocker blocker(widgetOf(control));
    using controls::Property;
    switch (property) {
        case Property::Text:
            if (control.kind() == Kind::TextBox) {
                showText(static_cast<const controls::TextBox&>(control));
                showFont(control);
            }
            break;
        case Property::Selection:
            if (control.kind() == Kind::TextBox) {
                showSelection(static_cast<const controls::TextBox&>(control));
            }
            break;
        case Property::Caption:
            showCaption(control);
            showFont(control);
            break;
        case Property::Enabled:
            showEnabled(control);
            break;
        case Property::Visible:
            showVisible(control);
            break;
        case Property::TabStop:
            showTabStop(control);
            break;
        case Property::ForeColor:
            showColors(control);
            break;
        case Property::Geometry:
            if (control.kind() == Kind::Window) {
                fitWindow(true);
            } else {
                showGeometry(control);
                showVisible(control);
                showFont(control);
            }
            break;
        case Property::Value:
            if (control.kind() == Kind::OptionButton) {
                showValue(static_cast<const controls::OptionButton&>(control));
            }
            break;
        case Property::Focus:
            showFocus();
            break;
        case Property::Shown:
            // Showing and unloading arrive through the desktop.
            break;
        case Property::AccessibleName:
        case Property::AccessibleDescription:
            showAccessible(control);
            break;
    }
}

void WindowBinding::showText(const controls::TextBox& box) {
    auto* edit = qobject_cast<QLineEdit*>(widgetOf(box));
    if (edit == nullptr) return;
    const QString text = QString::fromStdString(box.text());
    if (edit->text() != text) {
        const QSignalBlocker blocker(edit);
        edit->setText(text);
    }
    showSelection(box);
}

void WindowBinding::showSelection(const controls::TextBox& box) {
    auto* edit = qobject_cast<QLineEdit*>(widgetOf(box));
    if (edit == nullptr) return;
    const Mirroring mirroring(*this);
    const QSignalBlocker blocker(edit);
    const QString text = edit->text();
    const int start = utf16Index(text, box.selStart());
    const int end = utf16Index(text, box.selStart() + box.selLength());
    if (end > start) {
        // A selection made leftwards keeps its caret at the start: leave it as it is.
        if (edit->selectionStart() != start || edit->selectionLength() != end - start) {
            edit->setSelection(start, end - start);
        }
    } else if (edit->hasSelectedText() || edit->cursorPosition() != start) {
        edit->deselect();
        edit->setCursorPosition(start);
    }
}

void WindowBinding::showCaption(const controls::Control& control) {
    QWidget* widget = widgetOf(control);
    const QString caption = captionText(control.caption());
    switch (control.kind()) {
        case Kind::Window:
            widget->setWindowTitle(caption);
            break;
        case Kind::Label:
            static_cast<QLabel*>(widget)->setText(caption);
            announceLabelText(static_cast<QLabel*>(widget));
            // A wrapping label grows with its text.
            if (static_cast<const controls::Label&>(control).wordWrap()) showGeometry(control);
            break;
        case Kind::Frame:
            static_cast<QGroupBox*>(widget)->setTitle(caption);
            break;
        case Kind::CommandButton:
        case Kind::OptionButton:
            static_cast<QAbstractButton*>(widget)->setText(caption);
            break;
        case Kind::TextBox:
        case Kind::SpinButton:
        case Kind::Timer:
            break;
    }
}

void WindowBinding::showEnabled(const controls::Control& control) {
    if (control.kind() == Kind::Timer) {
        QTimer* timer = timerOf(control);
        if (timer == nullptr) return;
        if (!control.enabled()) {
            timer->stop();
        } else if (!timer->isActive()) {
            timer->start();
        }
        return;
    }
    if (QWidget* widget = widgetOf(control)) widget->setEnabled(control.enabled());
}

void WindowBinding::showVisible(const controls::Control& control) {
    if (control.kind() == Kind::Window || control.kind() == Kind::Timer) return;
    QWidget* widget = widgetOf(control);
    if (widget == nullptr) return;
    const bool shown = control.visible() && insideClient(control);
    if (widget->isVisibleTo(widget->parentWidget()) != shown) widget->setVisible(shown);
}

bool WindowBinding::insideClient(const controls::Control& control) const {
    const controls::Rect client = clientTwips(window_->geometry());
    const QPoint origin =
        control.container() != nullptr ? originTwips(*control.container()) : QPoint(0, 0);
    const controls::Rect& place = control.geometry();
    const int left = origin.x() + place.left;
    const int top = origin.y() + place.top;
    return left < client.width && top < client.height && left + place.width > 0 &&
           top + place.height > 0;
}

void WindowBinding::showFont(const controls::Control& control) {
    QWidget* widget = widgetOf(control);
    if (widget == nullptr || control.kind() == Kind::Window || control.kind() == Kind::Timer) {
        return;
    }
    const QFont font = fittedFont(*widget, qtFont(control.font()));
    if (widget->font() != font || !widget->testAttribute(Qt::WA_SetFont)) widget->setFont(font);
}

void WindowBinding::showTabStop(const controls::Control& control) {
    QWidget* widget = widgetOf(control);
    if (widget == nullptr || control.kind() == Kind::Window) return;
    if (!controls::accepts(control, controls::Action::Focus) ||
        control.kind() == Kind::SpinButton) {
        widget->setFocusPolicy(Qt::NoFocus);
    } else {
        widget->setFocusPolicy(control.tabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void WindowBinding::showColors(const controls::Control& control) {
    QWidget* widget = widgetOf(control);
    if (widget == nullptr || control.kind() == Kind::Window) return;
    // An empty palette inherits every role it does not set.
    QPalette palette;
    if (const auto text = foreground(control, top_->palette())) {
        palette.setColor(QPalette::WindowText, *text);
        palette.setColor(QPalette::Text, *text);
        palette.setColor(QPalette::ButtonText, *text);
    }
    const auto fill = background(control, top_->palette());
    if (fill) palette.setColor(QPalette::Window, *fill);
    widget->setAutoFillBackground(fill.has_value());
    widget->setPalette(palette);
}

QPoint WindowBinding::originTwips(const controls::Control& container) const {
    QPoint origin(0, 0);
    for (const controls::Control* c = &container; c != nullptr && c->kind() != Kind::Window;
         c = c->container()) {
        origin += QPoint(c->geometry().left, c->geometry().top);
    }
    return origin;
}

void WindowBinding::showGeometry(const controls::Control& control) {
    QWidget* widget = widgetOf(control);
    if (widget == nullptr || control.kind() == Kind::Window) return;
    const controls::Control* container = control.container();
    QRect rect = childPixels(control.geometry(),
                             container != nullptr ? originTwips(*container) : QPoint(0, 0), dpi_);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        // A text that starts at the window's very edge keeps clear of the frame.
        const bool atEdge = (container == nullptr || container->kind() == Kind::Window) &&
                            control.geometry().left <= 0;
        label->setIndent(atEdge ? kEdgeIndent : -1);
        if (label->wordWrap()) {
            rect.setHeight(std::max(rect.height(), label->heightForWidth(rect.width())));
        }
    }
    if (widget->geometry() != rect) widget->setGeometry(rect);
    // What a frame holds is placed from the frame's absolute position.
    if (control.kind() == Kind::Frame && window_ != nullptr) {
        for (const controls::Control* child : window_->controls()) {
            if (child->container() == &control) showGeometry(*child);
        }
    }
}

// An empty name leaves Qt's: a window's title, a button's or frame's caption, a label's text.
void WindowBinding::showAccessible(const controls::Control& control) {
    QWidget* widget = widgetOf(control);
    if (widget == nullptr) return;
    const QString name = QString::fromStdString(control.accessibleName());
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
    const QString description = QString::fromStdString(control.accessibleDescription());
    if (widget->accessibleDescription() != description) {
        widget->setAccessibleDescription(description);
    }
    if (control.kind() == Kind::SpinButton) {
        const auto& spin = static_cast<const controls::SpinButton&>(control);
        auto* arrows = static_cast<SpinWidget*>(widget);
        arrows->upButton()->setAccessibleName(QString::fromStdString(spin.upName()));
        arrows->downButton()->setAccessibleName(QString::fromStdString(spin.downName()));
    }
}

void WindowBinding::showValue(const controls::OptionButton& option) {
    auto* button = qobject_cast<QRadioButton*>(widgetOf(option));
    if (button == nullptr || button->isChecked() == option.value()) return;
    const QSignalBlocker blocker(button);
    button->setChecked(option.value());
}

void WindowBinding::showTabOrder() {
    QWidget* previous = nullptr;
    for (const controls::Control* control : window_->tabOrder()) {
        QWidget* widget = widgetOf(*control);
        if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void WindowBinding::showFocus() {
    if (window_ == nullptr || window_->focused() == nullptr) return;
    QWidget* widget = widgetOf(*window_->focused());
    if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus || widget->hasFocus()) return;
    const Mirroring mirroring(*this);
    // In a window that is not active this only chooses the widget that gets the focus when
    // the window is activated.
    widget->setFocus(Qt::OtherFocusReason);
}

void WindowBinding::fitWindow(bool position) {
    if (window_ == nullptr) return;
    const Mirroring mirroring(*this);
    const QRect outer = windowPixels(window_->geometry(), dpi_);
    const QSize client =
        windowPixels(clientTwips(window_->geometry()), dpi_).size().expandedTo(QSize(1, 1));
    if (top_->minimumSize() != client || top_->maximumSize() != client) {
        top_->setFixedSize(client);
        // A new size uncovers or covers a part of the window.
        for (const controls::Control* control : window_->controls()) showVisible(*control);
    }
    if (position && top_->pos() != outer.topLeft()) top_->move(outer.topLeft());
}

}  // namespace platform
