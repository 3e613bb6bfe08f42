#include "common/EntryFilterWidget.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "common/EntryFilter.h"

namespace {

class EntryKeyFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Ctrl combinations are commands (copy, paste, select all), whether the platform
            // reports their text as a control code or as the plain letter.
            if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
                return QObject::eventFilter(watched, event);
            const QString typed = key->text();
            for (const QChar c : typed) {
                if (FilterKey(c.unicode()) == 0)
                    return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void attachEntryFilter(QLineEdit* box) {
    box->installEventFilter(new EntryKeyFilter(box));
}
