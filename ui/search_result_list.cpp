#include "ui/search_result_list.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextDocument>

namespace {

constexpr int kTitleRole = Qt::UserRole;
constexpr int kPlaceRole = Qt::UserRole + 1;
constexpr int kSnippetRole = Qt::UserRole + 2;
constexpr int kRowHeight = 64;

// Draws a row as three lines: the title, the place in the tree's colour, the snippet.
class TResultDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem row = option;
        initStyleOption(&row, index);
        row.text.clear();
        row.widget->style()->drawControl(QStyle::CE_ItemViewItem, &row, painter, row.widget);
        const bool selected = option.state & QStyle::State_Selected;
        const QString text = selected ? QStringLiteral("#FFFFFF") : QStringLiteral("#000000");
        const QString place = selected ? QStringLiteral("#E0F0E8") : QStringLiteral("#557468");
        QTextDocument document;
        document.setDefaultFont(option.font);
        document.setDocumentMargin(3);
        document.setTextWidth(option.rect.width());
        document.setHtml(QStringLiteral("<div style=\"color:%1\"><b>%2</b><br>"
                                        "<span style=\"color:%3\">%4</span><br>%5</div>")
                             .arg(text, index.data(kTitleRole).toString().toHtmlEscaped(), place,
                                  index.data(kPlaceRole).toString().toHtmlEscaped(),
                                  index.data(kSnippetRole).toString()));
        painter->save();
        painter->translate(option.rect.topLeft());
        painter->setClipRect(QRect(QPoint(0, 0), option.rect.size()));
        document.drawContents(painter);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(option.rect.width(), kRowHeight);
    }
};

} // namespace

QString SnippetHtml(const search::Snippet& snippet) {
    QString html;
    std::size_t at = 0;
    const auto plain = [&](std::size_t from, std::size_t to) {
        return QString::fromUtf8(snippet.text.substr(from, to - from)).toHtmlEscaped();
    };
    for (const search::Snippet::Mark& mark : snippet.marks) {
        html += plain(at, mark.begin);
        html += QStringLiteral("<b style=\"background:#FFD200;color:#000000\">") +
                plain(mark.begin, mark.end) + QStringLiteral("</b>");
        at = mark.end;
    }
    return html + plain(at, snippet.text.size());
}

TSearchResultList::TSearchResultList(std::function<QString(int node)> placeOf, QWidget* parent)
    : QListWidget(parent), m_placeOf(std::move(placeOf)) {
    setObjectName(QStringLiteral("SearchResults"));
    setAccessibleName(QString::fromUtf8("検索結果"));
    setItemDelegate(new TResultDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void TSearchResultList::Show(const std::vector<search::SearchResult>& results) {
    clear();
    m_results = results;
    for (const search::SearchResult& result : m_results) {
        const QString title =
            result.title.empty() ? QString::fromUtf8(result.page) : QString::fromUtf8(result.title);
        QString place = result.node >= 0 ? m_placeOf(result.node) : QString();
        if (place.isEmpty())
            place = QString::fromUtf8(result.page);
        auto* item = new QListWidgetItem(this);
        // The plain text is what a screen reader reads; the delegate draws the rich one.
        item->setText(title + QStringLiteral(" — ") + place + QStringLiteral(" — ") +
                      QString::fromUtf8(result.snippet.text));
        item->setData(kTitleRole, title);
        item->setData(kPlaceRole, place);
        item->setData(kSnippetRole, SnippetHtml(result.snippet));
    }
}

const search::SearchResult* TSearchResultList::ResultAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_results.size())
        return nullptr;
    return &m_results[static_cast<std::size_t>(row)];
}
