#pragma once

#include "tools/check/disc_report.h"

#include <string>

namespace check {

// A disc image made readable for the checker without extracting it: its folders, and each of
// its files, laid out in a private temporary folder. Only the files the checker reads get their
// data: the menu's list files and quilcd-check.ini, the button files button.txt names, and the
// pages (every HTML file). Every other file, launch targets included, is a stand-in of its size
// in the image that holds no data: the check asks it for its existence only. The image is read
// by the opener's library with the opener's rules for untrusted images (names that climb out,
// links that lead out of the disc, devices are not laid out). The folder goes with the object.
class ImageDisc final {
public:
    // Throws disc_image::ImageError with the reason the image cannot be read.
    explicit ImageDisc(const std::string& imagePath);
    ~ImageDisc();
    ImageDisc(const ImageDisc&) = delete;
    ImageDisc& operator=(const ImageDisc&) = delete;

    const std::string& Root() const { return m_root; }             // real, ending in '/'
    const std::string& ProgramDir() const { return m_programDir; } // real, ending in '/'

    // The report names places inside the image as the image's path followed by the place
    // ("disc.iso/_html/cover.htm") instead of the temporary folder's.
    void NameInsideImage(DiscReport& report) const;

private:
    std::string m_given;
    std::string m_root;
    std::string m_programDir;
};

} // namespace check
