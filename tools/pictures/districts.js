'use strict';
// US amateur call districts: the call-sign digit that belongs to each state.
// Ten districts cover the 48 conterminous states and DC; Alaska, Hawaii and
// the Caribbean territories have their own prefixes and are drawn as insets.

// Digit -> postal codes. Each of the 48 conterminous states and DC appears
// exactly once (check.js verifies that against the map data).
const DISTRICTS = {
  1: ['CT', 'ME', 'MA', 'NH', 'RI', 'VT'],
  2: ['NJ', 'NY'],
  3: ['DE', 'DC', 'MD', 'PA'],
  4: ['AL', 'FL', 'GA', 'KY', 'NC', 'SC', 'TN', 'VA'],
  5: ['AR', 'LA', 'MS', 'NM', 'OK', 'TX'],
  6: ['CA'],
  7: ['AZ', 'ID', 'MT', 'NV', 'OR', 'UT', 'WA', 'WY'],
  8: ['MI', 'OH', 'WV'],
  9: ['IL', 'IN', 'WI'],
  0: ['CO', 'IA', 'KS', 'MN', 'MO', 'NE', 'ND', 'SD'],
};

// Areas outside the ten districts, with the prefixes shown on their insets.
const OUTSIDE = {
  AK: { prefix: 'KL7', name: 'Alaska' },
  HI: { prefix: 'KH6', name: 'Hawaii' },
  PR: { prefix: 'KP4', name: 'Puerto Rico' },
  VI: { prefix: 'KP2', name: 'US Virgin Is.' },
};

// State FIPS code (the feature id in us-atlas) -> postal code.
const FIPS = {
  '01': 'AL', '02': 'AK', '04': 'AZ', '05': 'AR', '06': 'CA', '08': 'CO', '09': 'CT', '10': 'DE',
  '11': 'DC', '12': 'FL', '13': 'GA', '15': 'HI', '16': 'ID', '17': 'IL', '18': 'IN', '19': 'IA',
  '20': 'KS', '21': 'KY', '22': 'LA', '23': 'ME', '24': 'MD', '25': 'MA', '26': 'MI', '27': 'MN',
  '28': 'MS', '29': 'MO', '30': 'MT', '31': 'NE', '32': 'NV', '33': 'NH', '34': 'NJ', '35': 'NM',
  '36': 'NY', '37': 'NC', '38': 'ND', '39': 'OH', '40': 'OK', '41': 'OR', '42': 'PA', '44': 'RI',
  '45': 'SC', '46': 'SD', '47': 'TN', '48': 'TX', '49': 'UT', '50': 'VT', '51': 'VA', '53': 'WA',
  '54': 'WV', '55': 'WI', '56': 'WY', '60': 'AS', '66': 'GU', '69': 'MP', '72': 'PR', '78': 'VI',
};

// Full state names as us-atlas spells them, to check the FIPS table above.
const NAMES = {
  AL: 'Alabama', AK: 'Alaska', AZ: 'Arizona', AR: 'Arkansas', CA: 'California', CO: 'Colorado',
  CT: 'Connecticut', DE: 'Delaware', DC: 'District of Columbia', FL: 'Florida', GA: 'Georgia',
  HI: 'Hawaii', ID: 'Idaho', IL: 'Illinois', IN: 'Indiana', IA: 'Iowa', KS: 'Kansas',
  KY: 'Kentucky', LA: 'Louisiana', ME: 'Maine', MD: 'Maryland', MA: 'Massachusetts',
  MI: 'Michigan', MN: 'Minnesota', MS: 'Mississippi', MO: 'Missouri', MT: 'Montana',
  NE: 'Nebraska', NV: 'Nevada', NH: 'New Hampshire', NJ: 'New Jersey', NM: 'New Mexico',
  NY: 'New York', NC: 'North Carolina', ND: 'North Dakota', OH: 'Ohio', OK: 'Oklahoma',
  OR: 'Oregon', PA: 'Pennsylvania', RI: 'Rhode Island', SC: 'South Carolina',
  SD: 'South Dakota', TN: 'Tennessee', TX: 'Texas', UT: 'Utah', VT: 'Vermont', VA: 'Virginia',
  WA: 'Washington', WV: 'West Virginia', WI: 'Wisconsin', WY: 'Wyoming',
  AS: 'American Samoa', GU: 'Guam', MP: 'Commonwealth of the Northern Mariana Islands',
  PR: 'Puerto Rico', VI: 'United States Virgin Islands',
};

// Where the big district digit is written: a point (longitude, latitude)
// inside a state of that district, in open space on the map.
const LABELS = {
  1: { lon: -69.3, lat: 45.4, state: 'ME' },
  2: { lon: -74.7, lat: 43.4, state: 'NY' },
  3: { lon: -77.7, lat: 40.9, state: 'PA' },
  4: { lon: -83.8, lat: 33.0, state: 'GA' },
  5: { lon: -99.3, lat: 31.3, state: 'TX' },
  6: { lon: -119.9, lat: 37.4, state: 'CA' },
  7: { lon: -116.3, lat: 40.6, state: 'NV' },
  8: { lon: -82.8, lat: 40.3, state: 'OH' },
  9: { lon: -89.3, lat: 40.2, state: 'IL' },
  0: { lon: -99.8, lat: 41.5, state: 'NE' },
};

function districtOf(postal) {
  for (const [digit, states] of Object.entries(DISTRICTS)) {
    if (states.includes(postal)) return Number(digit);
  }
  return null;
}

module.exports = { DISTRICTS, OUTSIDE, FIPS, NAMES, LABELS, districtOf };
