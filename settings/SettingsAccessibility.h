#pragma once

// Lets assistive technology see the settings dialog's own controls by their
// meaning: the page control as a page tab list with its tabs, the spin
// buttons with their values and ranges, and the components' panels. Call it
// once the QApplication exists; calling it again does nothing.
void InstallSettingsAccessibility();
