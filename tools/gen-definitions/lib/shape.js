'use strict';
// Makes the selected classes consistent under the checker's class model, and
// orders them so that every class is declared before anything names it.

const { KEYWORDS } = require('./select');

const lc = (s) => s.toLowerCase();

function shapeClasses(sel) {
  const note = (t) => sel.note(t);
  let classes = sel.classes;
  const byName = () => new Map(classes.map((c) => [lc(c.name), c]));

  // Parents and interfaces that are not written (later PHP versions, other
  // extensions) are dropped from the lists; a class without its parent goes.
  for (let changed = true; changed;) {
    changed = false;
    const map = byName();
    for (const c of classes) {
      c.interfaces = c.interfaces.filter((i) => {
        const t = map.get(lc(i));
        if (t && t.interface) return true;
        if (!/^(Stringable|Throwable|UnitEnum|BackedEnum)$/i.test(i)) note(`${c.name}: interface ${i} left out (not part of the selection)`);
        return false;
      });
    }
    const kept = classes.filter((c) => {
      if (!c.parent) return true;
      const p = map.get(lc(c.parent));
      if (p && !p.interface && p.final) {
        note(`class ${c.name} left out: its parent ${p.name} is final`);
        return false;
      }
      if (p && !p.interface) { c.parent = p.name; return true; }
      note(`class ${c.name} left out: its parent ${c.parent} is not part of the selection`);
      return false;
    });
    if (kept.length !== classes.length) { classes = kept; changed = true; }
  }
  for (const c of classes) {
    c.interfaces = c.interfaces.map((i) => byName().get(lc(i)).name);
    c.interfaces = c.interfaces.filter((i, k) => c.interfaces.findIndex((x) => lc(x) === lc(i)) === k);
    if (KEYWORDS.has(lc(c.name))) note(`class ${c.name} has a keyword for a name`);
  }

  const map = byName();
  const ordered = topoOrder(classes, map, false);

  // Members a class has through its parents: name -> {owner, member}.
  const inherited = new Map();
  for (const c of ordered) {
    const parent = c.parent ? map.get(lc(c.parent)) : null;
    const props = new Map();
    const methods = new Map();
    if (parent) {
      for (const [k, v] of inherited.get(parent.name).props) props.set(k, v);
      for (const [k, v] of inherited.get(parent.name).methods) methods.set(k, v);
      for (const p of parent.props) if (p.visibility !== 'private') props.set(p.name, { owner: parent, member: p });
      for (const m of parent.methods) if (m.visibility !== 'private') methods.set(lc(m.name), { owner: parent, member: m });
    }
    inherited.set(c.name, { props, methods });

    // A redeclared inherited property is an error in the checker's model.
    c.props = c.props.filter((p) => {
      if (!props.has(p.name)) return true;
      note(`${c.name}::$${p.name} left out: inherited from ${props.get(p.name).owner.name}`);
      return false;
    });

    // An override must keep the inherited method's publicness.
    for (const m of c.methods) {
      const up = methods.get(lc(m.name));
      if (!up) continue;
      const upPublic = up.member.visibility === 'public';
      if (upPublic !== (m.visibility === 'public')) {
        note(`${c.name}::${m.name}: visibility ${m.visibility} changed to ${up.member.visibility} of ${up.owner.name}`);
        m.visibility = up.member.visibility;
      }
    }

    // The stubs list the interfaces of the latest PHP. One whose methods the
    // class has only in later versions was not implemented in PHP 5: it is
    // replaced by the interfaces it extends, tested the same way.
    if (!c.interface) {
      const later = new Set(c.laterMethods);
      for (let p = parent; p; p = p.parent ? map.get(lc(p.parent)) : null) p.laterMethods.forEach((m) => later.add(m));
      const has = (k) => c.methods.some((m) => lc(m.name) === k) || methods.has(k);
      const list = [];
      const expand = (name) => {
        const iface = map.get(lc(name));
        const missing = iface.methods.map((m) => lc(m.name)).filter((k) => !has(k) && later.has(k));
        if (missing.length === 0) { if (!list.includes(iface.name)) list.push(iface.name); return; }
        note(`${c.name}: interface ${iface.name} left out (${missing.join(', ')} only after PHP 5)`);
        iface.interfaces.forEach(expand);
      };
      c.interfaces.forEach(expand);
      c.interfaces = list;
    }

    // Every method of the class's interfaces (and the interfaces they extend)
    // must be found in the class: add the missing ones.
    if (!c.interface) {
      const own = new Map(c.methods.map((m) => [lc(m.name), m]));
      for (const iface of interfaceClosure(c, map)) {
        for (const im of iface.methods) {
          const k = lc(im.name);
          const have = own.get(k) || (methods.get(k) && methods.get(k).member);
          if (have) {
            if (have.visibility !== 'public') {
              note(`${c.name}::${im.name} made public (required by interface ${iface.name})`);
              have.visibility = 'public';
            }
            continue;
          }
          const copy = { ...im, params: im.params && im.params.map((p) => ({ ...p })), abstract: c.abstract, visibility: 'public' };
          c.methods.push(copy);
          own.set(k, copy);
          note(`${c.name}::${im.name} added (required by interface ${iface.name})`);
        }
      }
    }
  }

  // A class conforms only to the interfaces it lists itself (and its parent's),
  // not to the ones they extend: list the whole closure, as PHP sees it.
  for (const c of ordered) {
    if (!c.interface) c.interfaces = interfaceClosure(c, map).map((i) => i.name);
  }

  // A hint naming an interface that other interfaces extend would refuse an
  // object whose class lists only the extending interface: drop such hints.
  const extended = new Set();
  for (const c of classes) if (c.interface) c.interfaces.forEach((i) => extended.add(lc(i)));
  const dropExtended = (params, where) => {
    for (const p of params || []) {
      if (p.hint && extended.has(lc(p.hint))) {
        note(`${where}: hint ${p.hint} of $${p.name} dropped (an interface that others extend)`);
        p.hint = null;
      }
    }
  };
  for (const c of classes) for (const m of c.methods) dropExtended(m.params, `${c.name}::${m.name}`);
  sel.dropExtended = dropExtended;

  // Final order also puts hinted classes first where a cycle does not forbid it;
  // hints that would still name a later class are dropped.
  const final = topoOrder(classes, map, true);
  const declared = new Set();
  for (const c of final) {
    declared.add(lc(c.name));
    for (const m of c.methods) pruneHints(m.params, declared, `${c.name}::${m.name}`, note);
  }
  sel.classes = final;
  return declared;
}

function interfaceClosure(c, map) {
  const out = [];
  const seen = new Set();
  const visit = (name) => {
    const i = map.get(lc(name));
    if (!i || seen.has(lc(name))) return;
    seen.add(lc(name));
    out.push(i);
    i.interfaces.forEach(visit);
  };
  c.interfaces.forEach(visit);
  return out;
}

function hintedClasses(c) {
  const out = [];
  for (const m of c.methods) for (const p of m.params || []) if (p.hint && p.hint !== 'array') out.push(p.hint);
  return out;
}

// Depth-first order: parent and interfaces strictly first; with `soft`, hinted
// classes too, unless that would close a cycle.
function topoOrder(classes, map, soft) {
  const out = [];
  const state = new Map(); // undefined: new, 1: on the stack, 2: done
  const hardClosure = (c, acc = new Set()) => {
    for (const d of (c.parent ? [c.parent] : []).concat(c.interfaces)) {
      if (!acc.has(lc(d))) { acc.add(lc(d)); hardClosure(map.get(lc(d)), acc); }
    }
    return acc;
  };
  const visit = (c) => {
    const k = lc(c.name);
    if (state.get(k) === 2) return;
    if (state.get(k) === 1) throw new Error(`inheritance cycle at ${c.name}`);
    state.set(k, 1);
    const hard = (c.parent ? [c.parent] : []).concat(c.interfaces);
    for (const d of hard) visit(map.get(lc(d)));
    if (soft) {
      for (const h of hintedClasses(c)) {
        const d = map.get(lc(h));
        if (!d || state.has(lc(h))) continue;
        if ([...hardClosure(d)].some((a) => state.get(a) === 1)) continue;
        visit(d);
      }
    }
    state.set(k, 2);
    out.push(c);
  };
  classes.forEach(visit);
  return out;
}

function pruneHints(params, declared, where, note) {
  for (const p of params || []) {
    if (!p.hint || p.hint === 'array') continue;
    if (!declared.has(lc(p.hint))) {
      note(`${where}: hint ${p.hint} of $${p.name} dropped (class not written before it)`);
      p.hint = null;
    }
  }
}

module.exports = { shapeClasses, pruneHints };
