// The web page in Debian's Chromium, driven by playwright-core: verify one
// number and each refusal, the dialog's cascade and generation beside
// idtool, a batch of 10^5 pasted lines beside idtool verify --summary, a GBK
// CSV file's column, the CSV download's bytes, labels and keyboard, no
// request beyond the page's own files, and screenshots at 360 and 1280 px.
//
// The page is served from build/wasm/web (WEB_ROOT) on 127.0.0.1 at a free
// port; IDTOOL names the native program (default build/release/idtool).
// UPDATE_SCREENSHOTS=1 writes the screenshots into docs/ for the README.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { regions, verdictCodes } from '../../../bindings/javascript/index.js';
import { testLines } from '../../../bindings/javascript/test/lines.js';
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
    await page.close();
});

async function runBatch(page) {
    await page.click('#batch-button');
    await page.waitForFunction(() => document.getElementById('batch-status').textContent.startsWith('完成'), null,
        { timeout: 120000 });
    return page.$$eval('#batch-counts tbody tr', (rows) =>
        Object.fromEntries(rows.map((row) => [row.dataset.reason, Number(row.cells[1].textContent)])));
}

test('batch: 10^5 pasted lines, the counts per reason of idtool verify --summary', async () => {
    const lines = testLines(100000, 99, regions('').filter((r) => r.level === 'county').map((r) => String(r.code)));
    const folder = mkdtempSync(join(tmpdir(), 'idnumber-batch-'));
    let summary;
    try {
        writeFileSync(join(folder, 'lines.txt'), lines.join('\n') + '\n');
        try {
            execFileSync(idtool, ['verify', '--summary', '--only-invalid', join(folder, 'lines.txt')], { stdio: ['ignore', 'ignore', 'pipe'] });
            assert.fail('some lines are invalid');
        } catch (error) {
            summary = error.stderr.toString();
        }
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
    const expected = Object.fromEntries([...summary.matchAll(/(\d+) (valid|length|characters|check|date)/g)]
        .map((match) => [match[2], Number(match[1])]));
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
    // 姓名,身份证号 in GBK, with a quoted field holding a comma.
    const csv = '\xd0\xd5\xc3\xfb,\xc9\xed\xb7\xdd\xd6\xa4\xba\xc5\r\n' +
        '"\xd5\xc5,\xc8\xfd",11010519491231002X\r\n\xc0\xee\xcb\xc4,110105194912310021\r\n\xcd\xf5\xce\xe5,=1+1\r\n';
    await page.setInputFiles('#batch-file', { name: 'people.csv', mimeType: 'text/csv', buffer: Buffer.from(csv, 'latin1') });
    await page.waitForFunction(() => document.getElementById('column').options.length === 2);
    assert.deepEqual(await page.$$eval('#column option', (options) => options.map((o) => o.textContent)),
        ['第1列：姓名', '第2列：身份证号']);
    assert.equal(await page.inputValue('#column'), '1');
    const counts = await runBatch(page);
    assert.deepEqual(counts, { valid: 1, length: 1, characters: 0, check: 1, date: 0 });
    assert.match(await page.textContent('#batch-status'), /GBK/);
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#download-csv')]);
    assert.equal(download.suggestedFilename(), '校验结果.csv');
    const expected = '\uFEFF行号,号码,结果,原因,提示,应为校验码,出生日期,性别,省,市,县\r\n' +
        '1,11010519491231002X,通过,,,X,="19491231",女,北京市,朝阳区,\r\n' +
        '2,="110105194912310021",未通过,校验码错误,身份证未通过校验,X,,,,,\r\n' +
        "3,'=1+1,未通过,长度错误,您输入的身份证号为4位，正确的应为18位,,,,,,\r\n";
    assert.deepEqual(readFileSync(await download.path()), Buffer.from(expected, 'utf8'));
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
        await page.close();
    }
    const own = new Set(['/', '/index.html', '/style.css', '/app.js', '/batch.js', '/batch-worker.js', '/icon.svg',
        '/idnumber/index.js', '/idnumber/wasi.js', '/idnumber/idnumber.wasm']);
    const foreign = requests.filter((url) => !url.startsWith('blob:') && !(url.startsWith(origin + '/') && own.has(new URL(url).pathname)));
    assert.deepEqual(foreign, []);
    assert.ok(served.every((path) => own.has(path)), served.join(' '));
});
