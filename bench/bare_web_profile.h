#pragma once

class QObject;
class QWebEngineProfile;

// The floor the page-view benchmarks compare against: an off-the-record profile set up like the
// program's own (memory cache, no kept cookies, the same page settings) but with nothing of the
// program around it: no request guard, no download handling.
QWebEngineProfile* MakeBareProfile(QObject* parent);
