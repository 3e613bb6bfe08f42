#pragma once

class MDIMain;

namespace GlobalSubs {
// Resets the frame background to the system colour and unloads the open sheet, found by
// CurrentFormKind; kind 1, or a kind other than the one the open sheet recorded, unloads nothing.
// CurrentFormKind itself is left for the next sheet's load step to overwrite.
void UnloadCurrentForm();

// The frame the procedure works on; the main window registers itself while it exists.
void setMainFrame(MDIMain* frame);
} // namespace GlobalSubs
