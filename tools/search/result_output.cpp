#include "tools/search/result_output.h"

#include "content/cp932.h"

#include <nlohmann/json.hpp>

namespace search_tool {

std::string TextResults(const search::SearchOutcome& outcome) {
    std::string text;
    for (const search::SearchResult& result : outcome.results)
        text += result.page + ": " + result.title + " — " + result.snippet.text + "\n";
    return text;
}

std::string JsonResults(const search::SearchOutcome& outcome, const content::ContentTree& tree) {
    using nlohmann::ordered_json;
    ordered_json results = ordered_json::array();
    for (const search::SearchResult& result : outcome.results) {
        ordered_json entry = nullptr;
        if (result.node >= 0 && result.node < tree.Count())
            entry = content::Cp932ToUtf8(tree.TextOf(result.node));
        ordered_json item = ordered_json::object();
        item["page"] = result.page;
        item["title"] = result.title;
        item["entry"] = std::move(entry);
        item["snippet"] = result.snippet.text;
        results.push_back(std::move(item));
    }
    ordered_json report = ordered_json::object();
    report["results"] = std::move(results);
    report["pages"] = outcome.pages;
    report["skipped"] = outcome.skipped;
    // A page name that is no UTF-8 (a file system name) is mended, never a reason to fail.
    return report.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

} // namespace search_tool
