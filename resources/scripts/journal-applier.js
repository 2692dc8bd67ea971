// The browser side of the program's page model: numbers the page's elements 1, 2, ... in
// document order, as the model numbers them when it parses the page, and applies the
// model's journal batches, so that the page ends with the model's DOM. Defines
// window.__zepDom with
//   init()        numbers the elements; returns {count, hash} to compare with the model's
//                 element count and structure hash
//   apply(batch)  applies a batch (object or JSON text); true when every op found its nodes,
//                 was an op this script knows, and every html op numbered as many elements
//                 as the model did
//   node(id), id(element)  the mapping both ways
//   ops           the op names, as the program's journal writes them
// The program defines window.__zepJournalOps (its table of op names: {Attr: 'attr', ...})
// just before this script.
(function (OP) {
  'use strict';
  if (window.__zepDom) return;
  var byId = new Map(), ids = new WeakMap();

  // A template's content counts as its children.
  function kids(n) { return (n.content && n.content.nodeType === 11) ? n.content : n; }

  function number(root, first) {
    var k = first;
    (function walk(n) {
      for (var c = kids(n).firstChild; c; c = c.nextSibling) {
        if (c.nodeType !== 1) continue;
        byId.set(k, c); ids.set(c, k); k++;
        walk(c);
      }
    })(root);
    return k - first;
  }

  // FNV-1a over the elements' local names in document order.
  function hash(root) {
    var h = 0x811c9dc5 >>> 0;
    (function walk(n) {
      for (var c = kids(n).firstChild; c; c = c.nextSibling) {
        if (c.nodeType !== 1) continue;
        var s = c.localName + ',';
        for (var i = 0; i < s.length; i++) h = Math.imul(h ^ s.charCodeAt(i), 16777619) >>> 0;
        walk(c);
      }
    })(root);
    return h;
  }

  function at(p, i) { return p.childNodes[i] || null; }

  function insert(o, p) {
    var e = document.createElement(o.tag);
    p.insertBefore(e, at(p, o.index));
    byId.set(o.id, e); ids.set(e, o.id);
  }

  // The listed children end up last, in their order, the others in front in theirs, as by
  // appending each in turn; placed from the last one back, only those not in place yet move
  // (a sorted list that gained a row moves that row, not all of them).
  function order(p, list) {
    var next = null;
    for (var i = list.length - 1; i >= 0; i--) {
      var n = byId.get(list[i]);
      if (n.parentNode !== p || n.nextSibling !== next) p.insertBefore(n, next);
      next = n;
    }
  }

  function forget(list) {
    list.forEach(function (f) {
      var g = byId.get(f);
      if (g) ids.delete(g);
      byId.delete(f);
    });
  }

  // The ops that name no element of their own in "node".
  var withoutNode = [OP.Insert, OP.Order, OP.Forget];

  // False when the op could not be applied as the model applied it.
  function applyOne(o) {
    var n = byId.get(o.node), p = byId.get(o.parent);
    if (!n && withoutNode.indexOf(o.op) < 0) return false;
    switch (o.op) {
    case OP.Attr: n.setAttribute(o.name, o.value); return true;
    case OP.RemoveAttr: n.removeAttribute(o.name); return true;
    case OP.Style: n.setAttribute('style', o.css); return true;
    case OP.Text: n.textContent = o.value; return true;
    case OP.Html: n.innerHTML = o.value; return number(n, o.first) === o.count;
    case OP.Insert: insert(o, p); return true;
    case OP.Remove: n.remove(); return true;
    case OP.Move: n.remove(); p.insertBefore(n, at(p, o.index)); return true;
    case OP.Order: order(p, o.ids); return true;
    case OP.Checked: n.checked = o.value; return true;
    case OP.Forget: forget(o.ids); return true;
    default: return false;
    }
  }

  function apply(batch) {
    if (typeof batch === 'string') batch = JSON.parse(batch);
    var ok = true;
    batch.ops.forEach(function (o) {
      try {
        if (!applyOne(o)) ok = false;
      } catch (err) {
        ok = false;
      }
    });
    return ok;
  }

  window.__zepDom = {
    init: function () { byId.clear(); return { count: number(document, 1), hash: hash(document) }; },
    apply: apply,
    node: function (id) { return byId.get(id) || null; },
    id: function (el) { return ids.get(el) || 0; },
    ops: OP
  };
})(window.__zepJournalOps);
