// The launch strip: its fill when a page is shown, the pressed look and the launch.

#include "ui/tform1.h"

#include "content/button_file.h"
#include "content/disc_path.h"
#include "content/launch_strip.h"
#include "pageview/disc_file_open.h"
#include "ui/display_text.h"
#include "ui/launch_button.h"
#include "ui/unit1.h"

void TForm1::FillLaunchStrip(int node) {
    // Reading the button line or the button file may fail; the caller then drops the page too,
    // and the strip stays as it was.
    const content::StripFill fill =
        content::FillLaunchStrip(content::ReadButtonsOfNode(HtmlDir, *ButtonList, node));
    if (fill.buttonsChanged) {
        for (int i = 0; i < kLaunchButtons; ++i) {
            const content::LaunchButtonState& state = fill.buttons[static_cast<std::size_t>(i)];
            TLaunchButton* button = ButtonPanels[static_cast<std::size_t>(i)];
            const QString caption = DisplayText(state.caption);
            button->SetCaption(caption);
            button->setToolTip(caption);
            const std::string& target = fill.targets[static_cast<std::size_t>(i)];
            button->SetTargetName(
                DisplayText(target.substr(content::LaunchDirectoryPart(target).size())));
            button->setGeometry(state.left, state.top, state.width, content::kButtonHeight);
            button->setVisible(state.visible);
        }
    }
    ButtonTargets = fill.targets;
    SetStripHeight(fill.height);
}

void TForm1::btnPanel0MouseDown(TLaunchButton* sender) {
    sender->SetOuterBevel(TLaunchButton::Bevel::Lowered);
}

void TForm1::btnPanel0MouseUp(TLaunchButton* sender) {
    sender->SetOuterBevel(TLaunchButton::Bevel::Raised);
}

void TForm1::btnPanel0Click(TLaunchButton* sender) {
    const std::string& target = ButtonTargets[static_cast<std::size_t>(sender->Tag())];
    // The target is opened as written under the content directory, never normalised; its
    // working directory is the target's own directory.
    const std::string path = content::ResolveDiscPath(HtmlDir, target);
    const std::string dir = content::ResolveDiscPath(HtmlDir, content::LaunchDirectoryPart(target));
    OpenDiscFile(path, dir);
}
