#include "common/ValueLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace {

const char* const captionLabelProperty = "kelvoValueCaptionLabel";
const char* const captionTextProperty = "kelvoValueCaption";

bool isValueLabel(const QObject* object) {
    return object->property(captionLabelProperty).isValid() ||
           object->property(captionTextProperty).isValid();
}

// "Area =" or "Area:" read as "Area": the sign is layout, not part of the name.
QString spokenCaption(QString caption) {
    caption = caption.trimmed();
    caption.remove(u'&');
    while (caption.endsWith(u'=') || caption.endsWith(u':'))
        caption = caption.chopped(1).trimmed();
    return caption;
}

class ValueLabelAccessible final : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        switch (t) {
        case QAccessible::Name:
            return label->accessibleName().isEmpty() ? exposedValueName(label)
                                                     : label->accessibleName();
        case QAccessible::Value:
        case QAccessible::Description:
            return label->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* valueLabelFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QLabel") || !object || !isValueLabel(object))
        return nullptr;
    return new ValueLabelAccessible(static_cast<QLabel*>(object));
}

void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(valueLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

// Qt makes and keeps a label's interface at its first accessibility event (a name or text set
// before it was marked): drop a plain one so the next query builds the value label's.
void replaceCachedInterface(QLabel* value) {
    QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(value);
    if (cached && !dynamic_cast<ValueLabelAccessible*>(cached))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
}

} // namespace

void exposeValue(QLabel* value, const QLabel* caption) {
    installFactory();
    value->setProperty(captionLabelProperty, QVariant::fromValue(const_cast<QObject*>(
                                                 static_cast<const QObject*>(caption))));
    replaceCachedInterface(value);
}

void exposeValue(QLabel* value, const QString& caption) {
    installFactory();
    value->setProperty(captionTextProperty, caption);
    replaceCachedInterface(value);
}

QString exposedValueName(const QLabel* value) {
    if (const auto* caption =
            qobject_cast<const QLabel*>(value->property(captionLabelProperty).value<QObject*>()))
        return spokenCaption(caption->text());
    return spokenCaption(value->property(captionTextProperty).toString());
}
