'use strict';
// Tokenizer for the subset of PHP that stub files use: declarations, attributes,
// doc comments and constant expressions. Function bodies are skipped by the
// parser by brace matching, so statements need no special care here.

const OPERATORS = [
  '...', '<<=', '>>=', '**=', '===', '!==', '<=>', '??=', '?->',
  '::', '=>', '->', '==', '!=', '<>', '<=', '>=', '<<', '>>', '&&', '||', '??',
  '++', '--', '+=', '-=', '*=', '/=', '.=', '%=', '&=', '|=', '^=', '**', '#[',
];

const isIdentStart = (c) => /[A-Za-z_\x80-\uffff]/.test(c);
const isIdentChar = (c) => /[A-Za-z0-9_\x80-\uffff]/.test(c);

// Decodes the escape sequences of a double-quoted PHP string.
function decodeDouble(body) {
  let out = '';
  for (let i = 0; i < body.length; i++) {
    const c = body[i];
    if (c !== '\\' || i + 1 >= body.length) { out += c; continue; }
    const n = body[++i];
    const simple = { n: '\n', t: '\t', r: '\r', v: '\v', e: '\x1b', f: '\f', '\\': '\\', $: '$', '"': '"' };
    if (n in simple) { out += simple[n]; continue; }
    let m;
    if ((m = /^[0-7]{1,3}/.exec(body.slice(i)))) {
      out += String.fromCharCode(parseInt(m[0], 8) & 0xff); i += m[0].length - 1; continue;
    }
    if (n === 'x' && (m = /^[0-9A-Fa-f]{1,2}/.exec(body.slice(i + 1)))) {
      out += String.fromCharCode(parseInt(m[0], 16)); i += m[0].length; continue;
    }
    if (n === 'u' && (m = /^\{([0-9A-Fa-f]+)\}/.exec(body.slice(i + 1)))) {
      out += String.fromCodePoint(parseInt(m[1], 16)); i += m[0].length; continue;
    }
    out += '\\' + n;
  }
  return out;
}

function decodeSingle(body) {
  return body.replace(/\\([\\'])/g, '$1');
}

// Returns an array of tokens {t, v, line}; t is one of
// 'id' (name, possibly qualified), 'var' ($name, v without "$"), 'str', 'int',
// 'float', 'op', 'doc' (a /** */ comment).
function tokenize(src, fileName) {
  const tokens = [];
  let i = 0;
  let line = 1;
  const n = src.length;
  const push = (t, v) => tokens.push({ t, v, line });
  const countLines = (s) => { for (const ch of s) if (ch === '\n') line++; };

  // Everything before the first opening tag is inline text.
  const open = src.indexOf('<?php');
  if (open >= 0) { countLines(src.slice(0, open)); i = open + 5; }

  while (i < n) {
    const c = src[i];
    if (c === '\n') { line++; i++; continue; }
    if (c === ' ' || c === '\t' || c === '\r') { i++; continue; }
    if (src.startsWith('?>', i)) { i += 2; continue; }
    if (src.startsWith('#[', i)) { push('op', '#['); i += 2; continue; }
    if (c === '#' || src.startsWith('//', i)) {
      while (i < n && src[i] !== '\n') i++;
      continue;
    }
    if (src.startsWith('/*', i)) {
      const end = src.indexOf('*/', i + 2);
      const stop = end < 0 ? n : end + 2;
      const text = src.slice(i, stop);
      if (text.startsWith('/**')) push('doc', text);
      countLines(text);
      i = stop;
      continue;
    }
    if (c === "'" || ((c === 'b' || c === 'B') && src[i + 1] === "'")) {
      let j = c === "'" ? i + 1 : i + 2;
      const start = j;
      while (j < n && src[j] !== "'") j += src[j] === '\\' ? 2 : 1;
      const body = src.slice(start, j);
      push('str', decodeSingle(body));
      countLines(body);
      i = j + 1;
      continue;
    }
    if (c === '"' || ((c === 'b' || c === 'B') && src[i + 1] === '"')) {
      let j = c === '"' ? i + 1 : i + 2;
      const start = j;
      while (j < n && src[j] !== '"') j += src[j] === '\\' ? 2 : 1;
      const body = src.slice(start, j);
      push('str', decodeDouble(body));
      countLines(body);
      i = j + 1;
      continue;
    }
    if (src.startsWith('<<<', i)) {
      const m = /^<<<[ \t]*(["']?)([A-Za-z_][A-Za-z0-9_]*)\1\r?\n/.exec(src.slice(i));
      if (m) {
        const label = m[2];
        const bodyStart = i + m[0].length;
        const re = new RegExp('\\n[ \\t]*' + label + '\\b', 'g');
        re.lastIndex = bodyStart - 1;
        const end = re.exec(src);
        const stop = end ? end.index : n;
        const body = src.slice(bodyStart, stop);
        push('str', m[1] === "'" ? body : decodeDouble(body));
        countLines(src.slice(i, end ? end.index + end[0].length : n));
        i = end ? end.index + end[0].length : n;
        continue;
      }
    }
    if (c === '$' && isIdentStart(src[i + 1] || '')) {
      let j = i + 1;
      while (j < n && isIdentChar(src[j])) j++;
      push('var', src.slice(i + 1, j));
      i = j;
      continue;
    }
    const num = /^(?:0[xX][0-9A-Fa-f_]+|0[bB][01_]+|0[oO][0-7_]+|(?:[0-9][0-9_]*)?\.[0-9][0-9_]*(?:[eE][+-]?[0-9]+)?|[0-9][0-9_]*\.(?:[eE][+-]?[0-9]+)?|[0-9][0-9_]*[eE][+-]?[0-9]+|[0-9][0-9_]*)/.exec(src.slice(i, i + 80));
    if (num && /[0-9.]/.test(c) && !(c === '.' && !/[0-9]/.test(src[i + 1] || ''))) {
      const text = num[0].replace(/_/g, '');
      const isFloat = !/^0[xXbBoO]/.test(text) && /[.eE]/.test(text);
      push(isFloat ? 'float' : 'int', text);
      i += num[0].length;
      continue;
    }
    if (isIdentStart(c) || (c === '\\' && isIdentStart(src[i + 1] || ''))) {
      let j = i;
      while (j < n && (isIdentChar(src[j]) || (src[j] === '\\' && isIdentStart(src[j + 1] || '')))) j++;
      push('id', src.slice(i, j));
      i = j;
      continue;
    }
    const op = OPERATORS.find((o) => src.startsWith(o, i));
    if (op) { push('op', op); i += op.length; continue; }
    push('op', c);
    i++;
  }
  push('eof', null);
  return tokens;
}

module.exports = { tokenize };
