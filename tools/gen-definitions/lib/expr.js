'use strict';
// Constant-expression evaluation over token lists from the parser. Values:
//   {k:'int', v:BigInt} {k:'float', v:Number} {k:'str', v:String}
//   {k:'bool', v:Boolean} {k:'null'} {k:'array', items:[[key|null, value]]}
// and null for anything that cannot be worked out (calls, `new`, unknown names).

const CASTS = {
  int: 'int', integer: 'int', bool: 'bool', boolean: 'bool', float: 'float', double: 'float',
  real: 'float', string: 'str', binary: 'str', array: 'array',
};

const BINARY_LEVELS = [
  ['??'], ['||', 'or'], ['&&', 'and'], ['|'], ['^'], ['&'],
  ['==', '!=', '===', '!==', '<>'], ['<', '>', '<=', '>='], ['<<', '>>'],
  ['+', '-', '.'], ['*', '/', '%'],
];

const wrap64 = (b) => BigInt.asIntN(64, b);

function toInt(v) {
  if (!v) return null;
  switch (v.k) {
    case 'int': return v.v;
    case 'float': return Number.isFinite(v.v) ? wrap64(BigInt(Math.trunc(v.v))) : 0n;
    case 'bool': return v.v ? 1n : 0n;
    case 'null': return 0n;
    case 'str': { const m = /^\s*[+-]?\d+/.exec(v.v); return m ? wrap64(BigInt(m[0].trim())) : 0n; }
    case 'array': return v.items.length ? 1n : 0n;
  }
  return null;
}
function toFloat(v) {
  if (!v) return null;
  switch (v.k) {
    case 'int': return Number(v.v);
    case 'float': return v.v;
    case 'bool': return v.v ? 1 : 0;
    case 'null': return 0;
    case 'str': { const f = parseFloat(v.v); return Number.isNaN(f) ? 0 : f; }
    case 'array': return v.items.length ? 1 : 0;
  }
  return null;
}
function toBool(v) {
  if (!v) return null;
  switch (v.k) {
    case 'int': return v.v !== 0n;
    case 'float': return v.v !== 0;
    case 'bool': return v.v;
    case 'null': return false;
    case 'str': return v.v !== '' && v.v !== '0';
    case 'array': return v.items.length > 0;
  }
  return null;
}
function toStr(v) {
  if (!v) return null;
  switch (v.k) {
    case 'int': return v.v.toString();
    case 'float': return String(v.v);
    case 'bool': return v.v ? '1' : '';
    case 'null': return '';
    case 'str': return v.v;
    case 'array': return 'Array';
  }
  return null;
}

function parseInteger(text) {
  let big;
  if (/^0[xXbB]/.test(text)) big = BigInt(text);
  else if (/^0[oO]/.test(text)) big = BigInt('0o' + text.slice(2));
  else if (/^0[0-7]+$/.test(text)) big = BigInt('0o' + text.slice(1));
  else big = BigInt(text);
  // Integer literals beyond 64 bits are floats in PHP.
  return big > 9223372036854775807n ? null : big;
}

class ExprParser {
  constructor(tokens, ctx) { this.t = tokens; this.i = 0; this.ctx = ctx; }
  peek(k = 0) { return this.t[this.i + k] || { t: 'eof' }; }
  isOp(v, k = 0) { const x = this.peek(k); return x.t === 'op' && x.v === v; }
  atEnd() { return this.i >= this.t.length; }

  parse() {
    const v = this.ternary();
    return this.atEnd() ? v : null;
  }

  ternary() {
    const cond = this.binary(0);
    if (!this.isOp('?')) return cond;
    this.i++;
    const a = this.isOp(':') ? cond : this.ternary();
    if (!this.isOp(':')) throw new Error('bad ternary');
    this.i++;
    const b = this.ternary();
    const c = toBool(cond);
    return c === null ? null : (c ? a : b);
  }

  binary(level) {
    if (level >= BINARY_LEVELS.length) return this.unary();
    let left = this.binary(level + 1);
    for (;;) {
      const tok = this.peek();
      const op = tok.t === 'op' ? tok.v : tok.t === 'id' ? tok.v.toLowerCase() : null;
      if (!op || !BINARY_LEVELS[level].includes(op)) return left;
      this.i++;
      const right = this.binary(level + 1);
      left = applyBinary(op, left, right);
    }
  }

  unary() {
    const tok = this.peek();
    if (tok.t === 'op') {
      if (tok.v === '-' || tok.v === '+' || tok.v === '!' || tok.v === '~') {
        this.i++;
        const v = this.unary();
        return applyUnary(tok.v, v);
      }
      if (tok.v === '(' && this.peek(1).t === 'id' && this.isOp(')', 2) && CASTS[this.peek(1).v.toLowerCase()]) {
        const to = CASTS[this.peek(1).v.toLowerCase()];
        this.i += 3;
        return cast(to, this.unary());
      }
    }
    return this.power();
  }

  power() {
    const base = this.primary();
    if (this.isOp('**')) {
      this.i++;
      const e = this.unary();
      const a = toFloat(base); const b = toFloat(e);
      if (a === null || b === null) return null;
      if (base.k === 'int' && e.k === 'int' && e.v >= 0n) return { k: 'int', v: wrap64(base.v ** e.v) };
      return { k: 'float', v: a ** b };
    }
    return base;
  }

  list(close) {
    const items = [];
    while (!this.isOp(close)) {
      let v = this.ternary();
      let key = null;
      let bad = false;
      if (this.isOp('=>')) { this.i++; key = v; bad = key === null; v = this.ternary(); }
      items.push([key, bad ? null : v]);
      if (this.isOp(',')) this.i++;
      else if (!this.isOp(close)) throw new Error('bad list');
    }
    this.i++;
    return items;
  }

  primary() {
    const tok = this.peek();
    this.i++;
    switch (tok.t) {
      case 'int': { const b = parseInteger(tok.v); return b === null ? { k: 'float', v: Number(tok.v) } : { k: 'int', v: b }; }
      case 'float': return { k: 'float', v: Number(tok.v) };
      case 'str': return { k: 'str', v: tok.v };
      case 'op':
        if (tok.v === '(') {
          const v = this.ternary();
          if (!this.isOp(')')) throw new Error('missing )');
          this.i++;
          return v;
        }
        if (tok.v === '[') return arrayOf(this.list(']'));
        throw new Error(`unexpected ${tok.v}`);
      case 'id': {
        const name = tok.v.replace(/^\\/, '');
        const lower = name.toLowerCase();
        if (lower === 'array' && this.isOp('(')) { this.i++; return arrayOf(this.list(')')); }
        if (lower === 'new') { this.skipRest(); return null; }
        if (this.isOp('(')) { this.i++; this.list(')'); return null; } // a call
        if (this.isOp('::')) {
          this.i++;
          const member = this.peek(); this.i++;
          if (member.t !== 'id') return null;
          if (member.v.toLowerCase() === 'class') return { k: 'str', v: name };
          return this.ctx.classConstant ? this.ctx.classConstant(name, member.v) : null;
        }
        if (lower === 'true') return { k: 'bool', v: true };
        if (lower === 'false') return { k: 'bool', v: false };
        if (lower === 'null') return { k: 'null' };
        if (lower === 'php_int_max') return { k: 'int', v: 9223372036854775807n };
        return this.ctx.constant ? this.ctx.constant(name) : null;
      }
    }
    throw new Error('unexpected end');
  }

  skipRest() { this.i = this.t.length; }
}

function arrayOf(items) {
  if (items.some(([, v]) => v === null)) return { k: 'array', items: [], partial: true };
  return { k: 'array', items };
}

function cast(to, v) {
  if (v === null) return null;
  switch (to) {
    case 'int': return { k: 'int', v: toInt(v) };
    case 'float': return { k: 'float', v: toFloat(v) };
    case 'bool': return { k: 'bool', v: toBool(v) };
    case 'str': return { k: 'str', v: toStr(v) };
    case 'array': return v.k === 'array' ? v : { k: 'array', items: [[null, v]] };
  }
  return null;
}

function applyUnary(op, v) {
  if (v === null) return null;
  switch (op) {
    case '-': return v.k === 'int' ? { k: 'int', v: wrap64(-v.v) } : { k: 'float', v: -toFloat(v) };
    case '+': return v.k === 'int' || v.k === 'float' ? v : { k: 'float', v: toFloat(v) };
    case '!': return { k: 'bool', v: !toBool(v) };
    case '~': return { k: 'int', v: wrap64(~toInt(v)) };
  }
  return null;
}

function applyBinary(op, a, b) {
  if (op === '??') return a === null ? null : (a.k === 'null' ? b : a);
  if (a === null || b === null) return null;
  const bothInt = a.k === 'int' && b.k === 'int';
  switch (op) {
    case '|': return { k: 'int', v: wrap64(toInt(a) | toInt(b)) };
    case '&': return { k: 'int', v: wrap64(toInt(a) & toInt(b)) };
    case '^': return { k: 'int', v: wrap64(toInt(a) ^ toInt(b)) };
    case '<<': return { k: 'int', v: wrap64(toInt(a) << toInt(b)) };
    case '>>': return { k: 'int', v: wrap64(toInt(a) >> toInt(b)) };
    case '.': return { k: 'str', v: toStr(a) + toStr(b) };
    case '+': return bothInt ? { k: 'int', v: wrap64(a.v + b.v) } : { k: 'float', v: toFloat(a) + toFloat(b) };
    case '-': return bothInt ? { k: 'int', v: wrap64(a.v - b.v) } : { k: 'float', v: toFloat(a) - toFloat(b) };
    case '*': return bothInt ? { k: 'int', v: wrap64(a.v * b.v) } : { k: 'float', v: toFloat(a) * toFloat(b) };
    case '/':
      if (toFloat(b) === 0) return null;
      if (bothInt && a.v % b.v === 0n) return { k: 'int', v: a.v / b.v };
      return { k: 'float', v: toFloat(a) / toFloat(b) };
    case '%': return toInt(b) === 0n ? null : { k: 'int', v: toInt(a) % toInt(b) };
    case '||': case 'or': return { k: 'bool', v: toBool(a) || toBool(b) };
    case '&&': case 'and': return { k: 'bool', v: toBool(a) && toBool(b) };
    case '==': case '===': return { k: 'bool', v: toStr(a) === toStr(b) && a.k === b.k };
    case '!=': case '!==': case '<>': return { k: 'bool', v: !(toStr(a) === toStr(b) && a.k === b.k) };
    case '<': return { k: 'bool', v: toFloat(a) < toFloat(b) };
    case '>': return { k: 'bool', v: toFloat(a) > toFloat(b) };
    case '<=': return { k: 'bool', v: toFloat(a) <= toFloat(b) };
    case '>=': return { k: 'bool', v: toFloat(a) >= toFloat(b) };
  }
  return null;
}

// Evaluates a token list; ctx = {constant(name), classConstant(cls, name)}.
function evaluate(tokens, ctx = {}) {
  if (!tokens || tokens.length === 0) return null;
  try {
    return new ExprParser(tokens, ctx).parse();
  } catch (e) {
    return null;
  }
}

module.exports = { evaluate, toBool, toStr };
