#include "common/Resources.h"

#include <QtGlobal>

static void registerKelvoQrc() {
    Q_INIT_RESOURCE(kelvo);
}

void initKelvoResources() {
    registerKelvoQrc();
}
