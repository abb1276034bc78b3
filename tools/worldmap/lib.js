'use strict';
// Shared pieces of the world map generator and its checker: the map
// projection, the DXCC tables, the Natural Earth outlines and which
// outline stands for which DXCC entity.

const fs = require('fs');
const path = require('path');
const d3 = require('d3-geo');
const d3p = require('d3-geo-projection');
const topojson = require('topojson-client');

const REPO = path.resolve(__dirname, '..', '..');
const ENTITY_TABLE = path.join(REPO, 'data', 'dxcc_entities.tsv');
const SEARCH_LIST_SOURCE = path.join(REPO, 'src', 'worldmap', 'dxcc_search_list.cpp');
const POSITION_LIST_SOURCE = path.join(REPO, 'src', 'worldmap', 'dxcc_position_list.cpp');
const PICTURE = path.join(REPO, 'data', 'worldmap.png');

const WIDTH = 1133;
const HEIGHT = 556;
const ENTRY_COUNT = 388;

// The map's projection: Robinson, centred on 10° E (so the seam lies at
// 170° W), fitted to the whole picture. Every mark position depends on it.
function projection() {
  return d3p.geoRobinson().rotate([-10, 0]).fitSize([WIDTH, HEIGHT], { type: 'Sphere' });
}

// ---------------------------------------------------------------------------
// The DXCC tables

// Rows of data/dxcc_entities.tsv: { prefix, name, lat, lon, note }, one per
// search-list entry and in its order.
function readEntities() {
  const lines = fs.readFileSync(ENTITY_TABLE, 'utf8').split('\n').filter((l) => l.trim() !== '');
  const head = lines.shift().split('\t');
  if (head.join(' ') !== 'prefix name lat lon note') throw new Error('unexpected table header: ' + head.join(' '));
  return lines.map((line, i) => {
    const c = line.split('\t');
    const lat = Number(c[2]);
    const lon = Number(c[3]);
    if (!Number.isFinite(lat) || !Number.isFinite(lon)) throw new Error(`table row ${i + 1}: bad position`);
    return { prefix: c[0], name: c[1], lat, lon, note: c[4] || '' };
  });
}

// Reads the string literals of a C++ list of the form
//   const std::array<const char*, 388> NAME = {{ "...", "...", ... }};
// Only the escapes \\ and \" are expected.
function readCppStringList(file, listName) {
  const src = fs.readFileSync(file, 'latin1');
  const start = src.indexOf(listName + ' = {{');
  if (start < 0) throw new Error(`${listName} not found in ${file}`);
  const end = src.indexOf('}};', start);
  const body = src.slice(start, end);
  const out = [];
  const re = /"((?:[^"\\]|\\.)*)"/g;
  let m;
  while ((m = re.exec(body)) !== null) out.push(m[1].replace(/\\(.)/g, '$1'));
  return out;
}

function readSearchList() {
  return readCppStringList(SEARCH_LIST_SOURCE, 'DxccSearchList');
}

// ---------------------------------------------------------------------------
// Map marks

// A mark text as the window reads it: "#a" x "#b" y is a pointer, "#c" x
// "#d" y a ring; null when the text holds no well-formed code.
function parseMark(text) {
  const m = /#a(\d+)#b(\d+)$/.exec(text) || /#c(\d+)#d(\d+)$/.exec(text);
  if (!m) return null;
  return { kind: m[0][1] === 'a' ? 'pointer' : 'ring', x: Number(m[1]), y: Number(m[2]) };
}

function formatMark(mark) {
  const [a, b] = mark.kind === 'pointer' ? ['#a', '#b'] : ['#c', '#d'];
  return `${a}${mark.x}${b}${String(mark.y).padStart(2, '0')}`;
}

// Where the window puts the marked place for a mark: a pointer's dot lies
// 8 pixels above the mark's y (the arrow's tip touches it from the left);
// a ring's 33 x 33 square has its top-left corner at (x + 4, y).
const RING = 33;
function pointerDot(mark) { return [mark.x, mark.y - 8]; }
// The pixel the arrow's tip lies on: the dot's left edge less one, one pixel
// below the dot's top.
function pointerTip(mark) { return [mark.x - 1, mark.y - 8 + 1]; }
function ringSquare(mark) { return { left: mark.x + 4, top: mark.y, right: mark.x + 4 + RING, bottom: mark.y + RING }; }

// The mark that puts a place at the projected point p.
function pointerAt(p) { return { kind: 'pointer', x: Math.round(p[0]), y: Math.round(p[1]) + 8 }; }
function ringAt(p) { return { kind: 'ring', x: Math.round(p[0]) - 20, y: Math.round(p[1]) - 16 }; }

// ---------------------------------------------------------------------------
// Natural Earth outlines (world-atlas, admin-0 countries)

// Turns round polygon parts that are wound the wrong way (d3-geo would take
// such a part for the whole globe less the part).
function rewound(feature) {
  const g = feature.geometry;
  if (!g) return feature;
  const fix = (poly) => (d3.geoArea({ type: 'Polygon', coordinates: poly }) > 2 * Math.PI
    ? poly.map((ring) => ring.slice().reverse()) : poly);
  if (g.type === 'Polygon') return { ...feature, geometry: { type: 'Polygon', coordinates: fix(g.coordinates) } };
  if (g.type === 'MultiPolygon') {
    return { ...feature, geometry: { type: 'MultiPolygon', coordinates: g.coordinates.map(fix) } };
  }
  return feature;
}

function loadWorld(scale = '50m') {
  const topo = require(`world-atlas/countries-${scale}.json`);
  const countries = topojson.feature(topo, topo.objects.countries).features.map(rewound);
  const byName = new Map(countries.map((f) => [f.properties.name, f]));
  return { topo, countries, byName };
}

// The polygons of a feature, each as a GeoJSON Polygon.
function polygonsOf(feature) {
  const g = feature.geometry;
  if (!g) return [];
  if (g.type === 'Polygon') return [{ type: 'Polygon', coordinates: g.coordinates }];
  if (g.type === 'MultiPolygon') return g.coordinates.map((c) => ({ type: 'Polygon', coordinates: c }));
  return [];
}

// ---------------------------------------------------------------------------
// Which Natural Earth countries hold each DXCC entity. A name that is itself
// a Natural Earth name needs no rule. Entities that the 1:50m data does not
// show at all have an empty list.

const FR_INDIAN = ['France', 'Fr. S. Antarctic Lands'];
const UK = ['United Kingdom'];
const NONE = [];

const OUTLINES_BY_NAME = {
  'Spratly Island': NONE,
  'Agalega Island': ['Mauritius'],
  'St. Brandon': ['Mauritius'],
  'Rodrigues Island': ['Mauritius'],
  'Guinea, Equatorial': ['Eq. Guinea'],
  'Annobon Island': ['Eq. Guinea'],
  'Conway Reef': ['Fiji'],
  'Fiji Islands': ['Fiji'],
  'Rotuma Island': ['Fiji'],
  'Swaziland': ['eSwatini'],
  'Bouvet': ['Norway'],
  'Peter I Island': ['Norway', 'Antarctica'],
  'South Shetland Island': ['Antarctica'],
  'ITU HQ': ['Switzerland'],
  'United Nations HQ': ['United States of America'],
  'East Timor': ['Timor-Leste'],
  'Malaysia, West': ['Malaysia'],
  'Malaysia, East': ['Malaysia'],
  'Congo, Dem. Rep. of': ['Dem. Rep. Congo'],
  'Trinidad & Tobago': ['Trinidad and Tobago'],
  'Mount Athos': ['Greece'],
  'Scarborough Reef': NONE,
  'Pratas Island': ['Taiwan'],
  'Chesterfield Island': ['New Caledonia'],
  'Easter Island': ['Chile'],
  'Juan Fernandez Island': ['Chile'],
  'San Ambrosio Island': ['Chile'],
  'San Felix Island': ['Chile'],
  'Madeira Island': ['Portugal'],
  'Azores': ['Portugal'],
  'Sable Island': ['Canada'],
  'St. Paul Island': ['Canada'],
  'Cape Verde': ['Cabo Verde'],
  'Germany, Fed. Rep. of': ['Germany'],
  'Juan de Nova': FR_INDIAN,
  'Cook Island, North': ['Cook Is.'],
  'Cook Island, South': ['Cook Is.'],
  'Balearic Island': ['Spain'],
  'Canary Islands': ['Spain'],
  'Ceuta and Melilla': ['Spain', 'Morocco'],
  'Moldovia': ['Moldova'],
  'Guadeloupe': ['France'],
  'Mayotte': ['France'],
  'Saint Martin': ['St-Martin', 'St-Barthélemy'],
  'Martinique': ['France'],
  'Austral Island': ['Fr. Polynesia'],
  'Clipperton Island': NONE,
  'French Polynesia': ['Fr. Polynesia'],
  'Marquesas Island': ['Fr. Polynesia'],
  'St. Pierre & Miquelon': ['St. Pierre and Miquelon'],
  'Reunion Island': ['France'],
  'Glorioso Islands': FR_INDIAN,
  'Juan de Nova, Europa': FR_INDIAN,
  'Tromelin Island': FR_INDIAN,
  'Crozet Island': ['Fr. S. Antarctic Lands'],
  'Kerguelen Island': ['Fr. S. Antarctic Lands'],
  'Amsterdam & St. Paul Island': ['Fr. S. Antarctic Lands'],
  'Wallis Island & Futuna Island': ['Wallis and Futuna Is.'],
  'French Guiana': ['France'],
  'England': UK,
  'Northern Ireland': UK,
  'Scotland': UK,
  'Wales': UK,
  'Solomon Island': ['Solomon Is.'],
  'Temotu Province': ['Solomon Is.'],
  'Galapagos Islands': ['Ecuador'],
  'Dominican Republic': ['Dominican Rep.'],
  'Malpelo Island': ['Colombia'],
  'San Andres & Providencia': ['Colombia'],
  'Korea, Republic of': ['South Korea'],
  'Sardinia': ['Italy'],
  'St. Lucia': ['Saint Lucia'],
  'St. Vincent': ['St. Vin. and Gren.'],
  'Minami Torishima': ['Japan'],
  'Ogasawara': ['Japan'],
  'Svalbard': ['Norway'],
  'Jan Mayen': ['Norway'],
  'Guantanamo Bay': ['Cuba'],
  'Mariana Island': ['N. Mariana Is.'],
  'Baker Island & Howland Island': NONE,
  'Johnston Island': NONE,
  'Midway Island': NONE,
  'Palmyra Island & Jarvis Island': NONE,
  'Kingman Reef': NONE,
  'Hawaii': ['United States of America'],
  'Kure Island': NONE,
  'Wake Island': NONE,
  'Alaska': ['United States of America'],
  'Navassa Island': NONE,
  'Virgin Island': ['U.S. Virgin Is.'],
  'Desecheo Island': ['Puerto Rico'],
  'South Georgia Island': ['S. Geo. and the Is.'],
  'South Orkney Island': ['Antarctica'],
  'South Sandwich Island': ['S. Geo. and the Is.'],
  'Aland Island': ['Åland'],
  'Market Reef': ['Åland', 'Finland', 'Sweden'],
  'Czech Republic': ['Czechia'],
  'Slovak Republic': ['Slovakia'],
  'Faroe Island': ['Faeroe Is.'],
  'Korea, DPR of (N.)': ['North Korea'],
  'Bonaire, Curacao (Neth. Antilles)': ['Curaçao', 'Netherlands'],
  'St. Maarten, Saba, St. Eustatius': ['Sint Maarten', 'Netherlands'],
  'Fernando de Noronha': ['Brazil'],
  'St. Peter & St. Paul Rocks': ['Brazil'],
  'Trindade & Martim Vaz Island': ['Brazil'],
  'Franz Josef Land': ['Russia'],
  'Malyj Vysotskij Island': ['Russia'],
  'Western Sahara': ['W. Sahara'],
  'Sao Tome & Principe Islands': ['São Tomé and Principe'],
  'Dodecanese': ['Greece'],
  'Crete': ['Greece'],
  'Tuvalu': NONE,
  'Kiribati, West (Gilbert Island)': ['Kiribati'],
  'Kiribati, Central (Phoenix Island)': ['Kiribati'],
  'Kiribati, East (Line Island)': ['Kiribati'],
  'Banaba Island (Ocean Island)': ['Kiribati'],
  'Somalia': ['Somalia', 'Somaliland'],
  'Bosnia-Herzegovina': ['Bosnia and Herz.'],
  'Cocos Island': ['Costa Rica'],
  'Corsica': ['France'],
  'Central Africa': ['Central African Rep.'],
  'Congo, Republic of the': ['Congo'],
  "Cote d'Ivoire": ["Côte d'Ivoire"],
  'Kaliningrad': ['Russia'],
  'Antigua & Barbuda': ['Antigua and Barb.'],
  'St. Kitts & Nevis': ['St. Kitts and Nevis'],
  'Marshall Island': ['Marshall Is.'],
  'Heard Island': ['Heard I. and McDonald Is.'],
  'Macquarie Island': ['Australia'],
  'Cocos-Keeling Island': ['Indian Ocean Ter.'],
  'Lord Howe Island': ['Australia'],
  'Mellish Reef': NONE,
  'Norfolk Island': ['Norfolk Island'],
  'Willis Island': NONE,
  'Christmas Island': ['Indian Ocean Ter.'],
  'British Virgin Island': ['British Virgin Is.'],
  'Turks Island & Caicos Island': ['Turks and Caicos Is.'],
  'Ducie Island': ['Pitcairn Is.'],
  'Pitcairn Island': ['Pitcairn Is.'],
  'Falkland Island': ['Falkland Is.'],
  'Chagos Island': ['Br. Indian Ocean Ter.'],
  'Andaman Island': ['India'],
  'Lakshadweep Island': ['India'],
  'Nicobar Island': ['India'],
  'United States': ['United States of America'],
  'Revilla Gigedo': ['Mexico'],
  'Yugoslavia': ['Serbia', 'Montenegro', 'Kosovo'],
  'Aves Island': ['Venezuela'],
  'Gibraltar': ['United Kingdom', 'Spain'],
  'Cyprus, UK Sov. Base Areas': ['Cyprus'],
  'Cyprus': ['Cyprus', 'N. Cyprus'],
  'St. Helena': ['Saint Helena'],
  'Ascension Island': ['Saint Helena'],
  'Tristan da Cunha Island & Gough Island': ['Saint Helena'],
  'Cayman Island': ['Cayman Is.'],
  'Tokelau Island': NONE,
  'Chatham Island': ['New Zealand'],
  'Kermadec Island': ['New Zealand'],
  'Auckland Island & Campbell Island': ['New Zealand'],
  'Prince Edward Island & Marion Island': ['South Africa'],
};

// Rules for one prefix under a name that several entities share.
const OUTLINES_BY_KEY = {
  // The Sovereign Military Order of Malta: its seat is in Rome, while the
  // search list names it Malta; either outline is accepted.
  '1A0|Malta': ['Italy', 'Vatican', 'Malta'],
};

function outlineNames(entity) {
  return OUTLINES_BY_KEY[`${entity.prefix}|${entity.name}`] || OUTLINES_BY_NAME[entity.name] || [entity.name];
}

// ---------------------------------------------------------------------------
// The picture's pixels

// Land in the picture is tan (red above blue) with a grey-brown coast line;
// the sea is pale blue (red 48 below blue), the grid and the ocean names are
// bluer still; the frame outside the oval is a darker tan. A pixel shows land
// (or a fleck of it mixed with the sea) when it is clearly less blue than the
// sea.
const FRAME_RGB = [225, 195, 120];
const SEA_RED_MINUS_BLUE = -48;
function isFrame(c) { return c[0] === FRAME_RGB[0] && c[1] === FRAME_RGB[1] && c[2] === FRAME_RGB[2]; }
function looksLikeLand(c) { return c[0] - c[2] > SEA_RED_MINUS_BLUE + 15 && !isFrame(c); }

// Shortest distance in pixels from a picture point to the drawn outline of
// some features (vertex by vertex through the projection; segments that
// cross the seam are left out).
function pixelDistance(features, proj, px) {
  let best = Infinity;
  for (const f of features) {
    for (const poly of polygonsOf(f)) {
      for (const ring of poly.coordinates) {
        let prev = null;
        for (const c of ring) {
          const cur = proj(c);
          if (prev && Math.hypot(cur[0] - prev[0], cur[1] - prev[1]) < 50) {
            const [ax, ay] = prev;
            const dx = cur[0] - ax;
            const dy = cur[1] - ay;
            const len2 = dx * dx + dy * dy;
            let t = len2 > 0 ? ((px[0] - ax) * dx + (px[1] - ay) * dy) / len2 : 0;
            t = Math.max(0, Math.min(1, t));
            const d = Math.hypot(px[0] - (ax + t * dx), px[1] - (ay + t * dy));
            if (d < best) best = d;
          }
          prev = cur;
        }
      }
    }
  }
  return best;
}


// The pixels of a PNG file: at(x, y) gives [r, g, b].
function readPicture(file) {
  const { PNG } = require('pngjs');
  const png = PNG.sync.read(fs.readFileSync(file));
  const at = (x, y) => {
    const i = (png.width * y + x) << 2;
    return [png.data[i], png.data[i + 1], png.data[i + 2]];
  };
  return { width: png.width, height: png.height, at };
}

module.exports = {
  REPO, ENTITY_TABLE, SEARCH_LIST_SOURCE, POSITION_LIST_SOURCE, PICTURE,
  WIDTH, HEIGHT, ENTRY_COUNT, RING,
  projection, readEntities, readCppStringList, readSearchList,
  parseMark, formatMark, pointerDot, pointerTip, ringSquare, pointerAt, ringAt,
  rewound, loadWorld, polygonsOf, outlineNames,
  OUTLINES_BY_NAME, OUTLINES_BY_KEY,
  isFrame, looksLikeLand, pixelDistance, readPicture,
};
