#pragma once

class QWebEngineProfile;

// The program's own scheme for the players' files (pageview/player_files.h). Registered once
// per process before the engine first starts; every profile that shows disc pages serves it.
// It is a local scheme, like file:: disc pages may load from it and web sites may not. A disc
// page may read the players' files by script (XMLHttpRequest) as well as load them by element:
// the engine adds the headers that let a page of another origin read them.
void RegisterPlayerScheme();
void ServePlayerFiles(QWebEngineProfile& profile);
