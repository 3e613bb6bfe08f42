#include "common/EntryReading.h"

#include <QLineEdit>

#include "common/Conversions.h"
#include "common/ErrorBox.h"

std::optional<double> readNumber(const QLineEdit* box, const QString& boxName) {
    const QString text = box->text();
    if (const auto value = toNumberStrict(text))
        return value;
    showError(text.trimmed().isEmpty() ? Messages::entryEmpty(boxName)
                                       : Messages::entryNotANumber(boxName, text));
    return std::nullopt;
}

bool acceptResult(const Calculated& result) {
    if (result.ok())
        return true;
    showError(Messages::arithmeticFault(result.fault));
    return false;
}

QString boxNameFromCaption(const QString& caption) {
    QString name = caption;
    name.remove(u'&');
    name.remove(u'=');
    return name.trimmed();
}
