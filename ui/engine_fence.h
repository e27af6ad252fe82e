#pragma once

// Included first into every file of the window. The window reaches the HTML engine only through
// the page view library (TPageView and the engine-free headers of pageview/): a window file that
// names one of the engine's classes does not build, whichever way it includes the engine.
#if defined(__GNUC__)
#pragma GCC poison QWebEngineCertificateError QWebEngineClientCertificateSelection
#pragma GCC poison QWebEngineClientCertificateStore QWebEngineContextMenuRequest
#pragma GCC poison QWebEngineCookieStore QWebEngineDownloadRequest
#pragma GCC poison QWebEngineFileSystemAccessRequest QWebEngineFindTextResult
#pragma GCC poison QWebEngineFullScreenRequest QWebEngineHistory QWebEngineHistoryItem
#pragma GCC poison QWebEngineHistoryModel QWebEngineHttpRequest QWebEngineLoadingInfo
#pragma GCC poison QWebEngineNavigationRequest QWebEngineNewWindowRequest
#pragma GCC poison QWebEngineNotification QWebEnginePage QWebEngineProfile
#pragma GCC poison QWebEngineQuotaRequest QWebEngineRegisterProtocolHandlerRequest
#pragma GCC poison QWebEngineScript QWebEngineScriptCollection QWebEngineSettings
#pragma GCC poison QWebEngineUrlRequestInfo QWebEngineUrlRequestInterceptor
#pragma GCC poison QWebEngineUrlRequestJob QWebEngineUrlScheme QWebEngineUrlSchemeHandler
#pragma GCC poison QWebEngineView
#endif
