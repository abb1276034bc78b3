'use strict';
// Shared helpers of the picture generators: SVG text escaping, number
// formatting and the SVG -> PNG -> GIF conversion with Debian's tools.

const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const opentype = require('opentype.js');

// The fonts the pictures are drawn in (Debian fonts-dejavu-core and
// fonts-dejavu-extra). Their metrics are read so that layouts are checked
// against real text widths.
const FONT_DIR = '/usr/share/fonts/truetype/dejavu';
const FONT_FILES = {
  sans: 'DejaVuSans.ttf',
  'sans-bold': 'DejaVuSans-Bold.ttf',
  condensed: 'DejaVuSansCondensed.ttf',
  'condensed-bold': 'DejaVuSansCondensed-Bold.ttf',
};
const fonts = {};

// Advance width in pixels of a text at a font size; face is one of FONT_FILES' keys.
function textWidth(s, size, face = 'condensed') {
  if (!fonts[face]) {
    const file = path.join(FONT_DIR, FONT_FILES[face]);
    if (!fs.existsSync(file)) throw new Error(`${file} missing: apt-get install fonts-dejavu-core fonts-dejavu-extra`);
    fonts[face] = opentype.loadSync(file);
  }
  return fonts[face].getAdvanceWidth(String(s), size, { kerning: true });
}

function esc(s) {
  return String(s).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

// Two decimals are enough for pixel coordinates and keep the SVG small.
function n(v) {
  return Math.round(v * 100) / 100;
}

// Reads width and height from a GIF header (logical screen descriptor).
function gifSize(file) {
  const b = fs.readFileSync(file);
  const sig = b.toString('latin1', 0, 6);
  if (sig !== 'GIF87a' && sig !== 'GIF89a') throw new Error(`${file}: not a GIF`);
  return { width: b.readUInt16LE(6), height: b.readUInt16LE(8) };
}

// Renders the SVG at its own pixel size, then reduces it to a GIF palette
// without dithering, so that text edges stay clean. The PNG is kept beside
// the SVG in out/ for viewing.
function svgToGif(svgText, outGif, width, height, outDir) {
  fs.mkdirSync(outDir, { recursive: true });
  const base = path.basename(outGif, '.gif');
  const svgFile = path.join(outDir, `${base}.svg`);
  const pngFile = path.join(outDir, `${base}.png`);
  fs.writeFileSync(svgFile, svgText);
  execFileSync('rsvg-convert', ['-w', String(width), '-h', String(height), '-b', 'white', '-o', pngFile, svgFile]);
  // The real ImageMagick, not a stand-in that may shadow it on PATH.
  const convert = fs.existsSync('/usr/bin/convert') ? '/usr/bin/convert' : 'convert';
  execFileSync(convert, [pngFile, '-alpha', 'off', '+dither', '-colors', '256', '-strip', outGif]);
  const size = gifSize(outGif);
  if (size.width !== width || size.height !== height) {
    throw new Error(`${outGif}: ${size.width} x ${size.height}, wanted ${width} x ${height}`);
  }
  return { svgFile, pngFile };
}

module.exports = { esc, n, gifSize, svgToGif, textWidth };
