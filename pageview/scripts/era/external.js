// window.external of the disc's browser: "add this page to your favourites" and "make this your
// home page" buttons. Nothing here can change the reader's browser, and neither holds the page
// with a question: both do nothing and return, as when the reader says no.
(function () {
  'use strict';

  const external = window.external || {};
  const nothing = function () {};
  for (const name of ['AddFavorite', 'AddChannel', 'AddDesktopComponent', 'NavigateAndFind',
                      'ShowBrowserUI', 'AutoCompleteSaveForm'])
    if (typeof external[name] !== 'function')
      Object.defineProperty(external, name, {value: nothing, configurable: true, writable: true});
  Object.defineProperty(external, 'IsSubscribed', {
    value: function () {
      return false;
    },
    configurable: true,
    writable: true
  });

  // The home-page behaviour: `el.style.behavior = 'url(#default#homepage)'; el.setHomePage(url)`.
  Object.defineProperty(Element.prototype, 'setHomePage',
                        {value: nothing, configurable: true, writable: true});
  Object.defineProperty(Element.prototype, 'isHomePage', {
    value: function () {
      return false;
    },
    configurable: true,
    writable: true
  });
})();
