#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

// Find in the page: a small black strip over the bottom of the page view, as the launch strip
// below it is drawn, with a field, the count of places found ("3/12") and previous/next. Typing
// finds at once; Enter and F3 go to the next place, Shift+Enter and Shift+F3 to the one before,
// Esc closes the bar and takes the marks away. The field takes text from the desktop's input
// method (Qt's own support, left on). The bar only asks: the window hands its questions to the
// page view and the answers back.
class TFindBar final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 28;

    // `view` is the page view's widget: the bar lies over its bottom edge and follows it.
    TFindBar(QWidget* view, QWidget* parent);

    // Shows the bar with the field focused and its text selected; with a text, finds it anew.
    void Open(const QString& text = QString());
    void Close();
    QString Text() const;
    // Finds the field's text again, forward or backward; nothing when the field is empty.
    void FindAgain(bool backward);
    // The engine's answer: the place shown (from 1) and how many there are.
    void ShowResult(int active, int count);
    QString CountText() const;

signals:
    // The text to find (empty: take the marks away), forward or backward.
    void Find(const QString& text, bool backward);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowView();

    QWidget* m_view;
    QLineEdit* m_field;
    QLabel* m_count;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_close;
};
