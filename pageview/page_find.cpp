#include "pageview/page_find.h"

#include "pageview/page_view.h"

#include <QMenu>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>
#include <QWebEngineView>

TPageFind::TPageFind(QWebEnginePage& page, QWebEngineView& view, TPageView& owner)
    : QObject(&page), m_page(page), m_view(view), m_owner(owner) {
    // The signal, not a callback per find: it cannot outlive this object, and a find that the
    // next one replaced still answers in turn.
    connect(&m_page, &QWebEnginePage::findTextFinished, this,
            [this](const QWebEngineFindTextResult& result) {
                if (m_owner.FindResult)
                    m_owner.FindResult(result.activeMatch(), result.numberOfMatches());
            });
    m_view.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_view, &QWidget::customContextMenuRequested, this, &TPageFind::ShowContextMenu);
}

void TPageFind::Find(const QString& text, bool backward) {
    if (text.isEmpty()) {
        // The engine takes the marks away; the answer is known without it.
        m_page.findText(QString());
        if (m_owner.FindResult)
            m_owner.FindResult(0, 0);
        return;
    }
    m_page.findText(text, backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

void TPageFind::ShowContextMenu(const QPoint& at) {
    QMenu* menu = m_view.createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    QAction* search = menu->addAction(QString::fromUtf8("このディスクを検索…"));
    search->setObjectName(QStringLiteral("SearchDiscAction"));
    connect(search, &QAction::triggered, this, [this] {
        if (m_owner.SearchDiscRequested)
            m_owner.SearchDiscRequested();
    });
    menu->popup(m_view.mapToGlobal(at));
}
