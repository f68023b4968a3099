// The conformance corpus, read in JavaScript (the twin of corpus.py): its
// files, and its text specs made into host strings or bytes.
//
// A text spec (README.md) is a JSON string, or an object:
//   {"hex": "e4 b8 ad"}                 bytes, in hexadecimal
//   {"utf16": "0031 d800"}              UTF-16 code units, lone surrogates allowed
//   {"repeat": SPEC, "times": N}        SPEC N times
//   {"parts": [SPEC, ...]}              one after another
//
// Offers SECTIONS, load(section), isText(spec), textOf(spec) (a string,
// lone surrogates kept), bytesOf(spec) (a Uint8Array: a text's UTF-8 with a
// lone surrogate as U+FFFD, or the raw bytes) and hasLoneSurrogate(spec).
import { readFileSync } from 'node:fs';

export const SECTIONS = ['verify', 'generate', 'sex', 'mask', 'upgrade', 'history', 'regions', 'lines'];

// The cases of a section: its objects, without the comment strings.
export function load(section) {
    const cases = JSON.parse(readFileSync(new URL(`./${section}.json`, import.meta.url), 'utf8'));
    return cases.filter((item) => item !== null && typeof item === 'object');
}

// Whether the spec is text (a host string can hold it), not raw bytes.
export function isText(spec) {
    if (typeof spec === 'string') return true;
    if ('hex' in spec) return false;
    if ('repeat' in spec) return isText(spec.repeat);
    if ('parts' in spec) return spec.parts.every(isText);
    return 'utf16' in spec;
}

// The string of a text spec, lone surrogates kept as they are.
export function textOf(spec) {
    if (typeof spec === 'string') return spec;
    if ('utf16' in spec) {
        const units = spec.utf16.split(/\s+/).filter((unit) => unit !== '').map((unit) => parseInt(unit, 16));
        let text = '';
        for (let at = 0; at < units.length; at += 4096) text += String.fromCharCode(...units.slice(at, at + 4096));
        return text;
    }
    if ('repeat' in spec) return textOf(spec.repeat).repeat(spec.times);
    if ('parts' in spec) return spec.parts.map(textOf).join('');
    throw new TypeError(`not a text spec: ${JSON.stringify(spec)}`);
}

// Whether the spec's text holds a surrogate that is not half of a pair.
export function hasLoneSurrogate(spec) {
    if (!isText(spec)) return false;
    const text = textOf(spec);
    for (let i = 0; i < text.length; ++i) {
        const unit = text.charCodeAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && (text.charCodeAt(i + 1) & 0xFC00) === 0xDC00) ++i;
        else if (unit >= 0xD800 && unit <= 0xDFFF) return true;
    }
    return false;
}

// The bytes a byte host passes: a text's UTF-8, each lone surrogate as
// U+FFFD (EF BF BD), as every UTF-16 host converts it; or the raw bytes.
export function bytesOf(spec) {
    if (typeof spec === 'string') return new TextEncoder().encode(spec);
    if ('hex' in spec) {
        const pairs = spec.hex.split(/\s+/).filter((pair) => pair !== '');
        return Uint8Array.from(pairs, (pair) => parseInt(pair, 16));
    }
    if ('repeat' in spec) {
        const one = bytesOf(spec.repeat);
        const whole = new Uint8Array(one.length * spec.times);
        for (let at = 0; at < whole.length; at += one.length) whole.set(one, at);
        return whole;
    }
    if ('parts' in spec) {
        const parts = spec.parts.map(bytesOf);
        const whole = new Uint8Array(parts.reduce((sum, part) => sum + part.length, 0));
        let at = 0;
        for (const part of parts) {
            whole.set(part, at);
            at += part.length;
        }
        return whole;
    }
    return new TextEncoder().encode(textOf(spec));
}
