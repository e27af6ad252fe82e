#pragma once

#include <functional>
#include <string>

// A disc whose files reach the file system only when first needed (a disc image whose large
// files stay in the image until then) sets a provider. The window and the page view call it with
// a native path before they use a disc file: a launch target (a file, or a folder with everything
// in it) or a file a page asks for. Without a provider nothing happens: a folder's files are all
// there.
using DiscFileProvider = std::function<void(const std::string& nativePath)>;

void SetDiscFileProvider(DiscFileProvider provider);
void ProvideDiscFile(const std::string& nativePath);
