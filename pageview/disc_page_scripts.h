#pragma once

class QWebEngineProfile;

// The scripts that disc pages get from the program (the files of pageview/scripts/, compiled
// into the program): put into the profile once, they run in every disc page and in each of its
// frames at the point each asks for, in the page's own world, before or after the page's own
// scripts. A page from the web gets none of them.
void InstallDiscPageScripts(QWebEngineProfile& profile);
