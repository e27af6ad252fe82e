#include "pageview/page_dialog.h"

#include <QDialogButtonBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPageDialog::TPageDialog(Kind kind, const QString& message, const QString& defaultText,
                         QWidget* pageView)
    : QDialog(pageView->window(), Qt::Dialog), m_pageView(pageView) {
    setObjectName(QStringLiteral("PageDialog"));
    setWindowTitle(QString::fromUtf8(kPageDialogCaption));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(message, this);
    text->setTextFormat(Qt::PlainText); // a page's text is shown as written, never as markup
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setMaximumWidth(420);
    layout->addWidget(text);
    if (kind == Kind::Prompt) {
        m_text = new QLineEdit(defaultText, this);
        layout->addWidget(m_text);
    }
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    if (kind != Kind::Alert)
        buttons->addButton(QString::fromUtf8("キャンセル"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool TPageDialog::Ask() {
    adjustSize();
    const QPoint centre = m_pageView->mapToGlobal(m_pageView->rect().center());
    move(centre - rect().center());
    QEventLoop answered;
    connect(this, &QDialog::finished, &answered, &QEventLoop::quit);
    show();
    raise();
    activateWindow();
    if (m_text)
        m_text->setFocus();
    if (isVisible())
        answered.exec();
    return result() == QDialog::Accepted;
}

QString TPageDialog::Text() const {
    return m_text ? m_text->text() : QString();
}

void TPageDialog::Dismiss() {
    reject();
}
