// A disc page asks which browser it runs in and takes its branch by the answer: it was written
// for version 5 of the Windows browser of 1999, on Windows 98, and tested there alone.
(function () {
  'use strict';
  var identity = {
    appName: 'Microsoft Internet Explorer',
    appVersion: '4.0 (compatible; MSIE 5.01; Windows 98)',
    userAgent: 'Mozilla/4.0 (compatible; MSIE 5.01; Windows 98)',
    platform: 'Win32',
    appCodeName: 'Mozilla',
    appMinorVersion: ';SP1;',
    browserLanguage: 'ja',
    systemLanguage: 'ja',
    userLanguage: 'ja',
    cpuClass: 'x86',
    // Names that browser did not have, and that a later page's test takes for another browser.
    product: undefined,
    productSub: undefined,
    vendor: undefined,
    vendorSub: undefined
  };
  Object.keys(identity).forEach(function (name) {
    Object.defineProperty(Navigator.prototype, name, {
      get: function () { return identity[name]; },
      configurable: true
    });
  });
})();
