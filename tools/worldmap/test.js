'use strict';
// Tests of the world map checker: it reads marks as the window does, passes
// the program's files and catches marks and pictures that are wrong.
// Run from the repository root:  node --test tools/worldmap/test.js

const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync, execFileSync } = require('child_process');
const lib = require('./lib');
const { parseMapMark, looksLikeLand } = require('./check');

const CHECK = path.join(__dirname, 'check.js');

function runCheck(args) {
  const r = spawnSync(process.execPath, [CHECK, ...args], { cwd: lib.REPO, encoding: 'utf8' });
  return { status: r.status, out: r.stdout + r.stderr };
}

// A copy of the position list with one entry's mark code replaced.
function listWith(prefixAndName, code) {
  const src = fs.readFileSync(lib.POSITION_LIST_SOURCE, 'latin1');
  const re = new RegExp(`("${prefixAndName.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')} +)#[ac]\\d+#[bd]\\d+"`);
  assert.ok(re.test(src), `entry ${prefixAndName} not found`);
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'worldmap-test-')), 'list.cpp');
  fs.writeFileSync(file, Buffer.from(src.replace(re, `$1${code}"`), 'latin1'));
  return file;
}

test('marks are read as the window reads them', () => {
  assert.deepStrictEqual(parseMapMark('1A0  Malta               #a577#b162'), { kind: 'pointer', x: 577, y: 162 });
  assert.deepStrictEqual(parseMapMark('1S  Spratly Island               #c865#d225'), { kind: 'ring', x: 865, y: 225 });
  assert.deepStrictEqual(parseMapMark('JW  Svalbard               #a567#b030'), { kind: 'pointer', x: 567, y: 30 });
  assert.deepStrictEqual(parseMapMark('3D2  Conway Reef                 #a1091#b341'), { kind: 'pointer', x: 1091, y: 341 });
  assert.strictEqual(parseMapMark(''), null);
  assert.strictEqual(parseMapMark('1A0  Malta'), null);
  assert.throws(() => parseMapMark('X  Y  #a12#bxy'));
});

test('land and sea colours of the picture', () => {
  assert.ok(looksLikeLand([240, 222, 176]));
  assert.ok(!looksLikeLand([198, 226, 246]));
  assert.ok(!looksLikeLand([225, 195, 120]));
});

test('the program\'s list and picture pass', () => {
  const r = runCheck([]);
  assert.strictEqual(r.status, 0, r.out);
  assert.match(r.out, /all checks passed/);
});

test('a pointer moved into the sea fails', () => {
  const r = runCheck(['--list', listWith('DA-DL  Germany, Fed. Rep. of', '#a548#b101')]);
  assert.strictEqual(r.status, 1);
  assert.match(r.out, /DA-DL  Germany, Fed\. Rep\. of: dot 548,93 is [\d.]+ px off the land of Germany/);
});

test('a pointer on the right country but far from its place fails', () => {
  const r = runCheck(['--list', listWith('KH6-KH7  Hawaii', '#a240#b150')]);
  assert.strictEqual(r.status, 1);
  assert.match(r.out, /KH6-KH7  Hawaii: dot [\d.]+ px from the table's point/);
});

test('a ring that does not hold its place fails', () => {
  const r = runCheck(['--list', listWith('3B6  Agalega Island', '#c640#d298')]);
  assert.strictEqual(r.status, 1);
  assert.match(r.out, /3B6  Agalega Island: the place .* outside the ring/);
});

test('a changed mark of the list\'s own fails', () => {
  const r = runCheck(['--list', listWith('1A0  Malta', '#a573#b142')]);
  assert.strictEqual(r.status, 1);
  assert.match(r.out, /1A0  Malta: mark #a573#b142, but the list has #a577#b162/);
});

test('a malformed code fails', () => {
  const r = runCheck(['--list', listWith('3A  Monaco', '#a559#x135')]);
  assert.strictEqual(r.status, 1);
  assert.match(r.out, /3A  Monaco: .* does not end in one well-formed mark code/);
});

// A copy of the picture with some rectangles painted over it.
function pictureWith(rects) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'worldmap-test-'));
  const svg = path.join(dir, 'p.svg');
  const png = path.join(dir, 'p.png');
  const base = fs.readFileSync(lib.PICTURE).toString('base64');
  fs.writeFileSync(svg, `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="${lib.WIDTH}" height="${lib.HEIGHT}">`
    + `<image width="${lib.WIDTH}" height="${lib.HEIGHT}" xlink:href="data:image/png;base64,${base}"/>`
    + rects.map(([x, y, w, h, fill]) => `<rect x="${x}" y="${y}" width="${w}" height="${h}" fill="${fill}"/>`).join('')
    + '</svg>');
  execFileSync('rsvg-convert', ['-o', png, svg]);
  return png;
}

const SEA = 'rgb(198,226,246)';
const LAND = 'rgb(240,222,176)';

test('a picture without land under a pointer fails', () => {
  const r = runCheck(['--picture', pictureWith([[575, 95, 25, 20, SEA]])]);
  assert.strictEqual(r.status, 1);
  assert.match(r.out, /the picture shows no land at the dot/);
});

test('the picture shows land under the arrow\'s tip of Malta\'s kept mark', () => {
  const picture = lib.readPicture(lib.PICTURE);
  assert.ok(looksLikeLand(picture.at(576, 155)), `576,155 is ${picture.at(576, 155)}`);
  // Without Malta's dot the tip of 1A0's mark points at the sea, and the kept
  // mark fails for it, as does 9H's arrow.
  const r = runCheck(['--picture', pictureWith([[574, 151, 9, 7, SEA]])]);
  assert.strictEqual(r.status, 1);
  assert.match(r.out, /1A0  Malta: the arrow's tip 576,155 points at the sea \(198,226,246\)/);
  assert.match(r.out, /9H  Malta: the arrow's tip \d+,\d+ points at the sea/);
});

test('a pointer whose dot is near its place but whose tip points at the sea fails', () => {
  // The Vatican's dot rounded from its point, (573, 134), lies by Rome; the
  // arrow's tip left of it and a pixel down lies in the Tyrrhenian Sea.
  const r = runCheck(['--list', listWith('HV  Vatican', '#a573#b142')]);
  assert.strictEqual(r.status, 1);
  // That is its only failure.
  const failed = r.out.slice(r.out.indexOf('FAILED'));
  assert.deepStrictEqual(failed.split('\n').filter((l) => l.includes('Vatican')).map((l) => l.trim()),
    ["181 HV  Vatican: the arrow's tip 572,135 points at the sea (198,226,246)"]);
});

test('kept marks off their land are listed with their tips at sea, and only while they are', () => {
  const ok = runCheck([]);
  assert.match(ok.out, /kept pointers whose arrow points at the sea/);
  assert.match(ok.out, /3D2  Conway Reef #a1091#b341: tip 1090,334 \(198,226,246\)/);
  assert.match(ok.out, /ZL-ZM  New Zealand #a1003#b415: tip 1002,408/);
  assert.doesNotMatch(ok.out, /1A0  Malta #a577#b162: tip/);
  // Land under Conway Reef's tip: the mark is to come off the list.
  const r = runCheck(['--picture', pictureWith([[1089, 333, 3, 3, LAND]])]);
  assert.strictEqual(r.status, 1);
  assert.match(r.out, /3D2  Conway Reef: listed in TIP_AT_SEA, but the arrow's tip 1090,334 shows land/);
});
