#pragma once

#include "ui/show_exception.h"
#include "ui/unit1.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string>

// The state the whole program shares (ui/unit1.h), set for a disc as the program's start-up sets
// it and released as its shutdown does, so that each window test starts from the same state
// whatever ran before it. The error reports go into a list of the test's instead of a message
// box (nowhere when it gives none). It must outlive the window made on it.
class SharedStateScope final {
public:
    SharedStateScope(const std::string& programDir, const std::string& htmlDir,
                     QStringList* reports = nullptr) {
        ProgramDir = programDir;
        HtmlDir = htmlDir;
        HtmlList = std::make_unique<content::StringList>();
        ButtonList = std::make_unique<content::StringList>();
        ButtonTargets = {};
        NavFromBrowser = false;
        SetErrorReportSinkForTesting([reports](const QString& text) {
            if (reports)
                *reports << text;
        });
    }
    ~SharedStateScope() {
        SetErrorReportSinkForTesting(nullptr);
        HtmlList.reset();
        ButtonList.reset();
        ButtonTargets = {};
        HtmlDir.clear();
        ProgramDir.clear();
    }
    SharedStateScope(const SharedStateScope&) = delete;
    SharedStateScope& operator=(const SharedStateScope&) = delete;
};
