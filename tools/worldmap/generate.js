#!/usr/bin/env node
'use strict';
// Draws the world map picture data/worldmap.png (1133 x 556) and writes the
// map marks of the DXCC search list, src/worldmap/dxcc_position_list.cpp.
//
// Run from the repository root:  node tools/worldmap/generate.js [--verbose]
//
// The picture is drawn from Natural Earth (world-atlas, 1:50m admin-0
// countries) in the Robinson projection of lib.js, as SVG, and converted to
// PNG with rsvg-convert (Debian package librsvg2-bin).
//
// Small islands are drawn as dots (islandDots) so that they can be seen and
// pointed at.
//
// Marks: a few entries keep the marks the list has always had (FIXED_MARKS
// below); every other entry is marked at its point of data/dxcc_entities.tsv,
// projected into the picture, and a pointer is then moved by a pixel where
// the drawn picture would put its arrow's tip into the sea (fitTips).

const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const d3 = require('d3-geo');
const d3p = require('d3-geo-projection');
const topojson = require('topojson-client');
const polylabel = require('polylabel');
const lib = require('./lib');

const VERBOSE = process.argv.includes('--verbose');

// ---------------------------------------------------------------------------
// Colours and type

const FRAME = 'rgb(225,195,120)'; // outside the oval: the window's panel colour
const SEA = 'rgb(198,226,246)';
const SEA_EDGE = 'rgb(96,128,160)';
const GRID = 'rgb(120,160,200)';
const LAND = ['rgb(240,222,176)', 'rgb(233,210,160)', 'rgb(244,230,196)', 'rgb(228,204,150)', 'rgb(237,216,168)'];
const ANTARCTIC = 'rgb(246,244,238)';
const BORDER = 'rgb(150,112,70)';
const COAST = 'rgb(120,110,95)';
const COUNTRY_TEXT = 'rgb(80,58,36)';
const OCEAN_TEXT = 'rgb(52,100,160)';
const FONT = "'Liberation Sans', 'DejaVu Sans', Arial, sans-serif";

// ---------------------------------------------------------------------------
// Marks the list keeps as they have always been (entry number: search text,
// mark code). The text guards against a change of the list's order.

const CARIBBEAN_RING = '#c313#d211';
const COOK_RING = '#c22#d328';
const USA_POINTER = '#a200#b152';
const VIETNAM_POINTER = '#a868#b235';

const FIXED_MARKS = {
  1: ['1A0  Malta', '#a577#b162'],
  2: ['1S  Spratly Island', '#c865#d225'],
  10: ['3D2  Conway Reef', '#a1091#b341'],
  15: ['3W  Vietnam', VIETNAM_POINTER],
  16: ['XV  Vietnam', VIETNAM_POINTER],
  18: ['3Y  Bouvet', '#a544#b460'],
  37: ['5W  Samoa', '#a1101#b328'],
  110: ['E5A-E5Z  Cook Island, North', COOK_RING],
  111: ['E5A-E5Z  Cook Island, South', COOK_RING],
  128: ['FG  Guadeloupe', CARIBBEAN_RING],
  188: ['J3  Grenada', CARIBBEAN_RING],
  197: ['JW  Svalbard', '#a567#b030'],
  200: ['K  United States of America', USA_POINTER],
  201: ['N  United States of America', USA_POINTER],
  202: ['W  United States of America', USA_POINTER],
  203: ['AA-AK  United States of America', USA_POINTER],
  204: ['KC4  Antarctica', '#a878#b537'],
  210: ['KH3  Johnston Island', '#c0#d210'],
  253: ['PJ5-PJ8  St. Maarten, Saba, St. Eustatius', CARIBBEAN_RING],
  259: ['R1FJ  Franz Josef Land', '#a649#b026'],
  345: ['W  United States', '#a199#b151'],
  368: ['YV0  Aves Island', CARIBBEAN_RING],
  378: ['ZK1  Cook Island, North', COOK_RING],
  379: ['ZK1  Cook Island, South', COOK_RING],
  385: ['ZL-ZM  New Zealand', '#a1003#b415'],
};

// Entries whose kind is fixed although their mark is computed.
// Prince Edward Island & Marion Island: a small island group far out in the
// southern Indian Ocean, marked by a ring at its own position.
const FIXED_KINDS = { 388: 'ring' };

// An island entity whose land in the picture covers less than this many
// square pixels gets a ring: the picture shows (next to) nothing there to
// point at. Places on a continent or a large island are always pointed at.
const RING_AREA = 0.01;
// Small islands whose point lies inside the Caribbean ring's square share
// that ring, as the list has always done; their neighbours just outside it
// are marked like any other place.
const CARIBBEAN_REACH = 0;
const CARIBBEAN_MAX_AREA = 1;

// Rings are kept whole inside the picture; the list's marks have y from 26.
const RING_X = [0, lib.WIDTH - 4 - lib.RING];
const RING_Y = [26, lib.HEIGHT - lib.RING];

// Small islands are drawn as dots, as on printed world maps, so that they can
// be seen and pointed at: every ring entry, and every pointer entry whose
// place is a small island (islandSize below): an island or island group with
// less than ISLAND_MAX_AREA px² of land in the picture, away from the larger
// islands of its own country. Larger islands
// (Kerguelen, Puerto Rico, Crete, Corsica, Cyprus, Jamaica and Fiji have 7.5
// to 9.6 px²) show their own shapes, which a dot would blot out; the
// Galapagos (5.1 px²) are the largest dotted group. A dot is a land-coloured
// disc of DOT_RADIUS px with a coast line, centred on the entity's projected
// point, laid under the land: it merges with its own island and never covers
// another country's land.
const ISLAND_MAX_AREA = 6;
const OWN_REACH = 100;
const DOT_RADIUS = 3;
const DOT_RADIUS_CROWDED = 2.5;
const COAST_WIDTH = 0.6;
const DOT_MERGE = 2.5;

// ---------------------------------------------------------------------------
// Geography

const proj = lib.projection();
const geoPath = d3.geoPath(proj);
const world = lib.loadWorld('50m');
const topo = world.topo;
const landFeature = (() => {
  const f = topojson.feature(topo, topo.objects.land);
  return lib.rewound(f.features ? f.features[0] : f);
})();
const landPolygons = lib.polygonsOf(landFeature).map((p) => ({ p, area: geoPath.area(p) }));
const BIG_LAND = 50; // px²: continents and large islands

function distanceKm(polygon, point) {
  if (d3.geoContains(polygon, point)) return 0;
  let best = Infinity;
  for (const ring of polygon.coordinates) {
    for (const c of ring) {
      const d = d3.geoDistance(c, point) * 6371;
      if (d < best) best = d;
    }
  }
  return best;
}

// Size of a place in the picture: null for a place on (or right at) a
// continent or large island; otherwise the px² of small land near it (its
// island group within 50 km, or within 10 km when the picture shows no land
// at the point itself, so that a tiny islet off a larger island does not
// count that island).
function placeSize(entity) {
  const pt = [entity.lon, entity.lat];
  const onLand = landPolygons.some((q) => d3.geoContains(q.p, pt));
  const reach = onLand ? 50 : 10;
  let size = 0;
  for (const q of landPolygons) {
    const d = distanceKm(q.p, pt);
    if (q.area >= BIG_LAND) {
      if (d < 20) return null;
      continue;
    }
    if (d < reach) size += q.area;
  }
  return size;
}

// Land of a place that is a small island, in px² of the picture; null for
// any other place. The land is the island (group) the place lies on: its
// island and the other islands within 50 km, or, when the picture shows no
// land at the point itself, the islets within 10 km of it (as placeSize).
// No small island is
//  - a place on land of ISLAND_MAX_AREA px² or more, or (not on any drawn
//    land) within 20 km of it: a place on a continent or a larger island, or
//    a coastal point that the outlines put into the sea; a small island next
//    to another country's continent (Singapore, Bahrain) counts;
//  - a place within OWN_REACH km of such land of the entity's own country:
//    an island among its country's large ones (Masbate, the point of the
//    Philippines; McMurdo on Ross Island, that of Antarctica).
function islandSize(entity) {
  const pt = [entity.lon, entity.lat];
  const under = landPolygons.find((q) => d3.geoContains(q.p, pt));
  if (under && under.area >= ISLAND_MAX_AREA) return null;
  const reach = under ? 50 : 10;
  let size = 0;
  for (const q of landPolygons) {
    const d = distanceKm(q.p, pt);
    if (q.area >= ISLAND_MAX_AREA) {
      if (!under && d < 20) return null;
      continue;
    }
    if (d < reach) size += q.area;
  }
  for (const f of outlineFeatures(entity)) {
    for (const q of lib.polygonsOf(f)) {
      if (geoPath.area(q) >= ISLAND_MAX_AREA && distanceKm(q, pt) < OWN_REACH) return null;
    }
  }
  return size;
}

function outlineFeatures(entity) {
  return lib.outlineNames(entity).map((n) => world.byName.get(n)).filter(Boolean);
}

function onOutline(features, px) {
  const ll = proj.invert(px);
  return ll && features.some((f) => d3.geoContains(f, ll));
}

// ---------------------------------------------------------------------------
// Marks

function computeMarks(entities, searchList) {
  const caribbean = lib.parseMark(CARIBBEAN_RING);
  const sq = lib.ringSquare(caribbean);
  const marks = [];
  const notes = [];
  entities.forEach((e, i) => {
    const no = i + 1;
    const fixed = FIXED_MARKS[no];
    if (fixed) {
      if (searchList[i].trimEnd() !== fixed[0]) throw new Error(`entry ${no} is "${searchList[i]}", expected "${fixed[0]}"`);
      marks.push({ code: fixed[1], why: 'fixed' });
      return;
    }
    const p = proj([e.lon, e.lat]);
    const size = placeSize(e);
    // The Caribbean ring.
    const dx = Math.max(sq.left - p[0], 0, p[0] - sq.right);
    const dy = Math.max(sq.top - p[1], 0, p[1] - sq.bottom);
    if (!FIXED_KINDS[no] && size !== null && size < CARIBBEAN_MAX_AREA && Math.hypot(dx, dy) <= CARIBBEAN_REACH) {
      marks.push({ code: CARIBBEAN_RING, why: `shares the Caribbean ring (${size.toFixed(2)} px²)` });
      return;
    }
    const kind = FIXED_KINDS[no] || (size !== null && size < RING_AREA ? 'ring' : 'pointer');
    if (kind === 'ring') {
      const m = lib.ringAt(p);
      const cx = Math.min(Math.max(m.x, RING_X[0]), RING_X[1]);
      const cy = Math.min(Math.max(m.y, RING_Y[0]), RING_Y[1]);
      if (cx !== m.x || cy !== m.y) notes.push(`${no} ${searchList[i]}: ring kept inside the picture, ${m.x},${m.y} -> ${cx},${cy}`);
      marks.push({ code: lib.formatMark({ kind, x: cx, y: cy }), why: `ring (${size === null ? '-' : size.toFixed(3)} px²)` });
      return;
    }
    // A pointer: the dot on the entity's land. Rounding to whole pixels can
    // put a coastal point into the sea; then the nearest pixel within two
    // pixels that lies on the entity's outline is taken.
    let m = lib.pointerAt(p);
    const features = outlineFeatures(e);
    if (features.length && !onOutline(features, lib.pointerDot(m))) {
      const candidates = [];
      for (let ox = -2; ox <= 2; ox++) {
        for (let oy = -2; oy <= 2; oy++) candidates.push([ox, oy]);
      }
      candidates.sort((a, b) => Math.hypot(p[0] - (m.x + a[0]), p[1] - (m.y - 8 + a[1]))
        - Math.hypot(p[0] - (m.x + b[0]), p[1] - (m.y - 8 + b[1])));
      const hit = candidates.find(([ox, oy]) => onOutline(features, [m.x + ox, m.y - 8 + oy]));
      if (hit) {
        notes.push(`${no} ${searchList[i]}: pointer dot moved by ${hit[0]},${hit[1]} onto the outline`);
        m = { kind: 'pointer', x: m.x + hit[0], y: m.y + hit[1] };
      }
    }
    marks.push({ code: lib.formatMark(m), why: `pointer (${size === null ? 'mainland' : size.toFixed(3) + ' px²'})` });
  });
  return { marks, notes };
}

// The small islands' dots: one per place (entries at the same point share
// it), for the ring entries and the pointer entries that are small islands.
// Each dot takes the land colour of the entity's own country nearest to its
// point (a plain land colour where the map data has no outline for it).
function islandDots(entities, searchList, marks) {
  const colours = countryColours();
  const dots = [];
  const byPlace = new Map();
  entities.forEach((e, i) => {
    const ring = marks[i].code.startsWith('#c');
    const size = islandSize(e);
    if (!ring && !(size !== null && size < ISLAND_MAX_AREA)) return;
    const p = proj([e.lon, e.lat]);
    const key = p.map((v) => v.toFixed(2)).join(',');
    const entry = `${i + 1} ${searchList[i].trimEnd()}`;
    if (byPlace.has(key)) {
      byPlace.get(key).entries.push(entry);
      return;
    }
    const pt = [e.lon, e.lat];
    const own = outlineFeatures(e);
    let colour = LAND[0];
    let nearest = Infinity;
    for (const f of own) {
      const d = Math.min(...lib.polygonsOf(f).map((q) => distanceKm(q, pt)));
      if (d < nearest) {
        nearest = d;
        colour = colours.get(f.properties.name);
      }
    }
    const dot = { x: p[0], y: p[1], colour, own: own.map((f) => f.properties.name), entries: [entry],
      why: ring ? 'ring' : `small island, ${size.toFixed(3)} px²` };
    byPlace.set(key, dot);
    dots.push(dot);
  });
  // In a chain of islands (another group's dot nearer than two radii) the
  // dots are a little smaller.
  const groups = dotGroups(dots);
  for (const group of groups) {
    const crowded = group.some((a) => groups.some((g) => g !== group
      && g.some((b) => Math.hypot(a.x - b.x, a.y - b.y) < 2 * DOT_RADIUS)));
    for (const d of group) d.r = crowded ? DOT_RADIUS_CROWDED : DOT_RADIUS;
  }
  return dots;
}

// After the picture is drawn: a computed pointer whose arrow's tip (the pixel
// left of the dot, one below its top) would point at the sea is moved to the
// nearest pixel within two pixels, and within 2.5 px of the entity's point,
// where the dot and the tip both show land in the picture and the dot lies on
// the entity's outline; failing that, where the dot lies within 1 px of the
// outline (Hong Kong), or 2 px for a place too small for the picture whose
// dot is off its outline anyway.
function fitTips(entities, searchList, marks, picture, notes) {
  const land = (px) => px[0] >= 0 && px[1] >= 0 && px[0] < lib.WIDTH && px[1] < lib.HEIGHT && lib.looksLikeLand(picture.at(px[0], px[1]));
  marks.forEach((mk, i) => {
    if (mk.why === 'fixed' || !mk.code.startsWith('#a')) return;
    const m = lib.parseMark(mk.code);
    if (land(lib.pointerTip(m))) return;
    const e = entities[i];
    const p = proj([e.lon, e.lat]);
    const features = outlineFeatures(e);
    const inside = onOutline(features, lib.pointerDot(m));
    const candidates = [];
    for (let ox = -2; ox <= 2; ox++) {
      for (let oy = -2; oy <= 2; oy++) candidates.push({ kind: 'pointer', x: m.x + ox, y: m.y + oy });
    }
    const fromPoint = (c) => Math.hypot(c.x - p[0], c.y - 8 - p[1]);
    candidates.sort((a, b) => fromPoint(a) - fromPoint(b));
    const fits = candidates.filter((c) => fromPoint(c) <= 2.5 && land(lib.pointerDot(c)) && land(lib.pointerTip(c)));
    const hit = fits.find((c) => onOutline(features, lib.pointerDot(c)))
      || fits.find((c) => features.length > 0 && lib.pixelDistance(features, proj, lib.pointerDot(c)) <= (inside ? 1 : 2));
    const text = `${i + 1} ${searchList[i].trimEnd()}`;
    if (hit) {
      notes.push(`${text}: the arrow's tip ${lib.pointerTip(m).join(',')} lies in the sea; dot moved by ${hit.x - m.x},${hit.y - m.y}`);
      mk.code = lib.formatMark(hit);
      mk.why += ', moved for the arrow\'s tip';
    } else {
      notes.push(`${text}: the arrow's tip ${lib.pointerTip(m).join(',')} lies in the sea; no pixel nearby is better`);
    }
  });
}

function cppString(text) {
  for (const ch of text) {
    if (ch.charCodeAt(0) > 0xff) throw new Error(`not Latin-1: ${text}`);
  }
  return '"' + text.replace(/\\/g, '\\\\').replace(/"/g, '\\"') + '"';
}

function writePositionList(searchList, marks) {
  const lines = searchList.map((s, i) => `    ${cppString(s.trimEnd() + ' '.repeat(15) + marks[i].code)},`);
  const src = [
    '// Written by tools/worldmap/generate.js; do not edit by hand.',
    '#include "worldmap/dxcc_lists.h"',
    '',
    'namespace kestrel {',
    '',
    '// The world map\'s position list: one text per search-list entry, same order: the entry\'s',
    '// prefix and name, a run of blanks, and the map mark: "#a<x>#b<y>" for a pointer whose dot',
    '// is at (x, y - 8), "#c<x>#d<y>" for a ring whose 33 x 33 square has its top-left corner',
    '// at (x + 4, y). x and y are pixels of the world map picture (1133 x 556).',
    `const std::array<const char*, ${lib.ENTRY_COUNT}> DxccPositionList = {{`,
    ...lines,
    '}};',
    '',
    '}  // namespace kestrel',
    '',
  ].join('\n');
  fs.writeFileSync(lib.POSITION_LIST_SOURCE, Buffer.from(src, 'latin1'));
}

// ---------------------------------------------------------------------------
// The picture

// Advance widths of Liberation Sans (the metrics of Arial), in em, for the
// characters of the labels; used to fit names into their countries.
const WIDTHS = {
  ' ': 0.278, '.': 0.278, ',': 0.278, '-': 0.333, "'": 0.191, '&': 0.667,
  A: 0.667, B: 0.667, C: 0.722, D: 0.722, E: 0.667, F: 0.611, G: 0.778, H: 0.722, I: 0.278,
  J: 0.5, K: 0.667, L: 0.556, M: 0.833, N: 0.722, O: 0.778, P: 0.667, Q: 0.778, R: 0.722,
  S: 0.667, T: 0.611, U: 0.722, V: 0.667, W: 0.944, X: 0.667, Y: 0.667, Z: 0.611,
};
const LETTER_SPACING = 0.6; // px between letters of country names

function textWidth(text, size, spacing = LETTER_SPACING) {
  let w = 0;
  for (const ch of text) w += (WIDTHS[ch] !== undefined ? WIDTHS[ch] : 0.6) * size;
  return w + spacing * Math.max(0, text.length - 1);
}

// Names as the picture shows them (upper case; long names shortened).
const DISPLAY = {
  'United States of America': 'UNITED STATES',
  'Dem. Rep. Congo': 'D. R. CONGO',
  'Central African Rep.': 'CENTRAL AFRICAN REP.',
  'S. Sudan': 'SOUTH SUDAN',
  'W. Sahara': 'W. SAHARA',
  'Bosnia and Herz.': 'BOSNIA',
  'Eq. Guinea': 'EQ. GUINEA',
  "Côte d'Ivoire": "COTE D'IVOIRE",
  'United Arab Emirates': 'U.A.E.',
  'Dominican Rep.': 'DOMINICAN REP.',
  'Solomon Is.': 'SOLOMON IS.',
  'Falkland Is.': 'FALKLAND IS.',
  'Fr. S. Antarctic Lands': 'KERGUELEN',
  'Papua New Guinea': 'PAPUA NEW GUINEA',
  'Timor-Leste': 'TIMOR-LESTE',
};
const NO_LABEL = new Set(['Antarctica', 'Siachen Glacier', 'N. Cyprus', 'Somaliland', 'Kosovo',
  'Fr. S. Antarctic Lands', 'Heard I. and McDonald Is.', 'S. Geo. and the Is.']);
// Label places set by hand [lon, lat] where the centre of the largest part
// reads badly; null leaves a country (long, thin or split) without a name.
const LABEL_AT = {
  'Russia': [95, 63],
  'Canada': [-102, 59],
  'United States of America': [-99, 39],
  'Chile': null,
  'Indonesia': [111.5, -5],
  'Malaysia': [114.2, 2.9],
  'Vietnam': null,
  'Greenland': [-41, 74],
  'Mongolia': [103, 46.5],
  'China': [104, 33],
  'Brazil': [-51, -9],
  'Argentina': [-65, -35],
  'India': [78.5, 21],
  'Japan': null,
  'Italy': null,
  'Philippines': null,
  'Kazakhstan': [67, 48],
  'Australia': [134, -25],
  'Mexico': [-102.5, 24],
  'France': [2.3, 46.8], // clear of the dots of Jersey and Guernsey
};

function planarArea(ring) {
  let a = 0;
  for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) a += (ring[j][0] + ring[i][0]) * (ring[j][1] - ring[i][1]);
  return Math.abs(a / 2);
}

function pointInRing(pt, ring) {
  let inside = false;
  for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
    const [xi, yi] = ring[i];
    const [xj, yj] = ring[j];
    if ((yi > pt[1]) !== (yj > pt[1]) && pt[0] < ((xj - xi) * (pt[1] - yi)) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}

function pointInPolygon(pt, poly) {
  if (!pointInRing(pt, poly[0])) return false;
  for (let k = 1; k < poly.length; k++) if (pointInRing(pt, poly[k])) return false;
  return true;
}

// Whether a name fits: its middle line, but for the outer tenth at each end,
// and the middle of its top and bottom edges lie inside the country.
function boxInPolygon(box, poly) {
  const [x0, y0, x1, y1] = box;
  const samples = [];
  for (let i = 1; i <= 9; i++) samples.push([x0 + ((x1 - x0) * i) / 10, (y0 + y1) / 2]);
  for (const y of [y0, y1]) {
    for (const f of [0.3, 0.5, 0.7]) samples.push([x0 + (x1 - x0) * f, y]);
  }
  return samples.every((pt) => pointInPolygon(pt, poly));
}

// Whether two name boxes come closer than a small gap.
function overlaps(a, b, gap = 4) {
  return a[0] - gap < b[2] && b[0] - gap < a[2] && a[1] - gap / 2 < b[3] && b[1] - gap / 2 < a[3];
}

// Shifts tried around a name's first place, nearest first.
const OFFSETS = (() => {
  const out = [];
  for (let dx = -10; dx <= 10; dx++) for (let dy = -8; dy <= 8; dy++) out.push([dx, dy]);
  return out.sort((a, b) => Math.hypot(a[0], a[1]) - Math.hypot(b[0], b[1]));
})();

// The box a dot takes, for the names to keep clear of it.
function dotBox(d) {
  return [d.x - d.r, d.y - d.r, d.x + d.r, d.y + d.r];
}

function countryLabels(dots) {
  // Names keep clear of one another, and by a pixel of the small islands'
  // dots.
  const placed = [];
  const dotBoxes = dots.map(dotBox);
  const labels = [];
  const candidates = [];
  for (const f of world.countries) {
    const name = f.properties.name;
    if (NO_LABEL.has(name) || LABEL_AT[name] === null) continue;
    const projected = d3p.geoProject(f, proj);
    const g = projected.geometry;
    if (!g) continue;
    const polys = g.type === 'Polygon' ? [g.coordinates] : g.type === 'MultiPolygon' ? g.coordinates : [];
    let best = null;
    for (const poly of polys) {
      const a = planarArea(poly[0]);
      if (!best || a > best.area) best = { poly, area: a };
    }
    if (!best || best.area < 60) continue;
    candidates.push({ name, best });
  }
  candidates.sort((a, b) => b.best.area - a.best.area);
  for (const { name, best } of candidates) {
    const text = DISPLAY[name] || name.toUpperCase();
    const at = LABEL_AT[name] ? proj(LABEL_AT[name]) : polylabel(best.poly, 0.5);
    const maxSize = Math.min(11, Math.max(7, 5 + Math.sqrt(best.area) / 12));
    let done = false;
    for (let size = maxSize; size >= 6.5 && !done; size -= 0.5) {
      const words = text.split(' ');
      const layouts = [[text]];
      if (words.length > 1) {
        // Two lines, split where the halves are most even.
        let split = null;
        for (let k = 1; k < words.length; k++) {
          const l1 = words.slice(0, k).join(' ');
          const l2 = words.slice(k).join(' ');
          const w = Math.max(textWidth(l1, size), textWidth(l2, size));
          if (!split || w < split.w) split = { lines: [l1, l2], w };
        }
        layouts.push(split.lines);
      }
      for (const lines of layouts) {
        const w = Math.max(...lines.map((l) => textWidth(l, size)));
        const lineH = size * 1.05;
        const h = lineH * lines.length;
        // The place nearest the centre of the largest part where the name fits.
        for (const [ox, oy] of OFFSETS) {
          const x = at[0] + ox;
          const y = at[1] + oy;
          const box = [x - w / 2, y - h / 2, x + w / 2, y + h / 2];
          const fits = LABEL_AT[name] ? true : boxInPolygon(box, best.poly);
          if (!fits || placed.some((b) => overlaps(b, box)) || dotBoxes.some((b) => overlaps(b, box, 2))) continue;
          placed.push(box);
          labels.push({ name, lines, x, y, size, lineH });
          done = true;
          break;
        }
        if (done) break;
      }
    }
    if (!done && VERBOSE) console.log(`no room for the name of ${name}`);
  }
  return labels;
}

const OCEANS = [
  { lines: ['PACIFIC', 'OCEAN'], at: [-135, 22] },
  { lines: ['PACIFIC', 'OCEAN'], at: [-128, -28] },
  { lines: ['PACIFIC', 'OCEAN'], at: [163, 22] },
  { lines: ['PACIFIC', 'OCEAN'], at: [-178, -8], skip: true },
  { lines: ['ATLANTIC', 'OCEAN'], at: [-42, 30] },
  { lines: ['ATLANTIC', 'OCEAN'], at: [-18, -22] },
  { lines: ['INDIAN', 'OCEAN'], at: [78, -22] },
  { lines: ['ARCTIC OCEAN'], at: [-165, 80] },
  { lines: ['SOUTHERN OCEAN'], at: [-10, -62] },
  { lines: ['SOUTHERN OCEAN'], at: [110, -60] },
].filter((o) => !o.skip);

const OCEAN_SIZE = 12;
const OCEAN_LINE = 13;
const OCEAN_SPACING = 2;

// The boxes of the lines of a name set with textSvg at (x, y): from the
// height of the capitals above the base line to just below it.
function lineBoxes(lines, x, y, size, lineH, spacing) {
  const top = y - (lineH * (lines.length - 1)) / 2;
  return lines.map((l, k) => {
    const w = textWidth(l, size, spacing);
    const base = top + k * lineH;
    return [x - w / 2, base - 0.75 * size, x + w / 2, base + 1];
  });
}

// Ocean names at their places, or, where a small island's dot lies under
// one, moved to the nearest place (up to 30 px across, 15 px up or down)
// where they clear every dot by 2 px and lie wholly on open sea.
function oceanLabels(dots, notes) {
  const sphere = { type: 'Sphere' };
  const shifts = [];
  for (let dx = -30; dx <= 30; dx++) for (let dy = -15; dy <= 15; dy++) shifts.push([dx, dy]);
  shifts.sort((a, b) => Math.hypot(a[0], a[1]) - Math.hypot(b[0], b[1]) || a[0] - b[0] || a[1] - b[1]);
  const onSea = (pt) => {
    const ll = proj.invert(pt);
    if (!ll || !d3.geoContains(sphere, ll)) return false;
    const back = proj(ll);
    return Math.hypot(back[0] - pt[0], back[1] - pt[1]) < 0.5 && !d3.geoContains(landFeature, ll);
  };
  const clear = (boxes, moved) => boxes.every(([x0, y0, x1, y1]) => {
    if (dots.some((d) => d.x + d.r + 2 > x0 && d.x - d.r - 2 < x1 && d.y + d.r + 2 > y0 && d.y - d.r - 2 < y1)) return false;
    if (!moved) return true;
    for (let x = x0; x <= x1 + 0.01; x += (x1 - x0) / Math.ceil((x1 - x0) / 3)) {
      for (const y of [y0, (y0 + y1) / 2, y1]) if (!onSea([x, y])) return false;
    }
    return true;
  });
  return OCEANS.map((o) => {
    const [x, y] = proj(o.at);
    const shift = shifts.find(([dx, dy]) => clear(lineBoxes(o.lines, x + dx, y + 4 + dy, OCEAN_SIZE, OCEAN_LINE, OCEAN_SPACING), dx || dy));
    if (!shift) throw new Error(`no room for the ocean name ${o.lines.join(' ')} at ${o.at}`);
    if (shift[0] || shift[1]) notes.push(`ocean name ${o.lines.join(' ')} at ${o.at} moved by ${shift.join(',')} px, clear of the dots`);
    return { lines: o.lines, x: x + shift[0], y: y + 4 + shift[1] };
  });
}

function escapeXml(s) {
  return s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/'/g, '&apos;');
}

function textSvg(lines, x, y, size, lineH, attrs) {
  const top = y - (lineH * (lines.length - 1)) / 2;
  return lines.map((l, k) => `<text x="${x.toFixed(1)}" y="${(top + k * lineH).toFixed(1)}" ${attrs}>${escapeXml(l)}</text>`).join('\n');
}

function neighbourColours() {
  const geoms = topo.objects.countries.geometries;
  const neighbours = topojson.neighbors(geoms);
  const colour = new Array(geoms.length).fill(-1);
  const order = geoms.map((_, i) => i).sort((a, b) => neighbours[b].length - neighbours[a].length);
  for (const i of order) {
    const used = new Set(neighbours[i].map((j) => colour[j]));
    let c = (i * 7) % LAND.length;
    for (let k = 0; k < LAND.length && used.has(c); k++) c = (c + 1) % LAND.length;
    colour[i] = c;
  }
  return colour;
}

// The fill colour of every country, by name.
function countryColours() {
  const colours = neighbourColours();
  return new Map(world.countries.map((f, i) => [f.properties.name,
    f.properties.name === 'Antarctica' ? ANTARCTIC : LAND[colours[i]]]));
}

function circleSvg(d, r, attrs) {
  return `<circle cx="${d.x.toFixed(2)}" cy="${d.y.toFixed(2)}" r="${r}" ${attrs}/>`;
}

// Dots closer than DOT_MERGE px to one another, in groups (in the order of
// their first dots).
function dotGroups(dots) {
  const group = dots.map((_, i) => i);
  const find = (i) => (group[i] === i ? i : (group[i] = find(group[i])));
  dots.forEach((a, i) => dots.forEach((b, j) => {
    if (j > i && Math.hypot(a.x - b.x, a.y - b.y) < DOT_MERGE) group[find(j)] = find(i);
  }));
  const out = new Map();
  dots.forEach((d, i) => {
    const g = find(i);
    if (!out.has(g)) out.set(g, []);
    out.get(g).push(d);
  });
  return [...out.values()].sort((a, b) => dots.indexOf(a[0]) - dots.indexOf(b[0]));
}

function pictureSvg(dots, notes) {
  const sphere = { type: 'Sphere' };
  const graticule = d3.geoGraticule().step([30, 30]).extentMajor([[-180, -90], [180, 90]]).extentMinor([[-180, -90 + 1e-6], [180, 90 - 1e-6]])();
  const colours = countryColours();
  const parts = [];
  parts.push(`<svg xmlns="http://www.w3.org/2000/svg" width="${lib.WIDTH}" height="${lib.HEIGHT}" viewBox="0 0 ${lib.WIDTH} ${lib.HEIGHT}">`);
  parts.push(`<rect x="0" y="0" width="${lib.WIDTH}" height="${lib.HEIGHT}" fill="${FRAME}"/>`);
  parts.push(`<path d="${geoPath(sphere)}" fill="${SEA}"/>`);
  parts.push(`<path d="${geoPath(graticule)}" fill="none" stroke="${GRID}" stroke-width="0.6"/>`);
  // The small islands' dots lie under the land; the countries drawn next
  // cover them, their own island without a seam. Each dot shows its own
  // outline, so that a chain of islands reads as a chain of dots, but dots
  // of (nearly) one place (DOT_MERGE) are drawn as one shape: first their
  // coast lines, then their discs.
  // They are cut at the edge of the map (Johnston, Niue).
  parts.push(`<clipPath id="sphere"><path d="${geoPath(sphere)}"/></clipPath>`);
  parts.push('<g clip-path="url(#sphere)">');
  for (const group of dotGroups(dots)) {
    for (const d of group) parts.push(circleSvg(d, d.r, `fill="none" stroke="${COAST}" stroke-width="${COAST_WIDTH}"`));
    for (const d of group) parts.push(circleSvg(d, d.r - COAST_WIDTH / 2, `fill="${d.colour}"`));
  }
  parts.push('</g>');
  world.countries.forEach((f) => {
    parts.push(`<path d="${geoPath(f)}" fill="${colours.get(f.properties.name)}"/>`);
  });
  // The grid shows faintly across the land too.
  parts.push(`<path d="${geoPath(graticule)}" fill="none" stroke="${GRID}" stroke-width="0.5" stroke-opacity="0.35"/>`);
  const borders = topojson.mesh(topo, topo.objects.countries, (a, b) => a !== b);
  // Coast lines. Those of a country with dots are left out inside its dots:
  // there the island and its dot are one piece of land. Other countries'
  // coasts cross the dots as they are.
  const dotsOf = new Map();
  for (const d of dots) {
    for (const name of d.own) {
      if (!dotsOf.has(name)) dotsOf.set(name, []);
      dotsOf.get(name).push(d);
    }
  }
  const coasts = topojson.mesh(topo, topo.objects.countries, (a, b) => a === b && !dotsOf.has(a.properties.name));
  const coastAttrs = `fill="none" stroke="${COAST}" stroke-width="${COAST_WIDTH}" stroke-linejoin="round"`;
  parts.push(`<path d="${geoPath(coasts)}" ${coastAttrs}/>`);
  [...dotsOf.keys()].sort().forEach((name, k) => {
    const mesh = topojson.mesh(topo, topo.objects.countries, (a, b) => a === b && a.properties.name === name);
    const d = geoPath(mesh);
    if (!d) return;
    parts.push(`<mask id="dots${k}" maskUnits="userSpaceOnUse" x="0" y="0" width="${lib.WIDTH}" height="${lib.HEIGHT}">`
      + `<rect x="0" y="0" width="${lib.WIDTH}" height="${lib.HEIGHT}" fill="white"/>`
      + dotsOf.get(name).map((dot) => circleSvg(dot, dot.r - COAST_WIDTH / 2, 'fill="black"')).join('')
      + '</mask>');
    parts.push(`<path d="${d}" ${coastAttrs} mask="url(#dots${k})"/>`);
  });
  parts.push(`<path d="${geoPath(borders)}" fill="none" stroke="${BORDER}" stroke-width="0.6" stroke-linejoin="round"/>`);
  parts.push(`<path d="${geoPath(sphere)}" fill="none" stroke="${SEA_EDGE}" stroke-width="1"/>`);
  for (const o of oceanLabels(dots, notes)) {
    parts.push(textSvg(o.lines, o.x, o.y, OCEAN_SIZE, OCEAN_LINE,
      `font-family="${FONT}" font-size="${OCEAN_SIZE}" font-style="italic" letter-spacing="${OCEAN_SPACING}" fill="${OCEAN_TEXT}" text-anchor="middle"`));
  }
  for (const l of countryLabels(dots)) {
    parts.push(textSvg(l.lines, l.x, l.y + l.size * 0.36, l.size, l.lineH,
      `font-family="${FONT}" font-size="${l.size}" letter-spacing="${LETTER_SPACING}" fill="${COUNTRY_TEXT}" text-anchor="middle"`));
  }
  const [ax, ay] = proj([10, -82]);
  parts.push(textSvg(['A N T A R C T I C A'], ax, ay + 4, 11, 12,
    `font-family="${FONT}" font-size="11" letter-spacing="2" fill="${COUNTRY_TEXT}" text-anchor="middle"`));
  parts.push('</svg>');
  return parts.join('\n');
}

function svgToPng(svg, pngFile) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'worldmap-'));
  const svgFile = path.join(dir, 'map.svg');
  fs.writeFileSync(svgFile, svg);
  try {
    execFileSync('rsvg-convert', ['--width', String(lib.WIDTH), '--height', String(lib.HEIGHT), '-o', pngFile, svgFile]);
  } catch (err) {
    throw new Error('rsvg-convert failed (install the Debian package librsvg2-bin): ' + err.message);
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

// ---------------------------------------------------------------------------

function main() {
  const entities = lib.readEntities();
  const searchList = lib.readSearchList();
  if (entities.length !== lib.ENTRY_COUNT || searchList.length !== lib.ENTRY_COUNT) {
    throw new Error(`expected ${lib.ENTRY_COUNT} entries: table ${entities.length}, search list ${searchList.length}`);
  }
  entities.forEach((e, i) => {
    if (searchList[i].trimEnd() !== `${e.prefix}  ${e.name}`) {
      throw new Error(`table row ${i + 1} (${e.prefix} ${e.name}) does not match search entry "${searchList[i]}"`);
    }
  });

  const { marks, notes } = computeMarks(entities, searchList);
  const dots = islandDots(entities, searchList, marks);
  svgToPng(pictureSvg(dots, notes), lib.PICTURE);
  console.log(`wrote ${path.relative(lib.REPO, lib.PICTURE)}: ${dots.length} small islands drawn as dots`);
  if (VERBOSE) {
    for (const d of dots) console.log(`  dot ${d.x.toFixed(1)},${d.y.toFixed(1)} (${d.why}): ${d.entries.join('; ')}`);
  }
  fitTips(entities, searchList, marks, lib.readPicture(lib.PICTURE), notes);
  writePositionList(searchList, marks);
  const rings = marks.filter((m) => m.code.startsWith('#c')).length;
  console.log(`wrote ${path.relative(lib.REPO, lib.POSITION_LIST_SOURCE)}: ${marks.length - rings} pointers, ${rings} rings`);
  for (const n of notes) console.log('  ' + n);
  if (VERBOSE) marks.forEach((m, i) => console.log(`  ${String(i + 1).padStart(3)} ${searchList[i].padEnd(46)} ${m.code.padEnd(12)} ${m.why}`));
}

main();
