#!/usr/bin/env node
'use strict';
// Generates definitions/class.php, function.php and constant.php: the PHP 5
// runtime (5.2 to 5.6) as the checker's built-in definitions, taken from the
// phpstorm-stubs that the npm package intelephense ships under lib/stub/.
//
//   node tools/gen-definitions/gen.js [--out DIR] [--cache DIR] [--package VERSION] [--notes FILE]
//
// The package is fetched once with `npm pack` into the cache directory
// (default ~/.cache/tarnwick-gen-definitions), never into the repository.

const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { parseStub } = require('./lib/parser');
const { Selector, KEYWORDS } = require('./lib/select');
const { shapeClasses, pruneHints } = require('./lib/shape');
const { classFile, functionFile, constantFile, scalar } = require('./lib/emit');

const PACKAGE_VERSION = '1.18.5';

// Stub folders: the core and the extensions commonly bundled with PHP 5.
const EXTENSIONS = [
  'Core', 'standard', 'date', 'pcre', 'SPL', 'Reflection', 'json', 'ctype', 'mbstring', 'iconv',
  'session', 'mysql', 'mysqli', 'PDO', 'pgsql', 'SQLite', 'sqlite3', 'xml', 'dom', 'SimpleXML',
  'libxml', 'xmlreader', 'xmlwriter', 'gd', 'curl', 'zlib', 'bcmath', 'calendar', 'filter', 'hash',
  'openssl', 'sockets', 'ftp', 'gettext', 'posix', 'pcntl', 'mcrypt', 'exif', 'tokenizer', 'imap',
  'ldap', 'soap', 'zip', 'bz2', 'regex', 'shmop', 'sysvmsg', 'sysvsem', 'sysvshm', 'readline', 'gmp',
  'xsl', 'fileinfo', 'Phar', 'intl', 'apache', 'xmlrpc', 'wddx', 'odbc', 'mssql', 'dba', 'tidy',
  'enchant', 'pspell', 'snmp', 'Zend OPcache', 'random', 'oci8', 'interbase', 'sybase', 'com_dotnet',
];

// Superglobals and the command-line variables, with the values they start with.
const GLOBALS = ['GLOBALS', '_GET', '_POST', '_COOKIE', '_FILES', '_SERVER', '_ENV', '_REQUEST', '_SESSION', 'argv']
  .map((name) => ({ name, value: 'array()' })).concat([{ name: 'argc', value: '0' }]);

// Constants whose stub value is a resource or otherwise not a literal: written
// as an expression whose value the checker leaves unknown, as PHP does.
const UNKNOWN_VALUES = {
  STDIN: "fopen('php://stdin', 'r')",
  STDOUT: "fopen('php://stdout', 'w')",
  STDERR: "fopen('php://stderr', 'w')",
  // Products that overflow to infinity; their difference is NaN.
  // Each file has its own directory: no value fits them all.
  __DIR__: 'getcwd()',
  INF: '1.0e300 * 1.0e300',
  NAN: '1.0e300 * 1.0e300 - 1.0e300 * 1.0e300',
};

// Signatures PHP 5 had that the stubs describe otherwise: parameter name ->
// default written for it (a parameter not listed keeps what the stubs say).
const PHP5_OPTIONAL = {
  // rand() and mt_rand() take no argument or both bounds.
  rand: { min: null, max: null },
  mt_rand: { min: null, max: null },
  // The salt became required only in PHP 8.
  crypt: { salt: null },
};

// Functions whose PHP 5 forms take optional leading parameters (a link and a
// transaction before the query): no fixed list describes them, so calls are
// left unchecked.
const UNCHECKED = new Set(['ibase_prepare', 'fbird_prepare']);

// "die" is no keyword to the checker's scanner: `die(...)` is a call of a
// function and a bare `die` a constant, as `exit` would be.
const DIE = { name: 'die', params: [{ name: 'status', default: { k: 'null' } }] };

// Later additions the stubs do not mark with a version (or not PHP at all).
const NOT_IN_PHP5 = new Set([
  'function preg_replace_callback_array', 'constant PHP_INT_MIN', 'constant PHP_FD_SETSIZE',
  'constant SUHOSIN_PATCH', 'constant SUHOSIN_PATCH_VERSION', 'method ZipArchive::getStreamIndex',
]);

function parseArgs(argv) {
  const root = path.resolve(__dirname, '..', '..');
  const opts = {
    out: path.join(root, 'definitions'),
    cache: path.join(process.env.XDG_CACHE_HOME || path.join(os.homedir(), '.cache'), 'tarnwick-gen-definitions'),
    version: PACKAGE_VERSION,
    notes: null,
  };
  for (let i = 2; i < argv.length; i++) {
    const a = argv[i];
    const val = () => { if (i + 1 >= argv.length) throw new Error(`${a} needs a value`); return argv[++i]; };
    if (a === '--out') opts.out = path.resolve(val());
    else if (a === '--cache') opts.cache = path.resolve(val());
    else if (a === '--package') opts.version = val();
    else if (a === '--notes') opts.notes = path.resolve(val());
    else throw new Error(`unknown option ${a}`);
  }
  if (path.resolve(opts.cache).startsWith(root + path.sep)) throw new Error('the cache directory must lie outside the repository');
  return opts;
}

function fetchStubs(cache, version) {
  const dir = path.join(cache, `intelephense-${version}`);
  const stub = path.join(dir, 'package', 'lib', 'stub');
  if (fs.existsSync(stub)) return stub;
  fs.mkdirSync(dir, { recursive: true });
  const tarball = execFileSync('npm', ['pack', `intelephense@${version}`, '--silent'], { cwd: dir, encoding: 'utf8' }).trim().split('\n').pop();
  execFileSync('tar', ['xzf', tarball], { cwd: dir });
  fs.unlinkSync(path.join(dir, tarball));
  if (!fs.existsSync(stub)) throw new Error(`no lib/stub in intelephense ${version}`);
  return stub;
}

function parseAll(stubDir) {
  const all = { functions: [], classes: [], constants: [] };
  for (const ext of EXTENSIONS) {
    const dir = path.join(stubDir, ext);
    if (!fs.existsSync(dir)) throw new Error(`stub folder ${ext} is missing`);
    for (const f of fs.readdirSync(dir).filter((x) => x.endsWith('.php')).sort()) {
      const out = parseStub(fs.readFileSync(path.join(dir, f), 'utf8'), `${ext}/${f}`, ext);
      all.functions.push(...out.functions);
      all.classes.push(...out.classes);
      all.constants.push(...out.constants);
    }
  }
  return all;
}

function constantText(k, sel) {
  if (UNKNOWN_VALUES[k.name]) return UNKNOWN_VALUES[k.name];
  const v = k.value;
  if (v && !(v.k === 'array' && v.partial)) return scalar(v);
  sel.note(`constant ${k.name}: value not computable, written as 0`);
  return '0';
}

// Credit for the stubs, with the licence text as the package carries it.
function noticeText(stubDir, version) {
  const upstream = fs.readFileSync(path.join(stubDir, 'NOTICE.md'), 'utf8');
  const start = upstream.indexOf('Apache License');
  if (start < 0) throw new Error('no licence text in lib/stub/NOTICE.md');
  const licence = upstream.slice(upstream.lastIndexOf('\n', start) + 1).replace(/\s+$/, '');
  return [
    'class.php, function.php and constant.php in this folder are generated by',
    'tools/gen-definitions from the PHP stubs of the phpstorm-stubs project',
    '(https://github.com/JetBrains/phpstorm-stubs, Copyright 2010-2023 JetBrains s.r.o.),',
    `as shipped under lib/stub/ in the npm package intelephense ${version}.`,
    '',
    'The stubs are licensed under the Apache License, Version 2.0; their',
    'documentation comments contain material by the PHP Documentation Group',
    '(CC-BY 3.0), none of which is copied into these files.',
    '',
    'Changes: only declarations are kept (no comments, no bodies); the selection',
    'is the PHP 5 runtime (5.2 to 5.6); type hints other than array and class',
    'names, namespaces, attributes and later-version elements are removed; default',
    'values are reduced to constant scalars; classes are reordered and adjusted',
    'to the checker\'s class model (see tools/gen-definitions/README.md).',
    '',
    licence,
    '',
  ].join('\n');
}

function main() {
  const opts = parseArgs(process.argv);
  const stubDir = fetchStubs(opts.cache, opts.version);
  const sel = new Selector(parseAll(stubDir)).run();
  sel.functions = sel.functions.filter((f) => !NOT_IN_PHP5.has(`function ${f.name}`));
  sel.constants = sel.constants.filter((k) => !NOT_IN_PHP5.has(`constant ${k.name}`));
  for (const c of sel.classes) c.methods = c.methods.filter((m) => !NOT_IN_PHP5.has(`method ${c.name}::${m.name}`));

  const declared = shapeClasses(sel);

  // Functions: the checker's own handlers need `define` and `dirname` in these shapes.
  const functions = [];
  for (const f of sel.functions) {
    const lower = f.name.toLowerCase();
    if (KEYWORDS.has(lower) || f.name.includes('\\')) { sel.note(`function ${f.name} left out (a keyword)`); continue; }
    if (UNCHECKED.has(lower)) {
      f.params = null;
      sel.note(`function ${f.name}: optional leading parameters; written without parameters`);
    }
    if (PHP5_OPTIONAL[lower]) {
      for (const p of f.params || []) {
        if (!(p.name in PHP5_OPTIONAL[lower])) continue;
        p.default = { k: 'null' };
        p.hint = null;
        sel.note(`function ${f.name}: parameter $${p.name} optional as in PHP 5`);
      }
    }
    if (lower === 'define') {
      f.params = [{ name: 'name' }, { name: 'value' }, { name: 'case', default: { k: 'bool', v: false } }];
    } else if (lower === 'dirname') {
      f.params = [{ name: 'path' }];
    }
    sel.dropExtended(f.params, `function ${f.name}`);
    pruneHints(f.params, declared, `function ${f.name}`, (t) => sel.note(t));
    functions.push(f);
  }

  if (!functions.some((f) => f.name.toLowerCase() === 'die')) functions.push(DIE);

  const constants = [{ name: 'die', text: '0', caseInsensitive: true }];
  for (const k of sel.constants) {
    const lower = k.name.toLowerCase();
    if (['true', 'false', 'null'].includes(lower)) continue;
    if (KEYWORDS.has(lower) || k.name.includes('\\')) { sel.note(`constant ${k.name} left out (a keyword)`); continue; }
    constants.push({ name: k.name, text: constantText(k, sel), caseInsensitive: /^__[A-Z]+__$/.test(k.name) });
  }

  fs.mkdirSync(opts.out, { recursive: true });
  fs.writeFileSync(path.join(opts.out, 'NOTICE'), noticeText(stubDir, opts.version));
  fs.writeFileSync(path.join(opts.out, 'class.php'), classFile(sel.classes));
  fs.writeFileSync(path.join(opts.out, 'function.php'), functionFile(functions));
  fs.writeFileSync(path.join(opts.out, 'constant.php'), constantFile(constants, GLOBALS));

  const nClasses = sel.classes.filter((c) => !c.interface).length;
  const nInterfaces = sel.classes.length - nClasses;
  console.log(`functions ${functions.length}, classes ${nClasses}, interfaces ${nInterfaces}, constants ${constants.length + 3}`);
  if (opts.notes) fs.writeFileSync(opts.notes, sel.notes.join('\n') + '\n');
  else console.log(`${sel.notes.length} adjustments (use --notes FILE to list them)`);
}

main();
