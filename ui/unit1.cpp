#include "ui/unit1.h"

TForm1* Form1 = nullptr;
std::string ProgramDir;
std::string HtmlDir;
std::unique_ptr<content::StringList> HtmlList;
std::unique_ptr<content::StringList> ButtonList;
std::array<std::string, kLaunchButtons> ButtonTargets;
std::array<TLaunchButton*, kLaunchButtons> ButtonPanels{};
bool NavFromBrowser = false;
