#pragma once

#include <functional>
#include <string>

// A disc whose files reach the file system only when first needed (a disc image whose large
// files stay in the image until then) sets a provider. The page view and the window ask it about
// a disc file before they use it: a file a page asks for, a launch target (a file, or a folder
// with everything in it), a file the reader clicked. Nothing here waits: a file that is not there
// yet is used once the provider has brought it out. Without a provider every file is there.
class TDiscFileProvider {
public:
    virtual ~TDiscFileProvider() = default;

    // Whether everything the native path names is on the file system now.
    virtual bool IsReady(const std::string& nativePath) const = 0;
    // Starts bringing out what the native path names and returns. `done` runs once, on this
    // thread: with true once it is all there (before this returns when it already is), with
    // false when that was cancelled or failed. A provider that goes first calls nobody back.
    virtual void Provide(const std::string& nativePath,
                         std::function<void(bool provided)> done) = 0;
};

// The provider in use, or none (nullptr); whoever sets it keeps it alive until it is unset.
void SetDiscFileProvider(TDiscFileProvider* provider);

// The provider's answers, or those of a disc whose files are all there.
bool DiscFileReady(const std::string& nativePath);
void ProvideDiscFile(const std::string& nativePath, std::function<void(bool provided)> done);
