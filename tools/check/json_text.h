#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace check {

// A JSON document laid out for reading, as the checker has always written it: an object whose
// members are all plain values is written on one line; every other object, and every array that
// is not empty, puts each member on a line of its own, two spaces deeper; a line end closes it.
std::string JsonText(const nlohmann::ordered_json& document);

// The JSON text of a string, quotes included: nlohmann's, except that every control character,
// tab and line end included, and DEL are written \u00XX (nlohmann writes \t and \n short and DEL
// as it stands), and that bytes that are not UTF-8 become U+FFFD, one for each byte (nlohmann
// replaces a broken sequence as a whole), so that whatever a file name or a disc holds, the
// output stays one valid JSON text.
std::string JsonString(std::string_view text);

} // namespace check
