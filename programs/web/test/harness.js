// What the browser tests and the page benchmark share: a static server of
// the built page on 127.0.0.1 at a free port, recording every path asked
// for, and Debian's Chromium (never a downloaded browser) started headless
// with a fresh profile and no background networking.
//
// Offers serve(root) -> {origin, served, close()} and
// launchChromium() -> {context, close()}.
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import { chromium } from 'playwright-core';

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm', '.svg': 'image/svg+xml',
};

export async function serve(root) {
    const served = [];
    const server = createServer((request, response) => {
        const path = new URL(request.url, 'http://localhost').pathname;
        served.push(path);
        const file = normalize(join(root, path === '/' ? 'index.html' : decodeURIComponent(path)));
        let body;
        try {
            if (!file.startsWith(root)) throw new Error('outside the page\'s folder');
            body = readFileSync(file);
        } catch {
            response.writeHead(404);
            response.end();
            return;
        }
        response.writeHead(200, { 'content-type': types[extname(file)] ?? 'application/octet-stream', 'cache-control': 'no-store' });
        response.end(body);
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        origin: `http://127.0.0.1:${server.address().port}`,
        served,
        close: () => new Promise((resolve) => server.close(resolve)),
    };
}

export async function launchChromium() {
    const profile = mkdtempSync(join(tmpdir(), 'idnumber-chromium-'));
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: '/usr/bin/chromium',
        headless: true,
        acceptDownloads: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
            '--no-first-run', '--disable-sync'],
    });
    return {
        context,
        close: async () => {
            await context.close();
            rmSync(profile, { recursive: true, force: true });
        },
    };
}

// Puts text into the batch's field as a paste does (one input event), and
// runs the batch; resolves to the page's own time in seconds.
export async function runPastedBatch(page, text) {
    await page.$eval('#batch-text', (area, value) => {
        area.value = value;
        area.dispatchEvent(new Event('input', { bubbles: true }));
    }, text);
    await page.click('#batch-button');
    await page.waitForFunction(() => document.getElementById('batch-status').textContent.startsWith('完成'), null,
        { timeout: 300000 });
    return Number(await page.getAttribute('#batch-status', 'data-seconds'));
}
