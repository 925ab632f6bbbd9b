// SPDX-License-Identifier: GPL-3.0-or-later
//
// Converts a DWG drawing to DXF through LibreDWG, for zcad, which starts it
// as its own process:
//
//     node --liftoff-only helper.js IN.dwg OUT.dxf
//
// The DXF is in the drawing's own release. On success standard output has
// one line each: "release R2018", "entities N" (in the DXF written) and
// "lost KIND N" for every kind of entity the DWG holds more of than the DXF.
// On failure the last line on standard error starting "zcad-dwg: " says why,
// and the exit status says what kind of failure it was:
//   2  the drawing cannot be read (not a DWG, too old, damaged)
//   3  the helper cannot run here (Node too old, the package not installed)
//   4  LibreDWG failed inside while reading or writing
//   64 the arguments are wrong
import fs from 'node:fs';

const UNREADABLE = 2;
const NOT_INSTALLED = 3;
const READER_FAILED = 4;
const USAGE = 64;

function fail(status, message) {
  process.stderr.write(`zcad-dwg: ${message}\n`);
  process.exit(status);
}

// The first six bytes of a DWG name its release.
const RELEASES = new Map([
  ['AC1012', 'R13'],
  ['AC1014', 'R14'],
  ['AC1015', 'R2000'],
  ['AC1018', 'R2004'],
  ['AC1021', 'R2007'],
  ['AC1024', 'R2010'],
  ['AC1027', 'R2013'],
  ['AC1032', 'R2018'],
]);
const OLD_RELEASES = new Set(['AC1.40', 'AC1.50', 'AC2.10', 'AC1001', 'AC1002', 'AC1003', 'AC1004', 'AC1006',
  'AC1009', 'AC1010', 'AC1011']);

// LibreDWG's error bits; from CLASSESNOTFOUND up the drawing is not usable.
const ERRORS = [
  [128, 'classes not found'],
  [256, 'a section not found'],
  [512, 'a page not found'],
  [1024, 'an internal error'],
  [2048, 'not a valid DWG'],
  [4096, 'an input/output error'],
  [8192, 'out of memory'],
];
const CRITICAL = 128;

function errorText(code) {
  const named = ERRORS.filter(([bit]) => code & bit).map(([, text]) => text);
  return named.length ? named.join(', ') : `error ${code}`;
}

function releaseOf(bytes) {
  const magic = bytes.subarray(0, 6).toString('latin1');
  const release = RELEASES.get(magic);
  if (release) return release;
  if (OLD_RELEASES.has(magic)) fail(UNREADABLE, `a DWG of ${magic} (before R13) is not converted`);
  if (/^AC10[0-9][0-9]$/.test(magic)) fail(UNREADABLE, `a DWG of an unknown release (${magic})`);
  fail(UNREADABLE, 'not a DWG drawing');
}

// Sub-entities and block brackets follow their owners; they are not counted.
function countedKind(name) {
  if (name.startsWith('VERTEX') || name === 'SEQEND' || name === 'ATTRIB') return null;
  if (name === 'BLOCK' || name === 'ENDBLK') return null;
  if (name.startsWith('DIMENSION_')) return 'DIMENSION';
  if (name.startsWith('POLYLINE_')) return 'POLYLINE';
  if (name === 'PROXY_ENTITY') return 'ACAD_PROXY_ENTITY';
  if (name === 'TABLE') return 'ACAD_TABLE';
  return name;
}

function add(census, kind) {
  if (kind) census.set(kind, (census.get(kind) || 0) + 1);
}

function dwgCensus(lib, data) {
  const census = new Map();
  const objects = lib.dwg_get_num_objects(data);
  for (let i = 0; i < objects; i++) {
    const object = lib.dwg_get_object(data, i);
    if (!object) continue;
    const name = lib.dwg_object_get_dxfname(object);
    if (name && lib.is_dwg_entity(name)) add(census, countedKind(name));
  }
  return census;
}

// Entities of the ENTITIES and BLOCKS sections of the DXF text, by kind.
function dxfCensus(bytes) {
  const lines = Buffer.from(bytes.buffer, bytes.byteOffset, bytes.byteLength).toString('latin1').split(/\r?\n/);
  const census = new Map();
  let section = '';
  for (let i = 0; i + 1 < lines.length; i += 2) {
    if (lines[i].trim() !== '0') continue;
    const value = lines[i + 1].trim();
    if (value === 'SECTION' && i + 3 < lines.length) {
      section = lines[i + 3].trim();
      i += 2;
    } else if (value === 'ENDSEC') {
      section = '';
    } else if (section === 'ENTITIES' || section === 'BLOCKS') {
      add(census, countedKind(value));
    }
  }
  return census;
}

async function loadLibreDwg() {
  let module;
  try {
    module = await import('@mlightcad/libredwg-web');
  } catch {
    fail(NOT_INSTALLED, 'the package @mlightcad/libredwg-web is not installed beside the helper');
  }
  // LibreDWG's own warnings would drown the one line that matters.
  return module.createModule({ print() {}, printErr() {} });
}

async function main() {
  const [input, output, ...rest] = process.argv.slice(2);
  if (!input || !output || rest.length) fail(USAGE, 'usage: node --liftoff-only helper.js IN.dwg OUT.dxf');
  const major = Number(process.versions.node.split('.')[0]);
  if (major < 20) fail(NOT_INSTALLED, `Node.js ${process.versions.node} is too old: 20 or later is needed`);

  let bytes;
  try {
    bytes = fs.readFileSync(input);
  } catch (error) {
    fail(UNREADABLE, `cannot read ${input} (${error.code || error.message})`);
  }
  const release = releaseOf(bytes);
  const lib = await loadLibreDwg();

  let census;
  let dxf;
  try {
    lib.FS.writeFile('/in.dwg', bytes);
    bytes = null;
    const read = lib.dwg_read_file('/in.dwg');
    if (read.error >= CRITICAL) {
      if (read.data) lib.dwg_free(read.data);
      fail(UNREADABLE, `LibreDWG cannot read it: ${errorText(read.error)}`);
    }
    census = dwgCensus(lib, read.data);
    lib.dwg_free(read.data);
    const written = lib.dwg_write_dxf('/in.dwg', '/out.dxf');
    if (written >= CRITICAL || !lib.FS.analyzePath('/out.dxf', false).exists) {
      fail(UNREADABLE, `LibreDWG cannot convert it: ${errorText(written)}`);
    }
    dxf = lib.FS.readFile('/out.dxf');
  } catch (error) {
    fail(READER_FAILED, `LibreDWG failed: ${error && error.message ? error.message : error}`);
  }

  try {
    fs.writeFileSync(output, dxf);
  } catch (error) {
    fail(UNREADABLE, `cannot write ${output} (${error.code || error.message})`);
  }
  const kept = dxfCensus(dxf);
  let entities = 0;
  for (const count of kept.values()) entities += count;
  const report = [`release ${release}`, `entities ${entities}`];
  for (const [kind, count] of [...census].sort()) {
    const lost = count - (kept.get(kind) || 0);
    if (lost > 0) report.push(`lost ${kind} ${lost}`);
  }
  process.stdout.write(report.join('\n') + '\n');
}

await main();
