#include "common/GlobalSubs.h"

#include <map>
#include <string>

namespace GlobalSubs {
qint16 CurrentFormKind = 0;
qint16 FigureSelect = 0;
qint16 CircleSelect = 0;
qint16 ThreePhase = 0;
qint16 CapacitorMode = 0;
} // namespace GlobalSubs

namespace FormKind {
qint16 forForm(const char* formName) {
    static std::map<std::string, qint16> kinds;
    return kinds.try_emplace(formName, qint16(100 + kinds.size())).first->second;
}
} // namespace FormKind
