#pragma once

// Lets assistive technology see the components' own widgets by their meaning
// (the bevelled panel as a grouping). Call it once the QApplication exists;
// calling it again does nothing.
void InstallComponentsAccessibility();
