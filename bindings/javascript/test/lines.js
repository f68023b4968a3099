// Lines for the agreement test and the benchmark: a seeded mix of what a
// column of identity numbers holds in practice. Valid numbers of county codes
// of the 2009 tables and of codes only the history knows (abolished, newer,
// unknown, the permits' 81/82/83 and the foreigners' 9), wrong check
// characters, lower-case x, impossible dates and years to come, 15-digit
// numbers, stray characters (full-width digits, Chinese, spaces, NUL), empty
// lines, and lines longer than 64 bytes whose cut splits a character.
//
// Offers testLines(count, seed, countyCodes): an array of strings, none
// holding a line end; and checkCharacter(first17).

const CHECK = '10X98765432';

export function checkCharacter(first17) {
    let sum = 0;
    for (let i = 0; i < 17; ++i) sum += Number(first17[i]) * ((2 ** (17 - i)) % 11);
    return CHECK[sum % 11];
}

function random(seed) {
    let state = BigInt(seed) | 1n;
    return () => {
        // xorshift64*
        state ^= state >> 12n;
        state ^= (state << 25n) & 0xFFFFFFFFFFFFFFFFn;
        state ^= state >> 27n;
        return Number(((state * 0x2545F4914F6CDD1Dn) & 0xFFFFFFFFFFFFFFFFn) >> 11n) / 2 ** 53;
    };
}

export function testLines(count, seed, countyCodes) {
    const next = random(seed);
    const pick = (list) => list[Math.floor(next() * list.length)];
    const digits = (n) => Array.from({ length: n }, () => Math.floor(next() * 10)).join('');
    const pad = (value, width) => String(value).padStart(width, '0');
    const historyCodes = ['512201', '330124', '330112', '330185', '500101', '110228', '999999', '000000',
        '810000', '820000', '830000', '910000', '920521', '460321', '710000', '419001'];
    const noise = ['１', '２', '〇', '男', '身', 'x', 'X', ' ', '\t', '-', 'é', '\u0000', '😀', 'Ω'];
    const number17 = () => {
        const code = next() < 0.85 ? pick(countyCodes) : pick(historyCodes);
        const year = next() < 0.03 ? 2030 + Math.floor(next() * 50) : 1900 + Math.floor(next() * 125);
        const month = next() < 0.03 ? 13 + Math.floor(next() * 87) : 1 + Math.floor(next() * 12);
        const day = next() < 0.03 ? 32 + Math.floor(next() * 68) : 1 + Math.floor(next() * 31);
        return code + pad(year, 4) + pad(month, 2) + pad(day, 2) + digits(3);
    };
    const lines = new Array(count);
    for (let i = 0; i < count; ++i) {
        const kind = next() * 100;
        const first = number17();
        const check = checkCharacter(first);
        let line;
        if (kind < 55) line = first + check;                                 // valid or a date refusal
        else if (kind < 65) line = first + pick(CHECK.replace(check, '').split(''));  // wrong check
        else if (kind < 68) line = first + 'x';                                  // lower-case x
        else if (kind < 76) line = (first + check).slice(0, Math.floor(next() * 18));  // too short
        else if (kind < 80) line = first + check + digits(1 + Math.floor(next() * 5));  // too long
        else if (kind < 84) line = first.slice(0, 6) + first.slice(8, 17);            // 15 digits
        else if (kind < 92) {                                                       // a stray character
            const chars = [...(first + check)];
            chars[Math.floor(next() * 18)] = pick(noise);
            line = chars.join('');
        } else if (kind < 95) {                                                     // longer than 64 bytes
            let text = '';
            while (Buffer.byteLength(text) <= 64) text += next() < 0.5 ? pick(noise) : digits(3);
            line = text;
        } else if (kind < 97) line = pick(['', ' ', '\u0000', first + check + ' ', ' ' + first + check]);
        else line = first.slice(0, 17 - 1) + pick(noise) + check;
        lines[i] = line;
    }
    return lines;
}
