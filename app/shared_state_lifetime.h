#pragma once

// The start-up of the shared state, run once after the application object exists and before
// the entry routine, and its shutdown, run once after the window is gone.
void StartUpSharedState();
void ShutDownSharedState();
