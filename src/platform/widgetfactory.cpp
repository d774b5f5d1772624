#include "platform/widgetfactory.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controls/window.h"
#include "platform/accessibility.h"
#include "platform/framewidget.h"
#include "platform/linklabel.h"
#include "platform/spinwidget.h"

namespace platform {
namespace {

// Every text change must pass the model, so the line edit's own roads to its text are closed:
// drops, drags, its own context menu (the binding offers one that edits through the model) and
// input methods (key filter: the rest).
QLineEdit* createLineEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAcceptDrops(false);
    edit->setDragEnabled(false);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    return edit;
}

// A result label lets the mouse select its text; the binding's menu copies it.
QLabel* createLabel(const controls::Label& model, QWidget* parent) {
    auto* label = model.link() ? new LinkLabel(parent) : new QLabel(parent);
    markModelLabel(label);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(model.selectable() ? Qt::TextSelectableByMouse
                                                      : Qt::NoTextInteraction);
    label->setContextMenuPolicy(Qt::NoContextMenu);
    return label;
}

// The model decides which option of a frame is selected.
QRadioButton* createOption(QWidget* parent) {
    auto* option = new QRadioButton(parent);
    markModelOption(option);
    option->setAutoExclusive(false);
    return option;
}

QPushButton* createButton(QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

std::unique_ptr<QWidget> createWindowWidget(const controls::Window& window) {
    auto widget = std::make_unique<QWidget>(
        nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                     Qt::WindowCloseButtonHint);
    widget->setObjectName(QString::fromStdString(window.name()));
    widget->setMouseTracking(true);
    return widget;
}

QWidget* createControlWidget(const controls::Control& control, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (control.kind()) {
        case controls::Kind::Frame:
            widget = new FrameWidget(parent);
            break;
        case controls::Kind::Label:
            widget = createLabel(static_cast<const controls::Label&>(control), parent);
            break;
        case controls::Kind::TextBox:
            widget = createLineEdit(parent);
            break;
        case controls::Kind::CommandButton:
            widget = createButton(parent);
            break;
        case controls::Kind::OptionButton:
            widget = createOption(parent);
            break;
        case controls::Kind::SpinButton:
            widget = new SpinWidget(parent);
            break;
        case controls::Kind::Window:
        case controls::Kind::Timer:
            return nullptr;
    }
    widget->setObjectName(QString::fromStdString(control.name()));
    widget->setMouseTracking(true);
    return widget;
}

}  // namespace platform
