'use strict';
// Picks the PHP 5 runtime out of the parsed stubs and shapes it to what the
// checker's grammar and signature rules accept.

const { evaluate } = require('./expr');

// PHP 5.2 .. 5.6 as major * 100 + minor.
const FIRST = 502;
const LAST = 506;
const NEVER = 9999;
// Parameters the stubs mark as available from this version or earlier are
// kept in the PHP 5 signatures (optional): see `params`.
const LATE_KEPT = 701;

// Words the checker's scanner reads as keywords: they cannot stand where only a
// plain name is accepted (class constant names, extends/implements lists, bare
// constant names in defaults).
const KEYWORDS = new Set((
  'require_once require eval include_once include or xor and print instanceof clone new elseif ' +
  'else endif public protected private final abstract static array as break case catch class ' +
  'const continue declare default do __class__ __file__ __function__ __line__ __method__ echo ' +
  'empty enddeclare endfor endforeach endswitch endwhile extends for foreach function global ' +
  '__halt_compiler if implements interface isset list binary bool boolean double exit float int ' +
  'integer object real string return switch throw try unset use var while').split(' '));

// Type names that are not classes: never written as hints.
const NON_CLASS_TYPES = new Set([
  'int', 'integer', 'float', 'double', 'string', 'bool', 'boolean', 'mixed', 'callable', 'iterable',
  'object', 'resource', 'void', 'null', 'false', 'true', 'never', 'static', 'parent', 'scalar',
  'number', 'callback', 'binary', 'real',
]);

function version(text) {
  const m = /^(\d+)(?:\.(\d+))?/.exec(String(text).trim());
  return m ? Number(m[1]) * 100 + Number(m[2] || 0) : null;
}

const lastSegment = (name) => name.split('\\').pop();

function attrArgs(attr) {
  const named = {};
  const positional = [];
  for (const a of attr.args) {
    const v = evaluate(a.tokens);
    if (a.name) named[a.name] = v; else positional.push(v);
  }
  return { named, positional };
}

// The versions range [from, to] in which an element exists, from its
// availability attributes and its @since / @removed tags.
function range(el) {
  let from = 0;
  let to = NEVER;
  for (const attr of el.attrs || []) {
    if (!/ElementAvailable$/.test(lastSegment(attr.name))) continue;
    const { named, positional } = attrArgs(attr);
    const f = named.from || positional[0];
    const t = named.to || positional[1];
    if (f && f.k === 'str') from = Math.max(from, version(f.v));
    if (t && t.k === 'str') to = Math.min(to, version(t.v));
  }
  if (el.doc) {
    const since = /@since\s+(\d+\.\d+(?:\.\d+)?)/.exec(el.doc);
    if (since) from = Math.max(from, version(since[1]));
    const removed = /@removed\s+(\d+\.\d+)/.exec(el.doc);
    if (removed) to = Math.min(to, version(removed[1]) - 1);
  }
  return { from, to };
}

const existsIn5 = (r) => r.from <= LAST && r.to >= FIRST;
const existsAt = (r, v) => r.from <= v && r.to >= v;
// The PHP 5 version whose signature we describe: 5.6, or the last 5.x one that had the element.
const referenceVersion = (r) => Math.min(LAST, r.to);

// Among declarations of one name, the one that PHP 5.6 (else the latest PHP 5) had.
function pickBest(candidates) {
  let best = null;
  for (const c of candidates) {
    const r = c.range;
    if (!existsIn5(r)) continue;
    if (!best) { best = c; continue; }
    const br = best.range;
    const score = (x) => (existsAt(x, LAST) ? 1 : 0);
    if (score(r) > score(br) || (score(r) === score(br) && r.to > br.to)) best = c;
  }
  return best;
}

function groupBy(items, key) {
  const map = new Map();
  for (const it of items) {
    const k = key(it);
    if (!map.has(k)) map.set(k, []);
    map.get(k).push(it);
  }
  return map;
}

// The type a parameter had in PHP at version v: a LanguageLevelTypeAware
// attribute gives versioned types (its `default` is the type before them).
function typeAt(param, v) {
  for (const attr of param.attrs || []) {
    const n = lastSegment(attr.name);
    if (n !== 'LanguageLevelTypeAware') continue;
    const { named, positional } = attrArgs(attr);
    const map = positional[0];
    let chosen = named.default ? named.default.v : '';
    let chosenAt = -1;
    if (map && map.k === 'array') {
      for (const [k, val] of map.items) {
        const kv = k && version(k.v);
        if (kv !== null && kv <= v && kv > chosenAt && val.k === 'str') { chosen = val.v; chosenAt = kv; }
      }
    }
    return chosen || null;
  }
  return param.type;
}

class Selector {
  constructor(parsed, log) {
    this.log = log;
    this.notes = [];
    this.functions = [];
    this.classes = [];
    this.constants = [];
    this.all = parsed;
    this.classIndex = new Map(); // lower-case name -> raw class (for constant lookups)
    for (const c of parsed.classes) {
      c.range = range(c);
      const k = c.name.toLowerCase();
      if (!this.classIndex.has(k) || (existsIn5(c.range) && !existsIn5(this.classIndex.get(k).range))) this.classIndex.set(k, c);
    }
    this.constIndex = new Map();
    for (const k of parsed.constants) {
      k.range = range(k);
      if (!this.constIndex.has(k.name) || (existsIn5(k.range) && !existsIn5(this.constIndex.get(k.name).range))) this.constIndex.set(k.name, k);
    }
    this.evaluating = new Set();
  }

  note(text) { this.notes.push(text); }

  // Evaluation context resolving global and class constants from the stubs.
  ctx(selfClass) {
    return {
      constant: (name) => this.constantValue(name),
      classConstant: (cls, name) => {
        let target = cls;
        if (/^(self|static)$/i.test(cls) && selfClass) target = selfClass;
        return this.classConstantValue(target, name);
      },
    };
  }

  constantValue(name) {
    const c = this.constIndex.get(name.replace(/^\\/, ''));
    if (!c || this.evaluating.has(c)) return null;
    this.evaluating.add(c);
    const v = evaluate(c.tokens, this.ctx(null));
    this.evaluating.delete(c);
    return v;
  }

  classConstantValue(className, name) {
    const cls = this.classIndex.get(className.replace(/^\\/, '').toLowerCase());
    if (!cls) return null;
    const k = cls.consts.find((x) => x.name === name);
    if (!k) {
      for (const p of cls.extends.concat(cls.implements)) {
        const v = this.classConstantValue(p, name);
        if (v) return v;
      }
      return null;
    }
    if (this.evaluating.has(k)) return null;
    this.evaluating.add(k);
    const v = evaluate(k.tokens, this.ctx(cls.name));
    this.evaluating.delete(k);
    return v;
  }

  // Parameters as PHP had them at version v; null when the list cannot be
  // described (variadic), which is written as empty parentheses.
  params(fn, v, owner, where) {
    const out = [];
    let optionalSeen = false;
    // The manual's "[optional]" marks in the doc comment catch parameters the
    // stub declares without a default although PHP 5 let callers omit them.
    const documentedOptional = new Set();
    for (const m of (fn.doc || '').matchAll(/@param\s+(?:[^\s$]+\s+)?&?(?:\.\.\.)?\$(\w+)\s*\[optional\]/g)) documentedOptional.add(m[1]);
    // The stubs mark with 7.0 or 7.1 parameters whose earlier history they do
    // not record, and several of them PHP 5 already had (assert's
    // description, fputcsv's escape, ini_get_all's details, mysqli_query's
    // result mode): such a parameter is kept, optional. A parameter of one name
    // declared for several versions is written once, optional when any
    // version lets callers omit it.
    const seen = new Set();
    const laterDefault = new Map();
    for (const p of fn.params) if (p.defaultTokens && !laterDefault.has(p.name)) laterDefault.set(p.name, p.defaultTokens);
    // A parameter that starts where the one before it ends is that parameter
    // renamed (getenv's $varname became $name): it is not a second one.
    const renamed = new Set();
    fn.params.forEach((p, i) => {
      if (i === 0) return;
      const before = fn.params[i - 1];
      const br = range({ attrs: before.attrs });
      const pr = range({ attrs: p.attrs });
      if (existsAt(br, v) && br.to < NEVER && pr.from > br.to && !existsAt(pr, v)) {
        renamed.add(p);
        if (p.defaultTokens && !laterDefault.has(before.name)) laterDefault.set(before.name, p.defaultTokens);
      }
    });
    for (const p of fn.params) {
      if (renamed.has(p)) continue;
      const pr = range({ attrs: p.attrs });
      if (existsAt(pr, v) && p.variadic) return null;
      const later = !existsAt(pr, v) && pr.from > v && pr.from <= LATE_KEPT && !p.variadic;
      if (!existsAt(pr, v) && !later) continue;
      if (seen.has(p.name)) continue;
      seen.add(p.name);
      let dflt = null;
      const dfltTokens = p.defaultTokens || laterDefault.get(p.name);
      if (later && !p.defaultTokens) {
        dflt = { k: 'null' };
        optionalSeen = true;
        this.note(`${where}: parameter $${p.name} marked from a later version; kept with the default null`);
      } else if (dfltTokens) {
        if (later) this.note(`${where}: parameter $${p.name} marked from a later version; kept as optional`);
        else if (!p.defaultTokens) this.note(`${where}: parameter $${p.name} optional in another version; kept optional`);
        dflt = evaluate(dfltTokens, this.ctx(owner));
        if (dflt === null) dflt = { k: 'null' };
        optionalSeen = true;
      } else if (documentedOptional.has(p.name)) {
        dflt = { k: 'null' };
        optionalSeen = true;
        this.note(`${where}: parameter $${p.name} documented as optional; given the default null`);
      } else if (optionalSeen) {
        dflt = { k: 'null' };
        this.note(`${where}: parameter $${p.name} follows an optional one; given the default null`);
      }
      let hint = typeAt(p, v);
      hint = this.hintOf(hint, owner, dflt);
      out.push({ name: p.name, byRef: p.byRef, hint, default: dflt });
    }
    return out;
  }

  // Only `array` and class names are kept; a nullable hint, or one on a
  // parameter whose default is null, is dropped since null must stay accepted.
  hintOf(type, owner, dflt) {
    if (!type) return null;
    let t = type.trim();
    if (t.startsWith('?')) return null;
    const parts = t.split('|').map((x) => x.trim());
    if (parts.length > 1) return null;
    t = parts[0].replace(/^\\/, '');
    if (/[&()]/.test(t)) return null;
    if (dflt && dflt.k === 'null') return null;
    const lower = t.toLowerCase();
    if (lower === 'array') return 'array';
    if (lower === 'self') return owner || null;
    if (NON_CLASS_TYPES.has(lower) || t.includes('\\')) return null;
    return t; // a class name; checked against the written classes later
  }

  // Several declarations valid at once (overloads), or a variadic list in any
  // version (the stubs give some PHP 5 variadics a fixed list): the arity
  // cannot be described, and calls are left unchecked.
  describable(cands, v, where) {
    const atV = cands.filter((c) => existsAt(c.range, v));
    if (atV.length > 1) { this.note(`${where}: ${atV.length} signatures at once; written without parameters`); return false; }
    if (cands.some((c) => c.params.some((p) => p.variadic)) && !atV.some((c) => c.params.some((p) => p.variadic && existsAt(range({ attrs: p.attrs }), v)))) {
      this.note(`${where}: variadic in another version; written without parameters`);
      return false;
    }
    return true;
  }

  selectFunctions() {
    const groups = groupBy(this.all.functions, (f) => f.name.toLowerCase());
    for (const [, cands] of groups) {
      for (const c of cands) c.range = range(c);
      const best = pickBest(cands);
      if (!best) continue;
      const v = referenceVersion(best.range);
      const where = `function ${best.name}`;
      this.functions.push({
        name: best.name, byRef: best.byRef, extension: best.extension,
        params: this.describable(cands, v, where) ? this.params(best, v, null, where) : null,
      });
    }
  }

  selectConstants() {
    const groups = groupBy(this.all.constants, (k) => k.name);
    for (const [name, cands] of groups) {
      const best = pickBest(cands);
      if (!best) continue;
      const value = evaluate(best.tokens, this.ctx(null));
      this.constants.push({ name, value, tokens: best.tokens, extension: best.extension });
    }
  }

  selectClasses() {
    const groups = groupBy(this.all.classes, (c) => c.name.toLowerCase());
    for (const [, cands] of groups) {
      const best = pickBest(cands.filter((c) => c.kind === 'class' || c.kind === 'interface'));
      if (!best) continue;
      const v = referenceVersion(best.range);
      const cls = {
        name: best.name, interface: best.kind === 'interface', abstract: best.abstract, final: best.final,
        parent: best.kind === 'class' ? (best.extends[0] || null) : null,
        interfaces: best.kind === 'class' ? best.implements.slice() : best.extends.slice(),
        consts: [], props: [], methods: [], extension: best.extension,
        laterMethods: new Set(), // methods the stubs give the class only outside PHP 5
      };
      const memberOk = (m) => { const r = range(m); return r.from <= v && r.to >= v; };
      const seenConst = new Set();
      for (const k of best.consts) {
        if (!memberOk(k) || k.visibility === 'private' || seenConst.has(k.name)) continue;
        seenConst.add(k.name);
        if (cls.interface) { this.note(`interface constant ${cls.name}::${k.name} left out (the grammar has no interface constants)`); continue; }
        if (KEYWORDS.has(k.name.toLowerCase())) { this.note(`class constant ${cls.name}::${k.name} left out (its name is a keyword)`); continue; }
        let value = evaluate(k.tokens, this.ctx(best.name));
        if (value === null || (value.k === 'array' && value.partial)) {
          this.note(`class constant ${cls.name}::${k.name}: value not computable, written as 0`);
          value = { k: 'int', v: 0n };
        }
        cls.consts.push({ name: k.name, value });
      }
      const seenProp = new Set();
      if (!cls.interface) {
        for (const p of best.props) {
          if (!memberOk(p) || seenProp.has(p.name)) continue;
          seenProp.add(p.name);
          cls.props.push({ name: p.name, visibility: p.visibility, static: p.static });
        }
      }
      for (const [, mcands] of groupBy(best.methods, (m) => m.name.toLowerCase())) {
        for (const m of mcands) m.range = range(m);
        const inClass = mcands.filter((m) => existsAt(m.range, v));
        const m = inClass.length ? inClass[inClass.length - 1] : null;
        if (!m) { cls.laterMethods.add(mcands[0].name.toLowerCase()); continue; }
        cls.methods.push({
          name: m.name, byRef: m.byRef, visibility: cls.interface ? 'public' : m.visibility,
          static: m.static, abstract: !cls.interface && m.abstract, final: m.final,
          params: this.describable(mcands, v, `${best.name}::${m.name}`) ? this.params(m, v, best.name, `${best.name}::${m.name}`) : null,
        });
      }
      this.classes.push(cls);
    }
  }

  run() {
    this.selectClasses();
    this.selectFunctions();
    this.selectConstants();
    return this;
  }
}

module.exports = { Selector, KEYWORDS, version, range, existsIn5 };
