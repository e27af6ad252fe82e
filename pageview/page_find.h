#pragma once

#include <QObject>
#include <QString>

class QWebEnginePage;
class QWebEngineView;
class TPageView;

// Finding words for a page view. The engine's find marks every place the text stands, in the
// frames too, and each answer (the place shown, how many) goes to the view's FindResult. The
// page's context menu gets "このディスクを検索…" below the engine's own entries, which reports
// SearchDiscRequested. Deleting this object ends both reports.
class TPageFind final : public QObject {
public:
    TPageFind(QWebEnginePage& page, QWebEngineView& view, TPageView& owner);
    void Find(const QString& text, bool backward);

private:
    void ShowContextMenu(const QPoint& at);

    QWebEnginePage& m_page;
    QWebEngineView& m_view;
    TPageView& m_owner;
};
