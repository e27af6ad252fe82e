// The style interfaces of the disc's browser that today's engine lacks: the numeric sides
// (`style.pixelLeft += 4` in an animation, `posTop` in the value's own unit) and an element's
// currentStyle (what applies to it) and runtimeStyle (here its own style).
(function () {
  'use strict';

  // CSS pixels in one of each absolute unit.
  const pixelsPer = {px: 1, pt: 96 / 72, pc: 16, in: 96, cm: 96 / 2.54, mm: 96 / 25.4};
  const sides = {Left: 'left', Top: 'top', Width: 'width', Height: 'height', Right: 'right',
                 Bottom: 'bottom'};

  function split(value) {
    const match = /^\s*(-?[\d.]+)\s*([a-z%]*)/i.exec(String(value));
    return match ? {number: parseFloat(match[1]), unit: match[2].toLowerCase()} : null;
  }

  // The side in whole pixels: 0 when unset or "auto"; a relative unit (em, %) counts as pixels.
  function pixels(value) {
    const parts = split(value);
    if (!parts)
      return 0;
    return Math.trunc(parts.number * (pixelsPer[parts.unit || 'px'] || 1));
  }

  function define(name, get, set) {
    Object.defineProperty(CSSStyleDeclaration.prototype, name,
                          {get: get, set: set, configurable: true});
  }

  for (const suffix of Object.keys(sides)) {
    const property = sides[suffix];
    define('pixel' + suffix, function () {
      return pixels(this[property]);
    }, function (value) {
      this[property] = Math.trunc(Number(value) || 0) + 'px';
    });
    // In the unit the value is written in; a number alone is written in pixels.
    define('pos' + suffix, function () {
      const parts = split(this[property]);
      return parts ? parts.number : 0;
    }, function (value) {
      const parts = split(this[property]);
      this[property] = (Number(value) || 0) + (parts && parts.unit ? parts.unit : 'px');
    });
  }

  Object.defineProperty(Element.prototype, 'currentStyle', {
    get: function () {
      return getComputedStyle(this);
    },
    configurable: true
  });
  // That browser's runtimeStyle went above the element's own style; a page that sets it sees
  // the same as through its style.
  Object.defineProperty(HTMLElement.prototype, 'runtimeStyle', {
    get: function () {
      return this.style;
    },
    configurable: true
  });
})();
