// The bridge between a page of the program and the program (runs with the page model's
// applier, journal-applier.js, in a world of its own that the page's scripts cannot see):
//   - numbers the page's elements as the model numbers them and says so ("ready": count and
//     hash, for the comparison with the model; "loaded" at the window's load);
//   - applies the program's batches strictly in their order and acknowledges each
//     ("applied"; sizes follow from the layout that comes after, never forced here);
//   - reports the page's own changes (its scripts: inline event scripts, the sort, the
//     layout handlers) as ops of the journal's format ("changed", with the last batch the
//     page had applied when it saw them): attributes set and removed, text, order, checked,
//     and the whole markup for whatever cannot be told otherwise;
//   - reports click, mousedown, mouseup, mousemove and contextmenu ("event": the element,
//     whether a user or a script fired it), focus moving to an element or into a frame
//     ("focus"), frames that finished loading ("frame", their address);
//   - reports the body's client size and the offset sizes of the elements it is asked to
//     watch whenever they change ("measured").
// Every message is one JSON text with "kind" and the page instance's "instance".
(function () {
  'use strict';
  if (window.__zepBridge) return;
  window.__zepBridge = true;
  var D = window.__zepDom, OP = D.ops;
  var instance = Date.now().toString(36) + '-' + Math.random().toString(36).slice(2);
  var host = null, outbox = [], held = [];
  var applied = 0, early = new Map();
  var watched = new Set(), lastSizes = '';
  var started = false;
  var observer = new MutationObserver(function (records) { if (started) changed(records, []); else held = held.concat(records); });
  var resizes = new ResizeObserver(function () { measure(false); });

  function post(msg) {
    msg.instance = instance;
    var text = JSON.stringify(msg);
    if (host) host.receive(text); else outbox.push(text);
  }

  // The nearest numbered element from node up, in the document.
  function numbered(node) {
    for (var n = node; n; n = n.parentNode)
      if (n.nodeType === 1 && D.id(n)) return n.isConnected ? n : null;
    return null;
  }
  function allNumbered(box) {
    var all = box.getElementsByTagName('*');
    for (var i = 0; i < all.length; i++) if (!D.id(all[i])) return false;
    return true;
  }
  function onlyElements(list) {
    for (var i = 0; i < list.length; i++) if (list[i].nodeType !== 1) return false;
    return true;
  }

  // The page's own changes as ops: attributes one by one; a changed content as its text,
  // the new order of its numbered children, or else its whole markup (which also carries
  // whatever changed inside it).
  function facts(records) {
    var attrs = new Map(), boxes = new Map();
    records.forEach(function (r) {
      var el = r.target.nodeType === 1 ? r.target : r.target.parentNode;
      if (r.type === 'attributes' && D.id(el)) {
        if (el.isConnected) attrs.set(D.id(el) + ' ' + r.attributeName, { el: el, name: r.attributeName });
        return;
      }
      var box = numbered(el);
      if (!box) return;
      var plain = r.type === 'childList' && onlyElements(r.addedNodes) && onlyElements(r.removedNodes);
      boxes.set(box, (boxes.has(box) ? boxes.get(box) : true) && plain);
    });
    var found = [], whole = [];
    boxes.forEach(function (plain, box) {
      var id = D.id(box);
      if (!box.firstElementChild) whole.push(box), found.push({ el: box, op: { op: OP.Text, node: id, value: box.textContent } });
      else if (plain && allNumbered(box)) found.push({ el: box, op: { op: OP.Order, parent: id, ids: Array.prototype.map.call(box.children, D.id) } });
      else whole.push(box), found.push({ el: box, op: { op: OP.Html, node: id, value: box.innerHTML, first: 0, count: 0 } });
    });
    attrs.forEach(function (a) {
      var v = a.el.getAttribute(a.name);
      found.unshift({ el: a.el, op: v === null ? { op: OP.RemoveAttr, node: D.id(a.el), name: a.name }
                                               : { op: OP.Attr, node: D.id(a.el), name: a.name, value: v } });
    });
    return found.filter(function (f) {
      return !whole.some(function (w) { return w !== f.el && w.contains(f.el); });
    }).map(function (f) { return f.op; });
  }

  // A click changes check boxes and radio groups through their checked property, which
  // no observer sees.
  function checks(target) {
    if (!target || target.tagName !== 'INPUT' || !/^(checkbox|radio)$/i.test(target.type)) return [];
    var group = [target];
    if (/^radio$/i.test(target.type) && target.name) {
      var scope = target.form || document;
      group = Array.prototype.filter.call(scope.getElementsByTagName('input'), function (i) {
        return /^radio$/i.test(i.type) && i.name === target.name && i.form === target.form;
      });
    }
    return group.filter(function (i) { return D.id(i); }).map(function (i) {
      return { op: OP.Checked, node: D.id(i), value: i.checked };
    });
  }

  function changed(records, extra) {
    if (!host) { held = held.concat(records); return; }
    var ops = facts(records).concat(extra);
    if (ops.length) post({ kind: 'changed', base: applied, ops: ops });
  }

  function sizes() {
    var b = document.body || document.documentElement;
    var out = { client: [b.clientWidth, b.clientHeight], sizes: [] };
    watched.forEach(function (id) {
      var n = D.node(id);
      if (n) out.sizes.push([id, n.offsetWidth || 0, n.offsetHeight || 0]);
    });
    return out;
  }
  function measure(always) {
    var m = sizes(), text = JSON.stringify(m);
    if (!always && text === lastSizes) return;
    lastSizes = text;
    m.kind = 'measured';
    post(m);
  }
  function watch(ids) {
    ids.forEach(function (id) {
      var n = D.node(id);
      if (!n || watched.has(id)) return;
      watched.add(id);
      resizes.observe(n);
    });
    measure(true);
  }

  function receive(seq, json) {
    early.set(seq, json);
    while (early.has(applied + 1)) {
      var next = applied + 1, text = early.get(next), ok = false;
      early.delete(next);
      changed(observer.takeRecords(), []);
      try { ok = D.apply(text); } catch (err) { ok = false; }
      observer.takeRecords();
      applied = next;
      post({ kind: 'applied', seq: next, ok: ok });
    }
  }

  function event(e) {
    var target = numbered(e.target);
    changed(observer.takeRecords(), e.type === 'click' ? checks(e.target) : []);
    post({ kind: 'event', type: e.type, node: target ? D.id(target) : 0, trusted: e.isTrusted });
  }
  function focus() {
    var a = document.activeElement;
    if (a && a !== document.body && D.id(a)) post({ kind: 'focus', node: D.id(a) });
  }
  function frameLoaded(e) {
    var t = e.target;
    if (!t || t.tagName !== 'IFRAME') return;
    post({ kind: 'frame', url: t.src || (t.hasAttribute('srcdoc') ? 'about:srcdoc' : 'about:blank') });
  }

  function start() {
    var numbers = D.init();
    // Before now the parser built the tree, which the model has too; but the page's
    // scripts may have set attributes already (a resize while loading).
    held = held.concat(observer.takeRecords()).filter(function (r) { return r.type === 'attributes'; });
    started = true;
    ['click', 'mousedown', 'mouseup', 'mousemove', 'contextmenu'].forEach(function (type) {
      window.addEventListener(type, event);
    });
    document.addEventListener('focusin', focus);
    window.addEventListener('blur', focus);   // focus went into a frame: the frame is active
    document.addEventListener('load', frameLoaded, true);
    window.addEventListener('resize', function () { measure(false); });
    resizes.observe(document.body || document.documentElement); // a body sized by its content
    new QWebChannel(qt.webChannelTransport, function (channel) {
      var bridge = channel.objects.zepBridge;
      bridge.batch.connect(receive);
      bridge.watch.connect(function (json) { watch(JSON.parse(json)); });
      var m = sizes(), waiting = outbox;
      lastSizes = JSON.stringify(m);
      outbox = [];
      host = bridge;
      post({ kind: 'ready', url: location.href, count: numbers.count, hash: numbers.hash,
             loaded: document.readyState === 'complete', client: m.client, sizes: m.sizes });
      waiting.forEach(function (text) { host.receive(text); });
      changed(held.concat(observer.takeRecords()), []);
      held = [];
    });
  }
  observer.observe(document, { subtree: true, childList: true, attributes: true, characterData: true });
  window.addEventListener('load', function () { measure(false); post({ kind: 'loaded' }); });
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start); else start();
})();
