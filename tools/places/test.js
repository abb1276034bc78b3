'use strict';
// Tests of the place-file helpers, the generator's name handling and the
// checker's point test.  Run:  npm test --prefix tools/places

const test = require('node:test');
const assert = require('node:assert');
const lib = require('./lib');
const { latin1Name, cleanName } = require('./generate');
const { checkPoint, ruleFor } = require('./check');

test('angles are written in whole minutes, 60 minutes carry into the degrees', () => {
  assert.strictEqual(lib.formatAngle(29.9999, 'N', 'S'), 'N\u00B030.00');
  assert.strictEqual(lib.formatAngle(29.5, 'N', 'S'), 'N\u00B029.30');
  assert.strictEqual(lib.formatAngle(-33.8667, 'N', 'S'), 'S\u00B033.52');
  assert.strictEqual(lib.formatAngle(-94.7833, 'E', 'W'), 'W\u00B094.47');
  assert.strictEqual(lib.formatAngle(151.2167, 'E', 'W'), 'E\u00B0151.13');
  assert.strictEqual(lib.formatAngle(-0.5, 'N', 'S'), 'S\u00B00.30');
  assert.strictEqual(lib.formatAngle(10.0083, 'E', 'W'), 'E\u00B010.00');
  assert.strictEqual(lib.formatAngle(-179.9999, 'E', 'W'), 'W\u00B0180.00');
});

test('a coordinate group reads back to within half a minute', () => {
  for (const [lat, lon] of [[29.7633, -95.3633], [-33.8688, 151.2093], [0.01, -0.01], [64.1, -21.9]]) {
    const g = lib.parseGroup('Somewhere  ' + lib.coordGroup(lat, lon));
    assert.ok(Math.abs(g.lat - lat) <= 0.5 / 60 + 1e-9, `${lat}`);
    assert.ok(Math.abs(g.lon - lon) <= 0.5 / 60 + 1e-9, `${lon}`);
  }
  assert.strictEqual(lib.parseGroup('no group here'), null);
});

test('entry rules catch reserved marks, length and non-Latin-1 text', () => {
  const group = lib.coordGroup(29.76, -95.36);
  assert.deepStrictEqual(lib.entryProblems('Houston  ' + group), []);
  assert.ok(lib.entryProblems('Hou\\ston  ' + group).some((p) => p.includes('backslash')));
  assert.ok(lib.entryProblems('N\u00B0 Houston  ' + group).some((p) => p.includes('outside')));
  assert.ok(lib.entryProblems('x'.repeat(90) + '  ' + group).some((p) => p.includes('longer')));
  assert.ok(lib.entryProblems('K\u012Bhei  ' + group).some((p) => p.includes('Latin-1')));
  assert.ok(lib.entryProblems('Houston').some((p) => p.includes('no coordinate group')));
  assert.ok(lib.entryProblems('Houston  N\u00B029.75\\W\u00B095.22').some((p) => p.includes('00-59')));
});

// The country-first form that the program derives from a DXCC entry: the
// text between the first two blanks and the first "(", then the prefix with
// its two blanks, then the rest from the "(".
function countryFirst(s) {
  const p = s.indexOf('  ') + 1;
  const q = s.indexOf('(') + 1;
  const a = s.substr(p + 1, q - p - 2);
  const b = s.substr(0, p + 1);
  const c = s.substr(q - 1, 100);
  return a + b + c;
}

test('DXCC entries split cleanly into prefix, country and position', () => {
  const row = { prefix: 'DA-DL', name: 'Germany, Fed. Rep. of', lat: 51.16, lon: 10.45 };
  const e = lib.dxEntry(row);
  assert.strictEqual(e, 'DA-DL  Germany, Fed. Rep. of (N\u00B051.10\\E\u00B010.27)');
  assert.strictEqual(countryFirst(e), 'Germany, Fed. Rep. of DA-DL  (N\u00B051.10\\E\u00B010.27)');
  assert.deepStrictEqual(lib.dxProblems(e), []);

  // A name with a part in parentheses keeps it, without the parentheses.
  const k = lib.dxEntry({ prefix: 'T30', name: 'Kiribati, West (Gilbert Island)', lat: 1.42, lon: 173 });
  assert.strictEqual(k, 'T30  Kiribati, West - Gilbert Island (N\u00B01.25\\E\u00B0173.00)');
  assert.strictEqual(countryFirst(k), 'Kiribati, West - Gilbert Island T30  (N\u00B01.25\\E\u00B0173.00)');

  assert.ok(lib.dxProblems('DA-DL Germany (N\u00B051.10\\E\u00B010.27)').length > 0);
  assert.ok(lib.dxProblems('DA-DL  Germany N\u00B051.10\\E\u00B010.27').length > 0);
});

test('every line of the written place file passes the entry rules', () => {
  const lines = lib.readLatin1Lines(lib.PLACE_FILE);
  assert.ok(lines.length > 0);
  for (const line of lines) {
    if (line.startsWith('#')) continue;
    assert.deepStrictEqual(lib.entryProblems(line.slice(3)), [], line);
    if (line.startsWith('DX~')) assert.deepStrictEqual(lib.dxProblems(line.slice(3)), [], line);
  }
});

test('place names are made Latin-1', () => {
  assert.strictEqual(latin1Name('K\u012Bhei'), 'Kihei');
  assert.strictEqual(latin1Name('\u2018Ewa Beach'), 'Ewa Beach');
  assert.strictEqual(latin1Name('Coeur d\u2019Alene'), "Coeur d'Alene");
  assert.strictEqual(latin1Name('Espa\u00F1ola'), 'Espa\u00F1ola');
  assert.strictEqual(cleanName('Middlebury (village)'), 'Middlebury');
});

test('the point check accepts right points and rejects wrong ones', () => {
  const germany = ruleFor('DA-DL', 'Germany, Fed. Rep. of');
  assert.ok(checkPoint(germany, 52.52, 13.4).ok, 'Berlin');
  assert.ok(!checkPoint(germany, 48.86, 2.35).ok, 'Paris');

  const chile = ruleFor('CA-CE', 'Chile');
  assert.ok(checkPoint(chile, -35.7, -71.4).ok);
  assert.ok(!checkPoint(chile, -35.7, 71.4).ok, 'east instead of west');

  const hawaii = ruleFor('KH6-KH7', 'Hawaii');
  assert.ok(checkPoint(hawaii, 21.13, -157.0).ok);
  assert.ok(!checkPoint(hawaii, 36.8, -119.4).ok, 'inside the country but not in Hawaii');

  // Some islets of the 1:10m Maldives are wound the wrong way; the checker
  // must not treat the whole globe as the Maldives.
  const maldives = ruleFor('8Q', 'Maldives');
  assert.ok(checkPoint(maldives, 4.17, 73.51).ok);
  assert.ok(!checkPoint(maldives, 48.0, 10.0).ok);

  // A small island may lie a little off its outline, but not far.
  const desecheo = ruleFor('KP5', 'Desecheo Island');
  assert.ok(checkPoint(desecheo, 18.38, -67.48).ok);
  assert.ok(!checkPoint(ruleFor('FO', 'Clipperton Island'), 10.3, -105).ok);

  const w1 = ruleFor('W1', 'United States, New England');
  assert.ok(checkPoint(w1, 43.2, -71.6).ok);
  assert.ok(!checkPoint(w1, 41.5, -74.5).ok, 'New York is not in New England');
});
