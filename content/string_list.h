#pragma once

#include "content/text_bytes.h"

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace content {

// An ordered list of lines holding the file's bytes: HtmlList, ButtonList, the lines of a button
// file or of init.txt. The lines are ranges of one text, the file's own bytes, read as views: a
// list of a million lines is one allocation for the text and one for the ranges, not a million
// strings. A view is valid while the list is neither changed nor destroyed.
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
    // A list with no lines yet over the text, for readers that cut the lines themselves.
    explicit StringList(TextBytes text) : m_text(std::move(text)) {}

    std::size_t size() const { return m_ranges.size(); }
    bool empty() const { return m_ranges.empty(); }

    // Line i. i must be below size().
    std::string_view operator[](std::size_t i) const {
        const Range& range = m_ranges[i];
        return std::string_view(m_text.data() + range.begin, range.end - range.begin);
    }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }

    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    // The list's text: every line lies in it.
    std::string_view Text() const { return std::string_view(m_text.data(), m_text.size()); }

    // Adds the line text[begin, end) of the list's text; begin <= end <= Text().size().
    void AddRange(std::size_t begin, std::size_t end) { m_ranges.push_back({begin, end}); }
    // Adds a line of its own, appended to the text.
    void push_back(std::string_view line);
    void clear();
    // Room for this many more lines, so that adding them moves none of the ranges.
    void reserve(std::size_t lines);

    // The bytes of every line together, line ends left out: what a reader of all the lines must
    // at least hold.
    std::size_t LineBytes() const;

    friend bool operator==(const StringList& a, const StringList& b);

private:
    struct Range {
        std::size_t begin;
        std::size_t end;
    };

    TextBytes m_text;
    std::vector<Range> m_ranges;
};

// Entry n of a list; the list index error, carrying n, when there is none.
std::string_view ListEntry(const StringList& list, long long n);

// Replaces the list by the lines of the file. The open error leaves the list untouched.
void LoadListFile(const std::string& nativePath, StringList& list);

} // namespace content
