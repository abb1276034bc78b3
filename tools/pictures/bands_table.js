'use strict';
// US amateur band allocations drawn in data/bands.gif by bands.js.
//
// Follows 47 CFR Part 97 as in force on 1 January 2025:
//   97.301(b)-(e)  frequency privileges of each licence class,
//   97.303(h)      the five 60 m channels (2.8 kHz wide, USB phone, CW and
//                  data; the channel rule in force since 5 March 2012),
//   97.305(a),(c)  emission types per segment (CW is allowed everywhere),
//   97.307(f)(10)  Novice/Technician phone on 10 m is single-sideband voice,
//   97.313         power limits quoted in the notes.
// Drawn for stations in the 48 conterminous states (ITU Region 2). Not drawn:
// 40 m phone at 7.075-7.100 MHz for stations in ITU Regions 1 and 3 and in
// Region 2 west of 130 W or south of 20 N (e.g. Hawaii); the local limits of
// 97.303 on 1.25 m and 70 cm (noted in the small print).
// 60 m: the 15 kHz band 5351.5-5366.5 kHz (WRC-15), proposed by the FCC in
// 2023, was to this table's knowledge not adopted by the date above, so the
// five channels are drawn. When a rule adopting it is in force, replace the
// 60 m row's segments, ticks and note, and the date.
//
// Frequencies are in kHz. Each class row lists [low, high, mode] segments,
// ascending and not overlapping. Classes: E = Amateur Extra, G = General,
// T = Technician. Advanced and Novice licences are no longer issued and are
// not drawn.

const RULES_DATE = '1 January 2025';
// Short name of the rules, printed under the title with the date.
const RULES = '47 CFR Part 97 (FCC)';

// Mode groups: what may be sent in a segment. Order = legend order.
const MODES = {
  CW: { legend: 'CW only', colour: '#d9443f' },
  DATA: { legend: 'CW, RTTY/data', colour: '#3f7fd0' },
  PHONE: { legend: 'CW, phone, image', colour: '#f29b30' },
  SSB: { legend: 'CW, SSB phone', colour: '#f7d57a' },
  ALL: { legend: 'CW, RTTY/data, phone, image', colour: '#4fae4f' },
  CH60: { legend: '60 m: USB, CW, data', colour: '#9267c9' },
  FWD: { legend: 'fixed data forwarding', colour: '#26a6a6' },
};

const CLASSES = [
  { key: 'E', name: 'Amateur Extra' },
  { key: 'G', name: 'General' },
  { key: 'T', name: 'Technician' },
];

// The 60 m channels: centre frequency, each 2.8 kHz wide.
const CH60_CENTRES = [5332, 5348, 5358.5, 5373, 5405];
const ch60 = CH60_CENTRES.map((c) => [c - 1.4, c + 1.4, 'CH60']);

// range: the drawn frequency span of the row; edges: the allocation's edges.
// ticks: frequencies labelled above the bars (default: every segment edge).
// note: short text under the band name.
const BANDS = [
  {
    name: '160 m', range: [1800, 2000],
    E: [[1800, 2000, 'ALL']],
    G: [[1800, 2000, 'ALL']],
    T: [],
  },
  {
    name: '80/75 m', range: [3500, 4000],
    E: [[3500, 3600, 'DATA'], [3600, 4000, 'PHONE']],
    G: [[3525, 3600, 'DATA'], [3800, 4000, 'PHONE']],
    T: [[3525, 3600, 'CW']],
    note: 'T: 200 W',
  },
  {
    name: '60 m', range: [5328, 5408],
    E: ch60,
    G: ch60,
    T: [],
    ticks: CH60_CENTRES,
    note: '100 W ERP',
  },
  {
    name: '40 m', range: [7000, 7300],
    E: [[7000, 7125, 'DATA'], [7125, 7300, 'PHONE']],
    G: [[7025, 7125, 'DATA'], [7175, 7300, 'PHONE']],
    T: [[7025, 7125, 'CW']],
    note: 'T: 200 W',
  },
  {
    name: '30 m', range: [10100, 10150],
    E: [[10100, 10150, 'DATA']],
    G: [[10100, 10150, 'DATA']],
    T: [],
    note: '200 W',
  },
  {
    name: '20 m', range: [14000, 14350],
    E: [[14000, 14150, 'DATA'], [14150, 14350, 'PHONE']],
    G: [[14025, 14150, 'DATA'], [14225, 14350, 'PHONE']],
    T: [],
  },
  {
    name: '17 m', range: [18068, 18168],
    E: [[18068, 18110, 'DATA'], [18110, 18168, 'PHONE']],
    G: [[18068, 18110, 'DATA'], [18110, 18168, 'PHONE']],
    T: [],
  },
  {
    name: '15 m', range: [21000, 21450],
    E: [[21000, 21200, 'DATA'], [21200, 21450, 'PHONE']],
    G: [[21025, 21200, 'DATA'], [21275, 21450, 'PHONE']],
    T: [[21025, 21200, 'CW']],
    note: 'T: 200 W',
  },
  {
    name: '12 m', range: [24890, 24990],
    E: [[24890, 24930, 'DATA'], [24930, 24990, 'PHONE']],
    G: [[24890, 24930, 'DATA'], [24930, 24990, 'PHONE']],
    T: [],
  },
  {
    name: '10 m', range: [28000, 29700],
    E: [[28000, 28300, 'DATA'], [28300, 29700, 'PHONE']],
    G: [[28000, 28300, 'DATA'], [28300, 29700, 'PHONE']],
    T: [[28000, 28300, 'DATA'], [28300, 28500, 'SSB']],
    note: 'T: 200 W',
  },
  {
    name: '6 m', range: [50000, 54000],
    E: [[50000, 50100, 'CW'], [50100, 54000, 'ALL']],
    G: [[50000, 50100, 'CW'], [50100, 54000, 'ALL']],
    T: [[50000, 50100, 'CW'], [50100, 54000, 'ALL']],
  },
  {
    name: '2 m', range: [144000, 148000],
    E: [[144000, 144100, 'CW'], [144100, 148000, 'ALL']],
    G: [[144000, 144100, 'CW'], [144100, 148000, 'ALL']],
    T: [[144000, 144100, 'CW'], [144100, 148000, 'ALL']],
  },
  {
    name: '1.25 m', range: [219000, 225000],
    E: [[219000, 220000, 'FWD'], [222000, 225000, 'ALL']],
    G: [[219000, 220000, 'FWD'], [222000, 225000, 'ALL']],
    T: [[219000, 220000, 'FWD'], [222000, 225000, 'ALL']],
  },
  {
    name: '70 cm', range: [420000, 450000],
    E: [[420000, 450000, 'ALL']],
    G: [[420000, 450000, 'ALL']],
    T: [[420000, 450000, 'ALL']],
  },
];

// Lines of small print under the chart.
const FOOTNOTES = [
  'E = Amateur Extra, G = General, T = Technician (Advanced and Novice not shown). CW is allowed in every segment. '
    + 'Power up to 1500 W PEP unless noted.',
  '60 m: 2.8 kHz channels centred on the frequencies shown (USB dial 1.5 kHz lower), 100 W PEP ERP. '
    + '1.25 m and 70 cm: limits apply in some areas.',
];

module.exports = { RULES, RULES_DATE, MODES, CLASSES, BANDS, CH60_CENTRES, FOOTNOTES };
