#!/usr/bin/env node
'use strict';
// Checks data/states.txt, the place file of Kestrel, against independent
// map data:
//  - every US city must lie inside the outline of its state (us-atlas,
//    US Census Bureau cartographic boundaries);
//  - every DXCC point must lie inside the outline of the country it names
//    (world-atlas, Natural Earth admin-0 countries, 1:50m, with the finer
//    1:10m outlines as a second source); a point on a small island may lie
//    within a stated distance of the outline, since the map data shows such
//    islands coarsely or not at all; a point that stands for a part of a
//    country (Hawaii, Sardinia, a province) must also lie inside a box
//    around that part;
//  - the file itself: Latin-1 with CR LF, keys, entry length, coordinate
//    groups, DXCC entry layout, and agreement with the tables in data/.
//
// Run from the repository root:  node tools/places/check.js
// Exits with status 1 and lists every failing line when a check fails.

const fs = require('fs');
const d3 = require('d3-geo');
const topojson = require('topojson-client');
const lib = require('./lib');

// ---------------------------------------------------------------------------
// Map data

// A few tiny polygon parts of the map data are wound the wrong way after
// quantization (three islets of the Maldives in the 1:10m file); for
// d3-geo such a part covers the whole globe except itself, and every point
// would lie "inside". Parts larger than a hemisphere are turned round.
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

function featuresByName(topo, objectName) {
  const fc = topojson.feature(topo, topo.objects[objectName]);
  const map = new Map();
  for (const f of fc.features) {
    const r = rewound(f);
    if (d3.geoArea(r) > 2 * Math.PI) throw new Error(`outline of ${f.properties.name} covers more than a hemisphere`);
    map.set(f.properties.name, r);
  }
  return map;
}

const WORLD50 = featuresByName(require('world-atlas/countries-50m.json'), 'countries');
const WORLD10 = featuresByName(require('world-atlas/countries-10m.json'), 'countries');
const US_STATES = new Map([...featuresByName(require('us-atlas/states-10m.json'), 'states').values()]
  .map((f) => [String(f.id), f]));

// Shortest distance in km from a point [lon, lat] to the outline of a
// GeoJSON feature (0 inside). Segments are measured in a local flat
// projection around the point, which is exact enough at tens of km.
function distanceToFeatureKm(feature, point) {
  if (d3.geoContains(feature, point)) return 0;
  const [plon, plat] = point;
  const kx = 111.32 * Math.cos((plat * Math.PI) / 180);
  const ky = 110.57;
  const toXY = ([lon, lat]) => {
    let dl = lon - plon;
    if (dl > 180) dl -= 360;
    if (dl < -180) dl += 360;
    return [dl * kx, (lat - plat) * ky];
  };
  let best = Infinity;
  const g = feature.geometry;
  const polys = g.type === 'Polygon' ? [g.coordinates] : g.type === 'MultiPolygon' ? g.coordinates : [];
  for (const poly of polys) {
    for (const ring of poly) {
      // Quick skip of rings far away.
      let near = false;
      for (const c of ring) {
        if (Math.abs(c[1] - plat) < 5) { near = true; break; }
      }
      if (!near) continue;
      let prev = toXY(ring[0]);
      for (let i = 1; i < ring.length; i++) {
        const cur = toXY(ring[i]);
        const [ax, ay] = prev;
        const [bx, by] = cur;
        const dx = bx - ax;
        const dy = by - ay;
        const len2 = dx * dx + dy * dy;
        let t = len2 > 0 ? -(ax * dx + ay * dy) / len2 : 0;
        t = Math.max(0, Math.min(1, t));
        const x = ax + t * dx;
        const y = ay + t * dy;
        const d = Math.sqrt(x * x + y * y);
        if (d < best) best = d;
        prev = cur;
      }
    }
  }
  return best;
}

function inBox(box, lat, lon) {
  const [s, n, w, e] = box;
  if (lat < s || lat > n) return false;
  return w <= e ? lon >= w && lon <= e : lon >= w || lon <= e; // box across 180°
}

// ---------------------------------------------------------------------------
// Which outline each DXCC entry is checked against.
//
//   ne:  Natural Earth unit names (1:50m or 1:10m) the point may lie in
//   box: [south, north, west, east] the point must also lie in (parts of a
//        country, islands of a country that has several DXCC entries)
//   tol: km the point may lie outside the outline (small islands, enclaves)
//   states: for United States call areas, the state codes of the area
//
// Rules are looked up by "prefix|name" first, then by name; a name that is
// itself a Natural Earth unit needs no rule.

const ANT = ['Antarctica'];
const FR_ISLANDS = ['France', 'Fr. S. Antarctic Lands'];
const UMI = ['U.S. Minor Outlying Is.', 'United States of America'];

const BY_NAME = {
  'Malta': { box: [35.7, 36.1, 14.1, 14.6] },
  'Spratly Island': { ne: ['Spratly Is.'], box: [7, 12, 111, 117], tol: 50 },
  'Monaco': { tol: 3 },
  'Agalega Island': { ne: ['Mauritius'], box: [-10.6, -10.2, 56.4, 56.9], tol: 50 },
  'St. Brandon': { ne: ['Mauritius'], box: [-17.2, -15.9, 59.3, 59.9], tol: 50 },
  'Mauritius': { box: [-20.6, -19.9, 57.2, 57.9] },
  'Rodrigues Island': { ne: ['Mauritius'], box: [-19.9, -19.6, 63.2, 63.6], tol: 50 },
  'Guinea, Equatorial': { ne: ['Eq. Guinea'], box: [0.9, 2.4, 9.3, 11.4] },
  'Annobon Island': { ne: ['Eq. Guinea'], box: [-1.6, -1.3, 5.5, 5.8], tol: 50 },
  'Conway Reef': { ne: ['Fiji'], box: [-22, -21.5, 174.4, 174.9], tol: 50 },
  'Fiji Islands': { ne: ['Fiji'], box: [-19.5, -15.5, 176.5, -178] },
  'Rotuma Island': { ne: ['Fiji'], box: [-12.6, -12.4, 176.9, 177.3], tol: 50 },
  'Swaziland': { ne: ['eSwatini'] },
  'Bouvet': { ne: ['Norway'], box: [-54.6, -54.3, 3.2, 3.6], tol: 50 },
  'Peter I Island': { ne: ['Norway', 'Antarctica'], box: [-69.1, -68.6, -91.2, -90.2], tol: 50 },
  'South Shetland Island': { ne: ANT, box: [-63.5, -61, -63, -53.5], tol: 50 },
  'ITU HQ': { ne: ['Switzerland'], box: [46.1, 46.3, 6.0, 6.3] },
  'United Nations HQ': { ne: ['United States of America'], box: [40.7, 40.8, -74.05, -73.9], tol: 2 },
  'East Timor': { ne: ['Timor-Leste'] },
  'Samoa': { tol: 50 },
  'Barbados': { tol: 10 },
  'Maldives': { tol: 50 },
  'Malaysia, West': { ne: ['Malaysia'], box: [1, 7, 99.5, 104.5] },
  'Malaysia, East': { ne: ['Malaysia'], box: [0.8, 7.5, 109.5, 119.5] },
  'Congo, Dem. Rep. of': { ne: ['Dem. Rep. Congo'] },
  'Singapore': { tol: 5 },
  'Trinidad & Tobago': { ne: ['Trinidad and Tobago'] },
  'Mount Athos': { ne: ['Greece'], box: [40.1, 40.45, 23.95, 24.45] },
  'Tonga': { tol: 50 },
  'Bahrain': { tol: 10 },
  'Scarborough Reef': { ne: ['Scarborough Reef'], box: [14.9, 15.3, 117.5, 118], tol: 50 },
  'Pratas Island': { ne: ['Taiwan'], box: [20.6, 20.8, 116.6, 116.9], tol: 50 },
  'Chesterfield Island': { ne: ['New Caledonia'], box: [-20.5, -19, 158, 159], tol: 50 },
  'Nauru': { tol: 10 },
  'Bahamas': { tol: 10 },
  'Chile': { box: [-56, -17, -76, -66] },
  'Easter Island': { ne: ['Chile'], box: [-27.3, -27, -109.5, -109.2], tol: 10 },
  'Juan Fernandez Island': { ne: ['Chile'], box: [-33.9, -33.5, -80.9, -78.7], tol: 50 },
  'San Ambrosio Island': { ne: ['Chile'], box: [-26.4, -26.3, -80, -79.8], tol: 50 },
  'San Felix Island': { ne: ['Chile'], box: [-26.3, -26.2, -80.2, -80], tol: 50 },
  'Antarctica': { ne: ANT },
  'Madeira Island': { ne: ['Portugal'], box: [32.6, 33.2, -17.3, -16.2], tol: 10 },
  'Azores': { ne: ['Portugal'], box: [36.8, 39.8, -31.4, -24.9], tol: 50 },
  'Portugal': { box: [36.9, 42.2, -9.6, -6.1] },
  'Sable Island': { ne: ['Canada'], box: [43.9, 44.0, -60.2, -59.7], tol: 50 },
  'St. Paul Island': { ne: ['Canada'], box: [47.1, 47.3, -60.3, -60.0], tol: 50 },
  'Cape Verde': { ne: ['Cabo Verde'], tol: 10 },
  'Comoros': { tol: 10 },
  'Germany, Fed. Rep. of': { ne: ['Germany'] },
  'Juan de Nova': { ne: FR_ISLANDS, box: [-17.2, -16.9, 42.6, 42.8], tol: 50 },
  'Cook Island, North': { ne: ['Cook Is.'], box: [-11.5, -8.5, -166.5, -157.5], tol: 50 },
  'Cook Island, South': { ne: ['Cook Is.'], box: [-22.5, -18, -160.5, -157], tol: 50 },
  'Spain': { box: [36, 44, -9.5, 3.5] },
  'Balearic Island': { ne: ['Spain'], box: [38.6, 40.1, 1.1, 4.4] },
  'Canary Islands': { ne: ['Spain'], box: [27.6, 29.5, -18.2, -13.4], tol: 10 },
  'Ceuta and Melilla': { ne: ['Spain'], box: [35.2, 36, -5.5, -2.8], tol: 10 },
  'Moldovia': { ne: ['Moldova'] },
  'France': { box: [42.3, 51.2, -4.9, 8.3] },
  'Guadeloupe': { ne: ['France'], box: [15.8, 16.6, -61.9, -61.0], tol: 10 },
  'Mayotte': { ne: ['France'], box: [-13.1, -12.6, 44.9, 45.4], tol: 10 },
  'Saint Martin': { ne: ['St-Martin'], box: [17.8, 18.2, -63.2, -62.7], tol: 5 },
  'New Caledonia': { box: [-23, -19.5, 163.5, 168.5] },
  'Martinique': { ne: ['France'], box: [14.3, 15, -61.3, -60.7] },
  'Austral Island': { ne: ['Fr. Polynesia'], box: [-28, -21, -155, -143], tol: 50 },
  'Clipperton Island': { ne: ['Clipperton I.'], box: [10.2, 10.4, -109.3, -109.1], tol: 50 },
  'French Polynesia': { ne: ['Fr. Polynesia'], box: [-18, -14, -152, -144], tol: 10 },
  'Marquesas Island': { ne: ['Fr. Polynesia'], box: [-11, -7.5, -141.5, -138], tol: 50 },
  'St. Pierre & Miquelon': { ne: ['St. Pierre and Miquelon'], tol: 10 },
  'Reunion Island': { ne: ['France'], box: [-21.5, -20.8, 55.1, 55.9] },
  'Glorioso Islands': { ne: FR_ISLANDS, box: [-11.7, -11.4, 47.2, 47.5], tol: 50 },
  'Juan de Nova, Europa': { ne: FR_ISLANDS, box: [-22.5, -16.9, 40.2, 42.8], tol: 50 },
  'Tromelin Island': { ne: FR_ISLANDS, box: [-16, -15.8, 54.4, 54.6], tol: 50 },
  'Crozet Island': { ne: ['Fr. S. Antarctic Lands'], box: [-46.6, -46, 50, 52.5], tol: 50 },
  'Kerguelen Island': { ne: ['Fr. S. Antarctic Lands'], box: [-50, -48.5, 68.5, 70.6] },
  'Amsterdam & St. Paul Island': { ne: ['Fr. S. Antarctic Lands'], box: [-39, -37.7, 77.4, 77.7], tol: 50 },
  'Wallis Island & Futuna Island': { ne: ['Wallis and Futuna Is.'], tol: 10 },
  'French Guiana': { ne: ['France'], box: [2, 6, -55, -51] },
  'England': { ne: ['United Kingdom'], box: [49.9, 55.8, -6, 2] },
  'Isle of Man': { tol: 5 },
  'Jersey': { tol: 5 },
  'Guernsey': { tol: 5 },
  'Northern Ireland': { ne: ['United Kingdom'], box: [54, 55.4, -8.2, -5.4] },
  'Scotland': { ne: ['United Kingdom'], box: [54.6, 61, -8, -0.7] },
  'Wales': { ne: ['United Kingdom'], box: [51.3, 53.5, -5.4, -2.6] },
  'Solomon Island': { ne: ['Solomon Is.'], box: [-11, -6.5, 155.5, 162.5] },
  'Temotu Province': { ne: ['Solomon Is.'], box: [-12.5, -9.5, 165, 168.5], tol: 50 },
  'Ecuador': { box: [-5.1, 1.5, -81.1, -75.1] },
  'Galapagos Islands': { ne: ['Ecuador'], box: [-1.5, 0.7, -92, -89], tol: 10 },
  'Dominican Republic': { ne: ['Dominican Rep.'] },
  'Colombia': { box: [-4.3, 12.5, -79.1, -66.8] },
  'Malpelo Island': { ne: ['Colombia'], box: [3.9, 4.1, -81.7, -81.5], tol: 50 },
  'San Andres & Providencia': { ne: ['Colombia'], box: [12.4, 13.5, -81.9, -81.3], tol: 50 },
  'Korea, Republic of': { ne: ['South Korea'] },
  'Vatican': { tol: 2 },
  'Italy': { box: [37.8, 47.1, 6.6, 18.6] },
  'Sardinia': { ne: ['Italy'], box: [38.8, 41.3, 8.1, 9.9] },
  'Grenada': { tol: 10 },
  'St. Lucia': { ne: ['Saint Lucia'] },
  'Dominica': { tol: 10 },
  'St. Vincent': { ne: ['St. Vin. and Gren.'], tol: 10 },
  'Japan': { box: [30, 46, 128, 146] },
  'Minami Torishima': { ne: ['Japan'], box: [24.2, 24.4, 153.9, 154.1], tol: 50 },
  'Ogasawara': { ne: ['Japan'], box: [24, 28, 141, 143], tol: 50 },
  'Svalbard': { ne: ['Norway'], box: [76, 81, 10, 34] },
  'Jan Mayen': { ne: ['Norway'], box: [70.8, 71.2, -9.2, -7.8], tol: 50 },
  'United States of America': { box: [24, 50, -125, -66] },
  'Palau': { tol: 10 },
  'Guantanamo Bay': { ne: ['USNB Guantanamo Bay'], box: [19.8, 20.05, -75.3, -75], tol: 2 },
  'Mariana Island': { ne: ['N. Mariana Is.'], box: [14, 21, 144.8, 146.2], tol: 10 },
  'Baker Island & Howland Island': { ne: UMI, box: [0.1, 0.9, -176.7, -176.4], tol: 50 },
  'Guam': { tol: 10 },
  'Johnston Island': { ne: UMI, box: [16.6, 16.8, -169.7, -169.4], tol: 50 },
  'Midway Island': { ne: UMI, box: [28.1, 28.3, -177.5, -177.2], tol: 50 },
  'Palmyra Island & Jarvis Island': { ne: UMI, box: [-0.5, 6, -162.5, -159.9], tol: 50 },
  'Kingman Reef': { ne: UMI, box: [6.3, 6.5, -162.5, -162.3], tol: 50 },
  'Hawaii': { ne: ['United States of America'], box: [18.5, 22.5, -161, -154.5] },
  'Kure Island': { ne: UMI, box: [28.3, 28.5, -178.5, -178.2], tol: 50 },
  'American Samoa': { tol: 10 },
  'Wake Island': { ne: UMI, box: [19.2, 19.4, 166.5, 166.7], tol: 50 },
  'Alaska': { ne: ['United States of America'], box: [51, 72, -180, -129] },
  'Navassa Island': { ne: UMI, box: [18.35, 18.45, -75.1, -74.9], tol: 50 },
  'Virgin Island': { ne: ['U.S. Virgin Is.'], tol: 5 },
  'Desecheo Island': { ne: ['Puerto Rico'], box: [18.35, 18.42, -67.52, -67.45], tol: 50 },
  'Norway': { box: [57.9, 71.5, 4.5, 31.5] },
  'Argentina': { box: [-55.5, -21.5, -74, -53] },
  'South Georgia Island': { ne: ['S. Geo. and the Is.'], box: [-55, -53.9, -38.5, -35.5] },
  'South Orkney Island': { ne: ANT, box: [-61.2, -60.2, -47, -44], tol: 50 },
  'South Sandwich Island': { ne: ['S. Geo. and the Is.'], box: [-59.6, -56.2, -28.5, -26], tol: 50 },
  'Aland Island': { ne: ['Åland'], tol: 10 },
  'Market Reef': { ne: ['Åland', 'Sweden'], box: [60.25, 60.35, 19.05, 19.2], tol: 50 },
  'Czech Republic': { ne: ['Czechia'] },
  'Slovak Republic': { ne: ['Slovakia'] },
  'Faroe Island': { ne: ['Faeroe Is.'], tol: 5 },
  'Denmark': { box: [54.5, 57.8, 8, 12.7] },
  'Korea, DPR of (N.)': { ne: ['North Korea'] },
  'Netherlands': { box: [50.7, 53.6, 3.3, 7.3] },
  'Bonaire, Curacao (Neth. Antilles)': { ne: ['Curaçao', 'Netherlands'], box: [11.9, 12.4, -69.2, -68.1], tol: 10 },
  'St. Maarten, Saba, St. Eustatius': { ne: ['Sint Maarten', 'Netherlands'], box: [17.4, 18.1, -63.3, -62.9], tol: 5 },
  'Brazil': { box: [-34, 5.3, -74, -34.7] },
  'Fernando de Noronha': { ne: ['Brazil'], box: [-3.9, -3.8, -32.5, -32.35], tol: 50 },
  'St. Peter & St. Paul Rocks': { ne: ['Brazil'], box: [0.85, 1, -29.4, -29.3], tol: 50 },
  'Trindade & Martim Vaz Island': { ne: ['Brazil'], box: [-20.6, -20.4, -29.4, -28.8], tol: 50 },
  'Franz Josef Land': { ne: ['Russia'], box: [79.5, 82, 44, 66], tol: 50 },
  'Malyj Vysotskij Island': { ne: ['Russia'], box: [60.55, 60.7, 28.4, 28.7], tol: 5 },
  'Western Sahara': { ne: ['W. Sahara'] },
  'Seychelles': { tol: 10 },
  'Sao Tome & Principe Islands': { ne: ['São Tomé and Principe'], tol: 10 },
  'Greece': { box: [36.3, 41.8, 19.5, 26.7] },
  'Dodecanese': { ne: ['Greece'], box: [35.3, 37.6, 26.2, 28.3] },
  'Crete': { ne: ['Greece'], box: [34.8, 35.8, 23.4, 26.4] },
  'Tuvalu': { ne: ['Tuvalu'], tol: 50 },
  'Kiribati, West (Gilbert Island)': { ne: ['Kiribati'], box: [-3, 3.5, 172, 177], tol: 50 },
  'Kiribati, Central (Phoenix Island)': { ne: ['Kiribati'], box: [-5, -2.5, -175, -170.5], tol: 50 },
  'Kiribati, East (Line Island)': { ne: ['Kiribati'], box: [-11.5, 5, -161, -150], tol: 50 },
  'Banaba Island (Ocean Island)': { ne: ['Kiribati'], box: [-0.95, -0.8, 169.45, 169.6], tol: 50 },
  'San Marino': { tol: 2 },
  'Bosnia-Herzegovina': { ne: ['Bosnia and Herz.'] },
  'Cocos Island': { ne: ['Costa Rica'], box: [5.45, 5.6, -87.15, -86.95], tol: 50 },
  'Corsica': { ne: ['France'], box: [41.3, 43.1, 8.5, 9.6] },
  'Central Africa': { ne: ['Central African Rep.'] },
  'Congo, Republic of the': { ne: ['Congo'] },
  "Cote d'Ivoire": { ne: ["Côte d'Ivoire"] },
  'Russia': { ne: ['Russia'], box: [41, 70, 27, 60] },
  'Kaliningrad': { ne: ['Russia'], box: [54.3, 55.3, 19.6, 22.9] },
  'Antigua & Barbuda': { ne: ['Antigua and Barb.'], tol: 10 },
  'St. Kitts & Nevis': { ne: ['St. Kitts and Nevis'], tol: 10 },
  'Micronesia': { box: [5, 10, 137.5, 163.5], tol: 10 },
  'Marshall Island': { ne: ['Marshall Is.'], tol: 50 },
  'Canada': { box: [41.6, 83.2, -141.1, -52.5] },
  'Australia': { box: [-39.2, -10.6, 113, 153.7] },
  'Heard Island': { ne: ['Heard I. and McDonald Is.'], tol: 10 },
  'Macquarie Island': { ne: ['Australia'], box: [-54.8, -54.4, 158.7, 159], tol: 50 },
  'Cocos-Keeling Island': { ne: ['Indian Ocean Ter.', 'Australia'], box: [-12.3, -11.8, 96.7, 97], tol: 50 },
  'Lord Howe Island': { ne: ['Australia'], box: [-31.7, -31.4, 158.9, 159.3], tol: 50 },
  'Mellish Reef': { ne: ['Coral Sea Is.', 'Australia'], box: [-17.5, -17.3, 155.8, 156], tol: 50 },
  'Norfolk Island': { tol: 10 },
  'Willis Island': { ne: ['Coral Sea Is.', 'Australia'], box: [-16.4, -16.2, 149.9, 150.1], tol: 50 },
  'Christmas Island': { ne: ['Indian Ocean Ter.', 'Australia'], box: [-10.6, -10.4, 105.5, 105.75], tol: 10 },
  'Anguilla': { tol: 5 },
  'Montserrat': { tol: 5 },
  'British Virgin Island': { ne: ['British Virgin Is.'], tol: 5 },
  'Turks Island & Caicos Island': { ne: ['Turks and Caicos Is.'], tol: 10 },
  'Ducie Island': { ne: ['Pitcairn Is.'], box: [-24.75, -24.6, -124.9, -124.7], tol: 50 },
  'Pitcairn Island': { ne: ['Pitcairn Is.'], box: [-25.1, -25, -130.15, -130.05], tol: 10 },
  'Falkland Island': { ne: ['Falkland Is.'] },
  'Bermuda': { tol: 5 },
  'Chagos Island': { ne: ['Br. Indian Ocean Ter.'], tol: 50 },
  'Hong Kong': {},
  'Andaman Island': { ne: ['India'], box: [10.5, 14, 92.1, 93.2], tol: 5 },
  'India': { box: [8, 35.5, 68, 97.5] },
  'Lakshadweep Island': { ne: ['India'], box: [8, 12.5, 71.5, 74], tol: 50 },
  'Nicobar Island': { ne: ['India'], box: [6.5, 9.3, 92.6, 94], tol: 50 },
  'United States': { ne: ['United States of America'], box: [24, 50, -125, -66] },
  'Revilla Gigedo': { ne: ['Mexico'], box: [18.2, 19.4, -114.8, -110.6], tol: 50 },
  'Mexico': { box: [14.5, 32.8, -117.2, -86.7] },
  'Macao': { tol: 3 },
  'Indonesia': { box: [-11, 6, 95, 141.1] },
  'Vanuatu': { tol: 10 },
  'Yugoslavia': { ne: ['Serbia'] },
  'Venezuela': { box: [0.6, 12.3, -73.4, -59.8] },
  'Aves Island': { ne: ['Venezuela'], box: [15.6, 15.75, -63.7, -63.55], tol: 50 },
  'Macedonia': { ne: ['Macedonia'] },
  'Gibraltar': { ne: ['Gibraltar'], tol: 1 },
  'Cyprus, UK Sov. Base Areas': { ne: ['Akrotiri', 'Dhekelia'], tol: 1 },
  'Cyprus': { box: [34.5, 35.2, 32.2, 34.1] },
  'St. Helena': { ne: ['Saint Helena'], box: [-16.1, -15.8, -5.85, -5.6], tol: 10 },
  'Ascension Island': { ne: ['Saint Helena'], box: [-8.05, -7.85, -14.45, -14.25], tol: 10 },
  'Tristan da Cunha Island & Gough Island': { ne: ['Saint Helena'], box: [-40.4, -37, -12.8, -9.8], tol: 10 },
  'Cayman Island': { ne: ['Cayman Is.'], tol: 5 },
  'Niue': { tol: 10 },
  'Tokelau Island': { ne: ['New Zealand'], box: [-9.5, -8.5, -172.6, -171.1], tol: 50 },
  'Chatham Island': { ne: ['New Zealand'], box: [-44.5, -43.5, -177, -176], tol: 10 },
  'Kermadec Island': { ne: ['New Zealand'], box: [-31.6, -29.2, -179, -177.8], tol: 50 },
  'Auckland Island & Campbell Island': { ne: ['New Zealand'], box: [-52.7, -50.4, 165.8, 169.3], tol: 50 },
  'New Zealand': { box: [-47.5, -34, 166, 178.7] },
  'South Africa': { box: [-35, -22, 16.4, 33] },
  'Prince Edward Island & Marion Island': { ne: ['South Africa'], box: [-47, -46.6, 37.5, 38], tol: 50 },

  // Regions of the largest countries.
  'Canada, Nova Scotia': { ne: ['Canada'], box: [43.4, 47.1, -66.4, -59.7] },
  'Canada, Quebec': { ne: ['Canada'], box: [45, 62.6, -79.8, -57.1] },
  'Canada, Ontario': { ne: ['Canada'], box: [41.6, 56.9, -95.2, -74.3] },
  'Canada, Manitoba': { ne: ['Canada'], box: [49, 60, -102.1, -88.9] },
  'Canada, Saskatchewan': { ne: ['Canada'], box: [49, 60, -110, -101.3] },
  'Canada, Alberta': { ne: ['Canada'], box: [49, 60, -120, -110] },
  'Canada, British Columbia': { ne: ['Canada'], box: [48.2, 60, -139.1, -114] },
  'Canada, Northwest Territories': { ne: ['Canada'], box: [60, 78.8, -136.5, -101.9] },
  'Canada, New Brunswick': { ne: ['Canada'], box: [44.6, 48.1, -69.1, -63.7] },
  'Canada, Newfoundland': { ne: ['Canada'], box: [46.6, 51.7, -59.5, -52.6] },
  'Canada, Labrador': { ne: ['Canada'], box: [51.3, 60.4, -67.8, -55.6] },
  'Canada, Nunavut': { ne: ['Canada'], box: [51.6, 83.2, -121, -61] },
  'Canada, Yukon': { ne: ['Canada'], box: [60, 69.7, -141, -123.8] },
  'Canada, Prince Edward Island': { ne: ['Canada'], box: [45.9, 47.1, -64.5, -61.9] },
  'Australia, Capital Territory': { ne: ['Australia'], box: [-35.95, -35.1, 148.7, 149.4] },
  'Australia, New South Wales': { ne: ['Australia'], box: [-37.6, -28.1, 141, 153.7] },
  'Australia, Victoria': { ne: ['Australia'], box: [-39.2, -33.9, 140.9, 150] },
  'Australia, Queensland': { ne: ['Australia'], box: [-29.2, -10, 138, 153.6] },
  'Australia, South Australia': { ne: ['Australia'], box: [-38.1, -26, 129, 141] },
  'Australia, Western Australia': { ne: ['Australia'], box: [-35.2, -13.6, 112.9, 129] },
  'Australia, Tasmania': { ne: ['Australia'], box: [-43.7, -39.5, 143.8, 148.5] },
  'Australia, Northern Territory': { ne: ['Australia'], box: [-26, -10.9, 129, 138] },
  'Brazil, Rio de Janeiro, PY1': { ne: ['Brazil'], box: [-23.4, -20.7, -44.9, -40.9] },
  'Brazil, Sao Paulo, PY2': { ne: ['Brazil'], box: [-25.4, -19.7, -53.2, -44.1] },
  'Brazil, Rio Grande do Sul, PY3': { ne: ['Brazil'], box: [-33.8, -27, -57.7, -49.6] },
  'Brazil, Minas Gerais, PY4': { ne: ['Brazil'], box: [-23, -14.2, -51.1, -39.8] },
  'Brazil, Parana, PY5': { ne: ['Brazil'], box: [-26.8, -22.5, -54.7, -48] },
  'Brazil, Bahia, PY6': { ne: ['Brazil'], box: [-18.4, -8.5, -46.7, -37.3] },
  'Brazil, Pernambuco, PY7': { ne: ['Brazil'], box: [-9.5, -7.2, -41.4, -34.8] },
  'Brazil, Para, PY8': { ne: ['Brazil'], box: [-9.9, 2.6, -58.9, -46] },
  'Brazil, Mato Grosso, PY9': { ne: ['Brazil'], box: [-18.1, -7.3, -61.7, -50.2] },
  'Brazil, Brasilia, PT2': { ne: ['Brazil'], box: [-16.1, -15.5, -48.3, -47.3] },
  'Brazil, Amazonas, PP8': { ne: ['Brazil'], box: [-9.9, 2.3, -73.8, -56.1] },
  'Russia, St. Petersburg': { ne: ['Russia'], box: [59.6, 60.2, 29.6, 30.8] },
  'Russia, Arkhangelsk': { ne: ['Russia'], box: [64.3, 64.8, 40.2, 40.9] },
  'Russia, Murmansk': { ne: ['Russia'], box: [68.8, 69.1, 32.8, 33.4] },
  'Russia, Moscow': { ne: ['Russia'], box: [55.5, 56, 37.2, 38] },
  'Russia, Volga, Samara': { ne: ['Russia'], box: [53, 53.4, 49.9, 50.4] },
  'Russia, Volga, Kazan': { ne: ['Russia'], box: [55.6, 56, 48.9, 49.4] },
  'Russia, South, Rostov-on-Don': { ne: ['Russia'], box: [47.1, 47.4, 39.4, 40] },
  'Russia, South, Krasnodar': { ne: ['Russia'], box: [44.9, 45.2, 38.7, 39.3] },
  'Asiatic Russia, Urals, Yekaterinburg': { ne: ['Russia'], box: [56.6, 57.1, 60.3, 60.9] },
  'Asiatic Russia, Urals, Chelyabinsk': { ne: ['Russia'], box: [54.9, 55.4, 61.1, 61.7] },
  'Asiatic Russia, Tyumen': { ne: ['Russia'], box: [56.9, 57.4, 65.2, 65.9] },
  'Asiatic Russia, Omsk': { ne: ['Russia'], box: [54.8, 55.2, 73, 73.7] },
  'Asiatic Russia, Novosibirsk': { ne: ['Russia'], box: [54.8, 55.3, 82.6, 83.3] },
  'Asiatic Russia, Krasnoyarsk': { ne: ['Russia'], box: [55.8, 56.2, 92.5, 93.3] },
  'Asiatic Russia, Irkutsk': { ne: ['Russia'], box: [52.1, 52.5, 104, 104.6] },
  'Asiatic Russia, Yakutsk': { ne: ['Russia'], box: [61.8, 62.3, 129.4, 130.1] },
  'Asiatic Russia, Khabarovsk': { ne: ['Russia'], box: [48.3, 48.7, 134.8, 135.4] },
  'Asiatic Russia, Vladivostok': { ne: ['Russia'], box: [43, 43.3, 131.7, 132.2], tol: 3 },
  'Asiatic Russia, Sakhalin': { ne: ['Russia'], box: [45.9, 54.5, 141.6, 144.8] },
  'Asiatic Russia, Magadan': { ne: ['Russia'], box: [59.4, 59.7, 150.5, 151.2], tol: 3 },
  'Asiatic Russia, Kamchatka': { ne: ['Russia'], box: [50.8, 60.5, 155.5, 163.5], tol: 3 },
  'Asiatic Russia, Chukotka': { ne: ['Russia'], box: [62, 72, 160, -169] },
  'China, Beijing': { ne: ['China'], box: [39.4, 41.1, 115.4, 117.5] },
  'China, Heilongjiang, Jilin, Liaoning': { ne: ['China'], box: [38.7, 53.6, 118.8, 135.1] },
  'China, Tianjin, Hebei, Shanxi, Inner Mongolia': { ne: ['China'], box: [34.5, 53.4, 97.1, 126.1] },
  'China, Shanghai, Jiangsu, Shandong': { ne: ['China'], box: [30.7, 38.5, 114.8, 122.7] },
  'China, Zhejiang, Fujian, Jiangxi': { ne: ['China'], box: [23.5, 31.2, 113.5, 123] },
  'China, Anhui, Henan, Hubei': { ne: ['China'], box: [29, 36.4, 108.3, 119.7] },
  'China, Hunan, Guangdong, Guangxi, Hainan': { ne: ['China'], box: [18.1, 30.2, 104.4, 117.4] },
  'China, Sichuan, Chongqing, Guizhou, Yunnan': { ne: ['China'], box: [21.1, 34.4, 97.3, 110.2] },
  'China, Shaanxi, Gansu, Ningxia, Qinghai': { ne: ['China'], box: [31.6, 42.8, 89.4, 111.3] },
  'China, Xinjiang': { ne: ['China'], box: [34.3, 49.2, 73.5, 96.4] },
  'China, Tibet': { ne: ['China'], box: [26.8, 36.5, 78.4, 99.1] },
  'United States, New England': { states: ['ME', 'NH', 'VT', 'MA', 'RI', 'CT'] },
  'United States, New York, New Jersey': { states: ['NY', 'NJ'] },
  'United States, Pennsylvania, Delaware, Maryland': { states: ['PA', 'DE', 'MD'] },
  'United States, Southeast': { states: ['AL', 'FL', 'GA', 'KY', 'NC', 'SC', 'TN', 'VA'] },
  'United States, South Central': { states: ['AR', 'LA', 'MS', 'NM', 'OK', 'TX'] },
  'United States, California': { states: ['CA'] },
  'United States, Northwest and Mountain States': { states: ['AZ', 'ID', 'MT', 'NV', 'OR', 'UT', 'WA', 'WY'] },
  'United States, Michigan, Ohio, West Virginia': { states: ['MI', 'OH', 'WV'] },
  'United States, Illinois, Indiana, Wisconsin': { states: ['IL', 'IN', 'WI'] },
  'United States, Central Plains': { states: ['CO', 'IA', 'KS', 'MN', 'MO', 'NE', 'ND', 'SD'] },
  'Argentina, Buenos Aires': { ne: ['Argentina'], box: [-34.8, -34.4, -58.7, -58.2] },
  'Argentina, Cordoba': { ne: ['Argentina'], box: [-31.6, -31.2, -64.4, -64] },
  'Argentina, Mendoza': { ne: ['Argentina'], box: [-33.1, -32.7, -69, -68.6] },
  'Argentina, North, Salta': { ne: ['Argentina'], box: [-25, -24.6, -65.6, -65.2] },
  'Argentina, Northeast, Posadas': { ne: ['Argentina'], box: [-27.6, -27.2, -56.1, -55.7], tol: 3 },
  'Argentina, Patagonia, Neuquen': { ne: ['Argentina'], box: [-39.1, -38.8, -68.3, -67.9] },
  'Argentina, Tierra del Fuego, Ushuaia': { ne: ['Argentina'], box: [-55, -54.6, -68.6, -68], tol: 3 },
  'India, Delhi': { ne: ['India'], box: [28.4, 28.9, 76.8, 77.4] },
  'India, Mumbai': { ne: ['India'], box: [18.9, 19.3, 72.7, 73.1], tol: 3 },
  'India, Kolkata': { ne: ['India'], box: [22.4, 22.7, 88.2, 88.5] },
  'India, Chennai': { ne: ['India'], box: [12.9, 13.3, 80.1, 80.35], tol: 3 },
  'India, Bangalore': { ne: ['India'], box: [12.8, 13.2, 77.4, 77.8] },
  'India, Hyderabad': { ne: ['India'], box: [17.2, 17.6, 78.3, 78.7] },
  'India, Northeast, Guwahati': { ne: ['India'], box: [26, 26.3, 91.5, 92] },
  'Kazakhstan, Almaty': { ne: ['Kazakhstan'], box: [43.1, 43.4, 76.7, 77.1] },
  'Kazakhstan, Astana': { ne: ['Kazakhstan'], box: [51, 51.3, 71.2, 71.7] },
  'Kazakhstan, West, Aktobe': { ne: ['Kazakhstan'], box: [50.1, 50.5, 57, 57.4] },
  'Kazakhstan, West, Atyrau': { ne: ['Kazakhstan'], box: [46.9, 47.3, 51.7, 52.1] },
  'Kazakhstan, East, Oskemen': { ne: ['Kazakhstan'], box: [49.8, 50.1, 82.4, 82.8] },
  'Mexico, Mexico City': { ne: ['Mexico'], box: [19.2, 19.6, -99.3, -98.9] },
  'Mexico, Guadalajara': { ne: ['Mexico'], box: [20.5, 20.8, -103.5, -103.2] },
  'Mexico, North, Monterrey': { ne: ['Mexico'], box: [25.5, 25.9, -100.5, -100.1] },
  'Mexico, North, Chihuahua': { ne: ['Mexico'], box: [28.5, 28.8, -106.2, -105.9] },
  'Mexico, Baja California, Tijuana': { ne: ['Mexico'], box: [32.4, 32.6, -117.2, -116.8], tol: 3 },
  'Mexico, Yucatan, Merida': { ne: ['Mexico'], box: [20.8, 21.1, -89.8, -89.5] },
  'Indonesia, Jakarta': { ne: ['Indonesia'], box: [-6.4, -6, 106.6, 107.1], tol: 3 },
  'Indonesia, West Java, Bandung': { ne: ['Indonesia'], box: [-7.1, -6.7, 107.4, 107.8] },
  'Indonesia, Central Java, Semarang': { ne: ['Indonesia'], box: [-7.2, -6.9, 110.2, 110.6], tol: 3 },
  'Indonesia, East Java, Surabaya': { ne: ['Indonesia'], box: [-7.4, -7.1, 112.6, 112.9], tol: 3 },
  'Indonesia, South Sumatra, Palembang': { ne: ['Indonesia'], box: [-3.1, -2.8, 104.6, 104.9] },
  'Indonesia, West Sumatra, Padang': { ne: ['Indonesia'], box: [-1.1, -0.8, 100.2, 100.5], tol: 3 },
  'Indonesia, North Sumatra, Medan': { ne: ['Indonesia'], box: [3.4, 3.8, 98.5, 98.9] },
  'Indonesia, Kalimantan, Palangkaraya': { ne: ['Indonesia'], box: [-2.4, -2, 113.7, 114.1] },
  'Indonesia, Sulawesi, Makassar': { ne: ['Indonesia'], box: [-5.3, -5, 119.3, 119.6], tol: 3 },
  'Indonesia, Bali': { ne: ['Indonesia'], box: [-8.9, -8, 114.4, 115.8] },
  'Indonesia, Papua, Jayapura': { ne: ['Indonesia'], box: [-2.7, -2.4, 140.5, 140.9], tol: 3 },
};

// Rules for one prefix under a shared name.
const BY_KEY = {
  '1A0|Malta': { ne: ['Italy'], box: [41.85, 41.95, 12.4, 12.55] },
  'VO|Canada': { ne: ['Canada'], box: [46.6, 51.7, -59.5, -52.6] },
  '9M6|Malaysia, East': { ne: ['Malaysia'], box: [4, 7.5, 115, 119.5] },
  '9M8|Malaysia, East': { ne: ['Malaysia'], box: [0.8, 5, 109.5, 115.7] },
  'CE9|Antarctica': { ne: ANT, box: [-90, -60, -90, -53] },
  'KC4|Antarctica': { ne: ANT, box: [-90, -60, -180, 180] },
};

// Points that no outline in the map data can confirm. They are still held
// to the box of their rule; the reason is printed with the results.
const UNVERIFIABLE = {
  'St. Brandon': 'the Cargados Carajos shoals are in neither the 1:50m nor the 1:10m data; ' +
    'the nearest outline of Mauritius is 445 km away',
  'Pratas Island': 'Pratas (Dongsha) is in neither the 1:50m nor the 1:10m data; the nearest ' +
    'outline of Taiwan is 425 km away',
  'Chesterfield Island': 'the Chesterfield reefs are not in the 1:10m data; the one islet of New ' +
    'Caledonia that the 1:50m data shows in that sea lies 180 km east of them',
  'Mellish Reef': 'a sand cay on a reef, in neither the 1:50m nor the 1:10m data',
  'Willis Island': 'a weather-station cay, in neither the 1:50m nor the 1:10m data',
  'Tokelau Island': 'the point is Nukunonu, the middle atoll, which the map data lacks; it shows ' +
    'only Atafu and Fakaofo, 70 km away',
};

function ruleFor(prefix, name) {
  const rule = BY_KEY[`${prefix}|${name}`] || BY_NAME[name] || {};
  return { ne: rule.ne || [name], box: rule.box, tol: rule.tol || 0, states: rule.states };
}

// Checks one point against its rule. Returns { ok, how }.
function checkPoint(rule, lat, lon) {
  const pt = [lon, lat];
  if (rule.box && !inBox(rule.box, lat, lon)) return { ok: false, how: `outside the box ${rule.box.join(' ')}` };
  if (rule.states) {
    const hit = rule.states.find((st) => d3.geoContains(US_STATES.get(lib.STATE_FIPS[st]), pt));
    return hit ? { ok: true, how: `inside ${hit} (us-atlas)` } : { ok: false, how: `in none of ${rule.states.join(' ')}` };
  }
  const sources = [['1:50m', WORLD50], ['1:10m', WORLD10]];
  const known = rule.ne.filter((n) => WORLD50.has(n) || WORLD10.has(n));
  if (known.length === 0) return { ok: false, how: `no outline named ${rule.ne.join(' / ')} in the map data` };
  for (const [label, world] of sources) {
    for (const n of known) {
      const f = world.get(n);
      if (f && d3.geoContains(f, pt)) return { ok: true, how: `inside ${n} (${label})` };
    }
  }
  let best = Infinity;
  let bestName = '';
  for (const [label, world] of sources) {
    for (const n of known) {
      const f = world.get(n);
      if (!f) continue;
      const d = distanceToFeatureKm(f, pt);
      if (d < best) { best = d; bestName = `${n} (${label})`; }
    }
  }
  if (best <= rule.tol) return { ok: true, how: `${best.toFixed(1)} km from ${bestName}`, near: true };
  return { ok: false, how: `${best.toFixed(1)} km from ${bestName}, allowed ${rule.tol} km` };
}

// ---------------------------------------------------------------------------

function main() {
  const failures = [];
  const fail = (where, msg) => failures.push(`${where}: ${msg}`);

  // Bytes: Latin-1 degree sign, CR LF everywhere.
  const bytes = fs.readFileSync(lib.PLACE_FILE);
  for (let i = 0; i < bytes.length; i++) {
    const b = bytes[i];
    if (b === 0x0a && (i === 0 || bytes[i - 1] !== 0x0d)) { fail('states.txt', `LF without CR at byte ${i}`); break; }
    if (b === 0x0d && bytes[i + 1] !== 0x0a) { fail('states.txt', `CR without LF at byte ${i}`); break; }
    if (b === 0xc2 && bytes[i + 1] === 0xb0) { fail('states.txt', `UTF-8 degree sign at byte ${i}`); break; }
    if (b === 0xb0 && !'NSEW'.includes(String.fromCharCode(bytes[i - 1]))) {
      fail('states.txt', `degree sign without hemisphere letter at byte ${i}`); break;
    }
  }
  if (bytes.length < 2 || bytes[bytes.length - 2] !== 0x0d || bytes[bytes.length - 1] !== 0x0a) {
    fail('states.txt', 'last line does not end in CR LF');
  }

  const lines = lib.readLatin1Lines(lib.PLACE_FILE);
  const stateKeys = new Set(lib.STATES.map((s) => s + '~'));
  const names = new Map();
  const dx = [];
  let cityOk = 0;
  let cityCoast = 0;
  const perKey = {};

  lines.forEach((line, i) => {
    const where = `states.txt:${i + 1} ${line}`;
    const key = line.slice(0, 3);
    const entry = line.slice(3);
    if (line.startsWith('#')) {
      // A comment: loaded by the program but never listed.
      if (stateKeys.has(key) || key === 'DX~' || key === '00~') fail(where, 'comment with a place key');
      return;
    }
    perKey[key] = (perKey[key] || 0) + 1;
    if (!stateKeys.has(key) && key !== 'DX~') { fail(where, `unknown key "${key}"`); return; }
    for (const p of lib.entryProblems(entry)) fail(where, p);
    const g = lib.parseGroup(entry);
    if (key === 'DX~') {
      for (const p of lib.dxProblems(entry)) fail(where, p);
      dx.push({ line, where, g });
      return;
    }
    // US city: unique name, inside its state.
    const name = entry.slice(0, entry.indexOf('  '));
    if (entry.indexOf('  ') <= 0) fail(where, 'no two blanks between name and coordinates');
    const nk = key + name.toLowerCase();
    if (names.has(nk)) fail(where, `name also on line ${names.get(nk)}`);
    names.set(nk, i + 1);
    if (!g) return;
    const st = key.slice(0, 2);
    const feature = US_STATES.get(lib.STATE_FIPS[st]);
    const pt = [g.lon, g.lat];
    if (d3.geoContains(feature, pt)) { cityOk++; return; }
    // A point on the coast may fall just outside the outline once rounded
    // to the arc minute; it must then be near its own state and in no other.
    const other = [...US_STATES.entries()].find(([, f]) => d3.geoContains(f, pt));
    const d = distanceToFeatureKm(feature, pt);
    if (!other && d <= 2) { cityCoast++; return; }
    fail(where, other ? `lies in ${other[1].properties.name}` : `${d.toFixed(1)} km outside ${feature.properties.name}`);
  });

  for (const st of lib.STATES) {
    if (!perKey[st + '~']) fail('states.txt', `no city of ${st}`);
  }

  // DXCC lines: the same as the tables, in order, and each point on its
  // country.
  const entities = lib.readTable(lib.ENTITY_TABLE);
  const regions = lib.readTable(lib.REGION_TABLE);
  const rows = [...entities.map((r) => ({ ...r, file: 'dxcc_entities.tsv' })),
    ...regions.map((r) => ({ ...r, file: 'dxcc_regions.tsv' }))];
  if (entities.length !== 388) fail('dxcc_entities.tsv', `${entities.length} rows; the DXCC search list has 388 entries`);
  const ranges = new Set(entities.filter((r) => r.prefix.includes('-')).map((r) => r.prefix));
  if (ranges.size !== 61) fail('dxcc_entities.tsv', `${ranges.size} distinct prefix ranges; the search list has 61`);
  if (dx.length !== rows.length) fail('states.txt', `${dx.length} DX lines for ${rows.length} table rows`);

  let dxOk = 0;
  let dxNear = 0;
  const unverified = [];
  const used = new Set();
  rows.forEach((row, i) => {
    const where = `${row.file}:${row.line} ${row.prefix} ${row.name}`;
    const expect = 'DX~' + lib.dxEntry(row);
    if (!dx[i] || dx[i].line !== expect) {
      fail(where, `states.txt is not up to date: expected "${expect}"`);
      return;
    }
    const rule = ruleFor(row.prefix, row.name);
    const key = `${row.prefix}|${row.name}`;
    used.add(key);
    const { g } = dx[i];
    const reason = UNVERIFIABLE[key] || UNVERIFIABLE[row.name];
    const res = checkPoint(rule, g.lat, g.lon);
    if (res.ok) {
      if (reason) fail(where, `listed as unverifiable but passes (${res.how}); remove it from the list`);
      if (res.near) dxNear++; else dxOk++;
      if (process.argv.includes('--verbose')) console.log(`ok   ${where}: ${res.how}`);
      return;
    }
    if (reason && rule.box && inBox(rule.box, g.lat, g.lon)) {
      unverified.push(`${where}: ${reason} (${res.how})`);
      return;
    }
    fail(where, res.how);
  });
  for (const k of Object.keys(UNVERIFIABLE)) {
    if (!rows.some((r) => `${r.prefix}|${r.name}` === k || r.name === k)) fail('check.js', `unverifiable entry ${k} matches no row`);
  }
  for (const k of Object.keys(BY_NAME)) {
    if (!rows.some((r) => r.name === k)) fail('check.js', `rule for "${k}" matches no row`);
  }
  for (const k of Object.keys(BY_KEY)) {
    if (!used.has(k)) fail('check.js', `rule for "${k}" matches no row`);
  }

  console.log(`lines per key: ${Object.entries(perKey).map(([k, n]) => `${k}${n}`).join(' ')}`);
  console.log(`US cities: ${cityOk} inside their state, ${cityCoast} on the coast within 2 km of it`);
  console.log(`DXCC points: ${dxOk} inside their outline, ${dxNear} within the allowed distance of it`);
  if (unverified.length) {
    console.log(`not verifiable against an outline (box checked only): ${unverified.length}`);
    for (const u of unverified) console.log('  ' + u);
  }
  if (failures.length) {
    console.error(`FAILED: ${failures.length} problems`);
    for (const f of failures) console.error('  ' + f);
    process.exit(1);
  }
  console.log('all checks passed');
}

if (require.main === module) main();

module.exports = { checkPoint, ruleFor, inBox, distanceToFeatureKm, WORLD10, WORLD50 };
