#pragma once

#include "content/string_list.h"
#include "platform/program_titles.h"

#include <array>
#include <memory>
#include <string>

class TForm1;
class TLaunchButton;

// The state the whole program shares, made by the start-up before the window exists and
// released by the shutdown after it is gone. Only the user-interface thread touches it.

inline constexpr int kLaunchButtons = 12;

extern TForm1* Form1;          // the one main window, while it exists
extern std::string ProgramDir; // directory of the running executable, ending in the separator
extern std::string HtmlDir;    // the content directory beside it, ending in the separator
extern std::unique_ptr<content::StringList> HtmlList;   // page of the node at each absolute index
extern std::unique_ptr<content::StringList> ButtonList; // button file of the node at each index
extern std::array<std::string, kLaunchButtons> ButtonTargets;   // targets of the page shown last
extern std::array<TLaunchButton*, kLaunchButtons> ButtonPanels; // borrowed from the window
extern bool NavFromBrowser; // set when the page view begins a download
