#pragma once

#include <QString>

class QLabel;
class QWidget;

// Shared pieces of the fixed reference sheets (enclosure ratings, wire classes).
namespace StaticSheet {

// A paragraph that wraps, takes Tab, and can be selected and copied. Its text stays as made:
// its sizes are remembered for the session.
QLabel* makeText(const QString& name, const QString& text, QWidget* parent);

// The sheet's title in the larger heading type.
QLabel* makeTitle(const QString& name, const QString& text, QWidget* parent);

} // namespace StaticSheet
