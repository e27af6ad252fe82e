#include "pageview/disc_file_provider.h"

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
