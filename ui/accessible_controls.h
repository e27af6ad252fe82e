#pragma once

// What a screen reader learns of the window's own controls through Qt's accessibility
// interface: a launch button is a push button named by its caption (without the access-key
// marks), described by its target's file name, and pressed by the reader's press action at once
// (Qt's own buttons click a moment later), as Enter presses it; the issue label is a label with
// its text. The picture buttons are Qt's buttons named by their hints, and Qt's own controls (the
// tree, the page view) describe themselves.

// Makes Qt ask us for those controls' interfaces. Once is enough; calling it again does no harm.
void InstallAccessibleControls();
