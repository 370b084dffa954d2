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
//     yyyy-mm-dd <TAB> holiday name           one per day and name, in date order
// A file holds one or more lists; a list without a code takes the file's name.
//
// Which days are written: every day off that the whole population has.
// - Holidays of the type "public", each day of those that last several days
//   (Korea's Seollal and Chuseok, Romania's 1 and 2 January).
// - A public holiday's substitute or observed day ("... (substitute day)")
//   whatever type the library gives it ("bank" for the United States'
//   Veterans Day), except "observance" and "optional", by which the library
//   says the day is not off for everyone (Spain's Sunday substitutes, which
//   each region decides).
// - Left out: days that start during the day (24 and 31 December from 13:00,
//   18:00 or 19:00 in Iceland and parts of Australia, Swiss half days), since
//   the format has no way to offer a day unmarked or as a part day, and the
//   days overrides.json leaves out (China's days for women, youth, children
//   or soldiers only).
// - overrides.json corrects the library where it is plainly wrong, each line
//   with its reason and a government source: it leaves out a rule's days in
//   some lists, moves them, or adds days written in the library's own rule
//   grammar. The generator stops when an override matches nothing, or adds
//   only days the library already has, so that a newer library cannot leave
//   one silently stale.
//
// Names: a list is named in English, with the local name after it when that
// differs ("Germany (Deutschland)", "Germany — Bavaria (Bayern)"), so that
// the holiday window finds it by either.
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
const OVERRIDES_FILE = path.join(__dirname, 'overrides.json');

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

// Local names where the library gives a long form or one of a country's
// languages only.
const LOCAL_NAMES = {
    BE: 'België, Belgique', CH: 'Schweiz, Suisse, Svizzera', CN: '中国', CY: 'Κύπρος, Kıbrıs', CZ: 'Česko',
    RO: 'România', SI: 'Slovenija', SK: 'Slovensko', 'ES-NC': 'Navarra',
};

// Types by which the library says a day is not off for everyone.
const NOT_DAYS_OFF = new Set(['observance', 'optional', 'school']);

const DAY_MS = 24 * 60 * 60 * 1000;
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

// The overrides, checked: each names the lists it applies to ("ca-on", or
// "ca*" for Canada and its regions), an action, the library's rule it acts
// on, a reason and a source.
function readOverrides() {
    const overrides = JSON.parse(fs.readFileSync(OVERRIDES_FILE, 'utf8'));
    overrides.forEach((override, index) => {
        const where = `overrides.json, entry ${index + 1}`;
        const { lists, action, rule, reason, source } = override;
        if (![lists, rule, reason].every(text => typeof text === 'string' && text.trim()) ||
            !/^https:\/\/\S+$/.test(source || ''))
            fail(`${where}: needs "lists", "rule", "reason" and an https "source"`);
        if (action === 'move' ? !Number.isInteger(override.days) || override.days === 0
                              : action === 'add' ? typeof override.name !== 'object' : action !== 'leave out')
            fail(`${where}: "action" is "leave out", "move" with whole "days" or "add" with a "name" object`);
        const pattern = lists.toLowerCase().split('*').map(part => part.replace(/[.+?^${}()|[\]\\]/g, '\\$&'));
        override.pattern = new RegExp(`^${pattern.join('.*')}$`);
        override.where = `${where} (${lists}: ${action} "${rule}")`;
        override.matched = 0;
    });
    return overrides;
}

function addDays(day, count) {
    const date = new Date(`${day}T00:00:00Z`);
    date.setUTCDate(date.getUTCDate() + count);
    return date.toISOString().slice(0, 10);
}

// The days a holiday takes off, as yyyy-mm-dd: from its local start date
// ("date" is local time) for as many whole days as it lasts (the end is
// exclusive; a day is 23 to 25 hours where clocks change). None when it
// starts or ends during a day.
function wholeDays(holiday) {
    const [day, time] = holiday.date.split(' ');
    const length = holiday.end - holiday.start;
    const count = Math.round(length / DAY_MS);
    if (time !== '00:00:00' || count < 1 || Math.abs(length - count * DAY_MS) > DAY_MS / 24)
        return [];
    return Array.from({ length: count }, (_, i) => addDays(day, i));
}

// The rule a substitute day stands in for: "11-11" for "substitutes 11-11
// if sunday then next monday" and for "11-11 and if sunday then next monday".
function substitutedRule(rule) {
    return rule.replace(/^substitutes /, '').replace(/ (and )?if .*$/, '');
}

// The days off of one list, as [yyyy-mm-dd, name] in date order (the
// library's order within a day), one per day and name, with the overrides
// for its code applied and counted.
function listDays(code, country, region, years, overrides) {
    const library = region ? new Holidays(country, region) : new Holidays(country);
    const mine = overrides.filter(override => override.pattern.test(code));
    for (const override of mine.filter(override => override.action === 'add')) {
        if (library.getRule(override.rule))
            fail(`${override.where}: the library has this rule itself now; drop the override`);
        if (!library.setHoliday(override.rule, { name: override.name, type: 'public', substitute: override.substitute }))
            fail(`${override.where}: the library does not read the rule`);
    }
    const holidays = years.flatMap(year => library.getHolidays(year));
    const publicRules = new Set(holidays.filter(h => h.type === 'public' && !h.substitute).map(h => h.rule));
    const days = new Map();
    const libraryDays = new Set();
    const added = [];
    for (const holiday of holidays) {
        const override = mine.find(candidate => candidate.rule === holiday.rule);
        if (override)
            ++override.matched;
        const offered = holiday.type === 'public' ||
            (holiday.substitute && !NOT_DAYS_OFF.has(holiday.type) &&
             (publicRules.has(holiday.rule) || publicRules.has(substitutedRule(holiday.rule))));
        if (!offered || override?.action === 'leave out')
            continue;
        const name = clean(holiday.name);
        for (let day of wholeDays(holiday)) {
            if (override?.action === 'move')
                day = addDays(day, override.days);
            if (override?.action === 'add')
                added.push([day, override]);
            else
                libraryDays.add(day);
            days.set(`${day}\t${name}`, [day, name]);
        }
    }
    // An addition the library has caught up with is stale.
    for (const [day, override] of added) {
        if (libraryDays.has(day))
            fail(`${override.where}: ${code} already has a day off on ${day}; drop or change the override`);
    }
    return [...days.values()].sort((a, b) => (a[0] < b[0] ? -1 : a[0] > b[0] ? 1 : 0));
}

// "English (local)" when the local name is not already in the English one.
function withLocalName(english, local) {
    const short = (local || '').replace(/^(Kanton|Canton( de| du)?|Land) /, '');
    return short && !short.toLowerCase().includes(english.toLowerCase()) ? `${english} (${clean(short)})` : english;
}

function countryLists(country, number, catalogue, years, overrides) {
    const countryName = NAMES[country] || catalogue.getCountries('en')[country];
    const localName = LOCAL_NAMES[country] || catalogue.getCountries()[country];
    const known = catalogue.getStates(country, 'en') || {};
    const local = catalogue.getStates(country) || {};
    const regions = REGIONS[country] || [];
    for (const code of Object.keys(known)) {
        if (REGIONS[country] && !regions.includes(code))
            process.stderr.write(`note: ${country}-${code} (${known[code]}) is not offered; append it to REGIONS\n`);
    }
    if (regions.length > 99)
        fail(`${country} has more than 99 regions, which its ids cannot hold`);
    const code = country.toLowerCase();
    const lists = [{ id: number * 100, name: withLocalName(countryName, localName), code,
                     days: listDays(code, country, null, years, overrides) }];
    regions.forEach((region, index) => {
        if (!(region in known))
            fail(`date-holidays does not know the region ${country}-${region}`);
        const key = `${country}-${region}`;
        const regionName = clean(NAMES[key] || known[region].replace(/^Canton of /, ''));
        lists.push({ id: number * 100 + index + 1,
                     name: `${countryName} — ${withLocalName(regionName, LOCAL_NAMES[key] || local[region])}`,
                     code: key.toLowerCase(), days: listDays(key.toLowerCase(), country, region, years, overrides) });
    });
    return lists;
}

function header(country, lists, years, version, overrides) {
    const regions = lists.length - 1;
    const corrections = overrides.filter(override => lists.some(list => override.pattern.test(list.code)));
    return [
        `# Holiday lists for dayvane-web: ${lists[0].name}${regions ? ` and ${regions} regions` : ''}, ` +
            `${years[0]} to ${years[years.length - 1]}, whole days off for everyone.`,
        `# Generated on ${new Date().toISOString().slice(0, 10)} by tools/dayvane-web/generator from ` +
            `date-holidays ${version}. Regenerate rather than edit.`,
        '# Holiday data: date-holidays, copyright (c) 2015-present commenthol,',
        '# https://github.com/commenthol/date-holidays. The data is available under',
        '# CC BY-SA 3.0 <http://creativecommons.org/licenses/by-sa/3.0/> as it relies on',
        '# Wikipedia articles; these lists are adapted from it and shared under the same licence.',
        ...attributions(country).map(url => `# Source: ${url}`),
        ...corrections.map(override => `# Corrected (${override.lists}, ${override.rule}): ${override.reason}; ${override.source}`),
    ].join('\n') + '\n';
}

function main() {
    const options = readArguments(process.argv.slice(2));
    const years = [];
    for (let year = options.first; year <= options.last; ++year)
        years.push(year);
    const catalogue = new Holidays();
    const version = libraryVersion();
    const overrides = readOverrides();
    const ids = new Set();
    fs.mkdirSync(options.folder, { recursive: true });
    for (const [country, number] of COUNTRIES) {
        const lists = countryLists(country, number, catalogue, years, overrides);
        let text = header(country, lists, years, version, overrides);
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
    for (const override of overrides) {
        if (override.matched === 0)
            fail(`${override.where} matches no holiday of ${options.first} to ${options.last}; drop or change it`);
    }
}

main();
