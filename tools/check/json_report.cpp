#include "tools/check/json_report.h"

#include "tools/check/json_writer.h"
#include "tools/check/kind_name.h"

namespace check {
namespace {

void WriteStrings(JsonWriter& json, const std::vector<std::string>& strings) {
    json.BeginArray();
    for (const std::string& s : strings)
        json.String(s);
    json.EndArray();
}

void WriteTree(JsonWriter& json, const std::vector<DiscReport::TreeEntry>& tree) {
    json.BeginArray();
    for (const DiscReport::TreeEntry& node : tree) {
        json.BeginObject(true);
        json.Key("index");
        json.Number(node.index);
        json.Key("level");
        json.Number(node.level);
        json.Key("text");
        json.String(node.text);
        json.Key("kind");
        json.String(KindName(node.kind));
        json.EndObject();
    }
    json.EndArray();
}

void WriteStart(JsonWriter& json, const DiscReport::Start& start) {
    json.BeginObject(true);
    if (start.page) {
        json.Key("page");
        json.String(*start.page);
    } else if (start.error) {
        json.Key("error");
        json.String(*start.error);
    } else {
        json.Key("node");
        json.Number(start.node);
    }
    json.EndObject();
}

void WriteButtons(JsonWriter& json, const std::vector<DiscReport::Button>& buttons) {
    json.BeginArray();
    for (const DiscReport::Button& button : buttons) {
        json.BeginObject(true);
        json.Key("slot");
        json.Number(button.slot);
        json.Key("caption");
        json.String(button.caption);
        json.Key("target");
        json.String(button.target);
        json.Key("left");
        json.Number(button.left);
        json.Key("top");
        json.Number(button.top);
        json.Key("width");
        json.Number(button.width);
        json.EndObject();
    }
    json.EndArray();
}

void WritePages(JsonWriter& json, const std::vector<DiscReport::Page>& pages) {
    json.BeginArray();
    for (const DiscReport::Page& page : pages) {
        json.BeginObject();
        json.Key("node");
        json.Number(page.node);
        json.Key("page");
        json.String(page.page);
        json.Key("pageExists");
        json.Bool(page.pageExists);
        json.Key("buttonFile");
        json.OptionalString(page.buttonFile);
        json.Key("stripHeight");
        json.OptionalNumber(page.stripHeight);
        json.Key("buttons");
        WriteButtons(json, page.buttons);
        json.EndObject();
    }
    json.EndArray();
}

void WriteProblems(JsonWriter& json, const Findings& problems) {
    json.BeginArray();
    for (const Finding& finding : problems) {
        json.BeginObject(true);
        json.Key("severity");
        json.String(SeverityName(finding.severity));
        json.Key("code");
        json.String(finding.code);
        json.Key("file");
        if (finding.file.empty())
            json.Null();
        else
            json.String(finding.file);
        json.Key("line");
        if (finding.line == 0)
            json.Null();
        else
            json.Number(finding.line);
        json.Key("column");
        if (finding.column == 0)
            json.Null();
        else
            json.Number(finding.column);
        json.Key("reference");
        json.OptionalString(finding.reference);
        json.Key("message");
        json.String(finding.message);
        json.EndObject();
    }
    json.EndArray();
}

} // namespace

std::string JsonReport(const DiscReport& report) {
    JsonWriter json;
    json.BeginObject();
    json.Key("programDir");
    json.String(report.programDir);
    json.Key("htmlDir");
    json.String(report.htmlDir);
    json.Key("tree");
    WriteTree(json, report.tree);
    json.Key("htmlList");
    WriteStrings(json, report.htmlList);
    json.Key("buttonList");
    WriteStrings(json, report.buttonList);
    json.Key("info");
    json.OptionalString(report.info);
    json.Key("loadError");
    json.OptionalString(report.loadError);
    json.Key("start");
    WriteStart(json, report.start);
    json.Key("pages");
    WritePages(json, report.pages);
    json.Key("problems");
    WriteProblems(json, report.problems);
    json.EndObject();
    return json.Text();
}

} // namespace check
