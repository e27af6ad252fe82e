#include "ui/search_result_list.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextDocument>

namespace {

constexpr int kTitleRole = Qt::UserRole;
constexpr int kPlaceRole = Qt::UserRole + 1;
constexpr int kSnippetRole = Qt::UserRole + 2;
constexpr int kMargin = 3;

// Draws a row as the title and the place in the tree, one line each and elided, and the snippet
// in two lines below them.
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
        const QColor text = selected ? QColor(0xFF, 0xFF, 0xFF) : QColor(0, 0, 0);
        const QColor place = selected ? QColor(0xE0, 0xF0, 0xE8) : QColor(0x55, 0x74, 0x68);
        const QRect area = option.rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
        const int line = option.fontMetrics.height();

        painter->save();
        painter->setClipRect(option.rect);
        QFont bold = option.font;
        bold.setBold(true);
        painter->setFont(bold);
        painter->setPen(text);
        painter->drawText(QRect(area.left(), area.top(), area.width(), line), Qt::AlignLeft,
                          QFontMetrics(bold).elidedText(index.data(kTitleRole).toString(),
                                                        Qt::ElideRight, area.width()));
        painter->setFont(option.font);
        painter->setPen(place);
        painter->drawText(QRect(area.left(), area.top() + line, area.width(), line), Qt::AlignLeft,
                          option.fontMetrics.elidedText(index.data(kPlaceRole).toString(),
                                                        Qt::ElideMiddle, area.width()));
        QTextDocument snippet;
        snippet.setDefaultFont(option.font);
        snippet.setDocumentMargin(0);
        snippet.setTextWidth(area.width());
        snippet.setHtml(QStringLiteral("<div style=\"color:%1\">%2</div>")
                            .arg(text.name(), index.data(kSnippetRole).toString()));
        painter->translate(area.left(), area.top() + 2 * line);
        painter->setClipRect(QRect(0, 0, area.width(), 2 * line));
        snippet.drawContents(painter);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(option.rect.width(), 4 * option.fontMetrics.height() + 2 * kMargin + 2);
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
