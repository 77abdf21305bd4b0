'use strict';
// Reads the declarations of one stub file: global functions, classes,
// interfaces and constants, each with its attributes and doc comment.
// Bodies are skipped; expressions (defaults, constant values, attribute
// arguments) are kept as token lists for expr.js. Anything in a namespace
// other than the global one is dropped: the runtime we describe has none.

const { tokenize } = require('./lexer');

const MODIFIERS = new Set(['public', 'protected', 'private', 'static', 'abstract', 'final', 'var', 'readonly']);

class Parser {
  constructor(src, fileName, extension) {
    this.toks = tokenize(src, fileName);
    this.pos = 0;
    this.file = fileName;
    this.extension = extension;
    this.aliases = new Map(); // lower-case alias -> full name (from `use` statements)
    this.namespace = '';
    this.out = { functions: [], classes: [], constants: [] };
  }

  peek(k = 0) { return this.toks[Math.min(this.pos + k, this.toks.length - 1)]; }
  next() { return this.toks[this.pos < this.toks.length - 1 ? this.pos++ : this.pos]; }
  isOp(v, k = 0) { const t = this.peek(k); return t.t === 'op' && t.v === v; }
  isId(v, k = 0) { const t = this.peek(k); return t.t === 'id' && t.v.toLowerCase() === v; }
  expectOp(v) {
    const t = this.next();
    if (t.t !== 'op' || t.v !== v) this.fail(`expected "${v}", found "${t.v}"`, t);
    return t;
  }
  fail(msg, t = this.peek()) { throw new Error(`${this.file}:${t.line}: ${msg}`); }

  // Collects tokens up to (not including) one of the stop operators at bracket depth 0.
  collectUntil(stops) {
    const out = [];
    let depth = 0;
    for (;;) {
      const t = this.peek();
      if (t.t === 'eof') return out;
      if (t.t === 'op') {
        if (depth === 0 && stops.includes(t.v)) return out;
        if (t.v === '(' || t.v === '[' || t.v === '{' || t.v === '#[') depth++;
        else if (t.v === ')' || t.v === ']' || t.v === '}') {
          if (depth === 0) return out;
          depth--;
        }
      }
      if (t.t !== 'doc') out.push(t);
      this.next();
    }
  }

  skipBlock() {
    this.expectOp('{');
    let depth = 1;
    while (depth > 0) {
      const t = this.next();
      if (t.t === 'eof') this.fail('unterminated block', t);
      if (t.t === 'op' && (t.v === '{')) depth++;
      else if (t.t === 'op' && t.v === '}') depth--;
    }
  }

  // Skips one statement we have no use for: up to ";" or through a balanced block.
  skipStatement() {
    let depth = 0;
    for (;;) {
      const t = this.next();
      if (t.t === 'eof') return;
      if (t.t !== 'op') continue;
      if (t.v === '(' || t.v === '[') depth++;
      else if (t.v === ')' || t.v === ']') depth--;
      else if (t.v === '{') { this.pos--; this.skipBlock(); if (depth === 0) return; }
      else if (t.v === ';' && depth === 0) return;
    }
  }

  resolveAlias(name) {
    const bare = name.replace(/^\\/, '');
    const first = bare.split('\\')[0].toLowerCase();
    if (this.aliases.has(first)) {
      const rest = bare.split('\\').slice(1);
      return [this.aliases.get(first), ...rest].join('\\');
    }
    return bare;
  }

  // #[Name(args), Name2] ... -> [{name, args: [{name|null, tokens}]}]
  parseAttributes() {
    const attrs = [];
    while (this.isOp('#[')) {
      this.next();
      while (!this.isOp(']')) {
        const nameTok = this.next();
        if (nameTok.t !== 'id') this.fail('attribute name expected', nameTok);
        const attr = { name: this.resolveAlias(nameTok.v), args: [] };
        if (this.isOp('(')) {
          this.next();
          while (!this.isOp(')')) {
            let argName = null;
            if (this.peek().t === 'id' && this.isOp(':', 1)) { argName = this.next().v; this.next(); }
            attr.args.push({ name: argName, tokens: this.collectUntil([',', ')']) });
            if (this.isOp(',')) this.next();
          }
          this.next();
        }
        attrs.push(attr);
        if (this.isOp(',')) this.next();
      }
      this.next();
    }
    return attrs;
  }

  // Leading doc comment and attributes, in either order.
  parsePrelude() {
    let doc = null;
    let attrs = [];
    for (;;) {
      if (this.peek().t === 'doc') { doc = this.next().v; continue; }
      if (this.isOp('#[')) { attrs = attrs.concat(this.parseAttributes()); continue; }
      return { doc, attrs };
    }
  }

  // A type up to the parameter or property name: "?Foo", "A|B", "(A&B)|null", ...
  parseType() {
    let text = '';
    let wantName = true; // a name is expected next, not an operator
    for (;;) {
      const t = this.peek();
      if (wantName) {
        if (t.t === 'id') { text += t.v; this.next(); wantName = false; continue; }
        if (t.t === 'op' && (t.v === '?' || t.v === '(')) { text += t.v; this.next(); continue; }
        break;
      }
      if (t.t === 'op' && (t.v === '|' || t.v === '&')) {
        const after = this.peek(1);
        if (t.v === '&' && (after.t === 'var' || (after.t === 'op' && after.v === '...'))) break;
        text += t.v; this.next(); wantName = true; continue;
      }
      if (t.t === 'op' && t.v === ')' && text.includes('(')) { text += ')'; this.next(); continue; }
      break;
    }
    return text || null;
  }

  parseParams() {
    this.expectOp('(');
    const params = [];
    while (!this.isOp(')')) {
      const { attrs } = this.parsePrelude();
      while (this.peek().t === 'id' && MODIFIERS.has(this.peek().v.toLowerCase()) && this.peek(1).t !== 'var') this.next();
      const type = this.parseType();
      const p = { name: null, type, attrs, byRef: false, variadic: false, defaultTokens: null };
      if (this.isOp('&')) { this.next(); p.byRef = true; }
      if (this.isOp('...')) { this.next(); p.variadic = true; }
      const v = this.next();
      if (v.t !== 'var') this.fail(`parameter name expected, found "${v.v}"`, v);
      p.name = v.v;
      if (this.isOp('=')) { this.next(); p.defaultTokens = this.collectUntil([',', ')']); }
      if (this.isOp('{')) this.skipBlock(); // property hooks of promoted parameters
      params.push(p);
      if (this.isOp(',')) this.next();
      else if (!this.isOp(')')) this.fail(`"," or ")" expected in parameter list, found "${this.peek().v}"`);
    }
    this.next();
    return params;
  }

  skipReturnType() {
    if (this.isOp(':')) { this.next(); this.parseType(); if (this.isId('static')) this.next(); }
  }

  parseFunction(prelude) {
    this.next(); // function
    let byRef = false;
    if (this.isOp('&')) { this.next(); byRef = true; }
    const nameTok = this.next();
    if (nameTok.t !== 'id') this.fail('function name expected', nameTok);
    const params = this.parseParams();
    this.skipReturnType();
    let hasBody = false;
    if (this.isOp('{')) { this.skipBlock(); hasBody = true; } else this.expectOp(';');
    return { name: nameTok.v, byRef, params, hasBody, doc: prelude.doc, attrs: prelude.attrs, file: this.file, line: nameTok.line, extension: this.extension };
  }

  parseNameList() {
    const names = [];
    for (;;) {
      const t = this.next();
      if (t.t !== 'id') this.fail('class name expected', t);
      names.push(this.resolveAlias(t.v));
      if (!this.isOp(',')) return names;
      this.next();
    }
  }

  parseClassLike(prelude, mods) {
    const kindTok = this.next();
    const kind = kindTok.v.toLowerCase();
    const nameTok = this.next();
    if (nameTok.t !== 'id') this.fail('class name expected', nameTok);
    const cls = {
      kind, name: nameTok.v, abstract: mods.has('abstract'), final: mods.has('final'),
      extends: [], implements: [], consts: [], props: [], methods: [],
      doc: prelude.doc, attrs: prelude.attrs, file: this.file, line: nameTok.line, extension: this.extension,
    };
    if (kind === 'enum' && this.isOp(':')) { this.next(); this.next(); }
    if (this.isId('extends')) { this.next(); cls.extends = this.parseNameList(); }
    if (this.isId('implements')) { this.next(); cls.implements = this.parseNameList(); }
    this.expectOp('{');
    while (!this.isOp('}')) this.parseMember(cls);
    this.next();
    return cls;
  }

  parseMember(cls) {
    const prelude = this.parsePrelude();
    if (this.isOp('}')) return;
    const mods = new Set();
    while (this.peek().t === 'id' && MODIFIERS.has(this.peek().v.toLowerCase())) {
      const m = this.peek().v.toLowerCase();
      // "static" also starts nothing else here; a name after modifiers is a type.
      mods.add(m); this.next();
    }
    const visibility = mods.has('private') ? 'private' : mods.has('protected') ? 'protected' : 'public';
    if (this.isId('use') || this.isId('case')) { this.skipStatement(); return; }
    if (this.isId('const')) {
      this.next();
      // Typed class constants: "const int X = 1"
      if (!this.isOp('=', 1)) this.parseType();
      for (;;) {
        const nameTok = this.next();
        if (nameTok.t !== 'id') this.fail('constant name expected', nameTok);
        this.expectOp('=');
        const tokens = this.collectUntil([',', ';']);
        cls.consts.push({ name: nameTok.v, tokens, doc: prelude.doc, attrs: prelude.attrs, visibility, line: nameTok.line });
        if (this.isOp(',')) { this.next(); continue; }
        this.expectOp(';');
        return;
      }
    }
    if (this.isId('function')) {
      const f = this.parseFunction(prelude);
      cls.methods.push({
        name: f.name, byRef: f.byRef, params: f.params, doc: f.doc, attrs: f.attrs, line: f.line,
        visibility, static: mods.has('static'), abstract: mods.has('abstract') || (cls.kind === 'interface'),
        final: mods.has('final'), hasBody: f.hasBody,
      });
      return;
    }
    // Property declaration: [type] $a [= v], $b ...;
    this.parseType();
    for (;;) {
      const v = this.next();
      if (v.t !== 'var') this.fail(`member expected in class ${cls.name}, found "${v.v}"`, v);
      if (this.isOp('=')) { this.next(); this.collectUntil([',', ';', '{']); }
      cls.props.push({ name: v.v, visibility, static: mods.has('static'), readonly: mods.has('readonly'), doc: prelude.doc, attrs: prelude.attrs, line: v.line });
      if (this.isOp('{')) { this.skipBlock(); return; } // property hooks
      if (this.isOp(',')) { this.next(); continue; }
      this.expectOp(';');
      return;
    }
  }

  parseUse() {
    this.next();
    if (this.isId('function') || this.isId('const')) this.next();
    for (;;) {
      const t = this.next();
      if (t.t !== 'id') { this.pos--; this.skipStatement(); return; }
      const full = t.v.replace(/^\\/, '');
      let alias = full.split('\\').pop();
      if (this.isId('as')) { this.next(); alias = this.next().v; }
      this.aliases.set(alias.toLowerCase(), full);
      if (this.isOp(',')) { this.next(); continue; }
      this.expectOp(';');
      return;
    }
  }

  parseDefine(prelude) {
    const nameTok = this.peek();
    this.next(); // define
    this.expectOp('(');
    const args = [];
    while (!this.isOp(')')) {
      args.push(this.collectUntil([',', ')']));
      if (this.isOp(',')) this.next();
    }
    this.next();
    if (this.isOp(';')) this.next();
    if (args.length < 2 || args[0].length !== 1 || args[0][0].t !== 'str') return;
    this.out.constants.push({
      name: args[0][0].v, tokens: args[1], caseInsensitiveTokens: args[2] || null,
      doc: prelude.doc, attrs: prelude.attrs, file: this.file, line: nameTok.line, extension: this.extension,
    });
  }

  parseTopLevel(untilBrace) {
    for (;;) {
      if (this.peek().t === 'eof') return;
      if (untilBrace && this.isOp('}')) { this.next(); return; }
      const prelude = this.parsePrelude();
      const t = this.peek();
      if (t.t === 'eof') return;
      const global = this.namespace === '';
      if (t.t === 'id') {
        const w = t.v.toLowerCase();
        if (w === 'namespace' && (this.peek(1).t === 'id' || this.isOp('{', 1))) {
          this.next();
          const name = this.peek().t === 'id' ? this.next().v : '';
          if (this.isOp('{')) {
            this.next();
            const saved = this.namespace;
            const savedAliases = this.aliases;
            this.namespace = name;
            this.aliases = new Map(savedAliases);
            this.parseTopLevel(true);
            this.namespace = saved;
            this.aliases = savedAliases;
          } else {
            this.expectOp(';');
            this.namespace = name;
            this.aliases = new Map();
          }
          continue;
        }
        if (w === 'use') { this.parseUse(); continue; }
        if (w === 'function' && this.peek(1).t !== 'op' || (w === 'function' && this.isOp('&', 1))) {
          const f = this.parseFunction(prelude);
          if (global) this.out.functions.push(f);
          continue;
        }
        const mods = new Set();
        let k = 0;
        while (['abstract', 'final', 'readonly'].includes((this.peek(k).t === 'id' && this.peek(k).v.toLowerCase()) || '')) {
          mods.add(this.peek(k).v.toLowerCase());
          k++;
        }
        const kw = this.peek(k).t === 'id' ? this.peek(k).v.toLowerCase() : '';
        if (['class', 'interface', 'trait', 'enum'].includes(kw) && this.peek(k + 1).t === 'id') {
          this.pos += k;
          const cls = this.parseClassLike(prelude, mods);
          if (global) this.out.classes.push(cls);
          continue;
        }
        if (w === 'define' && this.isOp('(', 1)) {
          if (global) this.parseDefine(prelude); else this.skipStatement();
          continue;
        }
        if (w === 'const') {
          this.next();
          for (;;) {
            const nameTok = this.next();
            this.expectOp('=');
            const tokens = this.collectUntil([',', ';']);
            if (global) {
              this.out.constants.push({ name: nameTok.v, tokens, caseInsensitiveTokens: null, doc: prelude.doc, attrs: prelude.attrs, file: this.file, line: nameTok.line, extension: this.extension });
            }
            if (this.isOp(',')) { this.next(); continue; }
            this.expectOp(';');
            break;
          }
          continue;
        }
      }
      this.skipStatement();
    }
  }
}

function parseStub(src, fileName, extension) {
  const p = new Parser(src, fileName, extension);
  p.parseTopLevel(false);
  return p.out;
}

module.exports = { parseStub };
