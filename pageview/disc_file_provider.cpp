#include "pageview/disc_file_provider.h"

#include <utility>

namespace {

TDiscFileProvider* g_provider = nullptr;

} // namespace

void SetDiscFileProvider(TDiscFileProvider* provider) {
    g_provider = provider;
}

bool DiscFileReady(const std::string& nativePath) {
    return !g_provider || g_provider->IsReady(nativePath);
}

void ProvideDiscFile(const std::string& nativePath, std::function<void(bool provided)> done) {
    if (g_provider)
        g_provider->Provide(nativePath, std::move(done));
    else
        done(true);
}
