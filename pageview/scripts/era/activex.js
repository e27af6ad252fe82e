// ActiveXObject of the disc's browser: the XML request objects its pages made with
// `new ActiveXObject('Microsoft.XMLHTTP')` are today's XMLHttpRequest, which the view keeps to
// the disc; the Flash control answers a page that asks for it before writing its movie, since
// the view plays movies itself; every other control fails to be made as it did on a machine
// without it ("Automation server can't create object"), so the page takes its own way round.
(function () {
  'use strict';

  // Each ProgID (lowered, with or without its version) and what it makes.
  const controls = {
    'microsoft.xmlhttp': function () {
      return new XMLHttpRequest();
    },
    'msxml2.xmlhttp': function () {
      return new XMLHttpRequest();
    },
    // Asked only for its version, as the detection scripts of the time asked.
    'shockwaveflash.shockwaveflash': function () {
      return {
        GetVariable: function (name) {
          return name === '$version' ? 'WIN 9,0,0,0' : null;
        }
      };
    }
  };

  function ActiveXObject(progId) {
    const make = controls[String(progId).toLowerCase().replace(/(\.\d+)+$/, '')];
    if (!make) {
      const error = new Error("Automation server can't create object");
      error.number = -2146827859; // 0x800A01AD
      error.description = error.message;
      throw error;
    }
    return make();
  }

  Object.defineProperty(window, 'ActiveXObject',
                        {value: ActiveXObject, configurable: true, writable: true});
})();
