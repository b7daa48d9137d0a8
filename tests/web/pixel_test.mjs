// The page's form beside the desktop window's client area, pixel by pixel, under the same fonts:
// the desktop program on this X server (run under scripts/with-xvfb), the page at 100 % in a
// headless browser of the same machine, so that both find "Times New Roman" through the same
// fontconfig.
//
//   node pixel_test.mjs chromium|firefox PAGE.html AFFINE-CIPHER CONTROL_LAYOUT.h [OUT_DIR]
//
// Both pictures, the differing pixels and a table per control go to OUT_DIR (default: the
// current folder) as desktop.png, <browser>.png, difference.png and pixels.txt.
//
// What must match, and how closely:
// - The form's own background: every pixel outside the visible controls is 0xC0C0FF in both,
//   exactly. Colours are given, not rendered, so there is nothing to round.
// - Each label and button: the colour that fills most of its rectangle is the control's colour,
//   exactly, in both.
// - The ink on each label and button (its pixels of another colour than the fill, two pixels in
//   from a label's edge and four from a button's, inside its bevel, which the next check
//   compares): its bounding box within 3 px of the desktop's
//   on every side. The two programs draw the same font with different rasterisers (Qt's FreeType
//   glyph cache with whole-pixel glyph positions, the browsers' Skia or Cairo with fractional
//   ones): over the longest caption (49 characters) the advances add up to a pixel or two, and
//   antialiasing moves an edge by one more; a wrong font, size, weight or alignment moves an edge
//   by 5 px or more.
// - Every visible control: at most 5 % of its pixels differ, where a pixel differs when no
//   pixel of the other picture within one pixel of it comes within 64 of it in every channel.
//   The one-pixel neighbourhood forgives what two rasterisers do differently with the same
//   glyph at the same place (antialiased edges, a stem a pixel wider, a baseline half a pixel
//   lower); what it does not forgive is text missing or in another place, another font size or
//   colour, a row more or less, another highlight, a border of another shape. Left out are the
//   vertical scroll bars of the lists and the explanation box (16 px inside the 2 px frame at the
//   right): each browser draws its own, which a page cannot restyle everywhere (Firefox shows
//   overlay scroll bars only while scrolling), and Qt draws the style's.

import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';

import { launch, openPage, pageUrl } from './browsers.mjs';

const [kind, pageFile, program, layoutHeader, outDir = '.'] = process.argv.slice(2);
if (!layoutHeader) {
    console.error('usage: node pixel_test.mjs chromium|firefox PAGE.html AFFINE-CIPHER ' +
                  'CONTROL_LAYOUT.h [OUT_DIR]');
    process.exit(2);
}
if (!process.env.DISPLAY) {
    console.error('pixel_test.mjs needs an X server: run it under scripts/with-xvfb');
    process.exit(2);
}
const url = pageUrl(pageFile);

const kWidth = 503;
const kHeight = 439;
const kFormColour = 0xC0C0FF;
const kInkEdgeTolerance = 3;
const kDifferentChannel = 64;
const kDifferentShare = 0.05;
const kDeadlineMs = 90000;

// The visible controls, their rectangles in pixels and their colours, from the window's own
// control table, so that the test follows the window when a control moves.
function visibleControls() {
    const text = fs.readFileSync(layoutHeader, 'utf8');
    const colours = Object.fromEntries([...text.matchAll(/(k\w+Colour) = 0x([0-9A-Fa-f]{6});/g)]
        .map(([, name, hex]) => [name, parseInt(hex, 16)]));
    const row = /\{"(\w+)",\s*(\d+),\s*K::(\w+),\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+),([^]*?)(kShown|kHidden)/g;
    const controls = [...text.matchAll(row)].map(([, array, index, controlKind, ...rest]) => {
        const [left, top, width, height] = rest.slice(0, 4).map((twips) => Number(twips) / 15);
        const colour = rest[4].match(/\b(k\w+Colour)\b/)?.[1];
        return { id: `${array}_${index}`, kind: controlKind, left, top, width, height,
                 colour: colour === undefined ? undefined : colours[colour], shown: rest[5] === 'kShown' };
    });
    assert.equal(controls.length, 29, `the control table of ${layoutHeader}`);
    return controls.filter((control) => control.shown);
}

// Raw 8-bit RGB of a picture in any format ImageMagick reads.
function rgb(source, input) {
    return execFileSync('convert', [source, '-depth', '8', 'rgb:-'],
                        { input, maxBuffer: 1 << 24 });
}

function writePng(file, pixels) {
    execFileSync('convert', ['-size', `${kWidth}x${kHeight}`, '-depth', '8', 'rgb:-', file],
                 { input: pixels });
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Starts the desktop program, waits for its window and grabs its client area once two grabs
// 200 ms apart agree (the window has painted and settled).
async function desktopPicture() {
    const child = spawn(program, [], { stdio: 'ignore', env: { ...process.env, QT_QPA_PLATFORM: 'xcb' } });
    try {
        const deadline = Date.now() + kDeadlineMs;
        let window = '';
        while (!window) {
            assert.ok(Date.now() < deadline, `no window of ${program} in ${kDeadlineMs} ms`);
            assert.equal(child.exitCode, null, `${program} ended with ${child.exitCode}`);
            try {
                window = execFileSync('xdotool', ['search', '--onlyvisible', '--name', 'Affine cipher$'],
                                      { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] })
                    .split('\n')[0];
            } catch {
                await sleep(100);
            }
        }
        let last = null;
        for (;;) {
            assert.ok(Date.now() < deadline, 'the desktop window never stood still');
            const picture = rgb('-', execFileSync('import', ['-window', window, 'ppm:-'],
                                                   { maxBuffer: 1 << 24 }));
            if (last && picture.equals(last)) return picture;
            last = picture;
            await sleep(200);
        }
    } finally {
        child.kill();
    }
}

// The page's form at 100 %. The viewport leaves an even margin on each side of the centred form,
// so that it stands on whole pixels.
async function pagePicture(browser) {
    const page = await openPage(browser, url, {
        viewport: { width: kWidth + 300, height: kHeight + 200, deviceScaleFactor: 1 } });
    await page.evaluate(() => document.fonts.ready);
    const box = await (await page.$('#MainForm')).boundingBox();
    assert.deepEqual([box.width, box.height], [kWidth, kHeight], 'the form\'s size at 100 %');
    const png = await page.screenshot({ clip: { x: box.x, y: box.y, width: kWidth, height: kHeight } });
    await page.close();
    return rgb('png:-', Buffer.from(png));
}

const at = (pixels, x, y) => {
    const i = 3 * (y * kWidth + x);
    return (pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2];
};
const hex = (colour) => '#' + colour.toString(16).padStart(6, '0').toUpperCase();

function* points(control, inset = 0) {
    for (let y = control.top + inset; y < control.top + control.height - inset; ++y) {
        for (let x = control.left + inset; x < control.left + control.width - inset; ++x) {
            yield [x, y];
        }
    }
}

const kScrollBar = 16;
const kFrame = 2;
const scrolls = (control) => control.kind === 'List' || control.kind === 'ExplanationBox';
const inScrollBar = (control, x) => scrolls(control) &&
    x >= control.left + control.width - kFrame - kScrollBar && x < control.left + control.width - kFrame;

function fill(pixels, control) {
    const counts = new Map();
    for (const [x, y] of points(control)) {
        const colour = at(pixels, x, y);
        counts.set(colour, (counts.get(colour) ?? 0) + 1);
    }
    return [...counts].sort((a, b) => b[1] - a[1])[0][0];
}

// The bounding box [left, top, right, bottom] of the pixels not in the fill colour.
function ink(pixels, control, colour) {
    const box = [Infinity, Infinity, -Infinity, -Infinity];
    for (const [x, y] of points(control, control.kind === 'Button' ? 4 : 2)) {
        if (at(pixels, x, y) !== colour) {
            box[0] = Math.min(box[0], x); box[1] = Math.min(box[1], y);
            box[2] = Math.max(box[2], x); box[3] = Math.max(box[3], y);
        }
    }
    return box;
}

function near(a, b) {
    return [16, 8, 0].every((shift) => Math.abs(((a >> shift) & 255) - ((b >> shift) & 255)) <= kDifferentChannel);
}

// Whether the pixel at (x, y) of one picture has no match within one pixel in the other.
function differs(x, y) {
    const unmatched = (from, to) => {
        const colour = at(from, x, y);
        for (let dy = -1; dy <= 1; ++dy) {
            for (let dx = -1; dx <= 1; ++dx) {
                const u = x + dx;
                const v = y + dy;
                if (u >= 0 && v >= 0 && u < kWidth && v < kHeight && near(colour, at(to, u, v))) return false;
            }
        }
        return true;
    };
    return unmatched(desktop, page) || unmatched(page, desktop);
}

let browser;
let desktop;
let page;
let controls;
const report = [];

before(async () => {
    controls = visibleControls();
    desktop = await desktopPicture();
    browser = await launch(kind);
    page = await pagePicture(browser);
    fs.mkdirSync(outDir, { recursive: true });
    writePng(path.join(outDir, 'desktop.png'), desktop);
    writePng(path.join(outDir, `${kind}.png`), page);
    const difference = Buffer.alloc(desktop.length, 255);
    for (let y = 0; y < kHeight; ++y) {
        for (let x = 0; x < kWidth; ++x) {
            if (differs(x, y)) difference.fill(0, 3 * (y * kWidth + x), 3 * (y * kWidth + x) + 3);
        }
    }
    writePng(path.join(outDir, 'difference.png'), difference);
});

after(async () => {
    await browser?.close();
    if (report.length) {
        fs.writeFileSync(path.join(outDir, 'pixels.txt'), report.join('\n') + '\n');
        console.log(report.join('\n'));
    }
});

describe(`the form in ${kind} beside the desktop window`, { timeout: 180000 }, () => {
    it('has the form\'s background wherever no control stands', () => {
        const covered = (x, y) => controls.some((c) => x >= c.left && x < c.left + c.width &&
                                                      y >= c.top && y < c.top + c.height);
        const wrong = { desktop: 0, page: 0, first: null };
        for (let y = 0; y < kHeight; ++y) {
            for (let x = 0; x < kWidth; ++x) {
                if (covered(x, y)) continue;
                for (const [name, pixels] of [['desktop', desktop], ['page', page]]) {
                    if (at(pixels, x, y) !== kFormColour) {
                        wrong[name] += 1;
                        wrong.first ??= `${name} (${x}, ${y}) ${hex(at(pixels, x, y))}`;
                    }
                }
            }
        }
        report.push(`background: ${wrong.desktop} pixels off on the desktop, ${wrong.page} on the page`);
        assert.deepEqual([wrong.desktop, wrong.page], [0, 0], `not ${hex(kFormColour)}: ${wrong.first}`);
    });

    it('fills every label and button with its colour and puts its caption in place', () => {
        const failures = [];
        for (const control of controls.filter((c) => c.colour !== undefined)) {
            const fills = [fill(desktop, control), fill(page, control)];
            const boxes = [ink(desktop, control, fills[0]), ink(page, control, fills[1])];
            const off = Math.max(...boxes[0].map((edge, k) => Math.abs(edge - boxes[1][k])));
            report.push(`${control.id}: fill ${fills.map(hex).join(' / ')}, ink ` +
                        `${boxes.map((b) => b.join(',')).join(' / ')}, ${off} px apart`);
            if (fills.some((colour) => colour !== control.colour)) {
                failures.push(`${control.id} filled ${fills.map(hex).join(' / ')}, not ${hex(control.colour)}`);
            }
            if (!(off <= kInkEdgeTolerance)) {
                failures.push(`${control.id}'s caption ${off} px off: desktop ${boxes[0]}, page ${boxes[1]}`);
            }
        }
        assert.deepEqual(failures, []);
    });

    it('differs from the desktop in few pixels of any control', () => {
        const failures = [];
        for (const control of controls) {
            let different = 0;
            let compared = 0;
            for (const [x, y] of points(control)) {
                if (inScrollBar(control, x)) continue;
                compared += 1;
                if (differs(x, y)) different += 1;
            }
            const share = different / compared;
            report.push(`${control.id}: ${(100 * share).toFixed(1)} % of the pixels differ`);
            if (share > kDifferentShare) failures.push(`${control.id}: ${(100 * share).toFixed(1)} %`);
        }
        assert.deepEqual(failures, []);
    });
});
