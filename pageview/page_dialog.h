#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// The caption of a page's dialogs: they speak for the page, not for the program, whose own
// reports carry the application's title.
inline constexpr const char* kPageDialogCaption = "ページからのメッセージ";

// One alert, confirm or prompt of a disc page: a small window of its own over the page view. It
// is not modal: while it waits for its answer the tree, Back, the launch buttons and Quit of the
// window stay usable.
class TPageDialog final : public QDialog {
public:
    enum class Kind { Alert, Confirm, Prompt };

    // `pageView` is the view the page is shown in; the dialog stands over it, and goes with its
    // window.
    TPageDialog(Kind kind, const QString& message, const QString& defaultText, QWidget* pageView);

    // Shows the dialog and runs the application's events until it is answered or dismissed;
    // true when the reader chose OK.
    bool Ask();
    // What the reader typed into a prompt.
    QString Text() const;
    // Ends the dialog as if the reader had chosen Cancel (an alert's only answer is OK, and the
    // page takes it as such).
    void Dismiss();

private:
    QWidget* m_pageView;
    QLineEdit* m_text = nullptr;
};
