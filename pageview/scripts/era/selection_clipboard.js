// The disc's browser's selection and clipboard: document.selection.createRange().text is the
// text the reader selected, and window.clipboardData.setData('Text', …) copies, as a "copy this
// address" button did, but only while the reader's own click or key press is being answered:
// a page copies nothing by itself. getData hands back only what the page itself copied, or what
// the reader is pasting, never what else the clipboard holds.
(function () {
  'use strict';

  function range() {
    const selection = window.getSelection();
    const live = selection.rangeCount > 0 ? selection.getRangeAt(0) : null;
    return {
      text: selection.toString(),
      get htmlText() {
        if (!live)
          return '';
        const holder = document.createElement('div');
        holder.appendChild(live.cloneContents());
        return holder.innerHTML;
      },
      parentElement: function () {
        if (!live)
          return document.body;
        const node = live.commonAncestorContainer;
        return node.nodeType === Node.ELEMENT_NODE ? node : node.parentElement;
      },
      select: function () {
        if (!live)
          return;
        selection.removeAllRanges();
        selection.addRange(live);
      }
    };
  }

  const documentSelection = {
    get type() {
      return window.getSelection().isCollapsed ? 'None' : 'Text';
    },
    createRange: range,
    empty: function () {
      window.getSelection().removeAllRanges();
    },
    clear: function () {
      window.getSelection().deleteFromDocument();
    }
  };
  Object.defineProperty(Document.prototype, 'selection', {
    get: function () {
      return this === document ? documentSelection : undefined;
    },
    configurable: true
  });

  // The formats of that browser and what they are today.
  const formats = {text: 'text/plain', url: 'text/uri-list'};
  let copied = {};

  function formatOf(name) {
    return formats[String(name).toLowerCase()];
  }

  const clipboardData = {
    // True when the text went to the clipboard: only on the reader's own action.
    setData: function (format, text) {
      const type = formatOf(format);
      if (!type || !navigator.userActivation.isActive)
        return false;
      const value = String(text);
      let done = false;
      const copy = function (event) {
        event.clipboardData.setData(type, value);
        event.preventDefault();
        done = true;
      };
      document.addEventListener('copy', copy, true);
      try {
        document.execCommand('copy');
      } finally {
        document.removeEventListener('copy', copy, true);
      }
      if (done)
        copied = {[type]: value};
      return done;
    },
    getData: function (format) {
      const type = formatOf(format);
      const event = window.event;
      if (type && event && event.type === 'paste' && event.clipboardData)
        return event.clipboardData.getData(type);
      return type && copied[type] !== undefined ? copied[type] : null;
    },
    clearData: function () {
      copied = {};
      return true;
    }
  };
  Object.defineProperty(window, 'clipboardData',
                        {value: clipboardData, configurable: true, writable: true});
})();
