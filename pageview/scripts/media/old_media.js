// The program's side of a disc page's other old media, in a world of the program's own: the page's
// scripts see the placeholders and players it puts into the page, but never the web channel to
// the program (pageview/page_media.h). MIDI music is read here, through the disc's request guard
// like any file of the page, and played by the program; a wave or MP3 <bgsound> plays in the
// page; what nothing here can play (an applet, a video, another control) gets a placeholder at
// its size that names its file, and the reader's own click on it asks the program to open it.
(function () {
  'use strict';
  if (typeof qt === 'undefined' || !qt.webChannelTransport || typeof QWebChannel === 'undefined')
    return;
  var documentId = Date.now().toString(36) + Math.random().toString(36).slice(2);
  var maxMusicBytes = 4 * 1024 * 1024; // as the program's rule (pageview/music_rules.h)
  var labels = {video: 'ビデオ', applet: 'Java アプレット', activex: 'ActiveX コントロール'};
  var openHint = 'クリックすると関連付けられたプログラムで開きます';

  function address(element) {
    try {
      return new URL(oldMediaKinds.source(element), document.baseURI).href;
    } catch (e) {
      return '';
    }
  }

  function no(value) {
    return /^(false|no|0|off)$/i.test((value || '').trim());
  }

  function hidden(element) {
    return (element.hasAttribute('hidden') && !no(element.getAttribute('hidden'))) ||
           element.getAttribute('width') === '0' || element.getAttribute('height') === '0';
  }

  // The size the page gave the element: its attributes, else as laid out, else the default.
  function sizeOf(element, width, height) {
    var box = element.getBoundingClientRect();
    var given = function (name, laidOut, fallback) {
      var value = (element.getAttribute(name) || '').trim();
      if (/^\d+(px)?$/.test(value))
        return parseInt(value, 10) + 'px';
      if (/^\d+%$/.test(value))
        return value;
      return (laidOut > 0 ? laidOut : fallback) + 'px';
    };
    return {width: given('width', box.width, width), height: given('height', box.height, height)};
  }

  function box(element, width, height) {
    var size = sizeOf(element, width, height);
    var div = document.createElement('div');
    div.style.cssText = 'display:inline-block;box-sizing:border-box;overflow:hidden;' +
        'vertical-align:bottom;border:1px solid #808080;background:#e8e8e8;color:#202020;' +
        'font:12px sans-serif;text-align:center;padding:4px;width:' + size.width + ';height:' +
        size.height;
    div.setAttribute('data-quilcd-media', oldMediaKinds.kind(element));
    return div;
  }

  function line(parent, text, bold) {
    var p = document.createElement('div');
    p.textContent = text;
    if (bold)
      p.style.fontWeight = 'bold';
    parent.appendChild(p);
  }

  // The element stays where the page put it, out of sight: the engine may be loading what it
  // names, and an element taken out of the page in the middle of that load leaves a download
  // that belongs to no page. What the reader sees comes in its place, before it.
  function putAside(element, replacement) {
    element.style.cssText += ';position:absolute!important;width:0!important;' +
        'height:0!important;visibility:hidden!important;pointer-events:none!important';
    if (replacement)
      element.parentNode.insertBefore(replacement, element);
  }

  // Only the reader's own click counts: a page's script can click too, but its click is not
  // trusted.
  function onReaderClick(element, action) {
    element.addEventListener('click', function (event) {
      if (event.isTrusted)
        action(event);
    });
  }

  function placeholder(media, element, kind) {
    var div = box(element, 160, 120);
    var source = oldMediaKinds.source(element);
    line(div, labels[kind], true);
    if (kind === 'applet') {
      line(div, oldMediaKinds.appletClass(element));
      if (source)
        line(div, oldMediaKinds.fileName(source));
    } else {
      line(div, source ? oldMediaKinds.fileName(source) : element.getAttribute('classid'));
    }
    // A video or an applet's archive on the disc opens as a launch button opens its target; the
    // program tells which addresses are the disc's.
    var file = source ? address(element) : '';
    if ((kind === 'video' || kind === 'applet') && /^file:/i.test(file)) {
      div.style.cursor = 'pointer';
      div.title = openHint;
      onReaderClick(div, function () { media.openFile(file); });
    }
    putAside(element, div);
  }

  // Reads the MIDI file through the page's own requests (the request guard, and a disc image's
  // files brought out when asked for); one larger than any music is left unread.
  function readMusic(url, done) {
    var request = new XMLHttpRequest();
    request.open('GET', url);
    request.responseType = 'arraybuffer';
    request.onprogress = function (event) {
      if (event.loaded > maxMusicBytes)
        request.abort();
    };
    request.onload = function () {
      var bytes = new Uint8Array(request.response || new ArrayBuffer(0));
      if (bytes.length === 0 || bytes.length > maxMusicBytes)
        return;
      var text = '';
      for (var i = 0; i < bytes.length; i += 0x8000)
        text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
      done(btoa(text));
    };
    request.send();
  }

  var musicPlaying = false;

  function music(media, element) {
    var tag = element.tagName === 'BGSOUND' ? 'bgsound' : 'embed';
    var loop = element.getAttribute('loop') || '';
    var autostart = tag === 'bgsound' ||
        !no(element.getAttribute('autostart') || element.getAttribute('autoplay'));
    var bytes = null;
    var play = function () {
      var start = function () { media.playMusic(bytes, tag, loop, documentId); };
      if (bytes)
        return start();
      readMusic(address(element), function (base64) { bytes = base64; start(); });
    };
    if (tag === 'embed' && !hidden(element)) {
      // A visible MIDI embed shows a small player, as the plug-in did.
      var div = box(element, 144, 44);
      line(div, oldMediaKinds.fileName(oldMediaKinds.source(element)));
      [['▶', '再生', play], ['■', '停止', function () { media.stopMusic(documentId); }]]
          .forEach(function (control) {
            var button = document.createElement('button');
            button.textContent = control[0];
            button.title = control[1];
            button.setAttribute('data-quilcd-control', control[1]);
            onReaderClick(button, control[2]);
            div.appendChild(button);
          });
      putAside(element, div);
    } else if (element.parentNode) {
      putAside(element, null);
    }
    // The page's music starts with it, without a click: the first that asks to.
    if (autostart && !musicPlaying) {
      musicPlaying = true;
      play();
    }
  }

  function sound(media, element) {
    var url = address(element);
    var tag = element.tagName === 'BGSOUND' ? 'bgsound' : 'embed';
    media.musicLoops(tag, element.getAttribute('loop') || '', function (loops) {
      var audio = new Audio(url);
      var left = loops;
      audio.loop = loops < 0;
      audio.addEventListener('ended', function () {
        if (--left > 0)
          audio.play();
      });
      audio.play().catch(function () {});
    });
    if (element.tagName === 'EMBED' && element.parentNode)
      putAside(element, null);
  }

  // What the page gave an object for browsers without its control (a picture, a text): the
  // engine shows it in the object's place, so no placeholder covers it.
  function hasFallback(element) {
    for (var child = element.firstChild; child; child = child.nextSibling)
      if ((child.nodeType === Node.ELEMENT_NODE && child.tagName !== 'PARAM') ||
          (child.nodeType === Node.TEXT_NODE && child.textContent.trim()))
        return true;
    return false;
  }

  // An element inside an object that holds media is that object's fallback, not media of its own.
  function insideMedia(element) {
    for (var up = element.parentElement; up; up = up.parentElement)
      if (up.tagName === 'OBJECT' && oldMediaKinds.kind(up))
        return true;
    return false;
  }

  var elements = Array.prototype.filter.call(
      document.querySelectorAll('bgsound, embed, object, applet, img[dynsrc]'),
      function (element) { return !insideMedia(element); });
  if (elements.length === 0)
    return;
  new QWebChannel(qt.webChannelTransport, function (channel) {
    var media = channel.objects.media;
    elements.forEach(function (element) {
      var kind = oldMediaKinds.kind(element);
      if (kind === 'music')
        music(media, element);
      else if (kind === 'sound')
        sound(media, element);
      else if (kind === 'video' || kind === 'applet' ||
               (kind === 'activex' && !hasFallback(element)))
        placeholder(media, element, kind);
    });
    window.addEventListener('pagehide', function () { media.stopMusic(documentId); });
  });
})();
