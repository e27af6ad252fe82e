#include "tools/check/json_report.h"

#include "tools/check/json_text.h"
#include "tools/check/kind_name.h"

namespace check {
namespace {

using nlohmann::ordered_json;

struct Member {
    const char* key;
    ordered_json value;
};

// An object of the members in their order. nlohmann's own initializer lists make each member a
// two-element array first and then turn it into a member, which for a tree of 100,000 nodes
// costs more than the rest of the report.
ordered_json Object(std::initializer_list<Member> members) {
    ordered_json object = ordered_json::object();
    for (const Member& member : members)
        object[member.key] = member.value;
    return object;
}

// Unset as null: no button file, a page that stops showing, no file, line or column.
template <class T> ordered_json OrNull(const std::optional<T>& value) {
    return value ? ordered_json(*value) : ordered_json(nullptr);
}

ordered_json OrNull(const std::string& text) {
    return text.empty() ? ordered_json(nullptr) : ordered_json(text);
}

ordered_json OrNull(int number) {
    return number == 0 ? ordered_json(nullptr) : ordered_json(number);
}

ordered_json Tree(const std::vector<DiscReport::TreeEntry>& tree) {
    ordered_json out = ordered_json::array();
    for (const DiscReport::TreeEntry& node : tree)
        out.push_back(Object({{"index", node.index},
                              {"level", node.level},
                              {"text", node.text},
                              {"kind", KindName(node.kind)}}));
    return out;
}

ordered_json Start(const DiscReport::Start& start) {
    if (start.page)
        return {{"page", *start.page}};
    if (start.error)
        return {{"error", *start.error}};
    return {{"node", start.node}};
}

ordered_json Pages(const std::vector<DiscReport::Page>& pages) {
    ordered_json out = ordered_json::array();
    for (const DiscReport::Page& page : pages) {
        ordered_json buttons = ordered_json::array();
        for (const DiscReport::Button& button : page.buttons)
            buttons.push_back(Object({{"slot", button.slot},
                                      {"caption", button.caption},
                                      {"target", button.target},
                                      {"left", button.left},
                                      {"top", button.top},
                                      {"width", button.width}}));
        out.push_back(Object({{"node", page.node},
                              {"page", page.page},
                              {"pageExists", page.pageExists},
                              {"buttonFile", OrNull(page.buttonFile)},
                              {"stripHeight", OrNull(page.stripHeight)},
                              {"buttons", buttons}}));
    }
    return out;
}

ordered_json Problems(const Findings& problems) {
    ordered_json out = ordered_json::array();
    for (const Finding& finding : problems)
        out.push_back(Object({{"severity", SeverityName(finding.severity)},
                              {"code", finding.code},
                              {"file", OrNull(finding.file)},
                              {"line", OrNull(finding.line)},
                              {"column", OrNull(finding.column)},
                              {"reference", OrNull(finding.reference)},
                              {"message", finding.message}}));
    return out;
}

} // namespace

std::string JsonReport(const DiscReport& report) {
    ordered_json json = {{"programDir", report.programDir},
                         {"htmlDir", report.htmlDir},
                         {"tree", Tree(report.tree)},
                         {"htmlList", report.htmlList},
                         {"buttonList", report.buttonList},
                         {"info", OrNull(report.info)},
                         {"loadError", OrNull(report.loadError)},
                         {"start", Start(report.start)},
                         {"pages", Pages(report.pages)},
                         {"problems", Problems(report.problems)}};
    // Only where they apply, so that the report of a folder checked without silencing stays
    // what it always was.
    if (report.silenced)
        json["silenced"] = *report.silenced;
    if (report.image)
        json["image"] = *report.image;
    return JsonText(json);
}

} // namespace check
