#pragma once

#include <QString>
#include <string>

// Native file-system paths (bytes) to and from Qt's text, by the file system's own encoding.
QString NativePathText(const std::string& nativePath);
std::string NativePathBytes(const QString& path);
