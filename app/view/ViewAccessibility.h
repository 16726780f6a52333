#pragma once

// Lets assistive technology see the well and the next-piece box as the
// graphics they are, with the settings dialog's controls and the panels.
// Call it once the QApplication exists; calling it again does nothing.
void InstallViewAccessibility();
