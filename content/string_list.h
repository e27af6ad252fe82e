#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace content {

// An ordered list of lines holding the file's bytes: HtmlList, ButtonList, the lines of a button
// file or of init.txt. The lines live in one buffer, the file's own bytes, with one 8-byte bound
// per line: a list of a million lines is one allocation for the text and one for the bounds,
// not a million strings. A line is read as a view into the list, valid while the list is
// neither changed nor destroyed.
class StringList final {
public:
    class const_iterator final {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        std::string_view operator*() const { return (*m_list)[m_index]; }
        std::string_view operator[](difference_type n) const {
            return (*m_list)[m_index + static_cast<std::size_t>(n)];
        }
        const_iterator& operator++() {
            ++m_index;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator was = *this;
            ++m_index;
            return was;
        }
        const_iterator& operator--() {
            --m_index;
            return *this;
        }
        const_iterator operator--(int) {
            const_iterator was = *this;
            --m_index;
            return was;
        }
        const_iterator& operator+=(difference_type n) {
            m_index += static_cast<std::size_t>(n);
            return *this;
        }
        const_iterator& operator-=(difference_type n) {
            m_index -= static_cast<std::size_t>(n);
            return *this;
        }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return static_cast<difference_type>(a.m_index) -
                   static_cast<difference_type>(b.m_index);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.m_index == b.m_index;
        }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) {
            return a.m_index <=> b.m_index;
        }

    private:
        friend class StringList;
        const_iterator(const StringList* list, std::size_t index) : m_list(list), m_index(index) {}

        const StringList* m_list = nullptr;
        std::size_t m_index = 0;
    };

    StringList() = default;
    StringList(std::initializer_list<std::string_view> lines);

    std::size_t size() const { return m_bounds.size(); }
    bool empty() const { return m_bounds.empty(); }

    // Line i, without its line end. i must be below size().
    std::string_view operator[](std::size_t i) const {
        return std::string_view(m_bytes).substr(Begin(i), End(i) - Begin(i));
    }

    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }

    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    void push_back(std::string_view line);
    void clear();

    // The bytes of every line together, line ends left out: what a reader of all the lines must
    // at least hold.
    std::size_t TextBytes() const;

    friend bool operator==(const StringList& a, const StringList& b);

private:
    // Each bound packs the offset where a line ends (shifted left by two) with the number of
    // line-end bytes that follow it (0, 1 or 2): the next line starts after them.
    static constexpr unsigned kEndShift = 2;
    static constexpr std::uint64_t kTermMask = 3;

    std::size_t End(std::size_t i) const {
        return static_cast<std::size_t>(m_bounds[i] >> kEndShift);
    }
    std::size_t Begin(std::size_t i) const {
        return i == 0 ? 0 : End(i - 1) + static_cast<std::size_t>(m_bounds[i - 1] & kTermMask);
    }

    friend StringList SplitOwnedLines(std::string&& bytes);

    std::string m_bytes;
    std::vector<std::uint64_t> m_bounds;
};

// Entry n of a list; the list index error, carrying n, when there is none.
std::string_view ListEntry(const StringList& list, long long n);

// Replaces the list by the lines of the file. The open error leaves the list untouched.
void LoadListFile(const std::string& nativePath, StringList& list);

} // namespace content
