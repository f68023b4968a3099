// The web page in Debian's Chromium, driven by playwright-core: verify one
// number and each refusal, the dialog's cascade and generation beside
// idtool, a batch of 10^5 pasted lines and a file of several hundred MB
// beside idtool verify --summary, cases of the corpus's lines.json read by
// the page, a GBK CSV file's column, the CSV download's bytes, auto's lines
// of UTF-8 and GBK, lines that end in CR alone and stray CRs, bidirectional
// controls, redaction of pasted text in each way and of a dropped file of
// 48 MB in GBK (the download's bytes the package's redact of the same
// bytes), labels and keyboard, no request beyond the page's own files, and
// screenshots at 360 and 1280 px.
//
// The page is served from build/wasm/web (WEB_ROOT) on 127.0.0.1 at a free
// port; IDTOOL names the native program (default build/release/idtool).
// UPDATE_SCREENSHOTS=1 writes the screenshots into docs/ for the README.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { closeSync, mkdtempSync, openSync, readFileSync, readSync, rmSync, statSync, writeFileSync, writeSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { redact, regions, verdictCodes } from '../../../bindings/javascript/index.js';
import { testLines } from '../../../bindings/javascript/test/lines.js';
import { bytesOf, load } from '../../../tests/conformance/corpus.mjs';
import { hintLabels, isolatedText, reasonLabels, shownParts } from '../batch.js';
import { launchChromium, runPastedBatch, serve } from './harness.js';

const top = fileURLToPath(new URL('../../../', import.meta.url));
const webRoot = process.env.WEB_ROOT ?? join(top, 'build/wasm/web');
const idtool = process.env.IDTOOL ?? join(top, 'build/release/idtool');
const shots = process.env.UPDATE_SCREENSHOTS === '1' ? join(top, 'docs') : mkdtempSync(join(tmpdir(), 'idnumber-shots-'));

let server;
let browser;
let origin;
let context;
let served;

before(async () => {
    server = await serve(webRoot);
    ({ origin, served } = server);
    browser = await launchChromium();
    context = browser.context;
    // Every request any page or worker makes, to any host, is recorded.
    context.on('request', (request) => requests.push(request.url()));
});

after(async () => {
    await browser?.close();
    await server?.close();
    if (shots.startsWith(tmpdir())) rmSync(shots, { recursive: true, force: true });
});

const requests = [];

async function openPage(width = 1280) {
    const page = await context.newPage();
    await page.setViewportSize({ width, height: 900 });
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await page.goto(origin + '/');
    await page.waitForFunction(() => document.getElementById('province').options.length > 0);
    page.errors = errors;
    return page;
}

test('verify: a valid number shows what the dialog shows, with the history and the kind', async () => {
    const page = await openPage();
    await page.fill('#number', '512201198001010012');
    await page.press('#number', 'Enter');
    assert.equal(await page.isVisible('#verify-result'), true);
    assert.equal(await page.textContent('#out-province'), '四川省');
    assert.equal(await page.textContent('#out-city'), '未知位置');
    assert.equal(await page.textContent('#out-county'), '错误地区码');
    assert.equal(await page.textContent('#out-birth'), '1980年01月01日');
    assert.equal(await page.textContent('#out-sex'), '男');
    assert.equal(await page.textContent('#out-kind'), '居民身份证');
    assert.equal(await page.textContent('#out-status'), '已撤销的代码');
    assert.deepEqual(await page.$$eval('#out-history tbody td', (cells) => cells.map((c) => c.textContent)),
        ['万县市', '四川省', '万县地区', '1981', '1992']);
    assert.match(await page.textContent('#out-now'), /万州区（500101）/);
    await page.fill('#number', '11010519491231002X');
    await page.click('#verify-button');
    assert.deepEqual([await page.textContent('#out-province'), await page.textContent('#out-city'), await page.textContent('#out-county')],
        ['北京市', '朝阳区', '']);
    assert.equal(await page.textContent('#out-sex'), '女');
    assert.deepEqual(page.errors, []);
    await page.close();
});

test('verify: each refusal shows the dialog\'s message', async () => {
    const page = await openPage();
    const cases = [
        ['1101051949123100', '您输入的身份证号为16位，正确的应为18位'],
        ['身份证', '您输入的身份证号为9位，正确的应为18位'],
        ['11010519491231002x', '身份证未通过校验'],
        ['110105194912310021', '身份证未通过校验'],
        ['110105194913310021', '出生日期不正确'],
    ];
    for (const [number, message] of cases) {
        await page.fill('#number', number);
        await page.click('#verify-button');
        assert.equal(await page.textContent('#verify-message'), message, number);
        assert.equal(await page.isVisible('#verify-result'), false);
        assert.equal(await page.getAttribute('#verify-message', 'role'), 'alert');
    }
    await page.close();
});

test('generate: 山西省, 阳泉市, 城区 and a seed give idtool\'s numbers; copy and download', async () => {
    const page = await openPage();
    await page.click('#tab-generate');
    await page.selectOption('#province', { label: '山西省' });
    await page.selectOption('#city', { label: '阳泉市' });
    assert.deepEqual(await page.$$eval('#county option', (options) => options.map((o) => o.textContent)),
        ['城区', '矿区', '郊区', '平定县', '盂县']);
    await page.selectOption('#county', { label: '城区' });
    await page.fill('#birth', '19870102');
    await page.selectOption('#sex', 'female');
    await page.fill('#count', '20');
    await page.fill('#seed', '7');
    await page.click('#generate-button');
    const expected = execFileSync(idtool, ['generate', '--region', '140302', '--birth', '19870102', '--sex', 'female',
        '--count', '20', '--seed', '7'], { encoding: 'utf8' }).trimEnd();
    assert.equal(await page.inputValue('#generated'), expected);

    // The municipality's lists, and a range of dates.
    await page.selectOption('#municipality', { label: '北京市' });
    await page.selectOption('#district', { label: '朝阳区' });
    await page.check('#birth-range');
    await page.fill('#born-from', '19800101');
    await page.fill('#born-to', '19891231');
    await page.click('#generate-button');
    assert.equal(await page.inputValue('#generated'), execFileSync(idtool, ['generate', '--region', '110105',
        '--born-between', '19800101', '19891231', '--sex', 'female', '--count', '20', '--seed', '7'], { encoding: 'utf8' }).trimEnd());

    await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin });
    await page.click('#copy-button');
    await page.waitForFunction(() => document.getElementById('copy-status').textContent.startsWith('已复制'));
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), await page.inputValue('#generated'));
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#download-generated')]);
    assert.equal(readFileSync(await download.path(), 'utf8'), (await page.inputValue('#generated')).replaceAll('\n', '\r\n') + '\r\n');

    // A refused option gets a message and no numbers.
    await page.check('#birth-one');
    await page.fill('#birth', '1987');
    await page.click('#generate-button');
    assert.equal(await page.textContent('#generate-message'), '出生日期应为8位数字，如19870102');
    assert.equal(await page.inputValue('#generated'), '');
    // More numbers than one day and sex can give (500 a county).
    await page.fill('#birth', '19870102');
    await page.fill('#count', '501');
    await page.click('#generate-button');
    assert.equal(await page.textContent('#generate-message'), '数量超过了该地区和日期所能生成的不同号码数');
    assert.equal(await page.inputValue('#generated'), '');
    await page.close();
});

// Clicks a button that runs the batch, and waits for the batch's end;
// resolves to the counts per reason the page shows.
async function runBatch(page, button = '#batch-button', timeout = 120000) {
    await page.$eval('#batch-status', (status) => { status.textContent = ''; });
    await page.click(button);
    await page.waitForFunction(() => document.getElementById('batch-status').textContent.startsWith('完成'), null,
        { timeout });
    return page.$$eval('#batch-counts tbody tr', (rows) =>
        Object.fromEntries(rows.map((row) => [row.dataset.reason, Number(row.cells[1].textContent)])));
}

// idtool verify --summary's counts of a file: {valid: N, length: N, ...}.
function idtoolCounts(path) {
    let summary;
    try {
        execFileSync(idtool, ['verify', '--summary', '--only-invalid', path], { stdio: ['ignore', 'ignore', 'pipe'] });
        assert.fail('some lines are invalid');
    } catch (error) {
        summary = error.stderr.toString();
    }
    return Object.fromEntries([...summary.matchAll(/(\d+) (valid|length|characters|check|date|no_column)/g)]
        .map((match) => [match[2], Number(match[1])]));
}

// The rows of the page's CSV download (RFC 4180), each an array of fields.
async function downloadedCsv(page) {
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#download-csv')]);
    const text = readFileSync(await download.path(), 'utf8').replace(/^\uFEFF/, '');
    const rows = [];
    let row = [];
    let field = '';
    let quoted = false;
    for (let i = 0; i < text.length; ++i) {
        const c = text[i];
        if (quoted) {
            if (c !== '"') field += c;
            else if (text[i + 1] === '"') field += text[++i];
            else quoted = false;
        } else if (c === '"') {
            quoted = true;
        } else if (c === ',') {
            row.push(field);
            field = '';
        } else if (c === '\r' && text[i + 1] === '\n') {
            row.push(field);
            rows.push(row);
            row = [];
            field = '';
            ++i;
        } else field += c;
    }
    return rows;
}

test('batch: 10^5 pasted lines, the counts per reason of idtool verify --summary', async () => {
    const lines = testLines(100000, 99, regions('').filter((r) => r.level === 'county').map((r) => String(r.code)));
    const folder = mkdtempSync(join(tmpdir(), 'idnumber-batch-'));
    let expected;
    try {
        writeFileSync(join(folder, 'lines.txt'), lines.join('\n') + '\n');
        expected = idtoolCounts(join(folder, 'lines.txt'));
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
    const page = await openPage();
    await page.click('#tab-batch');
    // The page answers while the worker runs: the progress bar moves, and
    // progress reports come in before the end.
    await page.evaluate(() => {
        window.progressSeen = [];
        new MutationObserver(() => window.progressSeen.push(document.getElementById('batch-progress').value))
            .observe(document.getElementById('batch-status'), { childList: true, characterData: true, subtree: true });
    });
    const seconds = await runPastedBatch(page, lines.join('\n'));
    const progress = await page.evaluate(() => window.progressSeen);
    assert.ok(progress.filter((value) => value > 0 && value < 1).length >= 5, progress.join(' '));
    const counts = await page.$$eval('#batch-counts tbody tr', (rows) =>
        Object.fromEntries(rows.map((row) => [row.dataset.reason, Number(row.cells[1].textContent)])));
    assert.deepEqual(counts, expected);
    const tableLines = () => page.$$eval('#batch-table tbody tr', (rows) =>
        rows.map((row) => `${row.cells[0].textContent}${row.className === 'refused' ? ' refused' : ''}`));
    const codes = verdictCodes(lines);
    const shown = (line) => `${line}${codes[line - 1] === 0 ? '' : ' refused'}`;
    assert.deepEqual(await tableLines(), Array.from({ length: 500 }, (_, i) => shown(i + 1)));
    // Only the refused ones: the first 500 refused lines, by their numbers.
    const refusedLines = [];
    for (let i = 0; i < lines.length && refusedLines.length < 500; ++i) if (codes[i] !== 0) refusedLines.push(shown(i + 1));
    await page.check('#only-invalid');
    assert.deepEqual(await tableLines(), refusedLines);
    console.log(`the page verified 10^5 pasted lines in ${seconds} s`);
    await page.close();
});

test('batch: a GBK CSV file by its column, and the CSV download\'s bytes', async () => {
    const page = await openPage();
    await page.click('#tab-batch');
    // 姓名,身份证号 in GBK, with a quoted field holding a comma, a number
    // between spaces (kept, as idtool keeps them) and a formula after a ;.
    const csv = '\xd0\xd5\xc3\xfb,\xc9\xed\xb7\xdd\xd6\xa4\xba\xc5\r\n' +
        '"\xd5\xc5,\xc8\xfd",11010519491231002X\r\n\xc0\xee\xcb\xc4,110105194912310021\r\n\xcd\xf5\xce\xe5,=1+1\r\n' +
        '\xd5\xd4\xc1\xf9, 11010519491231002X \r\n\xcb\xef\xc6\xdf,a;=1+1\r\n';
    await page.setInputFiles('#batch-file', { name: 'people.csv', mimeType: 'text/csv', buffer: Buffer.from(csv, 'latin1') });
    await page.waitForFunction(() => document.getElementById('column').options.length === 2);
    assert.deepEqual(await page.$$eval('#column option', (options) => options.map((o) => o.textContent)),
        ['第1列：\u2068姓名\u2069', '第2列：\u2068身份证号\u2069']);
    assert.equal(await page.inputValue('#column'), '1');
    const counts = await runBatch(page);
    assert.deepEqual(counts, { valid: 1, length: 3, characters: 0, check: 1, date: 0 });
    assert.match(await page.textContent('#batch-status'), /GBK/);
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#download-csv')]);
    assert.equal(download.suggestedFilename(), '校验结果.csv');
    // Rows are numbered by their lines, as idtool numbers them.
    const expected = '\uFEFF行号,号码,结果,原因,说明,提示,应为校验码,出生日期,性别,省,市,县\r\n' +
        '2,11010519491231002X,通过,,,,X,="19491231",女,北京市,朝阳区,\r\n' +
        '3,="110105194912310021",未通过,校验码错误,身份证未通过校验,,X,,,,,\r\n' +
        "4,'=1+1,未通过,长度错误,您输入的身份证号为4位，正确的应为18位,,,,,,,\r\n" +
        '5, 11010519491231002X ,未通过,长度错误,您输入的身份证号为20位，正确的应为18位,含空格、制表符或连字符，去掉即可通过,,,,,,\r\n' +
        "6,\"a;'=1+1\",未通过,长度错误,您输入的身份证号为6位，正确的应为18位,,,,,,,\r\n";
    assert.deepEqual(readFileSync(await download.path()), Buffer.from(expected, 'utf8'));
    await page.close();
});

test('batch: a file of several hundred MB, read in pieces, gives idtool verify --summary\'s counts', { timeout: 900000 }, async () => {
    // 10^6 lines of every kind, some beyond ASCII and some longer than 64
    // bytes, with LF and CRLF, 8 times, each time after 20 lines of 1 MiB
    // (digits; Chinese; a CR among digits) that cross the pieces the page
    // reads.
    const lines = testLines(1000000, 7, regions('').filter((r) => r.level === 'county').map((r) => String(r.code)));
    const block = Buffer.from(lines.map((line, i) => line + (i % 5 === 0 ? '\r\n' : '\n')).join(''));
    const long = ['1', '中文', '12\r'].map((unit) => Buffer.from(unit.repeat(Math.ceil((1 << 20) / Buffer.byteLength(unit))) + '\n'));
    const folder = mkdtempSync(join(tmpdir(), 'idnumber-big-'));
    const path = join(folder, 'numbers.txt');
    try {
        const file = openSync(path, 'w');
        for (let i = 0; i < 8; ++i) {
            for (let k = 0; k < 20; ++k) writeSync(file, long[(i + k) % long.length]);
            writeSync(file, block);
        }
        closeSync(file);
        const size = statSync(path).size;
        assert.ok(size > 300e6, `${size} bytes`);
        const expected = idtoolCounts(path);
        const total = Object.values(expected).reduce((sum, count) => sum + count, 0);

        const page = await openPage();
        await page.click('#tab-batch');
        await page.setInputFiles('#batch-file', path);
        await page.waitForFunction(() => document.getElementById('file-status').textContent !== '');
        await page.evaluate(() => {
            window.progressSeen = [];
            new MutationObserver(() => window.progressSeen.push(document.getElementById('batch-progress').value))
                .observe(document.getElementById('batch-status'), { childList: true, characterData: true, subtree: true });
        });
        const started = Date.now();
        const counts = await runBatch(page, '#batch-button', 800000);
        console.log(`the page verified a file of ${size} bytes (${total} lines) in ${(Date.now() - started) / 1000} s`);
        assert.deepEqual(counts, expected);
        assert.match(await page.textContent('#batch-status'), new RegExp(`^完成：共 ${total} 行，通过 ${expected.valid} 行`));
        const progress = await page.evaluate(() => window.progressSeen);
        assert.ok(progress.filter((value) => value > 0 && value < 1).length >= 20, progress.join(' '));
        // The CSV holds every line: its last row is the last line's.
        const [download] = await Promise.all([page.waitForEvent('download'), page.click('#download-csv')]);
        const csv = await download.path();
        const tail = Buffer.alloc(200);
        const descriptor = openSync(csv, 'r');
        readSync(descriptor, tail, 0, tail.length, statSync(csv).size - tail.length);
        closeSync(descriptor);
        assert.match(tail.toString('utf8').split('\r\n').at(-2), new RegExp(`^${total},`));
        await page.close();
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
});

// The rows of a batch as the corpus's lines.json writes them: [line, input,
// reason, hint] (null for a row without the column), the line and input
// from the page's table (the input as shown, escapes and all), the reason
// and hint from its CSV.
async function shownLines(page) {
    const table = await page.$$eval('#batch-table tbody tr', (rows) => rows.map((row) => [Number(row.cells[0].textContent),
        row.cells[1].textContent]));
    const reasons = Object.fromEntries(Object.entries(reasonLabels).map(([name, label]) => [label, name]));
    const csv = (await downloadedCsv(page)).slice(1);
    assert.equal(csv.length, table.length);
    return csv.map((row, i) => {
        if (row[2] === reasonLabels.no_column) return null;
        const hint = Object.keys(hintLabels).find((name) => row[5].startsWith(hintLabels[name])) ?? null;
        assert.equal(Number(row[0]), table[i][0]);
        return [table[i][0], table[i][1], row[2] === '通过' ? null : reasons[row[3]], hint];
    });
}

const inChromium = ['cr-only', 'nul-in-line', 'long-line', 'multibyte-cut-at-64', 'spaces-kept', 'formula-lines', 'right-to-left',
    'gbk', 'gbk-cr-within-64-bytes', 'auto-line-by-line', 'auto-long-line-cut-inside-a-character', 'lf-with-stray-cr',
    'csv-column', 'csv-auto-cell-by-cell', 'csv-auto-long-cell', 'csv-spaces-not-trimmed', 'csv-quoted-line-break',
    'csv-short-row', 'csv-crlf'];
for (const item of load('lines').filter((item) => inChromium.includes(item.id))) {
    test(`web lines/${item.id} in Chromium`, async () => {
        const page = await openPage();
        await page.click('#tab-batch');
        await page.selectOption('#encoding', item.encoding ?? 'utf-8');
        await page.setInputFiles('#batch-file', { name: item.column ? 'lines.csv' : 'lines.txt',
            mimeType: item.column ? 'text/csv' : 'text/plain', buffer: Buffer.from(bytesOf(item.file)) });
        await page.waitForFunction(() => document.getElementById('file-status').textContent !== '');
        if (item.column) {
            // The options name the header's columns, each name set apart by isolates.
            const labels = await page.$$eval('#column option', (options) => options.map((o) => o.textContent));
            const index = /^[0-9]+$/.test(item.column) ? Number(item.column) - 1
                : labels.findIndex((label, i) => label.replace(/[\u2068\u2069]/g, '') === `第${i + 1}列：${item.column}`);
            assert.ok(index >= 0, labels.join(' '));
            await page.selectOption('#column', String(index));
        }
        await runBatch(page);
        const shown = (row) => row && [row[0], shownParts(row[1]).join(''), row[2], row[3]];
        assert.deepEqual(await shownLines(page), item.expect.map(shown));
        await page.close();
    });
}

test('batch: lines that end in CR alone are idtool\'s one line, and the page offers CR as a line end', async () => {
    const page = await openPage();
    await page.click('#tab-batch');
    assert.equal(await page.isVisible('#cr-notice'), false);
    await page.setInputFiles('#batch-file', { name: 'numbers.txt', mimeType: 'text/plain',
        buffer: Buffer.from('11010519491231002X\r140302199001010018\r110105194912310021\r') });
    await page.waitForSelector('#cr-notice:not([hidden])');
    assert.equal(await page.textContent('#cr-notice-text'),
        'idtool只认LF和CRLF为行尾，把这个文件读成了一行，其中含单独的CR（回车符）：文件的行可能只以CR结尾。');
    assert.deepEqual(await runBatch(page), { valid: 0, length: 1, characters: 0, check: 0, date: 0 });
    assert.deepEqual(await shownLines(page),
        [[1, '11010519491231002X<CR>140302199001010018<CR>110105194912310021<CR>', 'length', 'cr_line_ends']]);
    // The choice: every line is verified as its own.
    assert.deepEqual(await runBatch(page, '#cr-lines-button'), { valid: 2, length: 0, characters: 0, check: 1, date: 0 });
    assert.deepEqual(await shownLines(page), [[1, '11010519491231002X', null, null], [2, '140302199001010018', null, null],
        [3, '110105194912310021', 'check', null]]);
    assert.match(await page.textContent('#cr-notice-text'), /已把单独的CR（回车符）当作行尾/);
    // And back to idtool's reading.
    assert.deepEqual(await runBatch(page, '#cr-lines-button'), { valid: 0, length: 1, characters: 0, check: 0, date: 0 });

    // A CSV's rows too: idtool reads one row, whose header has no column
    // of numbers; with CR as the line end, the columns are there.
    await page.setInputFiles('#batch-file', { name: 'people.csv', mimeType: 'text/csv',
        buffer: Buffer.from('name,id\r张三,11010519491231002X\r李四,140302199001010018\r') });
    await page.waitForSelector('#cr-notice:not([hidden])');
    assert.deepEqual(await page.$$eval('#column option', (options) => options.map((o) => o.textContent)), [
        `第1列：${isolatedText('name')}`, `第2列：${isolatedText('id\r张三')}`,
        `第3列：${isolatedText('11010519491231002X\r李四')}`, `第4列：${isolatedText('140302199001010018\r')}`]);
    await page.click('#cr-lines-button');
    await page.waitForFunction(() => document.getElementById('column').options.length === 2);
    await page.waitForFunction(() => document.getElementById('batch-status').textContent.startsWith('完成'));
    assert.equal(await page.inputValue('#column'), '1');
    assert.deepEqual(await shownLines(page), [[2, '11010519491231002X', null, null], [3, '140302199001010018', null, null]]);

    // Lone CRs beyond the first bytes the page looks at: the batch tells
    // which line holds them, since the file is not one line to idtool.
    await page.setInputFiles('#batch-file', { name: 'numbers.txt', mimeType: 'text/plain',
        buffer: Buffer.from('11010519491231002X\n'.repeat(4000) + '11010519491231002X\r140302199001010018\r') });
    await page.waitForFunction(() => document.getElementById('cr-notice').hidden);
    assert.deepEqual(await runBatch(page), { valid: 4000, length: 1, characters: 0, check: 0, date: 0 });
    assert.equal(await page.isVisible('#cr-notice'), true);
    assert.match(await page.textContent('#cr-notice-text'), /^有1行含单独的CR（回车符），第一处在第4001行：/);

    // A file of CR line ends longer than the first bytes: they tell of
    // themselves, the batch of the whole file.
    await page.setInputFiles('#batch-file', { name: 'numbers.txt', mimeType: 'text/plain',
        buffer: Buffer.from('11010519491231002X\r'.repeat(5000)) });
    await page.waitForSelector('#cr-notice:not([hidden])');
    assert.match(await page.textContent('#cr-notice-text'), /^文件的前64 KiB中有1行含单独的CR（回车符），第一处在第1行：/);
    assert.deepEqual(await runBatch(page), { valid: 0, length: 1, characters: 0, check: 0, date: 0 });
    assert.match(await page.textContent('#cr-notice-text'), /^idtool只认LF和CRLF为行尾，把这个文件读成了一行/);
    await page.close();
});

test('batch: an LF file with one stray CR is told where the CR is, not that idtool reads it as one line', async () => {
    const page = await openPage();
    await page.click('#tab-batch');
    const file = '11010519491231002X\n1403021990\r01010018\n110105194912310021\n';
    await page.setInputFiles('#batch-file', { name: 'numbers.txt', mimeType: 'text/plain', buffer: Buffer.from(file) });
    await page.waitForSelector('#cr-notice:not([hidden])');
    const told = '有1行含单独的CR（回车符），第一处在第2行：idtool只认LF和CRLF为行尾，单独的CR算作行内的字符，不把行分开。';
    assert.equal(await page.textContent('#cr-notice-text'), told);
    assert.deepEqual(await runBatch(page), { valid: 1, length: 1, characters: 0, check: 1, date: 0 });
    assert.equal(await page.textContent('#cr-notice-text'), told);
    assert.deepEqual(await shownLines(page), [[1, '11010519491231002X', null, null],
        [2, '1403021990<CR>01010018', 'length', 'cr_line_ends'], [3, '110105194912310021', 'check', null]]);
    // The choice splits that line, and no other.
    assert.deepEqual(await runBatch(page, '#cr-lines-button'), { valid: 1, length: 2, characters: 0, check: 1, date: 0 });
    assert.deepEqual((await shownLines(page)).map((row) => row.slice(0, 2)), [[1, '11010519491231002X'], [2, '1403021990'],
        [3, '01010018'], [4, '110105194912310021']]);
    // A CSV whose quoted cell holds a CR has nothing to be told; a file of
    // CRLF neither.
    await page.setInputFiles('#batch-file', { name: 'people.csv', mimeType: 'text/csv',
        buffer: Buffer.from('name,id\r\n"张\r三",11010519491231002X\r\n') });
    await page.waitForFunction(() => document.getElementById('column').options.length === 2);
    assert.deepEqual(await runBatch(page), { valid: 1, length: 0, characters: 0, check: 0, date: 0 });
    assert.equal(await page.isVisible('#cr-notice'), false);
    await page.close();
});

test('batch: auto reads each line as UTF-8 when it is, else as GBK, and says the file has both', async () => {
    const page = await openPage();
    await page.click('#tab-batch');
    assert.equal(await page.inputValue('#encoding'), 'auto');
    // A UTF-8 line of full-width digits, GBK 张三, and a GBK line of 30 中, a CR and 1.
    const file = Buffer.concat([Buffer.from('１１０１０５１９４９１２３１００２Ｘ\n'), Buffer.from([0xd5, 0xc5, 0xc8, 0xfd, 0x0a]),
        Buffer.from('d6d0'.repeat(30) + '0d310a', 'hex')]);
    await page.setInputFiles('#batch-file', { name: 'numbers.txt', mimeType: 'text/plain', buffer: file });
    assert.deepEqual(await runBatch(page), { valid: 0, length: 3, characters: 0, check: 0, date: 0 });
    assert.match(await page.textContent('#batch-status'), /（文件编码：逐行判断，有UTF-8的行也有GBK的行）$/);
    assert.deepEqual(await shownLines(page), [[1, '１１０１０５１９４９１２３１００２Ｘ', 'length', 'fullwidth'],
        [2, '张三', 'length', null], [3, `${'中'.repeat(30)}<CR>1`, 'length', 'cr_line_ends']]);
    await page.close();
});

test('batch: a CSV whose quoted field the file does not close: the rows before it, and what happened', async () => {
    const page = await openPage();
    await page.click('#tab-batch');
    await page.setInputFiles('#batch-file', { name: 'people.csv', mimeType: 'text/csv',
        buffer: Buffer.from('name,id\n张三,11010519491231002X\n"李四,140302199001010018\n') });
    await page.waitForFunction(() => document.getElementById('column').options.length === 2);
    await page.selectOption('#column', '1');
    assert.deepEqual(await runBatch(page), { valid: 1, length: 0, characters: 0, check: 0, date: 0 });
    assert.equal(await page.textContent('#batch-message'), '第3行开始的带引号的字段到文件末尾也没有结束：这一行没有校验（idtool在这里报错停止）。');
    await page.close();
});

test('batch: a line\'s bidirectional controls show as escapes and reorder nothing around them', async () => {
    const page = await openPage();
    await page.click('#tab-batch');
    await runPastedBatch(page, ['\u202E11010519491231002X', 'a\u2067b\u200F', '11010519491231002X'].join('\n'));
    const cells = await page.$$eval('#batch-table tbody tr', (rows) => rows.map((row) => row.cells[1].textContent));
    assert.deepEqual(cells, ['<U+202E>11010519491231002X', 'a<U+2067>b<U+200F>', '11010519491231002X']);
    const controls = /[\u061C\u200E\u200F\u202A-\u202E\u2066-\u2069]/;
    assert.doesNotMatch(await page.textContent('#batch-table'), controls);
    // The digits after the escape are laid out left to right, after it.
    const [escape, digits] = await page.$eval('#batch-table tbody td.num bdi', (bdi) => {
        const range = document.createRange();
        range.selectNodeContents(bdi.lastChild);
        return [bdi.firstChild.getBoundingClientRect().right, range.getBoundingClientRect().left];
    });
    assert.ok(escape <= digits + 0.5, `${escape} ${digits}`);
    const first = await page.$eval('#batch-table tbody td.num bdi', (bdi) => {
        const range = document.createRange();
        range.setStart(bdi.lastChild, 0);
        range.setEnd(bdi.lastChild, 1);
        const one = range.getBoundingClientRect().left;
        range.setStart(bdi.lastChild, 17);
        range.setEnd(bdi.lastChild, 18);
        return one < range.getBoundingClientRect().left;
    });
    assert.equal(first, true, 'the first digit is left of the last');
    // A file's name and a CSV header's names are shown the same way.
    const csv = Buffer.from('\u202Ename,id\n张三,11010519491231002X\n');
    await page.setInputFiles('#batch-file', { name: 'x\u202Evsc.csv', mimeType: 'text/csv', buffer: csv });
    await page.waitForFunction(() => document.getElementById('column').options.length === 2);
    assert.equal(await page.textContent('#file-status'), `已选择文件：x<U+202E>vsc.csv（${csv.length}字节）`);
    assert.equal(await page.textContent('#column option'), `第1列：\u2068<U+202E>name\u2069`);
    await page.close();
});

// Pastes text into the redaction tab (one input event, as a paste), runs
// it, and resolves when the page says it is done.
async function runRedaction(page, text) {
    await page.$eval('#redact-status', (status) => { status.textContent = ''; });
    if (text !== null) {
        await page.$eval('#redact-text', (area, value) => {
            area.value = value;
            area.dispatchEvent(new Event('input', { bubbles: true }));
        }, text);
    }
    await page.click('#redact-button');
    await page.waitForFunction(() => /^完成|^$/.test(document.getElementById('redact-status').textContent) &&
        (document.getElementById('redact-status').textContent !== '' || !document.getElementById('redact-message').hidden),
    null, { timeout: 600000 });
}
async function downloadedRedaction(page) {
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#redact-download')]);
    return [download.suggestedFilename(), readFileSync(await download.path())];
}
const redactKeyText = 'a key typed into the page, 32 B!';

test('redact: pasted text in each way, the highlights, the counts and the download\'s bytes', async () => {
    const page = await openPage();
    await page.click('#tab-redact');
    const text = '客户身份证号：11010519491231002X，联系人 110105 19800101 018X；\n另 110105194912310021 与 １１０１０５１９４９１２３１００２Ｘ';
    const key = new TextEncoder().encode(redactKeyText);
    const ways = [
        ['mask', async () => { await page.fill('#redact-first', '3'); await page.fill('#redact-last', '2'); }, { first: 3, last: 2 }],
        ['label', async () => page.fill('#redact-label', '<号码>'), { label: '<号码>' }],
        ['token', async () => { await page.fill('#redact-key', redactKeyText); await page.selectOption('#redact-alphabet', 'base32'); },
            { key, alphabet: 'base32', length: 16 }],
        ['pseudonym', async () => page.uncheck('#keep-sex'), { key, keep: ['region', 'birthYear'] }],
    ];
    for (const [way, choose, options] of ways) {
        await page.check(`#way-${way}`);
        // Only the chosen way's settings show; a key's note with the key.
        assert.deepEqual(await Promise.all(['#mask-options', '#label-options', '#key-note', '#token-options', '#pseudonym-options']
            .map((selector) => page.isVisible(selector))),
        [way === 'mask', way === 'label', way === 'token' || way === 'pseudonym', way === 'token', way === 'pseudonym'], way);
        await choose();
        await runRedaction(page, text);
        assert.match(await page.textContent('#redact-status'), /^完成：替换了 3 个号码/, way);
        const [name, bytes] = await downloadedRedaction(page);
        assert.equal(name, '脱敏结果.txt');
        assert.deepEqual(bytes, Buffer.from(redact(Buffer.from(text), { way, ...options, encoding: 'utf8' })), way);
    }
    // The highlights: each match marked with its confidence; the mistyped number not.
    assert.deepEqual(await page.$$eval('#redact-preview mark', (marks) => marks.map((m) => [m.textContent, m.className])),
        [['11010519491231002X', 'high'], ['110105 19800101 018X', 'high'], ['１１０１０５１９４９１２３１００２Ｘ', 'high']]);
    assert.deepEqual(await page.$$eval('#redact-counts td', (cells) => cells.map((c) => c.textContent)),
        ['高（有关键词）', '3', '中（有效号码）', '0', '合计', '3']);
    // Mistyped numbers too, when asked: the check character that fails is low.
    await page.selectOption('#redact-confidence', 'low');
    await runRedaction(page, null);
    assert.match(await page.textContent('#redact-status'), /^完成：替换了 4 个号码/);
    assert.deepEqual(await page.$$eval('#redact-preview mark.low', (marks) => marks.map((m) => m.textContent)), ['110105194912310021']);
    // A short key is said before anything runs.
    await page.fill('#redact-key', 'short');
    await runRedaction(page, null);
    assert.equal(await page.textContent('#redact-message'), '密钥至少需要16字节，现在只有 5 字节');
    assert.equal(await page.isDisabled('#redact-download'), true);
    // A key from a file: its bytes as they are.
    await page.setInputFiles('#redact-key-file', { name: 'key.bin', mimeType: 'application/octet-stream', buffer: Buffer.from(key) });
    await page.selectOption('#redact-confidence', 'medium');
    await runRedaction(page, null);
    assert.deepEqual((await downloadedRedaction(page))[1],
        Buffer.from(redact(Buffer.from(text), { way: 'pseudonym', key, keep: ['region', 'birthYear'], encoding: 'utf8' })));
    assert.deepEqual(page.errors, []);
    await page.close();
});

test('redact: a dropped file of 48 MB in GBK, read in pieces: all counted, the start shown, the download the package\'s bytes', { timeout: 900000 }, async () => {
    // 客户 and 备注 in GBK, around numbers valid and not, over a million lines.
    const lines = [];
    const gbk = (...bytes) => Buffer.from(bytes);
    for (let i = 0; i < 4000; ++i) {
        lines.push(gbk(0xbf, 0xcd, 0xbb, 0xa7), Buffer.from(` ${i} 11010519491231002X; 110105194912310021 `), gbk(0xb1, 0xb8, 0xd7, 0xa2), Buffer.from('\n'));
    }
    const block = Buffer.concat(lines);
    const file = join(mkdtempSync(join(tmpdir(), 'idnumber-redact-')), 'people.log');
    const copies = Math.ceil((48 << 20) / block.length);
    const descriptor = openSync(file, 'w');
    for (let i = 0; i < copies; ++i) writeSync(descriptor, block);
    closeSync(descriptor);
    const page = await openPage();
    await page.click('#tab-redact');
    await page.selectOption('#redact-encoding', 'gbk');
    await page.check('#way-label');
    await page.setInputFiles('#redact-file', file);
    assert.match(await page.textContent('#redact-file-status'), /people\.log/);
    await runRedaction(page, null);
    const matches = 4000 * copies;
    assert.match(await page.textContent('#redact-status'), new RegExp(`^完成：替换了 ${matches} 个号码`));
    assert.match(await page.textContent('#redact-preview-note'), new RegExp(`只显示开头部分，标出其中 500 个号码；上表为全部 ${matches} 个`));
    assert.equal(await page.$$eval('#redact-preview mark', (marks) => marks.length), 500);
    assert.equal(await page.$eval('#redact-preview mark', (mark) => mark.textContent), '11010519491231002X');
    const [name, bytes] = await downloadedRedaction(page);
    assert.equal(name, 'people.脱敏.log');
    assert.ok(bytes.equals(Buffer.from(redact(readFileSync(file), { way: 'label', encoding: 'gbk' }))));
    // A file dropped on the zone is taken as one chosen.
    await page.$eval('#redact-drop', (zone) => {
        const data = new DataTransfer();
        data.items.add(new File(['身份证号 11010519491231002X\n'], 'dropped.txt', { type: 'text/plain' }));
        zone.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
    });
    await page.selectOption('#redact-encoding', 'utf8');
    await runRedaction(page, null);
    const [droppedName, dropped] = await downloadedRedaction(page);
    assert.deepEqual([droppedName, dropped.toString('utf8')], ['dropped.脱敏.txt', '身份证号 [身份证号]\n']);
    rmSync(join(file, '..'), { recursive: true, force: true });
    assert.deepEqual(page.errors, []);
    await page.close();
});

test('labels, keyboard, 360 px, screenshots, and no request beyond the page\'s own files', async () => {
    for (const width of [360, 1280]) {
        const page = await openPage(width);
        // Every control has a label; the tabs move with the arrow keys.
        const unlabelled = await page.$$eval('input, select, textarea, progress',
            (controls) => controls.filter((c) => c.labels.length === 0).map((c) => c.id));
        assert.deepEqual(unlabelled, []);
        await page.focus('#tab-verify');
        await page.keyboard.press('ArrowRight');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'tab-generate');
        assert.equal(await page.isVisible('#panel-generate'), true);
        await page.keyboard.press('ArrowLeft');
        await page.keyboard.press('Tab');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'number');
        await page.keyboard.type('512201198001010012');
        await page.keyboard.press('Enter');
        await page.waitForSelector('#verify-result:not([hidden])');
        // Nothing wider than the window.
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), `${width} px`);
        await page.screenshot({ path: join(shots, `web-verify-${width}.png`), fullPage: true });
        await page.click('#tab-generate');
        await page.selectOption('#province', { label: '山西省' });
        await page.selectOption('#city', { label: '阳泉市' });
        await page.fill('#birth', '19870102');
        await page.fill('#count', '5');
        await page.fill('#seed', '7');
        await page.click('#generate-button');
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), `${width} px`);
        await page.screenshot({ path: join(shots, `web-generate-${width}.png`), fullPage: true });
        await page.click('#tab-batch');
        await runPastedBatch(page, ['11010519491231002X', '110105194912310021', '1101051949123100', '11010519491231002x',
            '110105194913310021', '512201198001010012', '330112200001010029', '140302198701028054'].join('\n'));
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), `${width} px`);
        await page.screenshot({ path: join(shots, `web-batch-${width}.png`), fullPage: true });
        await page.click('#tab-redact');
        await runRedaction(page, '客户身份证号：11010519491231002X，联系人 110105 19800101 018X；\n备注：110105194912310021 校验码不对');
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), `${width} px`);
        await page.screenshot({ path: join(shots, `web-redact-${width}.png`), fullPage: true });
        await page.close();
    }
    const own = new Set(['/', '/index.html', '/style.css', '/app.js', '/batch.js', '/batch-worker.js', '/redact-worker.js', '/icon.svg',
        '/idnumber/index.js', '/idnumber/wasi.js', '/idnumber/api_constants.js', '/idnumber/idnumber.wasm']);
    const foreign = requests.filter((url) => !url.startsWith('blob:') && !(url.startsWith(origin + '/') && own.has(new URL(url).pathname)));
    assert.deepEqual(foreign, []);
    assert.ok(served.every((path) => own.has(path)), served.join(' '));
});
