// A WebAssembly memory never shrinks: huge texts (a mask of 100 MB, a
// region or a sex word of 10 MB, a query, an old number) are handled
// without growing the package's instance for good. The instance is taken
// as the package makes it, by watching WebAssembly.instantiate during the
// import.
import { test } from 'node:test';
import assert from 'node:assert/strict';

const instances = [];
const instantiate = WebAssembly.instantiate;
WebAssembly.instantiate = async function (...args) {
    const result = await instantiate.apply(this, args);
    instances.push(result.instance ?? result);
    return result;
};
const idn = await import('../index.js');
WebAssembly.instantiate = instantiate;
const memory = instances[0].exports.memory;
const MiB = 1 << 20;

test('huge texts leave the instance\'s memory as it was', (t) => {
    // What the instance keeps: its start and a full chunk of verifyMany.
    const start = memory.buffer.byteLength;
    idn.verifyMany(Array.from({ length: 40000 }, (_, i) => '身'.repeat(i % 64)));
    const kept = memory.buffer.byteLength;
    assert.ok(kept - start <= 5 * MiB, `verifyMany kept ${kept - start} bytes`);

    const big = '1'.repeat(100_000_000);
    let began = performance.now();
    const masked = idn.mask(big);
    t.diagnostic(`mask of 10^8 ASCII characters: ${(performance.now() - began).toFixed(0)} ms`);
    assert.equal(masked.length, big.length);
    assert.equal(masked.slice(0, 8), '111111**');
    assert.equal(masked.slice(-6), '**1111');
    assert.equal(memory.buffer.byteLength, kept, 'mask of 100 MB');

    const wide = '身'.repeat(10_000_000) + '\uD800';
    began = performance.now();
    const wideMasked = idn.mask(wide);
    t.diagnostic(`mask of 10^7 Chinese characters: ${(performance.now() - began).toFixed(0)} ms`);
    assert.equal(wideMasked, '身'.repeat(6) + '*'.repeat(10_000_000 - 9) + '身身身\uFFFD');
    assert.equal(idn.mask(new Uint8Array(20 * MiB).fill(0x32)).length, 20 * MiB);
    assert.equal(memory.buffer.byteLength, kept, 'mask of 30 MB of Chinese, and of bytes');

    assert.equal(idn.verify(big).message, '您输入的身份证号为100000000位，正确的应为18位');
    assert.equal(idn.verifyMany([big, wide]).at(1).message, '您输入的身份证号为30000003位，正确的应为18位');
    assert.equal(idn.kind(big), null);
    assert.deepEqual(idn.regions(big.slice(0, 10 * MiB)), []);
    assert.throws(() => idn.upgrade(big.slice(0, 10 * MiB)), { code: 'IDN_ERROR_NOT_FIFTEEN_DIGITS' });
    const options = { region: '110105', birth: '19900101', seed: 1 };
    assert.throws(() => idn.generate({ ...options, region: big.slice(0, 10 * MiB) }), { code: 'IDN_ERROR_REGION_INVALID_TEXT' });
    assert.throws(() => idn.generate({ ...options, birth: big.slice(0, 10 * MiB) }),
        { code: 'IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS', message: `birth ${'1'.repeat(128)}...: a birth date is 8 digits, YYYYMMDD` });
    assert.throws(() => idn.generate({ ...options, sex: 'x'.repeat(10 * MiB) }),
        { code: 'IDN_ERROR_BAD_SEX', message: `sex: must be 男, 女, male, female or any, not ${'x'.repeat(128)}...` });
    assert.equal(memory.buffer.byteLength, kept, 'verify, regions, upgrade and generate of 10 MB and more');
});
