#!/usr/bin/env node
'use strict';
// Draws every mark of the position list on the world map picture, for a
// person to look at: tools/worldmap/overlay.png, twice the picture's size.
// Pointers: a short yellow arrow whose tip touches the red position dot, as
// the window draws it; rings: the 33 x 33 red square with curved corners.
// Each mark carries its prefix. Rings that share one place are labelled once
// with all their prefixes.
//
// Run from the repository root:  node tools/worldmap/overlay.js [--scale N]

const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const lib = require('./lib');

const i = process.argv.indexOf('--scale');
const SCALE = i >= 0 ? Number(process.argv[i + 1]) : 2;
const OUT = path.join(__dirname, 'overlay.png');

function esc(s) {
  return s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

function main() {
  const search = lib.readSearchList();
  const positions = lib.readCppStringList(lib.POSITION_LIST_SOURCE, 'DxccPositionList');
  const png = fs.readFileSync(lib.PICTURE).toString('base64');
  const W = lib.WIDTH * SCALE;
  const H = lib.HEIGHT * SCALE;
  const out = [];
  out.push(`<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="${W}" height="${H}">`);
  out.push(`<image x="0" y="0" width="${W}" height="${H}" xlink:href="data:image/png;base64,${png}"/>`);
  out.push(`<g transform="scale(${SCALE})" font-family="Liberation Sans, sans-serif">`);
  const rings = new Map();
  const pointers = [];
  positions.forEach((text, k) => {
    const m = lib.parseMark(text);
    if (!m) return;
    const prefix = search[k].split('  ')[0];
    if (m.kind === 'ring') {
      const key = `${m.x},${m.y}`;
      if (!rings.has(key)) rings.set(key, { m, prefixes: [], entries: 0 });
      const r = rings.get(key);
      r.entries++;
      if (!r.prefixes.includes(prefix)) r.prefixes.push(prefix);
    } else {
      pointers.push({ m, prefix });
    }
  });
  for (const { m, prefixes } of rings.values()) {
    const s = lib.ringSquare(m);
    out.push(`<rect x="${s.left}" y="${s.top}" width="${lib.RING}" height="${lib.RING}" rx="6" ry="6" fill="none" stroke="red" stroke-width="1"/>`);
    out.push(`<rect x="${m.x}" y="${m.y}" width="4" height="4" fill="red" opacity="0.6"/>`);
    const label = prefixes.length > 4 ? `${prefixes.slice(0, 4).join(' ')} +${prefixes.length - 4}` : prefixes.join(' ');
    out.push(`<text x="${s.left + 1}" y="${s.top - 1}" font-size="5" fill="rgb(170,0,0)">${esc(label)}</text>`);
  }
  for (const { m, prefix } of pointers) {
    const [dx, dy] = lib.pointerDot(m);
    // The tip touches the dot's left edge, one pixel below its top.
    const tx = dx - 1;
    const ty = dy + 1;
    out.push(`<path d="M${tx - 14},${ty} L${tx - 5},${ty} L${tx - 5},${ty - 2.5} L${tx},${ty} L${tx - 5},${ty + 2.5} L${tx - 5},${ty} Z" fill="yellow" stroke="navy" stroke-width="0.5"/>`);
    out.push(`<rect x="${dx}" y="${dy}" width="4" height="4" fill="red"/>`);
    out.push(`<text x="${tx - 14}" y="${ty - 2}" font-size="5" fill="navy">${esc(prefix)}</text>`);
  }
  out.push('</g></svg>');
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'overlay-'));
  const svg = path.join(dir, 'overlay.svg');
  fs.writeFileSync(svg, out.join('\n'));
  try {
    execFileSync('rsvg-convert', ['-o', OUT, svg]);
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
  console.log(`wrote ${path.relative(lib.REPO, OUT)} (${W} x ${H}): ${pointers.length} pointers, ${[...rings.values()].reduce((a, r) => a + r.entries, 0)} ring entries at ${rings.size} places`);
}

main();
