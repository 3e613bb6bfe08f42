#include "reference/ConduitChoices.h"

#include <algorithm>

namespace ConduitChoices {

const WireType* wireType(int option) {
    const auto row = std::find_if(wireTypes.begin(), wireTypes.end(),
                                  [option](const WireType& t) { return t.option == option; });
    return row == wireTypes.end() ? nullptr : &*row;
}

QString lookupKey(const QString& typeCode, const QString& wireSize) {
    return typeCode + wireSize;
}

std::optional<QString> conductorCount(Recordset& conduit, const QString& key,
                                      const QString& conduitSize) {
    return conduit.Lookup(QString::fromLatin1(keyField), key, conduitSize);
}

} // namespace ConduitChoices
