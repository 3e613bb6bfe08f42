#include "shell/UnloadCurrentForm.h"

#include "common/GlobalSubs.h"
#include "common/SystemColours.h"
#include "shell/MDIMain.h"

namespace {
MDIMain* mainFrame = nullptr;
}

namespace GlobalSubs {

void setMainFrame(MDIMain* frame) {
    mainFrame = frame;
}

void UnloadCurrentForm() {
    if (!mainFrame)
        return;
    mainFrame->setFrameBackground(systemColour(SystemColour::ActiveBorder));
    mainFrame->unloadSheet(CurrentFormKind);
}

} // namespace GlobalSubs
