// The disc's browser's own windows: showModalDialog and showModelessDialog open their page in a
// window of its own, which the view gives only on the reader's click as for window.open, at the
// size the features ask (dialogWidth:300px; dialogHeight:200px). The dialog page finds what it was
// handed in window.dialogArguments. The page that opened it is not held until the dialog closes,
// as nothing may hold a page here: showModalDialog returns at once, with no value, as when the
// reader closes a dialog without an answer; showModelessDialog returns the dialog's window.
// createPopup gives a box drawn over the page, with a document of its own, that goes when the
// reader clicks elsewhere.
(function () {
  'use strict';

  // CSS pixels in one of each unit a dialog's size may be written in; a bare number is in em.
  const pixelsPer = {px: 1, em: 16, ex: 8, pt: 96 / 72, pc: 16, in: 96, cm: 96 / 2.54,
                     mm: 96 / 25.4};
  // The dialog's features and the window.open features they become.
  const sizes = {dialogwidth: 'width', dialogheight: 'height', dialogleft: 'left',
                 dialogtop: 'top'};

  // "dialogWidth:300px; dialogHeight:20em; center:yes" → "width=300,height=320".
  function windowFeatures(features) {
    const opened = [];
    for (const feature of String(features || '').split(/[;,]/)) {
      const parts = feature.split(/[:=]/);
      const name = sizes[parts[0].trim().toLowerCase()];
      const size = /^\s*([\d.]+)\s*([a-z]*)\s*$/i.exec(parts[1] || '');
      if (name && size) {
        const unit = pixelsPer[size[2].toLowerCase() || 'em'] || 1;
        opened.push(name + '=' + Math.round(parseFloat(size[1]) * unit));
      }
    }
    return opened.join(',');
  }

  function openDialog(url, argument, features) {
    const dialog = window.open(String(url), '_blank', windowFeatures(features));
    if (dialog)
      dialog.dialogArguments = argument;
    return dialog;
  }

  function define(name, value) {
    Object.defineProperty(window, name, {value: value, configurable: true, writable: true});
  }

  define('showModalDialog', function (url, argument, features) {
    openDialog(url, argument, features);
    return undefined;
  });
  define('showModelessDialog', openDialog);

  // --- createPopup ---

  function createPopup() {
    const frame = document.createElement('iframe');
    frame.style.cssText = 'position:fixed;border:0;margin:0;padding:0;z-index:2147483647;' +
                          'display:none;background:white';
    document.documentElement.appendChild(frame);
    const popup = {
      document: frame.contentDocument,
      get isOpen() {
        return frame.style.display !== 'none';
      },
      // Left and top count from the element given, or from the page's corner.
      show: function (left, top, width, height, element) {
        const origin = element && element.getBoundingClientRect
                           ? element.getBoundingClientRect()
                           : {left: 0, top: 0};
        frame.style.left = origin.left + Number(left || 0) + 'px';
        frame.style.top = origin.top + Number(top || 0) + 'px';
        frame.style.width = Number(width || 0) + 'px';
        frame.style.height = Number(height || 0) + 'px';
        frame.style.display = 'block';
      },
      hide: function () {
        frame.style.display = 'none';
      }
    };
    document.addEventListener('mousedown', function (event) {
      if (event.target !== frame)
        popup.hide();
    }, true);
    return popup;
  }

  define('createPopup', createPopup);
})();
