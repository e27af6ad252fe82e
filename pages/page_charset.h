#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pages {

// How a page's bytes become text, as the page view's engine decides it: a byte-order mark wins;
// then the charset the page declares in a meta element; a page that declares none, or one the
// engine does not know, is Shift-JIS (code page 932), as the disc's pages are written.

inline constexpr std::string_view kShiftJis = "Shift_JIS";
inline constexpr std::string_view kUtf8 = "UTF-8";

// The charset a byte-order mark at the start names: "UTF-8", "UTF-16LE" or "UTF-16BE".
std::optional<std::string> CharsetOfBom(std::string_view bytes);

// The charset a declared label names, as browsers read labels ("x-sjis" and "windows-31j" are
// Shift_JIS, "latin1" is windows-1252, "utf-16" in a page is UTF-8); nullopt for a label no
// decoder here knows, which leaves the page Shift-JIS.
std::optional<std::string> CharsetOfLabel(std::string_view label);

// The label in the content attribute of a meta element that declares the content type
// ("text/html; charset=x-sjis"), empty when there is none.
std::string_view CharsetInContentType(std::string_view content);

// The page's bytes as UTF-8 in the given charset (one of CharsetOfBom's or CharsetOfLabel's),
// any byte-order mark left out. A byte that is no text in the charset becomes U+FFFD and the
// rest goes on, so that every reference after it keeps its line and column.
std::string DecodePage(std::string_view bytes, std::string_view charset);

} // namespace pages
