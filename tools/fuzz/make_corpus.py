#!/usr/bin/env python3
"""Writes the fuzzers' seed corpora into tests/fuzz/corpus/<target>/ from the real data files
and the program's documented examples. Run from the repository's top folder."""
import os
import re

DEG = b'\xb0'
OUT = 'tests/fuzz/corpus'


def d(s):
    return s.encode('utf-8').replace('\u00b0'.encode('utf-8'), DEG)


def write(target, seeds):
    folder = os.path.join(OUT, target)
    os.makedirs(folder, exist_ok=True)
    for old in os.listdir(folder):
        os.remove(os.path.join(folder, old))
    for i, seed in enumerate(seeds):
        with open(os.path.join(folder, 'seed%03d' % i), 'wb') as f:
            f.write(seed)


places = open('data/states.txt', 'rb').read().split(b'\r\n')
place_entries = [l[3:] for l in places if len(l) > 3 and l[2:3] == b'~']

write('coord_text', [d(s) for s in [
    'N°29.18\\W°94.47', 'S°33.52\\E°151.13', 'N°29.5\\W°94.47', 'N°29.185\\W°94.47',
    '29.18\\W°94.47', 'N°\\W°94.47', 'N°29.75\\W°94.47', 'N°0.00\\E°0.00']] + place_entries[::40])

write('locator', [s.encode() for s in [
    'EL29', 'EL29BB', 'EL29AB', 'EM12MA', 'QF56', 'QF56LX', 'IO91WM', 'JJ00', 'el29', 'EL2X',
    'EZ29', 'EL29AY', 'RR99XX', 'AA00AA']])

write('prefs', [d(s) for s in [
    '1010000000000000000\r\nW°94.47\r\nN°29.18\r\n-6\r\n1\r\n',
    '0000000000000000000\r\n\r\n\r\n0\r\n0\r\n',
    '11\r\nE°151.13\r\nS°33.52\r\n5.5\r\n74\r\n',
    '100\r\nW°94.47\r\nN°29.18\r\n-6\r\n',
    '100\nW°94.47\nN°29.18\nsix\n1\n']])

write('clocks', [s.encode('latin-1') for s in [
    '00000111111111111111110000C000000000000000001000000000000\r\nIndia   [5.5]\r\nBayside   [-6]\r\n' + '\r\n' * 22,
    '0000011111111111111111000011\r\nSt. Louis [-6]\r\n[13]\r\n[-3.5]\r\n[5.4]\r\n[]\r\n[x]\r\n',
    'flags\r\nNepal [5.75]\r\nChatham [12.75]\r\n[-0.5]\r\n[0.5]\r\n']])

write('place_file', [b'\r\n'.join(places[i:i + 12]) for i in range(0, len(places), 120)] + [
    d('DX~1A0  Malta (N°41.54\\E°12.29)\r\nDX~BAD LINE\r\nal~x\r\nAL~' + 'x' * 120)])

positions = open('src/worldmap/dxcc_position_list.cpp', 'rb').read()
marks = re.findall(rb'"([^"]*#[a-d][^"]*)"', positions)
write('map_mark', marks[::20] + [b'', b'1A0  Malta', b'x #a5x7#b162', b'# alone'])

write('numbers', [s.encode() for s in [
    '29.30', ' -151.22 ', '.18', '+5.5', '1e3', '999.5', '-0.04', '12a', '0x10', 'inf']])

write('calc_position', [
    b'EL29', 'N\u00b029.18\\W\u00b094.47'.encode('utf-8'), b'N\xb029.18 W\xb094.47', b'29.30,-94.78',
    b'29.30 -94.78 51.5 -0.12\n1 2 3\n', b'qf56lx'])
