#pragma once

#include "search/disc_search.h"

#include <QListWidget>

#include <functional>

// The search window's results: one row each, the page's title, its place in the tree (or its
// path when the tree does not list it) and the snippet with the words marked. A screen reader
// reads each row as one text of the three.
class TSearchResultList final : public QListWidget {
    Q_OBJECT
public:
    // placeOf: the place in the tree of an entry, "" for none.
    TSearchResultList(std::function<QString(int node)> placeOf, QWidget* parent);

    void Show(const std::vector<search::SearchResult>& results);
    const search::SearchResult* ResultAt(int row) const;

private:
    std::function<QString(int)> m_placeOf;
    std::vector<search::SearchResult> m_results;
};

// A result's snippet as rich text: the marks bold on the find bar's marking colour.
QString SnippetHtml(const search::Snippet& snippet);
