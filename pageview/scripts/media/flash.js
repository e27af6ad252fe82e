// Flash movies on a disc page play in the program's own Flash player (Ruffle's web build, served
// by the program under quilcd-player://, never fetched from the web). Only a page that holds a
// movie loads it: the player takes over both forms of the day, the <embed> and the <object> with
// its "movie" parameter (and the <embed> it holds for other browsers: one movie, not two), at
// the size the page gave them.
(function () {
  'use strict';
  var playerBase = 'quilcd-player://ruffle/';

  // The engine's fetch() reads no address of a scheme of the program's own, while its
  // XMLHttpRequest does; the player loads its WebAssembly and fonts with fetch(). Those loads go
  // through XMLHttpRequest and come back as a real Response. Every other address (the disc's
  // movies among them) goes to the engine's own fetch, and so through the disc's request guard.
  function fetchThroughRequests() {
    var engineFetch = window.fetch;
    var fetchable = /^(https?|file|data|blob):$/i;
    window.fetch = function (input, init) {
      var address = input instanceof Request ? input.url : String(input);
      var url;
      try {
        url = new URL(address, document.baseURI);
      } catch (e) {
        return engineFetch.apply(this, arguments);
      }
      if (fetchable.test(url.protocol))
        return engineFetch.apply(this, arguments);
      return new Promise(function (resolve, reject) {
        var request = new XMLHttpRequest();
        request.open('GET', url.href);
        request.responseType = 'arraybuffer';
        request.onload = function () {
          resolve(new Response(request.response, {
            status: 200,
            headers: {'Content-Type': request.getResponseHeader('Content-Type') || ''}
          }));
        };
        request.onerror = function () { reject(new TypeError('Failed to fetch ' + url.href)); };
        request.send();
      });
    };
  }

  var loading = false;

  function loadPlayer() {
    if (loading)
      return;
    var elements = document.querySelectorAll('object, embed');
    var found = false;
    for (var i = 0; i < elements.length && !found; i++)
      found = oldMediaKinds.kind(elements[i]) === 'flash';
    if (!found)
      return;
    loading = true;
    fetchThroughRequests();
    // For a reader, not a developer: the movie plays at once, with its sound, without the
    // player's splash, overlays, menus that lead to the web, or messages about its version.
    window.RufflePlayer = window.RufflePlayer || {};
    window.RufflePlayer.config = {
      publicPath: playerBase,
      polyfills: true,
      autoplay: 'on',
      unmuteOverlay: 'hidden',
      splashScreen: false,
      contextMenu: 'off',
      showSwfDownload: false,
      warnOnUnsupportedContent: false,
      favorFlash: false,
      allowFullscreen: false,
      logLevel: 'error',
      // A movie's links (getURL) are the page's links: the view's rules decide where they go.
      openUrlMode: 'allow',
      // Device text (the movie names a system font) is drawn with the system's Japanese font.
      fontSources: ['quilcd-player://fonts/gothic'],
      defaultFonts: {
        sans: ['IPAPGothic'], serif: ['IPAPGothic'], typewriter: ['IPAPGothic'],
        japaneseGothic: ['IPAPGothic'], japaneseGothicMono: ['IPAPGothic'],
        japaneseMincho: ['IPAPGothic']
      }
    };
    var script = document.createElement('script');
    script.src = playerBase + 'ruffle.js';
    (document.head || document.documentElement).appendChild(script);
  }

  // Pages wrote their movies while they were read, or put them in when they had loaded; once a
  // player is there it takes over every movie that comes later.
  document.addEventListener('DOMContentLoaded', loadPlayer, {once: true});
  window.addEventListener('load', loadPlayer, {once: true});
})();
