#pragma once

#include <QWidget>

// A label painted on the window's surface: transparent, centred text with "&" as the access-key
// mark, and no mouse input of its own, so that a press on it moves the window.
class TCaptionLabel final : public QWidget {
    Q_OBJECT
public:
    explicit TCaptionLabel(QWidget* parent = nullptr);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
};
