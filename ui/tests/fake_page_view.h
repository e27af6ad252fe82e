#pragma once

#include "pageview/page_view.h"

#include <QUrl>
#include <QWidget>

#include <stdexcept>
#include <vector>

// A page view without an engine: it records what the window asks of it and, like the real one,
// reports before-navigate and then download-begin for each navigation it is asked for.
class FakePageView final : public TPageView {
public:
    explicit FakePageView(std::vector<QUrl>* navigations, int* backs)
        : m_widget(new QWidget), m_navigations(navigations), m_backs(backs) {
        m_widget->setObjectName(QStringLiteral("WebBrowser"));
    }

    QWidget* Widget() override { return m_widget; }
    void Navigate(const QUrl& url) override {
        if (failNavigate)
            throw std::runtime_error("navigation refused");
        m_navigations->push_back(url);
        if (BeforeNavigate)
            BeforeNavigate(url);
        if (DownloadBegin)
            DownloadBegin();
    }
    void GoBack() override {
        ++*m_backs;
        if (failBack)
            throw std::runtime_error("no earlier page");
    }

    bool failNavigate = false;
    bool failBack = false;

private:
    QWidget* m_widget; // owned by the window once it is placed there
    std::vector<QUrl>* m_navigations;
    int* m_backs;
};
