#include "common/GlobalSubs.h"

namespace GlobalSubs {
qint16 CurrentFormKind = 0;
qint16 FigureSelect = 0;
qint16 CircleSelect = 0;
qint16 ThreePhase = 0;
qint16 CapacitorMode = 0;
} // namespace GlobalSubs
