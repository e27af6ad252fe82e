// `<script for="btn" event="onclick">…</script>`: the disc's browser ran such a script as the
// handler of that event on the element of that id or name (on each of them when several share
// it), or on the window or the document. Today's engine runs none of them (only for="window"
// event="onload", at once, which is left to it); they are bound here once the document is parsed,
// before the page's own handlers for that moment run.
(function () {
  'use strict';

  function isScript(element) {
    const language = (element.getAttribute('language') || '').toLowerCase();
    const type = (element.getAttribute('type') || '').toLowerCase();
    return !/vbs/.test(language) && !/vbs/.test(type);
  }

  function targetsOf(name) {
    const lowered = name.toLowerCase();
    if (lowered === 'window')
      return [window];
    if (lowered === 'document')
      return [document];
    const text = CSS.escape(name);
    return Array.from(document.querySelectorAll('[id="' + text + '"],[name="' + text + '"]'));
  }

  function bind(script) {
    const name = script.getAttribute('for').trim();
    // "onclick" and "onclick()" alike.
    const type = script.getAttribute('event').trim().replace(/\(.*$/, '').toLowerCase()
                     .replace(/^on/, '');
    if (!name || !type || (name.toLowerCase() === 'window' && type === 'load'))
      return;
    let handler;
    try {
      handler = new Function('event', script.text);
    } catch (error) {
      console.error(error); // as a script that does not compile is told
      return;
    }
    for (const target of targetsOf(name))
      target.addEventListener(type, function (event) {
        return handler.call(window, event);
      });
  }

  document.addEventListener('DOMContentLoaded', function () {
    for (const script of document.querySelectorAll('script[for][event]'))
      if (isScript(script))
        bind(script);
  });
})();
