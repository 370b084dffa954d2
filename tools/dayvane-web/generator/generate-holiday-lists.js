#!/usr/bin/env node
// Writes the holiday lists that dayvane-web offers, one file a country holding
// its nationwide list and the lists of its regions, from the public holidays
// that the npm package date-holidays computes (offline, no network). The
// files are committed, so building, testing and running dayvane-web never
// needs Node; run this again to move the years on or to add countries:
//
//     cd tools/dayvane-web/generator && npm ci && npm run generate
//     node generate-holiday-lists.js [--first 2025] [--last 2031] [OUTPUT_FOLDER]
//
// The years default to the one before this one up to five after it.
//
// File format (UTF-8, one record a line, fields separated by one TAB; lines
// starting with "#" and empty lines are ignored):
//     list <TAB> id <TAB> name [<TAB> code]   starts a list: its id (1 to 214747),
//                                             name and code ("de", "de-by")
//     yyyy-mm-dd <TAB> holiday name           one per holiday, in date order
// A file holds one or more lists; a list without a code takes the file's name.
//
// Only holidays of the type "public" are written. Substitute days ("...
// (substitute day)", a holiday moved off a weekend) are written when the
// library counts them public, as it does in the United States, the United
// Kingdom, Australia and Canada.
//
// Ids: a list's id is the country's ISO 3166-1 numeric code times 100, plus
// the region's place in REGIONS below (0 for the nationwide list). Both are
// fixed, so regenerating keeps every id; new regions go at the end of their
// country's row, never in between.

'use strict';

const fs = require('fs');
const path = require('path');
const Holidays = require('date-holidays');

const LIBRARY_FOLDER = path.join(__dirname, 'node_modules', 'date-holidays');

// ISO 3166-1 alpha-2 code and numeric code of each country offered.
const COUNTRIES = [
    ['AR', 32], ['AT', 40], ['AU', 36], ['BE', 56], ['BG', 100], ['BR', 76], ['CA', 124], ['CH', 756],
    ['CL', 152], ['CN', 156], ['CO', 170], ['CY', 196], ['CZ', 203], ['DE', 276], ['DK', 208], ['EE', 233],
    ['ES', 724], ['FI', 246], ['FR', 250], ['GB', 826], ['GR', 300], ['HR', 191], ['HU', 348], ['IE', 372],
    ['IS', 352], ['IT', 380], ['JP', 392], ['KR', 410], ['LT', 440], ['LU', 442], ['LV', 428], ['MT', 470],
    ['MX', 484], ['NL', 528], ['NO', 578], ['NZ', 554], ['PL', 616], ['PT', 620], ['RO', 642], ['SE', 752],
    ['SG', 702], ['SI', 705], ['SK', 703], ['US', 840], ['ZA', 710],
];

// The regions offered, in id order (the first is number 1): append only.
const REGIONS = {
    AT: ['1', '2', '3', '4', '5', '6', '7', '8', '9'],
    AU: ['ACT', 'NSW', 'NT', 'QLD', 'SA', 'TAS', 'VIC', 'WA'],
    CA: ['AB', 'BC', 'MB', 'NB', 'NL', 'NS', 'NT', 'NU', 'ON', 'PE', 'QC', 'SK', 'YT'],
    CH: ['AG', 'AI', 'AR', 'BE', 'BL', 'BS', 'FR', 'GE', 'GL', 'GR', 'JU', 'LU', 'NE', 'NW', 'OW', 'SG', 'SH',
         'SO', 'SZ', 'TG', 'TI', 'UR', 'VD', 'VS', 'ZG', 'ZH'],
    DE: ['BB', 'BE', 'BW', 'BY', 'HB', 'HE', 'HH', 'MV', 'NI', 'NW', 'RP', 'SH', 'SL', 'SN', 'ST', 'TH'],
    ES: ['AN', 'AR', 'AS', 'CB', 'CE', 'CL', 'CM', 'CN', 'CT', 'EX', 'GA', 'IB', 'MC', 'MD', 'ML', 'NC', 'PV',
         'RI', 'VC'],
    GB: ['ALD', 'ENG', 'NIR', 'SCT', 'WLS'],
    US: ['AK', 'AL', 'AR', 'AZ', 'CA', 'CO', 'CT', 'DC', 'DE', 'FL', 'GA', 'HI', 'IA', 'ID', 'IL', 'IN', 'KS',
         'KY', 'LA', 'MA', 'MD', 'ME', 'MI', 'MN', 'MO', 'MS', 'MT', 'NC', 'ND', 'NE', 'NH', 'NJ', 'NM', 'NV',
         'NY', 'OH', 'OK', 'OR', 'PA', 'RI', 'SC', 'SD', 'TN', 'TX', 'UT', 'VA', 'VT', 'WA', 'WI', 'WV', 'WY'],
};

// English names where the library has none (or a longer one); the holiday
// window shows "Country — Region".
const NAMES = {
    IT: 'Italy',
    US: 'United States',
    'AT-1': 'Burgenland', 'AT-2': 'Carinthia', 'AT-3': 'Lower Austria', 'AT-4': 'Upper Austria',
    'AT-5': 'Salzburg', 'AT-6': 'Styria', 'AT-7': 'Tyrol', 'AT-8': 'Vorarlberg', 'AT-9': 'Vienna',
    'DE-BB': 'Brandenburg', 'DE-BE': 'Berlin', 'DE-BW': 'Baden-Württemberg', 'DE-BY': 'Bavaria',
    'DE-HB': 'Bremen', 'DE-HE': 'Hesse', 'DE-HH': 'Hamburg', 'DE-MV': 'Mecklenburg-Vorpommern',
    'DE-NI': 'Lower Saxony', 'DE-NW': 'North Rhine-Westphalia', 'DE-RP': 'Rhineland-Palatinate',
    'DE-SH': 'Schleswig-Holstein', 'DE-SL': 'Saarland', 'DE-SN': 'Saxony', 'DE-ST': 'Saxony-Anhalt',
    'DE-TH': 'Thuringia',
    'ES-AN': 'Andalusia', 'ES-AR': 'Aragon', 'ES-CE': 'Ceuta', 'ES-MC': 'Murcia', 'ES-MD': 'Madrid',
    'ES-ML': 'Melilla', 'ES-NC': 'Navarre',
};

const MAX_LIST_ID = 214747;  // year list ids (id * 10000 + year) must fit in 32 bits

function fail(message) {
    process.stderr.write(`generate-holiday-lists: ${message}\n`);
    process.exit(2);
}

function readArguments(argv) {
    const thisYear = new Date().getFullYear();
    const options = { first: thisYear - 1, last: thisYear + 5, folder: path.join(__dirname, '..', 'data') };
    for (let i = 0; i < argv.length; ++i) {
        if (argv[i] === '--first' || argv[i] === '--last')
            options[argv[i].slice(2)] = Number(argv[++i]);
        else if (argv[i].startsWith('-'))
            fail(`unknown option ${argv[i]}; usage: [--first YEAR] [--last YEAR] [OUTPUT_FOLDER]`);
        else
            options.folder = argv[i];
    }
    if (!(Number.isInteger(options.first) && Number.isInteger(options.last) && 1900 <= options.first &&
          options.first <= options.last && options.last <= 2200))
        fail('years must satisfy 1900 <= first <= last <= 2200');
    return options;
}

// One line of text without the exchange's separators.
function clean(name) {
    return name.replace(/[|^~\t\r\n]/g, ' ').split(/\s+/).filter(Boolean).join(' ');
}

// The Wikipedia articles a country's data relies on, as its data file names
// them ("# @attrib URL"): the attribution CC BY-SA asks for.
function attributions(country) {
    const file = path.join(LIBRARY_FOLDER, 'data', 'countries', `${country}.yaml`);
    const text = fs.existsSync(file) ? fs.readFileSync(file, 'utf8') : '';
    return [...text.matchAll(/^#\s*@attrib\s+(\S+)/gm)].map(match => match[1]);
}

function libraryVersion() {
    return JSON.parse(fs.readFileSync(path.join(LIBRARY_FOLDER, 'package.json'), 'utf8')).version;
}

// The public holidays of one country or region, as [yyyy-mm-dd, name] in
// date order (the library's order within a day).
function publicHolidays(country, region, years) {
    const library = region ? new Holidays(country, region) : new Holidays(country);
    const days = [];
    for (const year of years) {
        for (const holiday of library.getHolidays(year)) {
            if (holiday.type === 'public')
                days.push([holiday.date.slice(0, 10), clean(holiday.name)]);
        }
    }
    return days.sort((a, b) => (a[0] < b[0] ? -1 : a[0] > b[0] ? 1 : 0));
}

function countryLists(country, number, catalogue, years) {
    const countryName = NAMES[country] || catalogue.getCountries('en')[country];
    const known = catalogue.getStates(country, 'en') || {};
    const regions = REGIONS[country] || [];
    for (const code of Object.keys(known)) {
        if (REGIONS[country] && !regions.includes(code))
            process.stderr.write(`note: ${country}-${code} (${known[code]}) is not offered; append it to REGIONS\n`);
    }
    if (regions.length > 99)
        fail(`${country} has more than 99 regions, which its ids cannot hold`);
    const lists = [{ id: number * 100, name: countryName, code: country.toLowerCase(),
                     days: publicHolidays(country, null, years) }];
    regions.forEach((region, index) => {
        if (!(region in known))
            fail(`date-holidays does not know the region ${country}-${region}`);
        const key = `${country}-${region}`;
        const regionName = NAMES[key] || known[region].replace(/^Canton of /, '');
        lists.push({ id: number * 100 + index + 1, name: `${countryName} — ${clean(regionName)}`,
                     code: key.toLowerCase(), days: publicHolidays(country, region, years) });
    });
    return lists;
}

function header(country, lists, years, version) {
    const regions = lists.length - 1;
    return [
        `# Holiday lists for dayvane-web: ${lists[0].name}${regions ? ` and ${regions} regions` : ''}, ` +
            `${years[0]} to ${years[years.length - 1]}, public holidays only.`,
        `# Generated on ${new Date().toISOString().slice(0, 10)} by tools/dayvane-web/generator from ` +
            `date-holidays ${version}. Regenerate rather than edit.`,
        '# Holiday data: date-holidays, copyright (c) 2015-present commenthol,',
        '# https://github.com/commenthol/date-holidays. The data is available under',
        '# CC BY-SA 3.0 <http://creativecommons.org/licenses/by-sa/3.0/> as it relies on',
        '# Wikipedia articles; these lists are adapted from it and shared under the same licence.',
        ...attributions(country).map(url => `# Source: ${url}`),
    ].join('\n') + '\n';
}

function main() {
    const options = readArguments(process.argv.slice(2));
    const years = [];
    for (let year = options.first; year <= options.last; ++year)
        years.push(year);
    const catalogue = new Holidays();
    const version = libraryVersion();
    const ids = new Set();
    fs.mkdirSync(options.folder, { recursive: true });
    for (const [country, number] of COUNTRIES) {
        const lists = countryLists(country, number, catalogue, years);
        let text = header(country, lists, years, version);
        for (const list of lists) {
            if (list.id < 1 || list.id > MAX_LIST_ID || ids.has(list.id))
                fail(`list id ${list.id} of ${list.name} is taken or outside 1 to ${MAX_LIST_ID}`);
            ids.add(list.id);
            text += `\nlist\t${list.id}\t${list.name}\t${list.code}\n`;
            text += list.days.map(([date, name]) => `${date}\t${name}\n`).join('');
        }
        const file = path.join(options.folder, `${country.toLowerCase()}.holidays`);
        fs.writeFileSync(file, text);
        const holidays = lists.reduce((sum, list) => sum + list.days.length, 0);
        process.stdout.write(`${file}: ${lists.length} lists, ${holidays} holidays\n`);
    }
}

main();
