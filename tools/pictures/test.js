'use strict';
// Tests of the two picture generators, their tables and the shipped GIFs.
//   node --test test.js        (npm test)

const test = require('node:test');
const assert = require('node:assert/strict');
const path = require('path');
const d3 = require('d3-geo');
const topojson = require('topojson-client');
const us = require('us-atlas/states-10m.json');
const D = require('./districts');
const T = require('./bands_table');
const zones = require('./zones');
const bands = require('./bands');
const { gifSize, textWidth } = require('./svg');

const DATA = path.join(__dirname, '..', '..', 'data');

// ---------------------------------------------------------------- districts

test('the FIPS table names every us-atlas state as us-atlas does', () => {
  for (const g of us.objects.states.geometries) {
    const postal = D.FIPS[g.id];
    assert.ok(postal, `FIPS ${g.id} (${g.properties.name}) has no postal code`);
    assert.equal(D.NAMES[postal], g.properties.name, `FIPS ${g.id}`);
  }
});

test('every conterminous state and DC is in exactly one district', () => {
  const seen = new Map();
  for (const [digit, states] of Object.entries(D.DISTRICTS)) {
    for (const s of states) {
      assert.ok(!seen.has(s), `${s} is in districts ${seen.get(s)} and ${digit}`);
      seen.set(s, digit);
    }
  }
  const conterminous = us.objects.states.geometries
    .map((g) => D.FIPS[g.id])
    .filter((p) => !['AK', 'HI', 'PR', 'VI', 'AS', 'GU', 'MP'].includes(p));
  assert.equal(conterminous.length, 49);
  assert.deepEqual([...seen.keys()].sort(), conterminous.sort());
  assert.deepEqual(Object.keys(D.DISTRICTS).sort(), ['0', '1', '2', '3', '4', '5', '6', '7', '8', '9']);
});

test('the areas outside the districts carry their own prefixes', () => {
  assert.deepEqual(Object.fromEntries(Object.entries(D.OUTSIDE).map(([k, v]) => [k, v.prefix])),
    { AK: 'KL7', HI: 'KH6', PR: 'KP4', VI: 'KP2' });
});

test('each district is one connected piece of land', () => {
  const geoms = us.objects.states.geometries;
  const neighbours = topojson.neighbors(geoms);
  for (const [digit, states] of Object.entries(D.DISTRICTS)) {
    const idx = geoms.map((g, i) => [D.FIPS[g.id], i]).filter(([p]) => states.includes(p)).map(([, i]) => i);
    const reached = new Set([idx[0]]);
    const queue = [idx[0]];
    while (queue.length) {
      const i = queue.pop();
      for (const j of neighbours[i]) {
        if (idx.includes(j) && !reached.has(j)) { reached.add(j); queue.push(j); }
      }
    }
    const missing = idx.filter((i) => !reached.has(i)).map((i) => D.FIPS[geoms[i].id]);
    assert.deepEqual(missing, [], `district ${digit}: ${missing.join(', ')} not joined to the rest`);
  }
});

test('each district digit is written inside a state of its district', () => {
  for (const [digit, at] of Object.entries(D.LABELS)) {
    assert.equal(D.districtOf(at.state), Number(digit), `label ${digit} names ${at.state}`);
    const g = us.objects.states.geometries.find((s) => D.FIPS[s.id] === at.state);
    assert.ok(d3.geoContains(topojson.feature(us, g), [at.lon, at.lat]), `label ${digit} is not inside ${at.state}`);
  }
});

// CIE L*a*b* of an sRGB colour "#rrggbb" (D65).
function lab(hex) {
  const c = [1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16) / 255)
    .map((v) => (v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4));
  const x = (0.4124 * c[0] + 0.3576 * c[1] + 0.1805 * c[2]) / 0.95047;
  const y = 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
  const z = (0.0193 * c[0] + 0.1192 * c[1] + 0.9505 * c[2]) / 1.08883;
  const f = (t) => (t > 216 / 24389 ? Math.cbrt(t) : (24389 / 27 * t + 16) / 116);
  return [116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))];
}
const deltaE = (a, b) => Math.hypot(...lab(a).map((v, i) => v - lab(b)[i]));

test('the ten district colours are clearly distinct, most of all between neighbours', () => {
  const geoms = us.objects.states.geometries;
  const neighbours = topojson.neighbors(geoms);
  const digitOf = (i) => D.districtOf(D.FIPS[geoms[i].id]);
  const touching = new Set();
  neighbours.forEach((list, i) => list.forEach((j) => {
    const a = digitOf(i);
    const b = digitOf(j);
    if (a !== null && b !== null && a !== b) touching.add([a, b].sort().join('-'));
  }));
  assert.ok(touching.has('2-3') && touching.has('0-7'), 'neighbour pairs found');
  const digits = Object.keys(zones.COLOURS);
  for (const a of digits) {
    for (const b of digits) {
      if (a >= b) continue;
      const d = deltaE(zones.COLOURS[a], zones.COLOURS[b]);
      const min = touching.has([a, b].sort().join('-')) ? 25 : 15;
      assert.ok(d >= min, `districts ${a} and ${b}: colour difference ${d.toFixed(1)} < ${min}`);
    }
    // Black digits and outlines must stand out: the fill must be light.
    assert.ok(lab(zones.COLOURS[a])[0] >= 65, `district ${a} colour too dark`);
  }
});

test('the map: no inset covers land, no digit leaves the frame', () => {
  const { proj, labelPoints } = zones.build();
  const boxes = Object.values(zones.INSETS);
  const inBox = ([x, y], [bx, by, bw, bh], margin = 0) => x >= bx - margin && x <= bx + bw + margin && y >= by - margin && y <= by + bh + margin;
  for (const g of us.objects.states.geometries) {
    if (D.districtOf(D.FIPS[g.id]) === null) continue;
    const f = topojson.feature(us, g);
    const rings = f.geometry.type === 'Polygon' ? [f.geometry.coordinates] : f.geometry.coordinates;
    for (const poly of rings) {
      for (const p of poly[0]) {
        const xy = proj(p);
        for (const b of boxes) assert.ok(!inBox(xy, b, 1), `${D.FIPS[g.id]} lies under the inset at ${b}`);
      }
    }
  }
  for (const [digit, [x, y]] of Object.entries(labelPoints)) {
    assert.ok(x > 12 && x < zones.W - 12 && y > 34 && y < zones.H - 12, `digit ${digit} at ${x}, ${y}`);
    for (const b of boxes) assert.ok(!inBox([x, y], b, 14), `digit ${digit} is on an inset`);
  }
});

// ---------------------------------------------------------------- band table

// Mode groups as sets of what they allow: one class's segment must allow no
// more than the same frequency allows the next higher class.
const ALLOWS = {
  CW: ['cw'],
  DATA: ['cw', 'data'],
  PHONE: ['cw', 'phone', 'ssb', 'image'],
  SSB: ['cw', 'ssb'],
  ALL: ['cw', 'data', 'phone', 'ssb', 'image'],
  CH60: ['cw', 'data', 'ssb'],
  FWD: ['data'],
};

// The band edges of 47 CFR 97.301, typed a second time to catch slips in the table.
const EDGES = {
  '160 m': [[1800, 2000]],
  '80/75 m': [[3500, 4000]],
  '40 m': [[7000, 7300]],
  '30 m': [[10100, 10150]],
  '20 m': [[14000, 14350]],
  '17 m': [[18068, 18168]],
  '15 m': [[21000, 21450]],
  '12 m': [[24890, 24990]],
  '10 m': [[28000, 29700]],
  '6 m': [[50000, 54000]],
  '2 m': [[144000, 148000]],
  '1.25 m': [[219000, 220000], [222000, 225000]],
  '70 cm': [[420000, 450000]],
};

test('the mode groups of the table are those the test knows', () => {
  assert.deepEqual(Object.keys(T.MODES).sort(), Object.keys(ALLOWS).sort());
});

test('every band row is well formed', () => {
  assert.equal(T.BANDS.length, 14);
  for (const band of T.BANDS) {
    const [lo, hi] = band.range;
    assert.ok(lo < hi, band.name);
    for (const c of T.CLASSES) {
      let last = -Infinity;
      for (const [a, b, mode] of band[c.key]) {
        assert.ok(T.MODES[mode], `${band.name} ${c.key}: mode ${mode}`);
        assert.ok(a < b && a >= last && a >= lo && b <= hi, `${band.name} ${c.key}: ${a}-${b}`);
        last = b;
      }
    }
  }
});

test('the Amateur Extra rows cover exactly the band edges of 97.301', () => {
  for (const band of T.BANDS) {
    if (band.name === '60 m') continue;
    const merged = [];
    for (const [a, b] of band.E) {
      if (merged.length && merged[merged.length - 1][1] === a) merged[merged.length - 1][1] = b;
      else merged.push([a, b]);
    }
    assert.deepEqual(merged, EDGES[band.name], band.name);
    assert.deepEqual(band.range, [EDGES[band.name][0][0], EDGES[band.name].at(-1)[1]], `${band.name} range`);
  }
});

test('60 m: five 2.8 kHz channels at the centres of 97.303(h), General and up', () => {
  const b60 = T.BANDS.find((b) => b.name === '60 m');
  assert.deepEqual(T.CH60_CENTRES, [5332, 5348, 5358.5, 5373, 5405]);
  for (const k of ['E', 'G']) {
    assert.deepEqual(b60[k].map(([a, b, m]) => [(a + b) / 2, Math.round((b - a) * 10) / 10, m]),
      T.CH60_CENTRES.map((c) => [c, 2.8, 'CH60']));
  }
  assert.deepEqual(b60.T, []);
});

function modesAt(segs, f) {
  const seg = segs.find(([a, b]) => f >= a && f < b);
  return seg ? ALLOWS[seg[2]] : [];
}

test('a higher class may do everything a lower class may', () => {
  for (const band of T.BANDS) {
    const points = new Set();
    for (const c of T.CLASSES) for (const [a, b] of band[c.key]) { points.add(a); points.add((a + b) / 2); }
    for (const f of points) {
      const t = modesAt(band.T, f);
      const g = modesAt(band.G, f);
      const e = modesAt(band.E, f);
      for (const m of t) assert.ok(g.includes(m), `${band.name} ${f} kHz: T may send ${m}, G may not`);
      for (const m of g) assert.ok(e.includes(m), `${band.name} ${f} kHz: G may send ${m}, E may not`);
    }
  }
});

test('spot checks of well-known segments', () => {
  const band = (name) => T.BANDS.find((b) => b.name === name);
  assert.deepEqual(band('20 m').G, [[14025, 14150, 'DATA'], [14225, 14350, 'PHONE']]);
  assert.deepEqual(band('20 m').T, []);
  assert.deepEqual(band('40 m').G.at(-1), [7175, 7300, 'PHONE']);
  assert.deepEqual(band('80/75 m').G.at(-1), [3800, 4000, 'PHONE']);
  assert.deepEqual(band('15 m').G.at(-1), [21275, 21450, 'PHONE']);
  assert.deepEqual(band('10 m').T, [[28000, 28300, 'DATA'], [28300, 28500, 'SSB']]);
  assert.deepEqual(band('30 m').G, [[10100, 10150, 'DATA']]);
  assert.deepEqual(band('6 m').T[0], [50000, 50100, 'CW']);
  assert.deepEqual(band('2 m').T[0], [144000, 144100, 'CW']);
});

test('the table header names the rules and their date', () => {
  const src = require('fs').readFileSync(path.join(__dirname, 'bands_table.js'), 'utf8');
  assert.match(src, /47 CFR Part 97 as in force on 1 January 2025/);
  assert.match(src, /97\.301/);
  assert.match(src, /97\.305/);
  assert.equal(T.RULES_DATE, '1 January 2025');
});

test('frequency texts', () => {
  assert.equal(bands.mhz(14025), '14.025');
  assert.equal(bands.mhz(5358.5), '5.3585');
  assert.equal(bands.mhz(1800), '1.800');
  assert.equal(bands.mhz(144100), '144.1');
  assert.equal(bands.mhz(420000), '420.0');
});

test('the chart: labels of a row never overlap and stay in the picture', () => {
  const { rows } = bands.build();
  assert.equal(rows.length, T.BANDS.length);
  for (const r of rows) {
    const byTier = {};
    for (const l of r.labels) (byTier[l.tier] = byTier[l.tier] || []).push(l);
    for (const list of Object.values(byTier)) {
      list.sort((a, b) => a.left - b.left);
      for (let i = 1; i < list.length; i++) {
        assert.ok(list[i].left >= list[i - 1].right + 3, `${r.band.name}: ${list[i - 1].text} and ${list[i].text} overlap`);
      }
    }
    for (const l of r.labels) assert.ok(l.left >= 0 && l.right <= bands.W, `${r.band.name}: ${l.text} outside`);
    assert.ok(r.top >= 0 && r.top + r.height <= bands.H, `${r.band.name} row outside`);
  }
  // Every edge of every segment has its label (60 m: every channel centre).
  for (const r of rows) {
    const texts = r.labels.map((l) => l.text);
    for (const f of bands.ticksOf(r.band)) assert.ok(texts.includes(bands.mhz(f)), `${r.band.name}: ${f}`);
  }
  assert.ok(textWidth('14.025', 10) > 20, 'font metrics read');
});

// ---------------------------------------------------------------- shipped files

test('the shipped GIFs have the sizes the program shows', () => {
  assert.deepEqual(gifSize(path.join(DATA, 'Zones.gif')), { width: 501, height: 324 });
  assert.deepEqual(gifSize(path.join(DATA, 'bands.gif')), { width: 745, height: 398 });
});
