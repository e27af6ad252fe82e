#pragma once

class QWebEngineView;
class TForm1;

// Driving the real window in the page-view benchmarks.

QWebEngineView* ViewOf(TForm1& form);

// Shows the window and waits until its start page has finished loading.
bool ShowAndWaitForStartPage(TForm1& form);

// Chooses an entry as the reader does (the tree's selection) and waits until its page has
// finished loading. The entry must not be the one selected already: that would show nothing.
bool ChooseAndWait(TForm1& form, int node);
