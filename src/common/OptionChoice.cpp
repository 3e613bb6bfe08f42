#include "common/OptionChoice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QRadioButton>
#include <memory>

namespace {

const char* const chosenClickProperty = "kelvoOptionChosenClick";

// Qt's own radio-button interface toggles the button, which leaves a chosen option as it is
// and says nothing: this one clicks it, as the mouse would.
class OptionAccessible final : public QAccessibleWidget {
public:
    explicit OptionAccessible(QRadioButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton) {
        addControllingSignal(QStringLiteral("toggled(bool)"));
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        s.pressed = option()->isDown();
        return s;
    }

    QString text(QAccessible::Text t) const override {
        QString text = option()->text();
        if (t == QAccessible::Name)
            return option()->accessibleName().isEmpty() ? text.remove(u'&')
                                                        : option()->accessibleName();
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(text).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names;
        if (option()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction())
            option()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QRadioButton* option() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* optionFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QRadioButton") || !object ||
        !object->property(chosenClickProperty).toBool())
        return nullptr;
    return new OptionAccessible(static_cast<QRadioButton*>(object));
}

} // namespace

void onOptionChosen(QRadioButton* option, std::function<void()> handler) {
    static const bool installed = [] {
        QAccessible::installFactory(optionFactory);
        return true;
    }();
    Q_UNUSED(installed);
    option->setProperty(chosenClickProperty, true);
    // An interface Qt made before the option was marked would keep toggling.
    if (QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(option);
        cached && !dynamic_cast<OptionAccessible*>(cached))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));

    // A click emits pressed, then toggled when the choice changes, then clicked: the state at
    // the press tells a click on the chosen option from a change of choice.
    auto wasChosen = std::make_shared<bool>(false);
    QObject::connect(option, &QRadioButton::pressed, option,
                     [option, wasChosen] { *wasChosen = option->isChecked(); });
    QObject::connect(option, &QRadioButton::toggled, option, [handler](bool on) {
        if (on)
            handler();
    });
    QObject::connect(option, &QRadioButton::clicked, option, [handler, wasChosen] {
        if (*wasChosen)
            handler();
    });
}
