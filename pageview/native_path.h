#pragma once

#include <QString>
#include <string>

class QUrl;

// Native file-system paths (bytes) to and from Qt's text, by the file system's own encoding.
QString NativePathText(const std::string& nativePath);
std::string NativePathBytes(const QString& path);

// The native path a file: URL names, as bytes: its path with every escape decoded, so that a
// name escaped in another encoding than UTF-8 keeps its bytes. The host is not part of it.
std::string LocalFileBytes(const QUrl& fileUrl);
