// Starts Debian's own browsers for the browser tests and the start-up benchmark: headless, with
// a fresh profile in a temporary folder, and with every connection of their own switched off, so
// that whatever request a test sees comes from the page.

import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import puppeteer from 'puppeteer-core';

export const kBrowsers = ['chromium', 'firefox'];

const kChromiumArgs = [
    '--headless=new',
    '--no-sandbox',  // the tests may run as root, whom Chromium's sandbox refuses
    '--disable-gpu',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
    '--disable-default-apps',
    '--disable-domain-reliability',
    '--disable-breakpad',
    '--no-first-run',
    '--no-default-browser-check',
    '--disable-features=Translate,OptimizationHints,MediaRouter,AutofillServerCommunication',
    '--disable-smooth-scrolling',  // a wheel turn scrolls at once, not over the next frames
];

// Firefox's own connections: updates, safe browsing lists, telemetry, remote settings, the
// captive portal and connectivity probes, add-on and plug-in updates, prefetching.
const kFirefoxPrefs = {
    'app.update.auto': false,
    'app.update.enabled': false,
    'app.normandy.enabled': false,
    'browser.aboutHomeSnippets.updateUrl': '',
    'browser.newtabpage.enabled': false,
    'browser.ping-centre.telemetry': false,
    'browser.region.network.url': '',
    'browser.region.update.enabled': false,
    'browser.safebrowsing.blockedURIs.enabled': false,
    'browser.safebrowsing.downloads.enabled': false,
    'browser.safebrowsing.downloads.remote.enabled': false,
    'browser.safebrowsing.malware.enabled': false,
    'browser.safebrowsing.phishing.enabled': false,
    'browser.safebrowsing.provider.google.updateURL': '',
    'browser.safebrowsing.provider.google4.updateURL': '',
    'browser.safebrowsing.provider.mozilla.updateURL': '',
    'browser.search.geoip.url': '',
    'browser.search.update': false,
    'browser.shell.checkDefaultBrowser': false,
    'browser.startup.homepage_override.mstone': 'ignore',
    'browser.startup.page': 0,
    'browser.topsites.contile.enabled': false,
    'captivedetect.canonicalURL': '',
    'datareporting.healthreport.uploadEnabled': false,
    'datareporting.policy.dataSubmissionEnabled': false,
    'extensions.blocklist.enabled': false,
    'extensions.getAddons.cache.enabled': false,
    'extensions.systemAddon.update.enabled': false,
    'extensions.update.enabled': false,
    'general.smoothScroll': false,
    'geo.provider.network.url': '',
    'media.gmp-manager.url': '',
    'media.gmp-gmpopenh264.enabled': false,
    'network.captive-portal-service.enabled': false,
    'network.connectivity-service.enabled': false,
    'network.dns.disablePrefetch': true,
    'network.http.speculative-parallel-limit': 0,
    'network.predictor.enabled': false,
    'network.prefetch-next': false,
    'services.settings.server': 'http://127.0.0.1:9/',
    'toolkit.telemetry.enabled': false,
    'toolkit.telemetry.server': '',
    'toolkit.telemetry.unified': false,
};

// A headless browser of the given kind (chromium or firefox) with a profile of its own, which
// goes when the browser is closed. For a benchmark it draws frames as fast as it can, with no
// wait for the next 60 Hz frame, and Chromium keeps no compiled script or WebAssembly module in
// memory from one tab to the next that shares its renderer.
export async function launch(kind, { timeout = 60000, benchmark = false } = {}) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), `affine-web-${kind}-`));
    const common = { headless: true, timeout, protocolTimeout: timeout, userDataDir: profile };
    let browser;
    try {
        if (kind === 'chromium') {
            browser = await puppeteer.launch({
                ...common,
                browser: 'chrome',
                executablePath: '/usr/bin/chromium',
                args: [...kChromiumArgs,
                       ...(benchmark ? ['--disable-frame-rate-limit', '--disable-gpu-vsync',
                                    '--js-flags=--no-compilation-cache --no-wasm-native-module-cache-enabled'] : [])],
                // The lists' scroll bars are part of the window, as on the desktop.
                ignoreDefaultArgs: ['--headless', '--hide-scrollbars'],
            });
        } else if (kind === 'firefox') {
            browser = await puppeteer.launch({
                ...common,
                browser: 'firefox',
                executablePath: '/usr/bin/firefox-esr',
                protocol: 'webDriverBiDi',
                extraPrefsFirefox: { ...kFirefoxPrefs, ...(benchmark ? { 'layout.frame_rate': 0 } : {}) },
            });
        } else {
            throw new Error(`unknown browser ${kind}; known: ${kBrowsers.join(', ')}`);
        }
    } catch (error) {
        fs.rmSync(profile, { recursive: true, force: true });
        throw error;
    }
    const close = browser.close.bind(browser);
    browser.close = async () => {
        try {
            await close();
        } finally {
            fs.rmSync(profile, { recursive: true, force: true });
        }
    };
    return browser;
}

// The file: address of a page; a missing page is an error, never a reason to skip.
export function pageUrl(file) {
    const absolute = path.resolve(file);
    if (!fs.existsSync(absolute)) {
        throw new Error(`no page at ${absolute}: build it first (cmake --preset web && ` +
                        'cmake --build --preset web)');
    }
    return pathToFileURL(absolute).href;
}

// A static web server on a free port of the loopback interface that serves the one file under
// its own name and counts every request it gets.
export async function serve(file) {
    const body = fs.readFileSync(file);
    const name = '/' + path.basename(file);
    const requests = [];
    const server = http.createServer((request, response) => {
        requests.push(request.url);
        if (request.method === 'GET' && request.url === name) {
            response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
            response.end(body);
        } else {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}${name}`,
        requests,
        close: () => new Promise((resolve) => {
            server.closeAllConnections?.();
            server.close(resolve);
        }),
    };
}

// The client sets the screen's orientation along with the viewport, a command that Firefox ESR
// 140 (Debian 12's before 153) does not know; it sets the viewport all the same (openPage checks).
export async function setViewport(page, viewport) {
    await page.setViewport(viewport).catch((error) => {
        if (!/unknown command emulation\.setScreenOrientationOverride/.test(error.message)) throw error;
    });
}

// Opens the page in a new tab and waits until the WebAssembly has wired it. Given an array, adds
// to it every address the tab requests other than the page's own and data: addresses.
export async function openPage(browser, url,
                               { viewport = { width: 800, height: 600 }, requests } = {}) {
    const page = await browser.newPage();
    if (requests) {
        page.on('request', (request) => {
            const address = request.url();
            if (address !== url && !address.startsWith('data:')) requests.push(address);
        });
    }
    await setViewport(page, viewport);
    await page.goto(url, { waitUntil: 'load' });
    await page.waitForFunction(() => document.documentElement.dataset.ready === '1',
                               { timeout: 20000 });
    const size = await page.evaluate(() => [window.innerWidth, window.innerHeight]);
    if (size[0] !== viewport.width || size[1] !== viewport.height) {
        throw new Error(`the viewport is ${size.join(' x ')}, not ${viewport.width} x ${viewport.height}`);
    }
    return page;
}
