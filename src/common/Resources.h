#pragma once

// Registers the drawings and icons compiled into the program; call once before any window is
// made (the resources live in a static library, which does not register them by itself).
void initKelvoResources();
