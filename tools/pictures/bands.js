'use strict';
// Draws data/bands.gif (745 x 398): the US amateur band chart, from the
// allocation table in bands_table.js. One row per band, one bar per licence
// class, segments coloured by the modes allowed, edges labelled in MHz.
//
//   node tools/pictures/bands.js [--out FILE]

const path = require('path');
const T = require('./bands_table');
const { esc, n, svgToGif, textWidth } = require('./svg');

const W = 745;
const H = 398;

const FONT = "'DejaVu Sans', sans-serif";
const CONDENSED = "'DejaVu Sans Condensed', 'DejaVu Sans', sans-serif";

// Layout: two columns of bands, left then right, each row as tall as its
// frequency labels need (one or two lines of labels above the bars).
const COLUMNS = 2;
const COL_X = [6, 380];
const COL_W = 359;
const ROWS_TOP = 39; // below title, legend and rules line
const ROWS_BOTTOM = 370; // above the small print
const NAME_W = 57; // band name and note
const LETTER_W = 11; // class letter before each bar
const NAME_SIZE = 13;
const TICK_SIZE = 10;
const TIER_STEP = 10.5; // between label lines
const CAP = 7.5; // height of digits at TICK_SIZE
const BAR_H = 7.5;
const BAR_GAP = 1.5;
const BARS_H = 3 * BAR_H + 2 * BAR_GAP;
const LABEL_GAP = 3; // between the nearest label line and the bars
const PAD = 2; // above the labels and below the bars
const LEGEND_SPLIT = 4; // legend items in the first line
const LEGEND_LEFT = 236; // the legend keeps right of the title
const SMALL = 9; // small print

// MHz text of a frequency in kHz: three decimals below 30 MHz (four when a
// half kHz needs it), one decimal above.
function mhz(khz) {
  if (khz < 30000) {
    const s = (khz / 1000).toFixed(4);
    return s.endsWith('0') ? s.slice(0, -1) : s;
  }
  return (khz / 1000).toFixed(1);
}

function ticksOf(band) {
  if (band.ticks) return [...band.ticks];
  const set = new Set();
  for (const c of T.CLASSES) for (const [lo, hi] of band[c.key]) { set.add(lo); set.add(hi); }
  return [...set].sort((a, b) => a - b);
}

// Places the tick labels of one band on as few lines as possible so that
// none overlap (at least 4 px apart); the band's edges are aligned inwards.
// Returns [{ khz, text, x, anchor, tier, left, right }], tier 0 nearest the bars.
function placeLabels(band, x0, x1) {
  const [lo, hi] = band.range;
  const xOf = (f) => x0 + ((f - lo) / (hi - lo)) * (x1 - x0);
  const placed = [];
  const lastRight = [];
  for (const f of ticksOf(band)) {
    const text = mhz(f);
    const w = textWidth(text, TICK_SIZE);
    const x = xOf(f);
    let left;
    let anchor;
    if (f === lo && !band.ticks) { left = x; anchor = 'start'; } else if (f === hi && !band.ticks) { left = x - w; anchor = 'end'; } else { left = x - w / 2; anchor = 'middle'; }
    let tier = lastRight.findIndex((r) => left >= r + 4);
    if (tier < 0) { tier = lastRight.length; }
    if (tier > 1) throw new Error(`${band.name}: no room for the label ${text}`);
    if (left < x0 - LETTER_W + 1 || left + w > x1 + 3) throw new Error(`${band.name}: label ${text} runs out of the row`);
    lastRight[tier] = left + w;
    placed.push({ khz: f, text, x, anchor, tier, left, right: left + w });
  }
  return placed;
}

// Geometry of every band row: column, top, label lines, bar top, height.
function layoutRows(x0For, x1For) {
  const perColumn = Math.ceil(T.BANDS.length / COLUMNS);
  const rows = T.BANDS.map((band, i) => {
    const col = Math.floor(i / perColumn);
    const labels = placeLabels(band, x0For(col), x1For(col));
    const tiers = Math.max(...labels.map((l) => l.tier)) + 1;
    const height = PAD + CAP + (tiers - 1) * TIER_STEP + LABEL_GAP + BARS_H + PAD;
    return { band, col, labels, tiers, height };
  });
  for (let col = 0; col < COLUMNS; col++) {
    const mine = rows.filter((r) => r.col === col);
    const used = mine.reduce((a, r) => a + r.height, 0);
    const spare = ROWS_BOTTOM - ROWS_TOP - used;
    if (spare < 0) throw new Error(`column ${col + 1} is ${-spare} px too tall`);
    const extra = spare / mine.length; // spread evenly, half above and half below
    let top = ROWS_TOP;
    for (const r of mine) {
      r.top = top;
      r.barTop = top + extra / 2 + PAD + CAP + (r.tiers - 1) * TIER_STEP + LABEL_GAP;
      r.height += extra;
      top += r.height;
    }
  }
  return rows;
}

function build() {
  const out = [];
  const text = (x, y, s, { size = 10, anchor = 'start', weight = 'normal', fill = '#000', family = CONDENSED } = {}) => {
    out.push(`<text x="${n(x)}" y="${n(y)}" text-anchor="${anchor}" font-family="${esc(family)}" font-size="${size}" font-weight="${weight}" fill="${fill}">${esc(s)}</text>`);
  };

  out.push(`<svg xmlns="http://www.w3.org/2000/svg" width="${W}" height="${H}" viewBox="0 0 ${W} ${H}">`);
  out.push(`<rect width="${W}" height="${H}" fill="#ffffff"/>`);

  // Title and the rules it follows on the left, the legend in two lines on the right.
  text(6, 20, 'US Amateur Radio Bands', { size: 17, weight: 'bold', family: FONT });
  const rulesLine = `${T.RULES} as in force on ${T.RULES_DATE}`;
  text(6, 33, rulesLine, { size: SMALL, fill: '#202020' });
  const legend = Object.values(T.MODES);
  const lines = [legend.slice(0, LEGEND_SPLIT), legend.slice(LEGEND_SPLIT)];
  lines.forEach((items, li) => {
    const widths = items.map((m) => 13 + 5 + textWidth(m.legend, 10));
    const total = widths.reduce((a, b) => a + b, 0) + 12 * (items.length - 1);
    let lx = W - 6 - total;
    if (lx < LEGEND_LEFT) throw new Error('legend does not fit beside the title');
    const y = 5 + li * 14;
    if (y + 9 > 33 - 9 && lx < 6 + textWidth(rulesLine, SMALL) + 8) throw new Error('legend runs into the rules line');
    items.forEach((m, i) => {
      out.push(`<rect x="${n(lx) + 0.5}" y="${y + 0.5}" width="13" height="8" fill="${m.colour}" stroke="#333" stroke-width="0.7"/>`);
      text(lx + 18, y + 8.5, m.legend, { size: 10 });
      lx += widths[i] + 12;
    });
  });

  // Band rows.
  const x0For = (col) => COL_X[col] + NAME_W + LETTER_W;
  const x1For = (col) => COL_X[col] + COL_W - 3;
  const rows = layoutRows(x0For, x1For);
  for (const r of rows) {
    const { band, col, top, barTop } = r;
    const cx = COL_X[col];
    const x0 = x0For(col);
    const x1 = x1For(col);
    const [lo, hi] = band.range;
    const xOf = (f) => x0 + ((f - lo) / (hi - lo)) * (x1 - x0);

    // Separator line above each row but the first of a column.
    if (top > ROWS_TOP) out.push(`<line x1="${cx}" y1="${n(top)}" x2="${cx + COL_W}" y2="${n(top)}" stroke="#c8c8c8" stroke-width="1"/>`);

    // Band name and note, beside the bars.
    if (textWidth(band.name, NAME_SIZE, 'condensed-bold') > NAME_W - 2) throw new Error(`${band.name}: name too wide`);
    if (band.note && textWidth(band.note, 10) > NAME_W + LETTER_W - 12) throw new Error(`${band.name}: note too wide`);
    const barsMid = barTop + BARS_H / 2;
    text(cx + 1, band.note ? barsMid - 1 : barsMid + 4.5, band.name, { size: NAME_SIZE, weight: 'bold' });
    if (band.note) text(cx + 1, barsMid + 10.5, band.note, { size: 10 });

    // Tick lines and frequency labels.
    // The labels get a white halo so that a tick line from the upper label
    // line never runs through a label of the lower one.
    const yOf = (l) => barTop - LABEL_GAP - l.tier * TIER_STEP;
    for (const l of r.labels) {
      out.push(`<line x1="${n(l.x)}" y1="${n(yOf(l) + 1.5)}" x2="${n(l.x)}" y2="${n(barTop + BARS_H)}" stroke="#9a9a9a" stroke-width="0.8"/>`);
    }
    for (const l of r.labels) {
      const tx = l.anchor === 'start' ? l.left : l.anchor === 'end' ? l.right : l.x;
      out.push(`<text x="${n(tx)}" y="${n(yOf(l))}" text-anchor="${l.anchor}" font-family="${esc(CONDENSED)}" font-size="${TICK_SIZE}" fill="#000" stroke="#fff" stroke-width="3" stroke-linejoin="round" paint-order="stroke">${esc(l.text)}</text>`);
    }

    // One bar per class.
    T.CLASSES.forEach((c, k) => {
      const y = barTop + k * (BAR_H + BAR_GAP);
      const segs = band[c.key];
      text(x0 - 3, y + BAR_H - 0.3, c.key, { size: 9, anchor: 'end', weight: 'bold', fill: segs.length ? '#000' : '#9a9a9a' });
      out.push(`<rect x="${n(x0)}" y="${n(y)}" width="${n(x1 - x0)}" height="${BAR_H}" fill="#f4f4f4" stroke="#c4c4c4" stroke-width="0.6"/>`);
      if (!segs.length) text(x0 + 3, y + BAR_H - 0.6, `no ${c.name} privileges`, { size: 8.5, fill: '#6a6a6a' });
      for (const [a, b, mode] of segs) {
        out.push(`<rect x="${n(xOf(a))}" y="${n(y)}" width="${n(Math.max(xOf(b) - xOf(a), 1))}" height="${BAR_H}" fill="${T.MODES[mode].colour}" stroke="#222" stroke-width="0.6"/>`);
      }
    });
  }

  // Column divider.
  const midX = (COL_X[0] + COL_W + COL_X[1]) / 2;
  out.push(`<line x1="${midX}" y1="${ROWS_TOP}" x2="${midX}" y2="${ROWS_BOTTOM}" stroke="#c8c8c8" stroke-width="1"/>`);
  out.push(`<line x1="6" y1="${ROWS_BOTTOM + 1}" x2="${W - 6}" y2="${ROWS_BOTTOM + 1}" stroke="#c8c8c8" stroke-width="1"/>`);

  // Small print.
  T.FOOTNOTES.forEach((line, i) => {
    if (textWidth(line, SMALL) > W - 10) throw new Error(`small print too wide: ${line}`);
    text(W / 2, ROWS_BOTTOM + 13 + i * 11.5, line, { size: SMALL, anchor: 'middle', fill: '#202020' });
  });
  if (ROWS_BOTTOM + 13 + (T.FOOTNOTES.length - 1) * 11.5 > H - 3) throw new Error('too many lines of small print');

  out.push('</svg>');
  return { svg: out.join('\n'), rows };
}

function main() {
  const args = process.argv.slice(2);
  const outIdx = args.indexOf('--out');
  const outGif = outIdx >= 0 ? args[outIdx + 1] : path.join(__dirname, '..', '..', 'data', 'bands.gif');
  const files = svgToGif(build().svg, outGif, W, H, path.join(__dirname, 'out'));
  console.log(`wrote ${outGif} (${W} x ${H}); preview ${files.pngFile}`);
}

if (require.main === module) main();

module.exports = { build, placeLabels, mhz, ticksOf, W, H };
