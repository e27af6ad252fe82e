#include "pageview/disc_file_open.h"

#include "content/disc_path.h"
#include "pageview/disc_file_provider.h"
#include "pageview/native_path.h"
#include "platform/shell_open.h"

void OpenDiscFile(const std::string& nativePath, const std::string& nativeWorkingDirectory) {
    // A disc whose files come out of an image when first needed brings this one out first.
    ProvideDiscFile(nativePath);
    platform::ShellOpenFile(NativePathText(nativePath), NativePathText(nativeWorkingDirectory));
}

void OpenDiscFileInItsDirectory(const std::string& nativePath) {
    const std::size_t cut = nativePath.rfind(content::kPathDelim);
    OpenDiscFile(nativePath,
                 cut == std::string::npos ? std::string() : nativePath.substr(0, cut + 1));
}
