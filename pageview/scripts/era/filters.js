// The filters collection of the disc's browser: pages fade pictures in rollovers through
// `el.filters.alpha.opacity` or `el.filters.item('alpha')`, and play the two transitions
// (`filters.blendTrans.Apply(); img.src = next; filters.blendTrans.Play()`). The alpha is drawn
// as the element's opacity (filter_drawing.js reads what the page's sheets and styles declare);
// the other filters of the time (blur, glow, shadow…) draw nothing but answer as they did, and
// the transitions fade the element in when played.
(function () {
  'use strict';

  const drawing = window[Symbol.for('quilcd.era.filters')];
  // What each filter of the time does here; any other name answers as a plain filter.
  const kinds = {alpha: 'alpha', blendtrans: 'transition', revealtrans: 'transition'};

  function alphaFilter(element, params) {
    return {
      get opacity() {
        if (drawing.drawnAlpha.has(element))
          return drawing.drawnAlpha.get(element);
        return Math.round(Number(getComputedStyle(element).opacity) * 100);
      },
      set opacity(value) {
        const opacity = Math.min(100, Math.max(0, Number(value) || 0));
        drawing.drawnAlpha.set(element, opacity);
        if (this.enabled)
          drawing.setOpacity(element, String(opacity / 100));
      },
      get enabled() {
        return params.enabled !== 'false' && params.enabled !== '0';
      },
      set enabled(value) {
        params.enabled = value ? 'true' : 'false';
        drawing.setOpacity(element, value ? String(this.opacity / 100) : '1');
      },
      style: Number(params.style) || 0,
      finishOpacity: Number(params.finishopacity) || 0
    };
  }

  // Played, the element fades in from nothing to how it looks now, over the filter's duration.
  function transitionFilter(element, params) {
    const filter = {
      duration: Number(params.duration) || 1,
      transition: Number(params.transition) || 0,
      status: 0,
      enabled: true,
      Apply: function () {},
      Play: function (duration) {
        const seconds = duration === undefined ? filter.duration : Number(duration) || 0;
        filter.status = 2;
        const fade = element.animate(
            {opacity: [0, getComputedStyle(element).opacity]}, {duration: seconds * 1000});
        fade.onfinish = function () {
          filter.status = 0;
          element.dispatchEvent(new Event('filterchange'));
          if (typeof element.onfilterchange === 'function')
            element.onfilterchange(window.event);
        };
      },
      Stop: function () {
        filter.status = 0;
        for (const animation of element.getAnimations())
          animation.finish();
      }
    };
    return filter;
  }

  function plainFilter(params) {
    const filter = {enabled: true, Apply: function () {}, Play: function () {},
                    Stop: function () {}};
    for (const key of Object.keys(params))
      filter[key] = isNaN(params[key]) ? params[key] : Number(params[key]);
    return filter;
  }

  const made = new WeakMap(); // element: its filter objects by name

  function filterOf(element, name) {
    const key = String(name).split('.').pop().toLowerCase();
    let byName = made.get(element);
    if (!byName) {
      byName = new Map();
      made.set(element, byName);
    }
    if (!byName.has(key)) {
      const declared = drawing.parse(drawing.filterTextOf(element)).find(function (filter) {
        return filter.name === key;
      });
      const params = declared ? declared.params : {};
      const kind = kinds[key];
      byName.set(key, kind === 'alpha'        ? alphaFilter(element, params)
                      : kind === 'transition' ? transitionFilter(element, params)
                                              : plainFilter(params));
    }
    return byName.get(key);
  }

  // Every name reaches a filter object, so that a script never stops on a filter the element
  // lacks; indexes and length count the filters that apply to it.
  function filtersOf(element) {
    const listed = function () {
      return drawing.parse(drawing.filterTextOf(element));
    };
    const item = function (which) {
      if (typeof which === 'number') {
        const filter = listed()[which];
        return filter ? filterOf(element, filter.name) : null;
      }
      return filterOf(element, which);
    };
    return new Proxy({}, {
      get: function (target, key) {
        if (typeof key === 'symbol')
          return undefined;
        if (key === 'length')
          return listed().length;
        if (key === 'item')
          return item;
        return /^\d+$/.test(key) ? item(Number(key)) : filterOf(element, key);
      }
    });
  }

  const collections = new WeakMap();
  Object.defineProperty(HTMLElement.prototype, 'filters', {
    get: function () {
      if (!collections.has(this))
        collections.set(this, filtersOf(this));
      return collections.get(this);
    },
    configurable: true
  });
})();
