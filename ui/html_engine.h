#pragma once

class QWebEngineProfile;

// The HTML engine's life in the process: started before the window and stopped after it. Pages
// are shown in a profile that is off the record, so showing a disc writes no cookies, cache or
// history under the reader's home.
void StartHtmlEngine();
void StopHtmlEngine();
QWebEngineProfile* HtmlEngineProfile();
