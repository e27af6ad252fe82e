#pragma once

#include <exception>
#include <functional>

class QString;

// The general error report, the one place every failure that no handler guards goes: any mouse
// capture is cancelled, then a modal box with the error icon and an OK button, captioned with
// the application title, shows the error's text by the full-stop rule. The program carries on.
void ShowException(const std::exception& error);

// Runs a handler and sends what escapes it to the general error report, so that no exception
// ever crosses Qt's event loop.
void ReportFailures(const std::function<void()>& handler);

// Replaces the modal box, for tests that must not block: receives the text the box would show.
void SetErrorReportSinkForTesting(std::function<void(const QString&)> sink);
