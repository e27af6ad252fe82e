// Built only by the fence's test, which expects it not to build.
#include <QWebEngineView>

QWebEngineView* ProbeView(QWidget* parent) {
    return new QWebEngineView(parent);
}
