#pragma once

// What a screen reader learns of the window's own controls through Qt's accessibility
// interface: a launch button is a push button named by its caption (without the access-key
// marks), described by its target's file name, pressed by the reader's press action; the issue
// label is a label with its text. Qt's own controls (the picture buttons, the tree, the page
// view) describe themselves.

// Makes Qt ask us for those controls' interfaces. Once is enough; calling it again does no harm.
void InstallAccessibleControls();
