#include "platform/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRadioButton>

namespace platform {
namespace {

constexpr const char* kModelWidget = "quelloraModelWidget";
constexpr const char* kLiveLabel = "quelloraLiveLabel";

class LabelAccessible : public QAccessibleWidget {
  public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return widget()->property(kLiveLabel).toBool() ? QAccessible::StatusBar
                                                       : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override {
        const QString shown = static_cast<const QLabel*>(widget())->text();
        switch (t) {
            case QAccessible::Name: {
                const QString name = widget()->accessibleName();
                if (name.isEmpty()) return shown;
                if (shown.trimmed().isEmpty()) return name;
                return name + QStringLiteral(": ") + shown;
            }
            case QAccessible::Value:
                return shown;
            default:
                return QAccessibleWidget::text(t);
        }
    }
};

class OptionAccessible : public QAccessibleWidget {
  public:
    explicit OptionAccessible(QRadioButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return option()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (option()->isEnabled()) option()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QRadioButton* option() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* modelFactory(const QString& className, QObject* object) {
    if (object == nullptr || !object->property(kModelWidget).toBool()) return nullptr;
    if (className == QLatin1String("QLabel")) {
        return new LabelAccessible(static_cast<QLabel*>(object));
    }
    if (className == QLatin1String("QRadioButton")) {
        return new OptionAccessible(static_cast<QRadioButton*>(object));
    }
    return nullptr;
}

}  // namespace

void markModelLabel(QLabel* label) {
    label->setProperty(kModelWidget, true);
}

void markModelOption(QRadioButton* option) {
    option->setProperty(kModelWidget, true);
}

void setLiveLabel(QLabel* label, bool live) {
    label->setProperty(kLiveLabel, live);
}

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(modelFactory);
        return true;
    }();
    (void)installed;
}

void announceLabelText(QLabel* label) {
    if (label->accessibleName().isEmpty()) return;
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace platform
