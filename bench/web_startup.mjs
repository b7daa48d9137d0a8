// Start-up of the page beside its web content floor, in each browser.
//
//   node bench/web_startup.mjs PAGE.html [RUNS]
//
// The floor is the page as the browser shows it once ready (its lists filled), serialised with
// every script and the ready mark removed: the same markup, styles and visible texts, nothing to
// run. Each run opens one of the two from file: in the same tab of a browser started once, the
// page and the floor taking turns after two unmeasured runs of each, so that no run waits for a
// new content process (which would add the same to both and hide the difference). Neither
// browser caches a file: document; Chromium is started without its in-memory caches of compiled
// scripts and WebAssembly modules, which the renderer of the run before would otherwise hold.
//
// The time of a run is from navigation start (performance.timeOrigin) until the table's lists
// are filled and painted: a script injected before any of the document's own watches every
// animation frame; at the first frame whose callback finds all seven table lists holding their
// 26 rows it asks for one more frame, and the time at the start of that one is taken, by when the
// frame with the rows has been painted. The browsers draw frames as fast as they can
// (chromium --disable-frame-rate-limit --disable-gpu-vsync, firefox layout.frame_rate=0), so
// that the 16.7 ms of a 60 Hz frame do not round the figures. First contentful paint is given
// beside it, and for the page the time its view marked it ready for gestures (data-ready), by
// when its WebAssembly has been unpacked, compiled and wired to the controls already painted.

import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { launch, pageUrl, setViewport } from '../tests/web/browsers.mjs';

const [pageFile, runsArgument = '20'] = process.argv.slice(2);
if (!pageFile) {
    console.error('usage: node bench/web_startup.mjs PAGE.html [RUNS]');
    process.exit(2);
}
const runs = Number(runsArgument);
const pageAddress = pageUrl(pageFile);
const kWarmUp = 2;

const kWatch = `(() => {
    const filled = () => {
        const lists = document.querySelectorAll('[role="listbox"][id^="List2_"]');
        return lists.length === 7 && [...lists].every(
            (list) => list.querySelectorAll('[role="option"]').length === 26);
    };
    const frame = () => {
        if (!filled()) return requestAnimationFrame(frame);
        requestAnimationFrame(() => { window.__affinePainted = performance.now(); });
    };
    requestAnimationFrame(frame);
    new MutationObserver(() => {
        if (document.documentElement.dataset.ready === '1' && window.__affineReady === undefined) {
            window.__affineReady = performance.now();
        }
    }).observe(document, { subtree: true, attributes: true, attributeFilter: ['data-ready'] });
})();`;

async function measure(tab, address, ready) {
    await tab.goto(address, { waitUntil: 'load' });
    await tab.waitForFunction(() => window.__affinePainted !== undefined, { timeout: 30000 });
    if (ready) {
        await tab.waitForFunction(() => window.__affineReady !== undefined, { timeout: 30000 });
    }
    await tab.waitForFunction(
        () => performance.getEntriesByName('first-contentful-paint').length > 0,
        { timeout: 5000 }).catch(() => {});
    return tab.evaluate(() => ({
        painted: window.__affinePainted,
        fcp: performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? NaN,
        ready: window.__affineReady ?? NaN,
    }));
}

async function makeFloor(browser, folder) {
    const page = await browser.newPage();
    await page.goto(pageAddress, { waitUntil: 'load' });
    await page.waitForFunction(() => document.documentElement.dataset.ready === '1', { timeout: 30000 });
    const html = await page.evaluate(() => {
        const copy = document.documentElement.cloneNode(true);
        copy.querySelectorAll('script').forEach((script) => script.remove());
        copy.removeAttribute('data-ready');
        for (const element of [copy, ...copy.querySelectorAll('*')]) {
            for (const { name } of [...element.attributes]) {
                if (name.startsWith('on')) element.removeAttribute(name);
            }
        }
        return '<!DOCTYPE html>\n' + copy.outerHTML;
    });
    await page.close();
    const file = path.join(folder, 'floor.html');
    fs.writeFileSync(file, html);
    return { address: pathToFileURL(file).href, bytes: Buffer.byteLength(html) };
}

const median = (values) => {
    const sorted = values.filter((value) => !Number.isNaN(value)).sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'affine-web-bench-'));
const rows = [];
try {
    for (const kind of ['chromium', 'firefox']) {
        const browser = await launch(kind, { benchmark: true });
        try {
            const floor = await makeFloor(browser, folder);
            const times = { page: [], floor: [] };
            const tab = await browser.newPage();
            await setViewport(tab, { width: 800, height: 600 });
            await tab.evaluateOnNewDocument(kWatch);
            for (let run = 0; run < kWarmUp + runs; ++run) {
                for (const [which, address] of [['page', pageAddress], ['floor', floor.address]]) {
                    const result = await measure(tab, address, which === 'page');
                    if (run >= kWarmUp) times[which].push(result);
                }
            }
            const painted = (which) => times[which].map((t) => t.painted);
            const fcp = (which) => median(times[which].map((t) => t.fcp)).toFixed(1);
            const ratio = median(painted('page')) / median(painted('floor'));
            rows.push(`| ${kind} | ${median(painted('page')).toFixed(1)} ms ` +
                      `(${Math.min(...painted('page')).toFixed(1)}) | ` +
                      `${median(painted('floor')).toFixed(1)} ms ` +
                      `(${Math.min(...painted('floor')).toFixed(1)}) | ${ratio.toFixed(2)} | ` +
                      `${fcp('page')} ms | ${fcp('floor')} ms | ` +
                      `${median(times.page.map((t) => t.ready)).toFixed(1)} ms | ` +
                      `${(floor.bytes / 1024).toFixed(1)} KB |`);
        } finally {
            await browser.close();
        }
    }
} finally {
    fs.rmSync(folder, { recursive: true, force: true });
}
const bytes = fs.statSync(pageFile).size;
console.log(`page: ${pageFile}, ${bytes} bytes (${(bytes / 1024).toFixed(1)} KB; goal ≤ 128 KB)`);
console.log(`${runs} interleaved runs each, medians (fastest); goal: page ≤ 1.10 × floor\n`);
console.log('| browser | page: lists filled and painted | floor: the same | ratio | ' +
            'page: first contentful paint | floor: the same | page: ready for gestures | ' +
            'floor\'s size |');
console.log('|---|---|---|---|---|---|---|---|');
console.log(rows.join('\n'));
