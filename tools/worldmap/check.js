#!/usr/bin/env node
'use strict';
// Checks the world map's position list (src/worldmap/dxcc_position_list.cpp)
// against the search list, the picture (data/worldmap.png) and map data:
//  - the list: 388 texts, each beginning with its search entry's text, Latin-1,
//    each with one well-formed mark code that the window's parser reads;
//  - the marks the list has always had, exactly;
//  - every mark inside the picture;
//  - every pointer: its dot (x, y - 8) lies on the land of its entity
//    (Natural Earth 1:50m, the data the picture is drawn from; the dot is
//    taken back to longitude and latitude through the map's projection), or,
//    for places too small for the picture, within NEAR_PX pixels of it; the
//    dot lies within NEAR_PX pixels of the entity's point in
//    data/dxcc_entities.tsv; the picture shows land at the dot; and the
//    pixel the arrow's tip lies on, (x - 1, y - 7), shows land, not sea (this
//    holds for the kept marks too, but for those listed in TIP_AT_SEA);
//  - every ring: the entity's point, projected, lies inside the ring's
//    33 x 33 square.
//
// Run from the repository root:  node tools/worldmap/check.js [--verbose]
//   [--list FILE] [--picture FILE]   check other files than the program's
// Exits with status 1 and lists every failing entry when a check fails.

const fs = require('fs');
const d3 = require('d3-geo');
const lib = require('./lib');

const VERBOSE = process.argv.includes('--verbose');
// Other files may be given to check (the checker's own tests use this).
function option(name, fallback) {
  const i = process.argv.indexOf(name);
  return i >= 0 && process.argv[i + 1] ? process.argv[i + 1] : fallback;
}
const POSITION_LIST = option('--list', lib.POSITION_LIST_SOURCE);
const PICTURE = option('--picture', lib.PICTURE);
const NEAR_PX = 3;

// The marks the list has always had, as the list gives them. They stay as
// they are even where they miss their place on this picture; such misses are
// printed, not counted as failures.
const KEPT = {
  1: ['1A0  Malta', '#a577#b162'],
  2: ['1S  Spratly Island', '#c865#d225'],
  10: ['3D2  Conway Reef', '#a1091#b341'],
  15: ['3W  Vietnam', '#a868#b235'],
  16: ['XV  Vietnam', '#a868#b235'],
  18: ['3Y  Bouvet', '#a544#b460'],
  37: ['5W  Samoa', '#a1101#b328'],
  110: ['E5A-E5Z  Cook Island, North', '#c22#d328'],
  111: ['E5A-E5Z  Cook Island, South', '#c22#d328'],
  128: ['FG  Guadeloupe', '#c313#d211'],
  188: ['J3  Grenada', '#c313#d211'],
  197: ['JW  Svalbard', '#a567#b030'],
  200: ['K  United States of America', '#a200#b152'],
  201: ['N  United States of America', '#a200#b152'],
  202: ['W  United States of America', '#a200#b152'],
  203: ['AA-AK  United States of America', '#a200#b152'],
  204: ['KC4  Antarctica', '#a878#b537'],
  210: ['KH3  Johnston Island', '#c0#d210'],
  253: ['PJ5-PJ8  St. Maarten, Saba, St. Eustatius', '#c313#d211'],
  259: ['R1FJ  Franz Josef Land', '#a649#b026'],
  345: ['W  United States', '#a199#b151'],
  368: ['YV0  Aves Island', '#c313#d211'],
  378: ['ZK1  Cook Island, North', '#c22#d328'],
  379: ['ZK1  Cook Island, South', '#c22#d328'],
  385: ['ZL-ZM  New Zealand', '#a1003#b415'],
};

// Kept pointers whose dot lies off its entity's land, in the sea, so that the
// arrow's tip points at the sea as well. Only these may; the tip test holds
// every other pointer, kept or not (1A0 Malta points at Malta's dot). A
// listed mark fails when its dot lies on its entity's land after all or its
// tip shows land: then it is to come off this list.
const TIP_AT_SEA = {
  10: 'the mark lies north-east of Fiji, about 1200 km from Conway Reef',
  15: 'the mark lies 2.7 px off the coast of central Vietnam, in the South China Sea',
  16: 'the mark lies 2.7 px off the coast of central Vietnam, in the South China Sea',
  18: 'the mark lies 434 km north of Bouvet',
  37: "the mark lies 4.7 px north-west of Savai'i",
  197: 'the mark lies 2.1 px off the west coast of Svalbard',
  204: 'the mark lies 1.2 px off the coast of Victoria Land',
  259: 'the mark lies 1.6 px south of Franz Josef Land',
  385: 'the mark lies in the Tasman Sea, 19.5 px west of New Zealand',
};

// The window's reading of a position text: the code at the leftmost "#a"
// (or else "#c"); x is the text between the code letters, y the (up to 10)
// characters after the second one. Returns null for a text without "#",
// and throws for a code that is not well formed (the window would raise a
// conversion error).
function parseMapMark(text) {
  if (!text.includes('#')) return null;
  let kind = 'pointer';
  let pa = text.indexOf('#a');
  let pb = text.indexOf('#b');
  if (pa < 0) {
    kind = 'ring';
    pa = text.indexOf('#c');
    pb = text.indexOf('#d');
  }
  if (pa < 0 || pb < 0 || pb < pa) throw new Error('no well-formed code');
  const xs = text.slice(pa + 2, pb);
  const ys = text.slice(pb + 2, pb + 12);
  const strict = (s) => {
    if (!/^[+-]?\d+$/.test(s)) throw new Error(`"${s}" is not an integer`);
    return parseInt(s, 10);
  };
  return { kind, x: strict(xs), y: strict(ys) };
}

// ---------------------------------------------------------------------------

const { isFrame, looksLikeLand, pixelDistance } = lib;

function main() {
  const problems = [];
  const kept = [];
  const near = [];
  const tipsAtSea = [];
  const info = [];
  const fail = (no, text, why) => problems.push(`${String(no).padStart(3)} ${text}: ${why}`);

  const searchList = lib.readSearchList();
  const positions = lib.readCppStringList(POSITION_LIST, 'DxccPositionList');
  const entities = lib.readEntities();
  const raw = fs.readFileSync(POSITION_LIST);
  if (!/std::array<const char\*, 388> DxccPositionList/.test(raw.toString('latin1'))) {
    problems.push('the position list is not declared as std::array<const char*, 388> DxccPositionList');
  }
  if (raw.some((b) => b > 0x7f)) info.push('the position list holds bytes above 127 (Latin-1 text)');
  for (const [what, n] of [['search list', searchList.length], ['position list', positions.length], ['entity table', entities.length]]) {
    if (n !== lib.ENTRY_COUNT) problems.push(`${what} has ${n} entries, not ${lib.ENTRY_COUNT}`);
  }

  const picture = lib.readPicture(PICTURE);
  if (picture.width !== lib.WIDTH || picture.height !== lib.HEIGHT) {
    problems.push(`the picture is ${picture.width} x ${picture.height}, not ${lib.WIDTH} x ${lib.HEIGHT}`);
  }
  for (const [x, y] of [[0, 0], [lib.WIDTH - 1, 0], [0, lib.HEIGHT - 1], [lib.WIDTH - 1, lib.HEIGHT - 1]]) {
    if (!isFrame(picture.at(x, y))) problems.push(`the picture's corner ${x},${y} is not the frame colour`);
  }

  const proj = lib.projection();
  const world = lib.loadWorld('50m');
  const counts = { pointer: 0, ring: 0 };
  let checked = 0;
  const n = Math.min(searchList.length, positions.length, entities.length);
  for (let i = 0; i < n; i++) {
    const no = i + 1;
    const search = searchList[i];
    const text = positions[i];
    const e = entities[i];
    for (const ch of text) {
      if (ch.charCodeAt(0) > 0xff) fail(no, search, 'text is not Latin-1');
    }
    if (!text.startsWith(search.trimEnd() + ' ')) fail(no, search, `position text "${text}" does not begin with the search entry`);
    if (search.trimEnd() !== `${e.prefix}  ${e.name}`) fail(no, search, `table row is ${e.prefix} ${e.name}`);
    if (!/^[^#]*\s(#a\d{1,4}#b\d{2,3}|#c\d{1,4}#d\d{2,3})$/.test(text)) {
      fail(no, search, `"${text}" does not end in one well-formed mark code`);
      continue;
    }
    let mark;
    try {
      mark = parseMapMark(text);
    } catch (err) {
      fail(no, search, `the window cannot read "${text}": ${err.message}`);
      continue;
    }
    checked++;
    counts[mark.kind]++;
    const code = text.slice(text.indexOf('#'));
    const keep = KEPT[no];
    if (keep) {
      if (search.trimEnd() !== keep[0]) fail(no, search, `expected the entry "${keep[0]}" here`);
      if (code !== keep[1]) fail(no, search, `mark ${code}, but the list has ${keep[1]}`);
    }

    // Inside the picture, as the list's marks are (y from 26 to 537).
    if (mark.y < 26 || mark.y > 537) fail(no, search, `y ${mark.y} outside 26..537`);
    if (mark.kind === 'pointer') {
      if (mark.x < 0 || mark.x > lib.WIDTH - 4 || mark.y - 8 > lib.HEIGHT - 4) fail(no, search, 'the dot is outside the picture');
      if (mark.x < 87) info.push(`${no} ${search}: pointer at x ${mark.x}; its arrow reaches past the left edge`);
    } else {
      const s = lib.ringSquare(mark);
      if (s.left < 0 || s.right > lib.WIDTH || s.top < 0 || s.bottom > lib.HEIGHT) fail(no, search, 'the ring is not whole inside the picture');
    }

    // Where the entity is.
    const p = proj([e.lon, e.lat]);
    const problemsBefore = problems.length;
    const misses = [];
    const hard = []; // failures even for kept marks
    if (mark.kind === 'pointer') {
      const dot = lib.pointerDot(mark);
      const features = lib.outlineNames(e).map((nm) => world.byName.get(nm)).filter(Boolean);
      const ll = proj.invert(dot);
      const inside = ll && features.some((f) => d3.geoContains(f, ll));
      const fromPoint = Math.hypot(dot[0] - p[0], dot[1] - p[1]);
      if (!inside) {
        const d = features.length ? pixelDistance(features, proj, dot) : Infinity;
        if (d <= NEAR_PX) near.push(`${no} ${search}: dot ${d.toFixed(1)} px from its land`);
        else misses.push(features.length ? `dot ${dot.join(',')} is ${d.toFixed(1)} px off the land of ${lib.outlineNames(e).join(' / ')}`
          : `no outline of ${e.name} in the map data`);
      } else {
        let land = false;
        for (let dx = -1; dx <= 1 && !land; dx++) {
          for (let dy = -1; dy <= 1 && !land; dy++) land = looksLikeLand(picture.at(dot[0] + dx, dot[1] + dy));
        }
        if (!land) misses.push(`the picture shows no land at the dot ${dot.join(',')}`);
      }
      if (fromPoint > NEAR_PX) misses.push(`dot ${fromPoint.toFixed(1)} px from the table's point (${p.map((v) => v.toFixed(1)).join(',')})`);
      // The arrow's tip: it must point at land, kept marks included.
      const tip = lib.pointerTip(mark);
      if (tip[0] < 0 || tip[1] < 0 || tip[0] >= picture.width || tip[1] >= picture.height) {
        hard.push(`the arrow's tip ${tip.join(',')} lies outside the picture`);
      } else {
        const c = picture.at(tip[0], tip[1]);
        const atSea = !looksLikeLand(c);
        const excused = TIP_AT_SEA[no] && keep && code === keep[1] && !inside;
        if (atSea && excused) {
          tipsAtSea.push(`${String(no).padStart(3)} ${search} ${code}: tip ${tip.join(',')} (${c.join(',')}); ${TIP_AT_SEA[no]}`);
        } else if (atSea) {
          hard.push(`the arrow's tip ${tip.join(',')} points at the sea (${c.join(',')})`);
        } else if (TIP_AT_SEA[no]) {
          hard.push(`listed in TIP_AT_SEA, but the arrow's tip ${tip.join(',')} shows land (${c.join(',')})`);
        }
      }
      if (TIP_AT_SEA[no] && inside) hard.push('listed in TIP_AT_SEA, but the dot lies on its land');
    } else {
      const s = lib.ringSquare(mark);
      if (!(p[0] >= s.left && p[0] <= s.right && p[1] >= s.top && p[1] <= s.bottom)) {
        const dx = Math.max(s.left - p[0], 0, p[0] - s.right);
        const dy = Math.max(s.top - p[1], 0, p[1] - s.bottom);
        misses.push(`the place (${p.map((v) => v.toFixed(1)).join(',')}) is ${Math.hypot(dx, dy).toFixed(1)} px outside the ring ${s.left},${s.top}-${s.right},${s.bottom}`);
      }
    }
    if (problems.length !== problemsBefore) continue;
    for (const m of misses) {
      if (keep && code === keep[1]) kept.push(`${String(no).padStart(3)} ${search} ${code}: ${m}`);
      else fail(no, search, m);
    }
    for (const m of hard) fail(no, search, m);
    if (VERBOSE) {
      const all = [...misses, ...hard];
      console.log(`${String(no).padStart(3)} ${search.padEnd(46)} ${code.padEnd(12)} ${all.length ? 'MISS ' + all.join('; ') : 'ok'}`);
    }
  }

  console.log(`${checked} marks checked: ${counts.pointer} pointers, ${counts.ring} rings`);
  if (near.length) {
    console.log(`pointers at places too small for the picture, within ${NEAR_PX} px of their land:`);
    for (const s of near) console.log('  ' + s);
  }
  if (info.length) for (const s of info) console.log('note: ' + s);
  if (kept.length) {
    console.log('marks kept as the list has them that miss their place on this picture:');
    for (const s of kept) console.log('  ' + s);
  }
  if (tipsAtSea.length) {
    console.log('kept pointers whose arrow points at the sea, as their dot lies off the land:');
    for (const s of tipsAtSea) console.log('  ' + s);
  }
  if (problems.length) {
    console.log(`FAILED: ${problems.length} problems`);
    for (const s of problems) console.log('  ' + s);
    process.exit(1);
  }
  console.log('all checks passed');
}

if (require.main === module) main();

module.exports = { parseMapMark, looksLikeLand };
