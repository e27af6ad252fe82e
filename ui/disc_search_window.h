#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QTimer;
class TDiscSearchSession;
class TSearchResultList;
namespace search {
struct SearchOutcome;
}

// Search the disc: a window beside the main window with a field, the state of the search and the
// results. Results come as the reader types, after a short pause. The keyboard does it all: Down
// and Up go through the results (from the field too), Enter chooses one, Esc closes the window.
// The first time it opens, the disc's pages are read in the background while the window stays
// usable, with their count shown.
class TDiscSearchWindow final : public QWidget {
    Q_OBJECT
public:
    // The pause after the last key before the words are searched.
    static constexpr int kPauseMs = 300;

    // placeOf: the place in the tree of an entry.
    TDiscSearchWindow(std::unique_ptr<TDiscSearchSession> session,
                      std::function<QString(int node)> placeOf, QWidget* mainWindow);
    ~TDiscSearchWindow() override;

    // Shows the window beside the main window, the field focused, its words selected.
    void Open();
    QString StatusText() const;
    int ResultCount() const;

signals:
    // The reader chose a result: its entry (-1: only links reach it), its page from the content
    // directory, and the first word found as the page writes it.
    void ResultChosen(int node, const std::string& page, const QString& wordAsWritten);
    // The pause after typing has ended and the words are on their way to the search.
    void SearchStarted();
    // A search's results are shown.
    void ResultsShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SearchNow();
    void ShowAnswer(int number, const search::SearchOutcome& outcome);
    void Choose(int row);
    void MoveBy(int rows);
    void PlaceBesideMainWindow();

    QWidget* m_mainWindow;
    std::unique_ptr<TDiscSearchSession> m_session;
    QLineEdit* m_field;
    QLabel* m_status;
    TSearchResultList* m_results;
    QTimer* m_pause;
    int m_asked = 0;       // the number of the newest query sent
    bool m_placed = false; // placed beside the main window once; the reader may move it then
};
