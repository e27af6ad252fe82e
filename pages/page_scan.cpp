#include "pages/page_scan.h"

#include "pages/css_urls.h"
#include "pages/meta_refresh.h"
#include "pages/page_charset.h"

#include <algorithm>
#include <gumbo.h>
#include <string.h>

namespace pages {
namespace {

// A meta charset declaration counts while the page is still in its head, and anywhere in its
// first 1024 bytes, as the engine looks for one.
constexpr std::size_t kCharsetScanBytes = 1024;

// Seconds of processor time a parse may take: the parser reads some 10 MB a second, so this is
// far beyond any page but one nested thousands deep.
constexpr double kParseFixedSeconds = 3;
constexpr double kParseSecondsPerMb = 1;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

std::string Lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
    return out;
}

bool HasToken(std::string_view list, std::string_view token) {
    const std::string lowered = Lowered(list);
    std::size_t at = 0;
    while (at < lowered.size()) {
        while (at < lowered.size() && IsSpace(lowered[at]))
            ++at;
        std::size_t end = at;
        while (end < lowered.size() && !IsSpace(lowered[end]))
            ++end;
        if (std::string_view(lowered).substr(at, end - at) == token)
            return true;
        at = end;
    }
    return false;
}

bool IsHeadElement(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_HTML:
    case GUMBO_TAG_HEAD:
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_NOSCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_LINK:
    case GUMBO_TAG_META:
    case GUMBO_TAG_OBJECT:
    case GUMBO_TAG_TITLE:
    case GUMBO_TAG_BASE:
        return true;
    default:
        return false;
    }
}

// The elements whose background attribute the engine draws.
bool TakesBackground(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_BODY:
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_THEAD:
    case GUMBO_TAG_TBODY:
    case GUMBO_TAG_TFOOT:
    case GUMBO_TAG_TR:
    case GUMBO_TAG_TD:
    case GUMBO_TAG_TH:
        return true;
    default:
        return false;
    }
}

class Scanner final {
public:
    Scanner(std::string_view text, const GumboOutput* document) : m_text(text) {
        m_scan.document = document;
        m_scan.anchors.quirks =
            document->document->v.document.doc_type_quirks_mode == GUMBO_DOCTYPE_QUIRKS;
    }

    void Element(const GumboElement& element, unsigned flags) {
        Anchors(element);
        if (element.tag_namespace != GUMBO_NAMESPACE_HTML)
            return;
        // The parser copies a formatting element left open into the blocks that follow: the
        // copies are the same reference, already collected from the element itself.
        if (flags & (GUMBO_INSERTION_RECONSTRUCTED_FORMATTING_ELEMENT |
                     GUMBO_INSERTION_ADOPTION_AGENCY_CLONED))
            return;
        CharsetDeclaration(element);
        switch (element.tag) {
        case GUMBO_TAG_A:
        case GUMBO_TAG_AREA:
            Attribute(element, "href", ReferenceKind::Link);
            break;
        case GUMBO_TAG_FRAME:
        case GUMBO_TAG_IFRAME:
            Attribute(element, "src", ReferenceKind::Frame);
            break;
        case GUMBO_TAG_IMG:
            Attribute(element, "src", ReferenceKind::Picture);
            break;
        case GUMBO_TAG_INPUT:
            if (const GumboAttribute* type = gumbo_get_attribute(&element.attributes, "type");
                type && Lowered(type->value) == "image")
                Attribute(element, "src", ReferenceKind::Picture);
            break;
        case GUMBO_TAG_SCRIPT:
            Attribute(element, "src", ReferenceKind::Script);
            break;
        case GUMBO_TAG_LINK:
            if (const GumboAttribute* rel = gumbo_get_attribute(&element.attributes, "rel")) {
                if (HasToken(rel->value, "stylesheet"))
                    Attribute(element, "href", ReferenceKind::StyleSheet);
                else if (HasToken(rel->value, "icon"))
                    Attribute(element, "href", ReferenceKind::Picture);
            }
            break;
        case GUMBO_TAG_BASE:
            if (const GumboAttribute* href = gumbo_get_attribute(&element.attributes, "href");
                href && !m_scan.baseHref)
                m_scan.baseHref = href->value;
            break;
        case GUMBO_TAG_META:
            Refresh(element);
            break;
        case GUMBO_TAG_STYLE:
            StyleElement(element);
            break;
        default:
            break;
        }
        if (TakesBackground(element.tag))
            Attribute(element, "background", ReferenceKind::Picture);
        if (const GumboAttribute* style = gumbo_get_attribute(&element.attributes, "style"))
            Css(style->value, ValueOffset(*style), InnerExact(*style), "style attribute");
    }

    PageScan Finish() {
        std::stable_sort(
            m_scan.references.begin(), m_scan.references.end(),
            [](const PageReference& a, const PageReference& b) { return a.offset < b.offset; });
        for (std::vector<std::string>* list : {&m_scan.anchors.ids, &m_scan.anchors.names}) {
            std::sort(list->begin(), list->end());
            list->erase(std::unique(list->begin(), list->end()), list->end());
        }
        return std::move(m_scan);
    }

private:
    std::size_t OffsetOf(const char* pointer) const {
        return static_cast<std::size_t>(pointer - m_text.data());
    }

    // Where an attribute's value begins in the text, inside its quotes.
    std::size_t ValueOffset(const GumboAttribute& attribute) const {
        const GumboStringPiece& raw = attribute.original_value;
        if (raw.length == 0)
            return OffsetOf(attribute.original_name.data);
        const bool quoted = raw.data[0] == '"' || raw.data[0] == '\'';
        return OffsetOf(raw.data) + (quoted ? 1 : 0);
    }

    // Whether the value stands in the text as it reads (no character references), so that a
    // position inside it is a position in the text.
    static bool InnerExact(const GumboAttribute& attribute) {
        std::string_view raw(attribute.original_value.data, attribute.original_value.length);
        if (!raw.empty() && (raw[0] == '"' || raw[0] == '\'')) {
            raw.remove_prefix(1);
            if (!raw.empty() && (raw.back() == '"' || raw.back() == '\''))
                raw.remove_suffix(1);
        }
        return raw == attribute.value;
    }

    void Add(ReferenceKind kind, std::string text, std::size_t offset, std::string where) {
        m_scan.references.push_back({kind, std::move(text), offset, std::move(where)});
    }

    void Attribute(const GumboElement& element, const char* name, ReferenceKind kind) {
        const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
        // An empty value names the page itself, and loads nothing into an img.
        if (!attribute || attribute->value[0] == '\0')
            return;
        Add(kind, attribute->value, ValueOffset(*attribute),
            std::string(gumbo_normalized_tagname(element.tag)) + " " + name);
    }

    void Refresh(const GumboElement& element) {
        const GumboAttribute* equiv = gumbo_get_attribute(&element.attributes, "http-equiv");
        const GumboAttribute* content = gumbo_get_attribute(&element.attributes, "content");
        if (!equiv || !content || Lowered(equiv->value) != "refresh")
            return;
        const std::optional<RefreshUrl> target = RefreshTarget(content->value);
        if (!target)
            return;
        const std::size_t offset = ValueOffset(*content);
        Add(ReferenceKind::Refresh, target->url,
            InnerExact(*content) ? offset + target->offset : offset, "meta refresh");
    }

    void CharsetDeclaration(const GumboElement& element) {
        if (!m_charsetOpen || element.original_tag.length == 0)
            return;
        const std::size_t offset = OffsetOf(element.original_tag.data);
        if (!IsHeadElement(element.tag))
            m_inHead = false;
        if (!m_inHead && offset >= kCharsetScanBytes) {
            m_charsetOpen = false;
            return;
        }
        if (element.tag != GUMBO_TAG_META)
            return;
        std::string_view label;
        if (const GumboAttribute* charset = gumbo_get_attribute(&element.attributes, "charset")) {
            label = charset->value;
        } else {
            const GumboAttribute* equiv = gumbo_get_attribute(&element.attributes, "http-equiv");
            const GumboAttribute* content = gumbo_get_attribute(&element.attributes, "content");
            if (equiv && content && Lowered(equiv->value) == "content-type")
                label = CharsetInContentType(content->value);
        }
        if (std::optional<std::string> charset = CharsetOfLabel(label)) {
            m_scan.declaredCharset = std::move(charset);
            m_charsetOpen = false;
        }
    }

    // Every element's id (SVG's too), and the name of each <a>.
    void Anchors(const GumboElement& element) {
        if (const GumboAttribute* id = gumbo_get_attribute(&element.attributes, "id");
            id && id->value[0] != '\0')
            m_scan.anchors.ids.emplace_back(id->value);
        if (element.tag != GUMBO_TAG_A || element.tag_namespace != GUMBO_NAMESPACE_HTML)
            return;
        if (const GumboAttribute* name = gumbo_get_attribute(&element.attributes, "name");
            name && name->value[0] != '\0')
            m_scan.anchors.names.push_back(m_scan.anchors.quirks ? Lowered(name->value)
                                                                 : std::string(name->value));
    }

    void StyleElement(const GumboElement& element) {
        for (unsigned i = 0; i < element.children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(element.children.data[i]);
            if (child->type != GUMBO_NODE_TEXT && child->type != GUMBO_NODE_WHITESPACE)
                continue;
            const GumboStringPiece& raw = child->v.text.original_text;
            Css(std::string_view(raw.data, raw.length), OffsetOf(raw.data), true, "style");
        }
    }

    void Css(std::string_view css, std::size_t offset, bool exact, const char* where) {
        for (CssUrl& url : CssUrls(css)) {
            if (url.url.empty())
                continue;
            Add(url.import ? ReferenceKind::StyleSheet : ReferenceKind::Picture, std::move(url.url),
                exact ? offset + url.offset : offset,
                std::string(where) + (url.import ? " @import" : " url()"));
        }
    }

    std::string_view m_text;
    PageScan m_scan;
    bool m_inHead = true;
    bool m_charsetOpen = true;
};

} // namespace

bool Navigates(ReferenceKind kind) {
    return kind == ReferenceKind::Link || kind == ReferenceKind::Frame ||
           kind == ReferenceKind::Refresh;
}

PageScan ScanPage(std::string_view utf8, ParseArena& arena) {
    const GumboOutput* output =
        arena.Parse(utf8.data(), utf8.size(), kParseFixedSeconds, kParseSecondsPerMb);
    if (!output) {
        PageScan given;
        given.parsed = false;
        return given;
    }
    Scanner scanner(utf8, output);
    // Depth first in the order of the text, without recursion: a page may nest deeply.
    std::vector<const GumboNode*> stack{output->document};
    while (!stack.empty()) {
        const GumboNode* node = stack.back();
        stack.pop_back();
        const GumboVector* children = nullptr;
        if (node->type == GUMBO_NODE_DOCUMENT) {
            children = &node->v.document.children;
        } else if (node->type == GUMBO_NODE_ELEMENT) {
            scanner.Element(node->v.element, node->parse_flags);
            children = &node->v.element.children;
        } // a template's content is never loaded
        if (children)
            for (unsigned i = children->length; i-- > 0;)
                stack.push_back(static_cast<const GumboNode*>(children->data[i]));
    }
    return scanner.Finish();
}

} // namespace pages
