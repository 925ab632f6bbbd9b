// The viewer of a drawing's page: the SVG's viewBox is the view. The page
// wraps this in a CDATA section (so it stays well-formed XML as well as
// HTML): it must never hold the CDATA end or a closing script tag.
(function () {
  'use strict';
  var facts = JSON.parse(document.getElementById('facts').textContent);
  var svg = document.getElementById('drawing');
  var where = document.getElementById('where');
  var picked = document.getElementById('picked');
  var full = { x: 0, y: 0, w: facts.width * facts.units, h: facts.height * facts.units };
  var box = { x: full.x, y: full.y, w: full.w, h: full.h };
  var pointer = null;  // the last place of the pointer over the drawing
  var drag = null;
  var zoomStep = 1.5;
  var panShare = 0.1;

  function show() {
    svg.setAttribute('viewBox', box.x + ' ' + box.y + ' ' + box.w + ' ' + box.h);
  }

  // Screen pixels to a unit of the SVG, and where the view's corner lands:
  // the view is shown whole and centred (xMidYMid meet).
  function frame() {
    var r = svg.getBoundingClientRect();
    var s = Math.min(r.width / box.w, r.height / box.h);
    return { s: s, left: r.left + (r.width - box.w * s) / 2, top: r.top + (r.height - box.h * s) / 2 };
  }

  function toUnits(cx, cy) {
    var f = frame();
    return { x: box.x + (cx - f.left) / f.s, y: box.y + (cy - f.top) / f.s };
  }

  // The view grows `factor` times about a point that stays where it is.
  function zoomAt(cx, cy, factor) {
    var w = box.w / factor;
    if (w > full.w * 50 || w * 1e6 < full.w) return;
    var p = toUnits(cx, cy);
    box.x = p.x - (p.x - box.x) / factor;
    box.y = p.y - (p.y - box.y) / factor;
    box.w = w;
    box.h = box.h / factor;
    show();
  }

  function zoomAtPointer(factor) {
    var r = svg.getBoundingClientRect();
    var at = pointer || { x: r.left + r.width / 2, y: r.top + r.height / 2 };
    zoomAt(at.x, at.y, factor);
  }

  function panBy(dx, dy) {
    var s = frame().s;
    box.x -= dx / s;
    box.y -= dy / s;
    show();
  }

  function extents() {
    box = { x: full.x, y: full.y, w: full.w, h: full.h };
    show();
  }

  function drawingAt(cx, cy) {
    var p = toUnits(cx, cy);
    var perUnit = facts.units * facts.scale;
    return { e: facts.left + p.x / perUnit, n: facts.top - p.y / perUnit };
  }

  // As many decimals as tell one pixel from the next.
  function decimals() {
    var perPixel = 1 / (frame().s * facts.units * facts.scale);
    return Math.max(0, Math.min(6, Math.ceil(-Math.log10(perPixel))));
  }

  function showWhere(cx, cy) {
    var d = drawingAt(cx, cy);
    var n = decimals();
    where.textContent = 'E ' + d.e.toFixed(n) + '  N ' + d.n.toFixed(n);
  }

  // The first element an entity drew carries its id; the others follow it.
  function entityOf(element) {
    if (!element || element === svg || !svg.contains(element) || element.localName !== 'path') return null;
    for (var e = element; e; e = e.previousElementSibling) {
      if (e.id) return e;
    }
    return null;
  }

  function describe(first) {
    var id = first.id;
    var type;
    var handle;
    var dot = id.lastIndexOf('.');
    if (dot === -1) {
      type = facts.types[id.charCodeAt(0) - 97] || '?';
      handle = id.slice(1);
    } else {
      type = id.slice(0, dot);
      handle = id.slice(dot + 1);
    }
    var group = first.closest('g[data-layer]');
    return { type: type, layer: group ? group.getAttribute('data-layer') : '', handle: handle };
  }

  var marked = [];
  function mark(first) {
    marked.forEach(function (e) { e.classList.remove('picked'); });
    marked = [];
    for (var e = first; e; e = e.nextElementSibling) {
      if (e !== first && e.id) break;
      if (e.localName === 'path') {
        e.classList.add('picked');
        marked.push(e);
      }
    }
  }

  // Thin lines are hard to hit: the nearest entity within a few pixels.
  var around = [];
  for (var dy = -4; dy <= 4; ++dy) {
    for (var dx = -4; dx <= 4; ++dx) around.push([dx, dy]);
  }
  around.sort(function (a, b) { return a[0] * a[0] + a[1] * a[1] - b[0] * b[0] - b[1] * b[1]; });

  function pick(cx, cy) {
    for (var i = 0; i < around.length; ++i) {
      var first = entityOf(document.elementFromPoint(cx + around[i][0], cy + around[i][1]));
      if (first) {
        var d = describe(first);
        picked.textContent = d.type + ' on layer ' + d.layer + ', handle ' + d.handle;
        mark(first);
        return d;
      }
    }
    picked.textContent = 'Nothing there';
    mark(null);
    return null;
  }

  // Hidden layers by a rule each, matched as layer names are: without case.
  var hidden = {};
  var hiding = document.createElement('style');
  document.head.appendChild(hiding);
  function setShown(name, shown) {
    if (shown) delete hidden[name];
    else hidden[name] = true;
    hiding.textContent = Object.keys(hidden).map(function (n) {
      return '#drawing g[data-layer="' + CSS.escape(n) + '" i]{display:none}';
    }).join('\n');
  }

  function layerRows() {
    var body = document.querySelector('#layers tbody');
    facts.layers.forEach(function (layer) {
      var row = document.createElement('tr');
      var box = document.createElement('input');
      box.type = 'checkbox';
      box.checked = true;
      box.title = 'Show or hide ' + layer[0];
      box.addEventListener('change', function () { setShown(layer[0], box.checked); });
      var cells = [document.createElement('td'), document.createElement('td'), document.createElement('td')];
      var swatch = document.createElement('span');
      swatch.className = 'swatch';
      swatch.style.background = layer[1];
      cells[0].appendChild(box);
      cells[0].appendChild(swatch);
      cells[1].textContent = layer[0];
      cells[2].textContent = layer[2].toLocaleString('en');
      cells[2].className = 'count';
      cells.forEach(function (c) { row.appendChild(c); });
      body.appendChild(row);
    });
  }

  svg.addEventListener('wheel', function (e) {
    e.preventDefault();
    var pixels = e.deltaY * (e.deltaMode === 1 ? 40 : e.deltaMode === 2 ? 800 : 1);
    zoomAt(e.clientX, e.clientY, Math.pow(2, -pixels / 500));
  }, { passive: false });

  svg.addEventListener('pointerdown', function (e) {
    if (e.button !== 0) return;
    drag = { x: e.clientX, y: e.clientY, moved: false };
    svg.setPointerCapture(e.pointerId);
  });

  svg.addEventListener('pointermove', function (e) {
    pointer = { x: e.clientX, y: e.clientY };
    showWhere(e.clientX, e.clientY);
    if (!drag) return;
    var dx = e.clientX - drag.x;
    var dy = e.clientY - drag.y;
    // A click may wobble by a pixel or two without moving the view.
    if (!drag.moved && Math.max(Math.abs(dx), Math.abs(dy)) < 3) return;
    drag.moved = true;
    svg.classList.add('panning');
    panBy(dx, dy);
    drag.x = e.clientX;
    drag.y = e.clientY;
  });

  svg.addEventListener('pointerup', function (e) {
    if (!drag) return;
    var wasClick = !drag.moved;
    drag = null;
    svg.classList.remove('panning');
    if (wasClick) pick(e.clientX, e.clientY);
  });

  svg.addEventListener('pointerleave', function () {
    pointer = null;
  });

  document.addEventListener('keydown', function (e) {
    if (e.ctrlKey || e.metaKey || e.altKey) return;
    var r = svg.getBoundingClientRect();
    var step = Math.min(r.width, r.height) * panShare;
    switch (e.key) {
      case 'ArrowLeft': panBy(step, 0); break;
      case 'ArrowRight': panBy(-step, 0); break;
      case 'ArrowUp': panBy(0, step); break;
      case 'ArrowDown': panBy(0, -step); break;
      case '+': case '=': zoomAtPointer(zoomStep); break;
      case '-': case '_': zoomAtPointer(1 / zoomStep); break;
      case 'Home': case 'e': case 'E': extents(); break;
      default: return;
    }
    e.preventDefault();
  });

  document.getElementById('extents').addEventListener('click', extents);

  layerRows();
  show();
  // For whoever drives the page: it is ready.
  document.documentElement.setAttribute('data-ready', '1');
}());
