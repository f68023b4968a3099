// The conformance corpus, read in JavaScript (the twin of corpus.py): its
// files, and its text forms made into host strings or bytes.
//
// A text form (README.md) is a JSON string, or an object:
//   {"hex": "e4 b8 ad"}                 bytes, in hexadecimal
//   {"utf16": "0031 d800"}              UTF-16 code units, lone surrogates allowed
//   {"repeat": FORM, "times": N}        FORM N times
//   {"parts": [FORM, ...]}              one after another
//
// Offers SECTIONS, load(section), isText(form), textOf(form) (a string,
// lone surrogates kept), bytesOf(form) (a Uint8Array: a text's UTF-8 with a
// lone surrogate as U+FFFD, or the raw bytes) and hasLoneSurrogate(form).
import { readFileSync } from 'node:fs';

export const SECTIONS = ['verify', 'generate', 'sex', 'mask', 'upgrade', 'history', 'regions', 'lines', 'age', 'find',
    'redact'];

// The cases of a section: its objects, without the comment strings.
export function load(section) {
    const cases = JSON.parse(readFileSync(new URL(`./${section}.json`, import.meta.url), 'utf8'));
    return cases.filter((item) => item !== null && typeof item === 'object');
}

// Whether the form is text (a host string can hold it), not raw bytes.
export function isText(form) {
    if (typeof form === 'string') return true;
    if ('hex' in form) return false;
    if ('repeat' in form) return isText(form.repeat);
    if ('parts' in form) return form.parts.every(isText);
    return 'utf16' in form;
}

// The string of a text form, lone surrogates kept as they are.
export function textOf(form) {
    if (typeof form === 'string') return form;
    if ('utf16' in form) {
        const units = form.utf16.split(/\s+/).filter((unit) => unit !== '').map((unit) => parseInt(unit, 16));
        let text = '';
        for (let at = 0; at < units.length; at += 4096) text += String.fromCharCode(...units.slice(at, at + 4096));
        return text;
    }
    if ('repeat' in form) return textOf(form.repeat).repeat(form.times);
    if ('parts' in form) return form.parts.map(textOf).join('');
    throw new TypeError(`not a text form: ${JSON.stringify(form)}`);
}

// Whether the form's text holds a surrogate that is not half of a pair.
export function hasLoneSurrogate(form) {
    if (!isText(form)) return false;
    const text = textOf(form);
    for (let i = 0; i < text.length; ++i) {
        const unit = text.charCodeAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && (text.charCodeAt(i + 1) & 0xFC00) === 0xDC00) ++i;
        else if (unit >= 0xD800 && unit <= 0xDFFF) return true;
    }
    return false;
}

// The bytes a byte host passes: a text's UTF-8, each lone surrogate as
// U+FFFD (EF BF BD), as every UTF-16 host converts it; or the raw bytes.
export function bytesOf(form) {
    if (typeof form === 'string') return new TextEncoder().encode(form);
    if ('hex' in form) {
        const pairs = form.hex.split(/\s+/).filter((pair) => pair !== '');
        return Uint8Array.from(pairs, (pair) => parseInt(pair, 16));
    }
    if ('repeat' in form) {
        const one = bytesOf(form.repeat);
        const whole = new Uint8Array(one.length * form.times);
        for (let at = 0; at < whole.length; at += one.length) whole.set(one, at);
        return whole;
    }
    if ('parts' in form) {
        const parts = form.parts.map(bytesOf);
        const whole = new Uint8Array(parts.reduce((sum, part) => sum + part.length, 0));
        let at = 0;
        for (const part of parts) {
            whole.set(part, at);
            at += part.length;
        }
        return whole;
    }
    return new TextEncoder().encode(textOf(form));
}
