// The page's time for pasted lines in headless Chromium: node page-batch.mjs
// WEB_ROOT FILE [ROUNDS]. Pastes the file's lines into 批量 and reads the
// page's own time from the click to the finished table (worker start,
// verification, counts, CSV and the first rows shown), a fresh page each
// round.
import { readFileSync } from 'node:fs';

import { launchChromium, runPastedBatch, serve } from '../test/harness.js';

const [root, file, roundsText = '3'] = process.argv.slice(2);
const text = readFileSync(file, 'utf8').replace(/\n$/, '');
const server = await serve(root);
const browser = await launchChromium();
try {
    const times = [];
    for (let round = 0; round < Number(roundsText); ++round) {
        const page = await browser.context.newPage();
        await page.goto(server.origin + '/');
        await page.click('#tab-batch');
        times.push(await runPastedBatch(page, text));
        await page.close();
    }
    const lines = text.split('\n').length;
    console.log(`| the page, ${lines} pasted lines (batch tab, headless Chromium) | ${times.map((t) => `${t.toFixed(2)} s`).join(', ')} |`);
} finally {
    await browser.close();
    await server.close();
}
