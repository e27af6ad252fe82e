// The CSS filter of the disc's browser, drawn. Its pages dim pictures with
// `filter: alpha(opacity=50)`, in a style sheet, a style attribute or from script
// (`el.style.filter = 'alpha(opacity=' + n + ')'`). Today's engine drops that value while it
// reads the page, so the layer reads the filter from the page's own text and draws the alpha as
// that opacity: the sheets' rules become opacity rules in a sheet of the layer's own, and a style
// attribute's or a script's filter becomes the element's own opacity. What it read is handed to
// the element's filters collection (filters.js) under a key of the layer's own.
(function () {
  'use strict';

  const nativeStyle = Object.getOwnPropertyDescriptor(HTMLElement.prototype, 'style');

  // --- the filter text ---

  // "alpha(opacity=50) blur(strength=3)" or "progid:DXImageTransform.Microsoft.Alpha(Opacity=50)":
  // each filter's name (lowered, without its progid prefix) and its parameters (keys lowered).
  function parse(text) {
    const filters = [];
    const pattern = /(?:progid\s*:\s*)?([\w.]+)\s*\(([^)]*)\)/gi;
    let match;
    while ((match = pattern.exec(String(text || ''))) !== null) {
      const params = {};
      for (const pair of match[2].split(',')) {
        const parts = pair.split('=');
        if (parts.length === 2)
          params[parts[0].trim().toLowerCase()] = parts[1].trim().replace(/^['"]|['"]$/g, '');
      }
      filters.push({name: match[1].split('.').pop().toLowerCase(), params: params});
    }
    return filters;
  }

  // The opacity (0 to 1) a filter text draws with: its alpha's, or fully opaque.
  function opacityOf(filters) {
    const alpha = filters.find(function (filter) {
      return filter.name === 'alpha';
    });
    if (!alpha || alpha.params.opacity === undefined)
      return 1;
    return Math.min(100, Math.max(0, Number(alpha.params.opacity) || 0)) / 100;
  }

  // The last filter declared in a block of declarations, or null.
  function declaredFilter(declarations) {
    const pattern = /(?:^|;)\s*filter\s*:\s*([^;]*)/gi;
    let value = null;
    let match;
    while ((match = pattern.exec(declarations)) !== null)
      value = match[1].trim();
    return value;
  }

  // --- style sheets ---

  // A sheet's rules that declare a filter, as rules of the opacity it draws with; other
  // at-rules are left out, @media keeps its rules. The browser's own parser has dropped the
  // filter, so its text is read here, only as far as finding selectors and blocks takes. Each
  // rule's selector and filter are also kept in `declared`.
  function opacityRules(css, declared) {
    const text = css.replace(/\/\*[\s\S]*?\*\//g, '').replace(/<!--|-->/g, '');
    let rules = '';
    let at = 0;
    while (at < text.length) {
      const open = text.indexOf('{', at);
      if (open < 0)
        break;
      const prelude = text.slice(at, open).split(';').pop().trim();
      const close = blockEnd(text, open);
      const body = text.slice(open + 1, close);
      if (/^@media/i.test(prelude)) {
        const inner = opacityRules(body, declared);
        if (inner)
          rules += prelude + '{' + inner + '}';
      } else if (prelude && prelude[0] !== '@') {
        const filter = declaredFilter(body);
        if (filter !== null) {
          rules += prelude + '{opacity:' + opacityOf(parse(filter)) + '}';
          declared.push({selector: prelude, filter: filter});
        }
      }
      at = close + 1;
    }
    return rules;
  }

  function blockEnd(text, open) {
    let depth = 0;
    for (let i = open; i < text.length; ++i) {
      if (text[i] === '{')
        ++depth;
      else if (text[i] === '}' && --depth === 0)
        return i;
    }
    return text.length;
  }

  const linkedText = new Map(); // a linked sheet's address: its text once read
  let layerSheet = null;
  let sheetFilters = []; // each sheet rule's selector and filter, in the page's order

  function sheetText(source) {
    if (source.tagName === 'STYLE')
      return source.textContent;
    const address = source.href;
    if (!linkedText.has(address)) {
      linkedText.set(address, '');
      const request = new XMLHttpRequest();
      request.open('GET', address);
      request.onload = function () {
        linkedText.set(address, request.responseText || '');
        if (/filter/i.test(request.responseText))
          drawSheets();
      };
      request.send();
    }
    return linkedText.get(address);
  }

  // The opacity rules of every sheet of the page, in the page's order, in a sheet of the
  // layer's own that comes after them. A page with no alpha in any sheet gets no such sheet.
  let sourcesRead = -1; // how many sheets the page had when they were last read

  function drawSheets() {
    let rules = '';
    const declared = [];
    const sources = document.querySelectorAll('style, link[rel~="stylesheet" i]');
    sourcesRead = sources.length;
    for (const source of sources) {
      const css = sheetText(source);
      if (/filter/i.test(css))
        rules += opacityRules(css, declared);
    }
    sheetFilters = declared;
    if (!layerSheet && !/opacity:(?!1\})/.test(rules))
      return;
    if (!layerSheet) {
      layerSheet = new CSSStyleSheet();
      document.adoptedStyleSheets = document.adoptedStyleSheets.concat([layerSheet]);
    }
    layerSheet.replaceSync(rules);
  }

  // --- an element's own filter ---

  const ownFilter = new WeakMap(); // element: the filter text of its style, as the page wrote it
  const drawnAlpha = new WeakMap(); // element: the alpha opacity (0–100) set on it, if any

  // The filter of the element's style; read from its style attribute the first time, and drawn.
  function styleFilterOf(element) {
    if (!ownFilter.has(element)) {
      const text = declaredFilter(element.getAttribute('style') || '') || '';
      ownFilter.set(element, text);
      if (text)
        draw(element, text);
    }
    return ownFilter.get(element);
  }

  function setStyleFilter(element, text) {
    ownFilter.set(element, String(text));
    draw(element, String(text));
  }

  // An alpha becomes the element's opacity; a filter without one takes away only an opacity that
  // an alpha gave, and leaves the style attribute as the page wrote it otherwise.
  function draw(element, text) {
    const filters = parse(text);
    const alpha = filters.some(function (filter) {
      return filter.name === 'alpha';
    });
    if (alpha) {
      drawnAlpha.set(element, opacityOf(filters) * 100);
      nativeStyle.get.call(element).opacity = String(opacityOf(filters));
    } else if (drawnAlpha.has(element)) {
      drawnAlpha.delete(element);
      nativeStyle.get.call(element).opacity = '';
    }
  }

  // The filters of the page's style attributes are read when the page has been parsed, and
  // before that when a script first reaches an element's style (which would write the attribute
  // again without the filter).
  function takeStyleAttributes() {
    for (const element of document.querySelectorAll('[style*="filter" i]'))
      styleFilterOf(element);
  }

  // The sheets are read when the body begins, before any of it is drawn or any of its scripts
  // runs (the head is complete then), and again when the page has been parsed. Only the top two
  // levels of the document are watched, so the parser adds the body at no cost. The first report
  // may come when the body is already there: the parser tells only before its next script.
  new MutationObserver(function (records, observer) {
    if (document.body) {
      observer.disconnect();
      drawSheets();
    } else if (document.documentElement) {
      observer.observe(document.documentElement, {childList: true});
    }
  }).observe(document, {childList: true});
  document.addEventListener('DOMContentLoaded', function () {
    drawSheets();
    takeStyleAttributes();
  });

  // The element's style with that browser's filter: reading and writing `filter` (and
  // `cssText`) go through the layer, everything else to the style itself.
  const styles = new WeakMap();
  Object.defineProperty(HTMLElement.prototype, 'style', {
    get: function () {
      const element = this;
      styleFilterOf(element);
      const style = nativeStyle.get.call(element);
      let wrapped = styles.get(style);
      if (!wrapped) {
        wrapped = new Proxy(style, {
          get: function (target, key) {
            if (key === 'filter')
              return styleFilterOf(element);
            const value = Reflect.get(target, key, target);
            return typeof value === 'function' ? value.bind(target) : value;
          },
          set: function (target, key, value) {
            if (key === 'filter') {
              setStyleFilter(element, value);
              return true;
            }
            const done = Reflect.set(target, key, value, target);
            // cssText replaces the filter too; a page that never had one keeps its opacity.
            if (key === 'cssText') {
              const filter = declaredFilter(String(value));
              if (filter !== null || ownFilter.get(element))
                setStyleFilter(element, filter || '');
            }
            return done;
          }
        });
        styles.set(style, wrapped);
      }
      return wrapped;
    },
    set: function (value) {
      this.style.cssText = value;
    },
    configurable: true,
    enumerable: true
  });

  // The filter that applies to the element: its style's, or else the last sheet rule's that
  // matches it (in the sheets' order; which selector is the more specific is not weighed).
  function filterTextOf(element) {
    const own = styleFilterOf(element);
    if (own)
      return own;
    // A script in the body asks before the page has been parsed.
    if (document.querySelectorAll('style, link[rel~="stylesheet" i]').length !== sourcesRead)
      drawSheets();
    for (let i = sheetFilters.length - 1; i >= 0; --i) {
      try {
        if (element.matches(sheetFilters[i].selector))
          return sheetFilters[i].filter;
      } catch (error) {
        // a selector of that browser's own that today's engine does not read
      }
    }
    return '';
  }

  // For filters.js: what applies to an element, and its own alpha.
  Object.defineProperty(window, Symbol.for('quilcd.era.filters'), {
    value: {
      parse: parse,
      filterTextOf: filterTextOf,
      drawnAlpha: drawnAlpha,
      setOpacity: function (element, opacity) {
        nativeStyle.get.call(element).opacity = opacity;
      }
    }
  });
})();
