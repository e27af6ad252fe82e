// What a disc page's plug-in elements hold, as the browsers of the disc's day told them apart:
// by the file the element names (its extension), then by its class identifier or MIME type. The
// Flash player's loader and the program's media script (each in its own world) share this one
// rule.
var oldMediaKinds = (function () {
  'use strict';
  var flashClassId = /d27cdb6e-ae6d-11cf-96b8-444553540000/i;
  var flashType = /^application\/(x-shockwave-flash|futuresplash)/i;
  var javaClassId = /^\s*(clsid:8ad9c840-044e-11d1-b3e9-00805f499d93|clsid:cafeefac-|java:)/i;
  var javaType = /^application\/x-java-(applet|bean|vm)/i;
  var midiType = /^audio\/(x-)?(mid|midi)$/i;
  var videoType = /^(video\/|application\/x-mplayer2|audio\/x-pn-realaudio|application\/vnd\.rn-realmedia)/i;
  var swfFile = /\.swf$/i;
  var midiFile = /\.(mid|midi|rmi)$/i;
  var soundFile = /\.(wav|mp3)$/i;
  var videoFile = /\.(mpg|mpeg|mpe|m1v|avi|mov|qt|rm|ram|rpm|rmvb|asf|asx|wmv)$/i;
  // The parameters that name an object's file: the movie's, Windows Media Player's, RealPlayer's.
  var fileParams = ['movie', 'src', 'filename', 'url', 'data'];

  function attribute(element, name) {
    return (element.getAttribute(name) || '').trim();
  }

  // The address the element names (as written, not yet joined to the page's), or ''.
  function source(element) {
    switch (element.tagName) {
    case 'BGSOUND':
    case 'EMBED':
      return attribute(element, 'src');
    case 'IMG':
      return attribute(element, 'dynsrc');
    case 'APPLET':
      return attribute(element, 'archive').split(',')[0].trim();
    case 'OBJECT':
      if (attribute(element, 'data'))
        return attribute(element, 'data');
      var params = element.getElementsByTagName('param');
      for (var i = 0; i < params.length; i++)
        if (fileParams.indexOf(attribute(params[i], 'name').toLowerCase()) >= 0 &&
            attribute(params[i], 'value'))
          return attribute(params[i], 'value');
      if (javaClassId.test(attribute(element, 'classid')) || javaType.test(attribute(element, 'type')))
        for (var j = 0; j < params.length; j++)
          if (/^(java_)?archive$/i.test(attribute(params[j], 'name')))
            return attribute(params[j], 'value').split(',')[0].trim();
      return '';
    }
    return '';
  }

  // The applet's class, as its code attribute or parameter names it.
  function appletClass(element) {
    if (attribute(element, 'code'))
      return attribute(element, 'code');
    var params = element.getElementsByTagName('param');
    for (var i = 0; i < params.length; i++)
      if (/^(java_)?code$/i.test(attribute(params[i], 'name')))
        return attribute(params[i], 'value');
    return '';
  }

  function path(address) {
    return address.replace(/[?#].*$/, '');
  }

  // 'flash', 'music' (MIDI), 'sound' (a wave or MP3 file), 'video', 'applet', 'activex' (any
  // other control), or '' for an element that holds none of them.
  function kind(element) {
    var tag = element.tagName;
    var file = path(source(element));
    var type = attribute(element, 'type');
    var classId = attribute(element, 'classid');
    if (tag === 'APPLET')
      return 'applet';
    if (tag === 'IMG')
      return file ? 'video' : '';
    if (tag === 'BGSOUND')
      return midiFile.test(file) ? 'music' : soundFile.test(file) ? 'sound' : '';
    if (tag !== 'EMBED' && tag !== 'OBJECT')
      return '';
    if (flashType.test(type) || flashClassId.test(classId) || swfFile.test(file))
      return 'flash';
    if (javaClassId.test(classId) || javaType.test(type))
      return 'applet';
    if (midiFile.test(file) || midiType.test(type))
      return 'music';
    if (soundFile.test(file))
      return 'sound';
    if (videoFile.test(file) || videoType.test(type))
      return 'video';
    return tag === 'OBJECT' && classId ? 'activex' : '';
  }

  // The last part of an address, its escapes decoded where they are UTF-8.
  function fileName(address) {
    var name = path(address).replace(/\\/g, '/').split('/').pop();
    try {
      return decodeURIComponent(name);
    } catch (e) {
      return name;
    }
  }

  return {kind: kind, source: source, appletClass: appletClass, fileName: fileName};
})();
