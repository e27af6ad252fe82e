#include "example_disc.h"

#include "disc_lists.h"
#include "files.h"

namespace testkit {

void WriteExampleDisc(const std::filesystem::path& root) {
    WriteLists(root, {{"Feature"},
                      {"\tCover story", "feature\\cover.htm", "feature\\cover.txt"},
                      {"\tInterview", "feature\\talk.htm"},
                      {"Software"},
                      {"\tUtilities", "soft\\util.htm", "soft\\util.txt"}});
    for (const char* page : {"feature/cover.htm", "feature/talk.htm", "soft/util.htm"})
        WriteFile(root / "_html" / page, "<html><body>page</body></html>");
    WriteFile(root / "_html/feature/cover.txt",
              "Install the viewer\r\nfeature\\viewer\\setup.exe\r\n"
              "Read me\r\nfeature\\readme.txt\r\n");
    WriteFile(root / "_html/feature/viewer/setup.exe", "x");
    WriteFile(root / "_html/feature/readme.txt", "x");
}

} // namespace testkit
