#include "ui/disc_file_provider.h"

#include "ui/native_path.h"

#include <QUrl>

#include <utility>

namespace {

DiscFileProvider& Provider() {
    static DiscFileProvider provider;
    return provider;
}

} // namespace

void SetDiscFileProvider(DiscFileProvider provider) {
    Provider() = std::move(provider);
}

void ProvideDiscFile(const std::string& nativePath) {
    if (Provider())
        Provider()(nativePath);
}

void ProvideDiscFile(const QUrl& url) {
    if (Provider() && url.isLocalFile() && url.host().isEmpty())
        Provider()(NativePathBytes(url.toLocalFile()));
}
