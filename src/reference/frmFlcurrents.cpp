#include "reference/frmFlcurrents.h"

#include "common/GlobalSubs.h"

frmFlcurrents::frmFlcurrents(QWidget* parent, const QString& databasePath)
    : MotorCurrentSheet(GlobalSubs::ThreePhase == -1 ? MotorCurrentLayouts::ThreePhase
                                                     : MotorCurrentLayouts::SinglePhase,
                        parent, databasePath) {}
