'use strict';
// Draws data/Zones.gif (501 x 324): the US amateur call districts.
// Every conterminous state is outlined and filled with the colour of its call
// district, the district digit is written large in each district, and Alaska,
// Hawaii, Puerto Rico and the US Virgin Islands are shown in insets with
// their prefixes. State outlines: us-atlas (US Census Bureau data).
//
//   node tools/pictures/zones.js [--out FILE]

const path = require('path');
const d3 = require('d3-geo');
const topojson = require('topojson-client');
const us = require('us-atlas/states-10m.json');
const { DISTRICTS, OUTSIDE, FIPS, LABELS, districtOf } = require('./districts');
const { esc, n, svgToGif, textWidth } = require('./svg');

const W = 501;
const H = 324;

// Fill of each district: ten hues that are told apart at a glance, light
// enough for black outlines and digits. Neighbouring districts never share a
// hue family.
const COLOURS = {
  1: '#f08c8c', // red
  2: '#f5d75a', // yellow
  3: '#7fcfc4', // teal
  4: '#9fd17a', // green
  5: '#f7b3d4', // pink
  6: '#86b4e8', // blue
  7: '#f6b26b', // orange
  8: '#c3a3e0', // violet
  9: '#c9a27a', // light brown
  0: '#b8b8b8', // grey
};
const INSET_FILL = '#fbf6e6';
const OUTLINE = '#333333';
const FONT = "'DejaVu Sans', sans-serif";
const CONDENSED = "'DejaVu Sans Condensed', 'DejaVu Sans', sans-serif";

// The frame of the conterminous states, below the title.
const MAIN_BOX = [[4, 24], [497, 321]];
// Inset frames [x, y, width, height], in the empty corners of the main map.
const INSETS = {
  AK: [3, 236, 93, 85],
  HI: [98, 270, 68, 51],
  PRVI: [426, 214, 72, 107],
};

function feature(postal) {
  const g = us.objects.states.geometries.find((s) => FIPS[s.id] === postal);
  if (!g) throw new Error(`no outline for ${postal}`);
  return topojson.feature(us, g);
}

// Keeps only the polygons of a (Multi)Polygon feature whose centroid
// [longitude, latitude] passes the test.
function keepPolygons(f, test) {
  if (f.geometry.type !== 'MultiPolygon') return f;
  const coords = f.geometry.coordinates.filter((poly) => test(d3.geoCentroid({ type: 'Polygon', coordinates: poly })));
  return { ...f, geometry: { type: 'MultiPolygon', coordinates: coords } };
}

function build() {
  const allStates = topojson.feature(us, us.objects.states).features;
  const lower48 = allStates.filter((f) => districtOf(FIPS[f.id]) !== null);
  if (lower48.length !== 49) throw new Error(`expected 48 states and DC, found ${lower48.length}`);

  const proj = d3.geoConicEqualArea().parallels([29.5, 45.5]).rotate([96, 0]).center([0, 38.5]);
  proj.fitExtent(MAIN_BOX, { type: 'FeatureCollection', features: lower48 });
  const mainPath = d3.geoPath(proj);

  const out = [];
  out.push(`<svg xmlns="http://www.w3.org/2000/svg" width="${W}" height="${H}" viewBox="0 0 ${W} ${H}">`);
  out.push(`<rect width="${W}" height="${H}" fill="#ffffff"/>`);

  // Title.
  out.push(`<text x="${W / 2}" y="17" text-anchor="middle" font-family="${esc(FONT)}" font-size="15" font-weight="bold" fill="#000">US Amateur Radio Call Districts</text>`);

  // Conterminous states, filled by district, with thin state outlines.
  for (const f of lower48) {
    const digit = districtOf(FIPS[f.id]);
    out.push(`<path d="${mainPath(f)}" fill="${COLOURS[digit]}" stroke="${OUTLINE}" stroke-width="0.5" stroke-linejoin="round"/>`);
  }
  // District borders drawn heavier, so each district reads as one area.
  for (const digit of Object.keys(DISTRICTS)) {
    const inDistrict = (a) => districtOf(FIPS[a.id]) === Number(digit);
    const border = topojson.mesh(us, us.objects.states, (a, b) => (inDistrict(a) !== inDistrict(b)) && (inDistrict(a) || inDistrict(b)) && a !== b);
    out.push(`<path d="${mainPath(border)}" fill="none" stroke="#000" stroke-width="1.3" stroke-linejoin="round"/>`);
  }
  // Coast line of the conterminous states.
  const coast = topojson.mesh(us, us.objects.states, (a, b) => a === b && districtOf(FIPS[a.id]) !== null);
  out.push(`<path d="${mainPath(coast)}" fill="none" stroke="#000" stroke-width="0.9" stroke-linejoin="round"/>`);

  // District digits.
  const labelPoints = {};
  for (const [digit, at] of Object.entries(LABELS)) {
    const [x, y] = proj([at.lon, at.lat]);
    labelPoints[digit] = [x, y];
    out.push(`<text x="${n(x)}" y="${n(y + 10)}" text-anchor="middle" font-family="${esc(FONT)}" font-size="29" font-weight="bold" fill="#000" stroke="#fff" stroke-width="3.2" stroke-linejoin="round" paint-order="stroke">${digit}</text>`);
  }

  // Insets: a white frame with the prefix and name on top and the outline below.
  const frame = ([x, y, w, h]) => {
    out.push(`<rect x="${x + 0.5}" y="${y + 0.5}" width="${w - 1}" height="${h - 1}" fill="#ffffff" stroke="#000" stroke-width="1"/>`);
  };
  const caption = (x, y, prefix, name, size) => {
    const w = textWidth(prefix, size, 'condensed-bold') + textWidth(` ${name}`, size);
    const box = Object.values(INSETS).find(([bx, by, bw, bh]) => x > bx && x < bx + bw && y > by && y < by + bh);
    if (x + w > box[0] + box[2] - 2) throw new Error(`inset caption "${prefix} ${name}" is too wide`);
    out.push(`<text x="${n(x)}" y="${n(y)}" font-family="${esc(CONDENSED)}" font-size="${size}" fill="#000"><tspan font-weight="bold">${esc(prefix)}</tspan> ${esc(name)}</text>`);
  };
  const land = (projection, box, features, fitTo) => {
    projection.fitExtent(box, { type: 'FeatureCollection', features: fitTo || features });
    projection.clipExtent(box);
    const p = d3.geoPath(projection);
    for (const f of features) {
      out.push(`<path d="${p(f)}" fill="${INSET_FILL}" stroke="#000" stroke-width="0.8" stroke-linejoin="round"/>`);
    }
    return p;
  };

  // Alaska: its own equal-area conic, fitted to the mainland and the
  // panhandle; the far Aleutians run off the frame.
  {
    const [x, y, w, h] = INSETS.AK;
    frame(INSETS.AK);
    const ak = feature('AK');
    const mainland = keepPolygons(ak, ([lon]) => lon > -169 && lon < -129);
    land(d3.geoConicEqualArea().rotate([154, 0]).center([-2, 58.5]).parallels([55, 65]),
      [[x + 2, y + 17], [x + w - 2, y + h - 2]], [ak], [mainland]);
    caption(x + 4, y + 14, OUTSIDE.AK.prefix, OUTSIDE.AK.name, 11.5);
  }

  // Hawaii: the main islands (the small north-western islands are left out).
  {
    const [x, y, w, h] = INSETS.HI;
    frame(INSETS.HI);
    const hi = keepPolygons(feature('HI'), ([lon]) => lon > -161);
    land(d3.geoConicEqualArea().rotate([157, 0]).center([-3, 19.9]).parallels([8, 18]),
      [[x + 3, y + 17], [x + w - 3, y + h - 3]], [hi]);
    caption(x + 4, y + 14, OUTSIDE.HI.prefix, OUTSIDE.HI.name, 11.5);
  }

  // Puerto Rico above, the US Virgin Islands below, each with its prefix.
  {
    const [x, y, w, h] = INSETS.PRVI;
    frame(INSETS.PRVI);
    const half = Math.floor(h / 2);
    const parts = [['PR', y], ['VI', y + half]];
    for (const [postal, top] of parts) {
      out.push(`<text x="${x + 4}" y="${top + 14}" font-family="${esc(CONDENSED)}" font-size="13" font-weight="bold" fill="#000">${OUTSIDE[postal].prefix}</text>`);
      if (4 + textWidth(OUTSIDE[postal].name, 11) > w - 2) throw new Error(`inset name ${OUTSIDE[postal].name} is too wide`);
      out.push(`<text x="${x + 4}" y="${top + 26}" font-family="${esc(CONDENSED)}" font-size="11" fill="#000">${esc(OUTSIDE[postal].name)}</text>`);
      land(d3.geoMercator(), [[x + 4, top + 29], [x + w - 4, top + half - 3]], [feature(postal)]);
    }
  }

  out.push('</svg>');
  return { svg: out.join('\n'), proj, labelPoints };
}

function main() {
  const args = process.argv.slice(2);
  const outIdx = args.indexOf('--out');
  const outGif = outIdx >= 0 ? args[outIdx + 1] : path.join(__dirname, '..', '..', 'data', 'Zones.gif');
  const { svg } = build();
  const files = svgToGif(svg, outGif, W, H, path.join(__dirname, 'out'));
  console.log(`wrote ${outGif} (${W} x ${H}); preview ${files.pngFile}`);
}

if (require.main === module) main();

module.exports = { build, COLOURS, INSETS, W, H };
