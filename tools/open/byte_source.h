#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace disc_image {

// The bytes of an image file, read at any offset. Reading past the end gives fewer bytes; a
// failing read throws ImageError.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    virtual std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) = 0;
};

// A file opened for reading only.
class FileSource final : public ByteSource {
public:
    explicit FileSource(const std::string& path); // throws ImageError
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::uint64_t Size() const override { return m_size; }
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) override;

private:
    std::string m_path;
    int m_fd = -1;
    std::uint64_t m_size = 0;
};

// Bytes held by the caller, which keeps them alive (the fuzz target's input).
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    std::uint64_t Size() const override { return m_bytes.size(); }
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) override;

private:
    std::span<const std::uint8_t> m_bytes;
};

} // namespace disc_image
