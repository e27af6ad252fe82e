// The event interfaces of the disc's browser: attachEvent and detachEvent on elements, the
// document and the window, fireEvent, document.createEventObject, its numbering of the mouse
// buttons and the capture calls of a drag. Today's engine already has
// that browser's window.event, srcElement, returnValue, cancelBubble, keyCode, x and y and
// offsetX and offsetY, so a handler attached here finds them as it did then.
(function () {
  'use strict';

  // The kind of event each name makes when a script fires it, and whether it bubbles; a name not
  // listed makes a plain event that bubbles.
  const kinds = {
    click: [MouseEvent, true],
    dblclick: [MouseEvent, true],
    mousedown: [MouseEvent, true],
    mouseup: [MouseEvent, true],
    mouseover: [MouseEvent, true],
    mouseout: [MouseEvent, true],
    mousemove: [MouseEvent, true],
    contextmenu: [MouseEvent, true],
    keydown: [KeyboardEvent, true],
    keyup: [KeyboardEvent, true],
    keypress: [KeyboardEvent, true],
    focus: [FocusEvent, false],
    blur: [FocusEvent, false],
    load: [Event, false],
    unload: [Event, false],
    resize: [Event, false],
    scroll: [Event, false],
    mouseenter: [MouseEvent, false],
    mouseleave: [MouseEvent, false]
  };

  // The handlers attached to each target, by event type, with the listener that calls each.
  const attached = new WeakMap();

  function typeOf(name) {
    return String(name).toLowerCase().replace(/^on/, '');
  }

  // `attachEvent('onload', f)` called by itself is the window's.
  function targetOf(self) {
    return self === undefined || self === null ? window : self;
  }

  function listenersOf(target, type) {
    let byType = attached.get(target);
    if (!byType) {
      byType = new Map();
      attached.set(target, byType);
    }
    if (!byType.has(type))
      byType.set(type, new Map());
    return byType.get(type);
  }

  // A handler attached this way runs with `this` as the window and the event as its argument,
  // as that browser ran it; attaching the same handler twice attaches it once.
  function attachEvent(name, handler) {
    if (typeof handler !== 'function')
      return false;
    const target = targetOf(this);
    const listeners = listenersOf(target, typeOf(name));
    if (!listeners.has(handler)) {
      const listener = function (event) {
        return handler.call(window, event);
      };
      listeners.set(handler, listener);
      target.addEventListener(typeOf(name), listener);
    }
    return true;
  }

  function detachEvent(name, handler) {
    const target = targetOf(this);
    const listeners = listenersOf(target, typeOf(name));
    const listener = listeners.get(handler);
    if (listener) {
      listeners.delete(handler);
      target.removeEventListener(typeOf(name), listener);
    }
  }

  // Fields an event object made by createEventObject may carry into the event fired with it.
  const carried = ['keyCode', 'button', 'clientX', 'clientY', 'screenX', 'screenY', 'altKey',
                   'ctrlKey', 'shiftKey'];

  // Fires the named event at the element, as the reader would have: its on-handler and attached
  // handlers run and it bubbles when that kind does. False when a handler cancelled it.
  function fireEvent(name, template) {
    const type = typeOf(name);
    const kind = kinds[type] || [Event, true];
    const init = {bubbles: kind[1], cancelable: true, view: window};
    const fields = {};
    if (template) {
      for (const field of carried)
        if (template[field] !== undefined)
          fields[field] = template[field];
    }
    const event = new kind[0](type, Object.assign(init, fields));
    // The engine keeps some fields (keyCode) to what the kind's init takes; the event carries
    // the template's value itself.
    for (const field of Object.keys(fields))
      if (event[field] !== fields[field])
        Object.defineProperty(event, field, {value: fields[field]});
    return this.dispatchEvent(event);
  }

  // An event object to fill in and hand to fireEvent, copied from another when one is given.
  function createEventObject(from) {
    const event = {type: '', returnValue: true, cancelBubble: false};
    if (from)
      for (const field of carried.concat(['type', 'srcElement']))
        if (from[field] !== undefined)
          event[field] = from[field];
    return event;
  }

  // That browser's mouse buttons: left 1, right 2, middle 4, while a button goes down or up or
  // is held in a move (`if (event.button == 1)` starts a drag), and 0 for the rest.
  const nativeButton = Object.getOwnPropertyDescriptor(MouseEvent.prototype, 'button').get;
  const pressed = [1, 4, 2]; // by today's button number
  Object.defineProperty(MouseEvent.prototype, 'button', {
    get: function () {
      switch (this.type) {
      case 'mousedown':
      case 'mouseup':
        return pressed[nativeButton.call(this)] || 0;
      case 'mousemove':
        return this.buttons;
      default:
        return 0;
      }
    },
    configurable: true,
    enumerable: true
  });

  // Mouse capture for a drag: the drag follows the document's own mouse events here.
  for (const name of ['setCapture', 'releaseCapture'])
    Object.defineProperty(Element.prototype, name,
                          {value: function () {}, configurable: true, writable: true});

  const methods = {attachEvent: attachEvent, detachEvent: detachEvent};
  for (const target of [Element.prototype, Document.prototype, Window.prototype])
    for (const name of Object.keys(methods))
      Object.defineProperty(target, name,
                            {value: methods[name], configurable: true, writable: true});
  for (const target of [Element.prototype, Document.prototype])
    Object.defineProperty(target, 'fireEvent',
                          {value: fireEvent, configurable: true, writable: true});
  Object.defineProperty(Document.prototype, 'createEventObject',
                        {value: createEventObject, configurable: true, writable: true});
})();
