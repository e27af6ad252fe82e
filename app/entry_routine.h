#pragma once

// The entry routine: ends at once when the program already runs, after a message when the screen
// is too small, and otherwise shows the window until it closes. Every way out is status 0.
int QuilCDBrowser();
