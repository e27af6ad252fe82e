// document.all as the disc's browser had it: a collection of every element that tests true, so
// that `if (document.all)` takes the branch the page was written for. Today's engine keeps a
// document.all that tests false on purpose (to send such pages down their other branch), so it is
// replaced by a callable stand-in: indexed (`all[3]`), named by id or name (`all.menu`,
// `all['menu']`, a collection when several share the name), `all.item(name, index)`,
// `all.tags('div')`, `all.length` and the call form `all('menu')`. It looks the elements up at
// each use, so it follows the document as scripts change it. Elements get their own `all`, of the
// elements inside them.
(function () {
  'use strict';

  // Names the collection answers itself; any other name is looked up among the elements.
  const ownNames = new Set(['item', 'namedItem', 'tags', 'length', 'toString', 'valueOf', 'urns']);

  function elementsOf(root) {
    return root.getElementsByTagName('*');
  }

  // The elements whose id or name is `name`, in document order.
  function named(root, name) {
    const text = CSS.escape(String(name));
    return root.querySelectorAll('[id="' + text + '"],[name="' + text + '"]');
  }

  // What a name or index reaches: an element, a collection of elements sharing a name, or
  // nothing (undefined, as a missing property reads).
  function lookUp(root, name, index) {
    if (typeof name === 'number' || /^\d+$/.test(String(name)))
      return elementsOf(root)[Number(name)] || undefined;
    const found = named(root, name);
    if (index !== undefined)
      return found[index] || undefined;
    if (found.length === 0)
      return undefined;
    return found.length === 1 ? found[0] : collectionOf(found);
  }

  // A fixed list of elements as that browser handed them back: indexed, with item() and length.
  function collectionOf(list) {
    const elements = Array.prototype.slice.call(list);
    elements.item = function (index) {
      return elements[index] === undefined ? null : elements[index];
    };
    elements.tags = function (tag) {
      const wanted = String(tag).toUpperCase();
      return collectionOf(elements.filter(function (element) {
        return element.tagName === wanted;
      }));
    };
    return elements;
  }

  function allOf(root) {
    const methods = {
      item: function (name, index) {
        const found = lookUp(root, name, index);
        return found === undefined ? null : found;
      },
      namedItem: function (name) {
        const found = lookUp(root, name);
        return found === undefined ? null : found;
      },
      tags: function (tag) {
        return root.getElementsByTagName(String(tag));
      },
      urns: function () {
        return collectionOf([]);
      },
      toString: function () {
        return '[object]';
      },
      valueOf: function () {
        return proxy;
      }
    };
    // A function as the target makes the call form work; typeof reads "function".
    const proxy = new Proxy(function () {}, {
      apply: function (target, self, args) {
        return methods.item(args[0], args[1]);
      },
      get: function (target, key) {
        if (key === Symbol.iterator)
          return function () {
            return Array.prototype.values.call(elementsOf(root));
          };
        if (typeof key === 'symbol')
          return undefined;
        if (key === 'length')
          return elementsOf(root).length;
        if (ownNames.has(key))
          return methods[key];
        return lookUp(root, key);
      },
      has: function (target, key) {
        return typeof key === 'string' && (ownNames.has(key) || lookUp(root, key) !== undefined);
      },
      set: function () {
        return true; // the collection cannot be written to; the write is dropped, as it was then
      }
    });
    return proxy;
  }

  // One collection per document or element, so that document.all === document.all.
  const collections = new WeakMap();
  function collectionFor(root) {
    let all = collections.get(root);
    if (!all) {
      all = allOf(root);
      collections.set(root, all);
    }
    return all;
  }

  Object.defineProperty(Document.prototype, 'all', {
    get: function () {
      return collectionFor(this);
    },
    configurable: true,
    enumerable: true
  });
  Object.defineProperty(Element.prototype, 'all', {
    get: function () {
      return collectionFor(this);
    },
    configurable: true
  });
})();
