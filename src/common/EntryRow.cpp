#include "common/EntryRow.h"

#include <QLabel>
#include <QLineEdit>

#include "common/EntryFilterWidget.h"
#include "common/EntryReading.h"

void EntryRow::setCaption(const QString& text) const {
    caption->setText(text);
    box->setAccessibleName(boxNameFromCaption(text));
}

QString EntryRow::boxName() const {
    return boxNameFromCaption(caption->text());
}

EntryRow makeEntryRow(QWidget* parent, const QString& captionText, const QString& captionName,
                      const QString& boxName) {
    EntryRow row{new QLabel(parent), new QLineEdit(parent)};
    row.caption->setObjectName(captionName);
    row.box->setObjectName(boxName);
    row.caption->setBuddy(row.box);
    attachEntryFilter(row.box);
    row.setCaption(captionText);
    return row;
}
