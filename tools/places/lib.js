'use strict';
// Shared helpers of the place-file generator and its checker.
//
// The place file "states.txt" is single-byte Latin-1 text with CR LF line
// ends. Every line is a three-character key followed by the entry text
// (at most 100 characters). A position is written as a coordinate group:
//   N°29.46\W°95.22
// latitude hemisphere + degree sign, whole degrees, ".", two digits of arc
// minutes, one backslash, longitude hemisphere + degree sign, whole degrees,
// ".", two digits of arc minutes.

const fs = require('fs');
const path = require('path');

const REPO = path.resolve(__dirname, '..', '..');
const DATA = path.join(REPO, 'data');
const PLACE_FILE = path.join(DATA, 'states.txt');
const ENTITY_TABLE = path.join(DATA, 'dxcc_entities.tsv');
const REGION_TABLE = path.join(DATA, 'dxcc_regions.tsv');

const DEG = '\u00B0'; // written as the single byte 0xB0
const MAX_ENTRY = 100;

// The 50 state keys, in the order of the state buttons.
const STATES = ('AL AK AZ AR CA CO CT DE FL GA HI ID IL IN IA KS KY LA ME MD MA MI ' +
  'MN MS MO MT NE NV NH NJ NM NY NC ND OH OK OR PA RI SC SD TN TX UT VT VA WA WV WI WY').split(' ');

// Census FIPS code of every state (us-atlas ids).
const STATE_FIPS = {
  AL: '01', AK: '02', AZ: '04', AR: '05', CA: '06', CO: '08', CT: '09', DE: '10', FL: '12',
  GA: '13', HI: '15', ID: '16', IL: '17', IN: '18', IA: '19', KS: '20', KY: '21', LA: '22',
  ME: '23', MD: '24', MA: '25', MI: '26', MN: '27', MS: '28', MO: '29', MT: '30', NE: '31',
  NV: '32', NH: '33', NJ: '34', NM: '35', NY: '36', NC: '37', ND: '38', OH: '39', OK: '40',
  OR: '41', PA: '42', RI: '44', SC: '45', SD: '46', TN: '47', TX: '48', UT: '49', VT: '50',
  VA: '51', WA: '53', WV: '54', WI: '55', WY: '56',
};

// One decimal angle as hemisphere, whole degrees and two digits of minutes.
// Minutes are rounded to the nearest whole minute; 60 carries into degrees.
function formatAngle(value, pos, neg) {
  if (!Number.isFinite(value)) throw new Error('not a number: ' + value);
  const hemi = value < 0 ? neg : pos;
  const a = Math.abs(value);
  let deg = Math.floor(a);
  let min = Math.round((a - deg) * 60);
  if (min === 60) { deg += 1; min = 0; }
  return hemi + DEG + String(deg) + '.' + String(min).padStart(2, '0');
}

// Coordinate group for decimal latitude (north positive) and longitude
// (east positive).
function coordGroup(lat, lon) {
  if (Math.abs(lat) > 90) throw new Error('latitude out of range: ' + lat);
  if (Math.abs(lon) > 180) throw new Error('longitude out of range: ' + lon);
  return formatAngle(lat, 'N', 'S') + '\\' + formatAngle(lon, 'E', 'W');
}

const GROUP_RE = /([NS])\u00B0(\d+)\.(\d{2})\\([EW])\u00B0(\d+)\.(\d{2})/;

// Finds the coordinate group of an entry text. Returns null when there is
// none, otherwise { lat, lon, index, length } with decimal degrees (north and
// east positive) at the resolution of the text (one arc minute).
function parseGroup(text) {
  const m = GROUP_RE.exec(text);
  if (!m) return null;
  const latMin = Number(m[3]);
  const lonMin = Number(m[6]);
  let lat = Number(m[2]) + latMin / 60;
  let lon = Number(m[5]) + lonMin / 60;
  if (m[1] === 'S') lat = -lat;
  if (m[4] === 'W') lon = -lon;
  return { lat, lon, latMin, lonMin, index: m.index, length: m[0].length };
}

// Rules that every entry text must obey; returns a list of problems.
function entryProblems(text) {
  const problems = [];
  if (text.length > MAX_ENTRY) problems.push(`entry longer than ${MAX_ENTRY} characters (${text.length})`);
  for (const ch of text) {
    const c = ch.codePointAt(0);
    if (c > 0xff) problems.push(`character U+${c.toString(16)} is not Latin-1`);
    else if (c < 0x20 || (c >= 0x7f && c < 0xa0)) problems.push(`control character ${c}`);
  }
  const g = parseGroup(text);
  if (!g) {
    problems.push('no coordinate group');
    return problems;
  }
  if (g.latMin > 59 || g.lonMin > 59) problems.push('minutes outside 00-59');
  if (Math.abs(g.lat) > 90 || Math.abs(g.lon) > 180) problems.push('angle out of range');
  const outside = text.slice(0, g.index) + '|' + text.slice(g.index + g.length);
  if (outside.includes('\\')) problems.push('backslash outside the coordinate group');
  for (const mark of ['N', 'S', 'E', 'W']) {
    if (outside.includes(mark + DEG)) problems.push(`"${mark}${DEG}" outside the coordinate group`);
  }
  // At most seven characters may follow the minutes of either angle.
  const rest = text.slice(g.index + g.length);
  if (rest.length > 7) problems.push('more than seven characters after the longitude');
  return problems;
}

// Reads a tab-separated table with a header line into objects.
function readTable(file) {
  const text = fs.readFileSync(file, 'utf8');
  const lines = text.split(/\r?\n/).filter((l) => l.length > 0);
  const header = lines[0].split('\t');
  const want = ['prefix', 'name', 'lat', 'lon', 'note'];
  if (header.join('\t') !== want.join('\t')) {
    throw new Error(`${file}: header must be ${want.join(' ')}`);
  }
  return lines.slice(1).map((line, i) => {
    const cells = line.split('\t');
    if (cells.length !== want.length) throw new Error(`${file}:${i + 2}: ${cells.length} columns`);
    const row = {};
    want.forEach((k, j) => { row[k] = cells[j]; });
    row.lat = Number(row.lat);
    row.lon = Number(row.lon);
    if (!Number.isFinite(row.lat) || !Number.isFinite(row.lon)) {
      throw new Error(`${file}:${i + 2}: bad coordinates`);
    }
    row.line = i + 2;
    return row;
  });
}

// The country text of a DXCC line: the table name without "(" and ")", which
// the place list uses to find the end of the country text. "A (B)" becomes
// "A - B".
function countryText(name) {
  return name.trim().replace(/\s*\(([^)]*)\)/g, ' - $1').replace(/[()]/g, '');
}

// Entry text of a DXCC line for one table row.
function dxEntry(row) {
  const entry = `${row.prefix}  ${countryText(row.name)} (${coordGroup(row.lat, row.lon)})`;
  return entry;
}

// Structure of a DXCC entry: prefix, two blanks, country text, "(" ...
function dxProblems(text) {
  const problems = [];
  const p = text.indexOf('  ');
  const q = text.indexOf('(');
  if (p <= 0) problems.push('no two blanks after the prefix');
  if (q < 0) problems.push('no "("');
  if (p > 0 && q >= 0) {
    if (q < p + 2) problems.push('"(" before the country text');
    const prefix = text.slice(0, p);
    if (!/^[0-9A-Z/]{1,4}(-[0-9A-Z/]{1,4})?$/.test(prefix)) problems.push(`odd prefix "${prefix}"`);
    const country = text.slice(p + 2, q);
    if (country.trim().length === 0) problems.push('empty country text');
    const g = parseGroup(text);
    if (g && g.index < q) problems.push('coordinate group before the "("');
  }
  return problems;
}

// Latin-1 text with CR LF line ends.
function writeLatin1Lines(file, lines) {
  const text = lines.map((l) => l + '\r\n').join('');
  for (const ch of text) {
    if (ch.codePointAt(0) > 0xff) throw new Error('not Latin-1: ' + ch);
  }
  fs.writeFileSync(file, Buffer.from(text, 'latin1'));
}

function readLatin1Lines(file) {
  const text = fs.readFileSync(file).toString('latin1');
  return text.split(/\r\n|\n|\r/).filter((l, i, a) => !(i === a.length - 1 && l === ''));
}

module.exports = {
  REPO, DATA, PLACE_FILE, ENTITY_TABLE, REGION_TABLE, DEG, MAX_ENTRY, STATES, STATE_FIPS,
  formatAngle, coordGroup, parseGroup, entryProblems, readTable, countryText, dxEntry,
  dxProblems, writeLatin1Lines, readLatin1Lines,
};
