#include "pageview/disc_file_open.h"

#include "content/disc_path.h"
#include "pageview/disc_file_provider.h"
#include "pageview/native_path.h"
#include "platform/shell_open.h"

void OpenDiscFile(const std::string& nativePath, const std::string& nativeWorkingDirectory) {
    // A disc whose files come out of an image when first needed brings this one out first: it
    // opens once it is there, and not at all when the reader cancelled that or it failed (the
    // reader was told why). The window goes on meanwhile.
    ProvideDiscFile(nativePath, [nativePath, nativeWorkingDirectory](bool provided) {
        if (provided)
            platform::ShellOpenFile(NativePathText(nativePath),
                                    NativePathText(nativeWorkingDirectory));
    });
}

void OpenDiscFileInItsDirectory(const std::string& nativePath) {
    const std::size_t cut = nativePath.rfind(content::kPathDelim);
    OpenDiscFile(nativePath,
                 cut == std::string::npos ? std::string() : nativePath.substr(0, cut + 1));
}
