#include "search/visible_text.h"

#include <gumbo.h>

#include <vector>

namespace search {
namespace {

bool Hidden(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_HEAD:
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_NOSCRIPT:
    case GUMBO_TAG_NOFRAMES:
    case GUMBO_TAG_NOEMBED:
    case GUMBO_TAG_IFRAME:
    case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_TITLE:
        return true;
    default:
        return false;
    }
}

// Elements a browser lays out as blocks or rows, or that break the line.
bool BreaksLine(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_ADDRESS:
    case GUMBO_TAG_ARTICLE:
    case GUMBO_TAG_ASIDE:
    case GUMBO_TAG_BLOCKQUOTE:
    case GUMBO_TAG_BODY:
    case GUMBO_TAG_BR:
    case GUMBO_TAG_CAPTION:
    case GUMBO_TAG_CENTER:
    case GUMBO_TAG_DD:
    case GUMBO_TAG_DIR:
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_DL:
    case GUMBO_TAG_DT:
    case GUMBO_TAG_FIELDSET:
    case GUMBO_TAG_FIGCAPTION:
    case GUMBO_TAG_FIGURE:
    case GUMBO_TAG_FOOTER:
    case GUMBO_TAG_FORM:
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
    case GUMBO_TAG_HEADER:
    case GUMBO_TAG_HR:
    case GUMBO_TAG_LEGEND:
    case GUMBO_TAG_LI:
    case GUMBO_TAG_LISTING:
    case GUMBO_TAG_MAIN:
    case GUMBO_TAG_MARQUEE:
    case GUMBO_TAG_MENU:
    case GUMBO_TAG_NAV:
    case GUMBO_TAG_OL:
    case GUMBO_TAG_OPTION:
    case GUMBO_TAG_P:
    case GUMBO_TAG_PLAINTEXT:
    case GUMBO_TAG_PRE:
    case GUMBO_TAG_SECTION:
    case GUMBO_TAG_SELECT:
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_TBODY:
    case GUMBO_TAG_TD:
    case GUMBO_TAG_TEXTAREA:
    case GUMBO_TAG_TFOOT:
    case GUMBO_TAG_TH:
    case GUMBO_TAG_THEAD:
    case GUMBO_TAG_TR:
    case GUMBO_TAG_UL:
    case GUMBO_TAG_XMP:
        return true;
    default:
        return false;
    }
}

bool IsSpace(char c) {
    // The white space HTML collapses; the no-break space (U+00A0) is text.
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Builds collapsed text: a run of spaces becomes one space, a line break swallows the spaces
// around it, and nothing stands at the start or the end.
class TextBuilder final {
public:
    void Text(const char* text) {
        for (const char* c = text; *c != '\0'; ++c) {
            if (IsSpace(*c)) {
                if (m_pending == Pending::None)
                    m_pending = Pending::Space;
                continue;
            }
            Flush();
            m_out += *c;
        }
    }
    void LineBreak() { m_pending = Pending::Line; }
    std::string Take() { return std::move(m_out); }

private:
    enum class Pending { None, Space, Line };
    void Flush() {
        if (!m_out.empty() && m_pending != Pending::None)
            m_out += m_pending == Pending::Line ? '\n' : ' ';
        m_pending = Pending::None;
    }
    std::string m_out;
    Pending m_pending = Pending::None;
};

const GumboNode* FindTitle(const GumboNode* root) {
    // Breadth-first, without recursion: the first title in document order sits in the head.
    std::vector<const GumboNode*> stack{root};
    while (!stack.empty()) {
        const GumboNode* node = stack.back();
        stack.pop_back();
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT)
            continue;
        if (node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == GUMBO_TAG_TITLE)
            return node;
        const GumboVector& children = node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children
                                                                        : node->v.element.children;
        for (unsigned i = children.length; i > 0; --i)
            stack.push_back(static_cast<const GumboNode*>(children.data[i - 1]));
    }
    return nullptr;
}

} // namespace

PageText VisibleText(const GumboNode* document) {
    PageText page;
    if (document == nullptr)
        return page;
    if (const GumboNode* title = FindTitle(document)) {
        TextBuilder builder;
        const GumboVector& children = title->v.element.children;
        for (unsigned i = 0; i < children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_WHITESPACE)
                builder.Text(child->v.text.text);
        }
        page.title = builder.Take();
    }

    // Depth-first in document order with a stack of its own: pages nest elements thousands deep.
    // An element is visited twice, on the way in and (marked) on the way out, for its line break.
    struct Step {
        const GumboNode* node;
        bool leaving;
    };
    TextBuilder builder;
    std::vector<Step> stack{{document, false}};
    while (!stack.empty()) {
        const Step step = stack.back();
        stack.pop_back();
        const GumboNode* node = step.node;
        switch (node->type) {
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_CDATA:
        case GUMBO_NODE_WHITESPACE:
            builder.Text(node->v.text.text);
            continue;
        case GUMBO_NODE_COMMENT:
            continue;
        case GUMBO_NODE_DOCUMENT:
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE:
            break;
        }
        const bool element = node->type != GUMBO_NODE_DOCUMENT;
        if (element) {
            const GumboTag tag = node->v.element.tag;
            if (node->type == GUMBO_NODE_TEMPLATE || Hidden(tag))
                continue;
            if (BreaksLine(tag))
                builder.LineBreak();
            if (step.leaving)
                continue;
            stack.push_back({node, true});
        }
        const GumboVector& children =
            element ? node->v.element.children : node->v.document.children;
        for (unsigned i = children.length; i > 0; --i)
            stack.push_back({static_cast<const GumboNode*>(children.data[i - 1]), false});
    }
    page.text = builder.Take();
    return page;
}

} // namespace search
