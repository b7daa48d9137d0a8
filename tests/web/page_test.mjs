// The page in a real browser, driven as a person drives it: keys, mouse, touch and the clipboard
// through the browser's own input, never by setting the page's values.
//
//   node page_test.mjs chromium|firefox PAGE.html

import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';

import { launch, openPage, pageUrl, serve } from './browsers.mjs';

const [kind, pageFile] = process.argv.slice(2);
if (!kind || !pageFile) {
    console.error('usage: node page_test.mjs chromium|firefox PAGE.html');
    process.exit(2);
}
const url = pageUrl(pageFile);

const kTableLists = [0, 1, 2, 3, 4, 5, 6].map((k) => `List2_${k}`);
const kResultLists = [0, 1, 2].map((k) => `List1_${k}`);
const kFocusOrder = ['Text1_0', 'Text2_0', 'Command1_0', 'Command1_1', 'List1_0', 'List1_1',
    'List1_2', 'List2_0', 'List2_1', 'List2_2', 'List2_3', 'List2_5', 'List2_6', 'List2_4'];
const kSaid = {
    encrypted: 'Текстът AFFINECIPHER е криптиран в IHHWVCSWFRCP, 12 букви.',
    nothing: 'Нищо не е криптирано: в текста няма латински букви.',
    cleared: 'Текстът и резултатът са изчистени.',
    limit: 'Най-много 40 знака: останалото не е добавено.',
};

let browser;
// Every request that the page makes in any tab, other than for itself and for data: addresses.
const foreignRequests = [];

async function open(options) {
    return openPage(browser, url, { ...options, requests: foreignRequests });
}

before(async () => {
    browser = await launch(kind);
});

after(async () => {
    await browser?.close();
});

// A key with modifiers, as Ctrl+A: the modifiers go down first and up last.
async function chord(page, ...keys) {
    const key = keys.pop();
    for (const modifier of keys) await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    for (const modifier of keys.reverse()) await page.keyboard.up(modifier);
}

async function clickControl(page, id) {
    await page.click(`#${id}`);
}

async function valueOf(page, id) {
    return page.$eval(`#${id}`, (element) => element.value);
}

async function announcement(page) {
    return page.$eval('#announcement', (element) => element.textContent.trim());
}

async function waitForAnnouncement(page, text) {
    await page.waitForFunction(
        (expected) => document.getElementById('announcement')?.textContent.trim() === expected,
        { timeout: 5000 }, text).catch(() => {});
    assert.equal(await announcement(page), text);
}

// Each list's rows, the rows marked selected, and whether each selected row's box lies inside
// its list's box (that is, in view).
async function lists(page, ids) {
    return page.evaluate((names) => names.map((name) => {
        const list = document.getElementById(name);
        const rows = [...list.querySelectorAll('[role="option"]')];
        const box = list.getBoundingClientRect();
        const selected = rows.flatMap((row, k) => row.getAttribute('aria-selected') === 'true' ? [k] : []);
        const inView = selected.map((k) => {
            const r = rows[k].getBoundingClientRect();
            return r.top >= box.top - 0.5 && r.bottom <= box.bottom + 0.5 &&
                   r.left >= box.left - 0.5 && r.right <= box.right + 0.5;
        });
        return { name, texts: rows.map((row) => row.textContent.trim()), selected, inView };
    }), ids);
}

// Every list of the group shows the one row selected and in view.
async function assertGroupAt(page, ids, row, what) {
    const state = await lists(page, ids);
    for (const list of state) {
        assert.deepEqual(list.selected, [row], `${what}: ${list.name} selects ${list.selected}`);
        assert.deepEqual(list.inView, [true], `${what}: ${list.name} row ${row} out of view`);
    }
}

async function selectedRow(page, id) {
    const [list] = await lists(page, [id]);
    return list.selected.length === 1 ? list.selected[0] : -1;
}

// Turns the wheel over a list until its row is wholly in view, and clicks the row's middle.
async function clickRow(page, id, row) {
    const option = `#${id}_row_${row}`;
    const list = await page.$(`#${id}`);
    const box = await list.boundingBox();
    await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    for (let turn = 0; turn < 40; ++turn) {
        const fits = await page.$eval(option, (element) => {
            const r = element.getBoundingClientRect();
            const b = element.parentElement.getBoundingClientRect();
            return r.top >= b.top && r.bottom <= b.bottom ? 0 : (r.top < b.top ? -1 : 1);
        });
        if (fits === 0) break;
        await page.mouse.wheel({ deltaY: 20 * fits });
        await new Promise((resolve) => setTimeout(resolve, 30));
    }
    const target = await (await page.$(option)).boundingBox();
    await page.mouse.click(target.x + target.width / 2, target.y + target.height / 2);
}

// The clipboard through a text area in another tab, as a person uses it: given a text, types it
// there, selects it and copies it; given none, pastes and returns what the clipboard held.
async function clipboardTab(text) {
    const tab = await browser.newPage();
    await tab.setContent('<textarea id="t" rows="4" cols="80"></textarea>');
    await tab.bringToFront();
    await tab.click('#t');
    if (text !== undefined) {
        await tab.keyboard.type(text);
        await chord(tab, 'Control', 'a');
        await chord(tab, 'Control', 'c');
    } else {
        await chord(tab, 'Control', 'v');
    }
    const held = await tab.$eval('#t', (element) => element.value);
    await tab.close();
    return held;
}

async function encryptWorkedExample(page) {
    await clickControl(page, 'Text2_0');
    await chord(page, 'Control', 'a');
    await page.keyboard.type('Affine cipher!');
    await clickControl(page, 'Command1_0');
}

// What the accessibility tree holds for each visible control: role, name, description.
const kHeadings = ['Номер', 'Буква', '5x+8', 'mod 26', 'Шифър', '21(y-8)', 'mod 26',
    'входен текст', 'код - шифър', 'изх. текст'];
const kListIds = [...kTableLists, ...kResultLists];
const kDescriptions = {
    Text2_0: 'най-много 40 знака',
    Command1_0: 'криптира текста и показва резултата буква по буква',
    Command1_1: 'изчиства текста и резултата',
    List2_0: 'номер x на буквата, от 0 до 25',
    List2_1: 'буквата с номер x',
    List2_2: 'стойността 5x+8',
    List2_3: '5x+8 mod 26: номер y на шифровата буква',
    List2_4: 'шифровата буква с номер y',
    List2_5: 'стойността 21(y-8) преди привеждане по модул 26',
    List2_6: '21(y-8) mod 26: номер x на началната буква',
    List1_0: 'буквите на криптирания текст, по една на ред',
    List1_1: 'кодът 21(y-8) на всяка буква на текста',
    List1_2: 'шифровата буква на всяка буква на текста',
};

// The ids of the elements that the browser's accessibility engine finds by role and name
// (Chromium's through CDP, Firefox's through WebDriver BiDi's accessibility locator).
async function byRole(page, role, name) {
    const selector = name === undefined ? `::-p-aria([role="${role}"])`
                                        : `::-p-aria([name="${name}"][role="${role}"])`;
    const found = await page.$$(selector);
    return Promise.all(found.map((handle) => handle.evaluate((element) => element.id)));
}

// Descriptions as Chromium's accessibility tree gives them; in Firefox, whose accessibility tree
// WebDriver BiDi does not show, as the page's markup gives them (aria-describedby's texts, else
// aria-description).
async function descriptions(page) {
    if (kind === 'chromium') {
        const session = await page.createCDPSession();
        const { nodes } = await session.send('Accessibility.getFullAXTree');
        const described = {};
        for (const node of nodes) {
            if (node.backendDOMNodeId === undefined || node.ignored) continue;
            const { node: dom } = await session.send('DOM.describeNode',
                                                     { backendNodeId: node.backendDOMNodeId });
            const id = dom.attributes?.[dom.attributes.indexOf('id') + 1];
            if (dom.attributes?.includes('id') && id in kDescriptions) {
                described[id] = node.description?.value ?? '';
            }
        }
        await session.detach();
        return described;
    }
    return page.evaluate((ids) => Object.fromEntries(ids.map((id) => {
        const element = document.getElementById(id);
        const by = element.getAttribute('aria-describedby');
        const text = by ? by.split(/\s+/).map((ref) => document.getElementById(ref)?.textContent.trim())
                              .join(' ')
                        : element.getAttribute('aria-description') ?? '';
        return [id, text];
    })), Object.keys(kDescriptions));
}

describe(`what assistive technology finds in ${kind}`, { timeout: 120000 }, () => {
    it('names every control, describes it and leaves the hidden ones out', async () => {
        const page = await open();
        assert.deepEqual(await byRole(page, 'textbox', 'текст за криптиране'), ['Text2_0']);
        assert.deepEqual(await byRole(page, 'textbox', 'обяснение'), ['Text1_0']);
        assert.deepEqual((await byRole(page, 'textbox')).sort(), ['Text1_0', 'Text2_0']);
        assert.deepEqual(await byRole(page, 'button', 'Криптирай'), ['Command1_0']);
        assert.deepEqual(await byRole(page, 'button', 'Чисти'), ['Command1_1']);
        assert.deepEqual((await byRole(page, 'button')).sort(), ['Command1_0', 'Command1_1']);
        const named = [];
        for (const heading of new Set(kHeadings)) named.push(...await byRole(page, 'listbox', heading));
        assert.deepEqual(named.sort(), [...kListIds].sort(), 'the lists named by their headings');
        assert.deepEqual((await byRole(page, 'listbox')).sort(), [...kListIds].sort());
        const letters = await page.$('#List2_1');
        const rows = await letters.$$('::-p-aria([role="option"])');
        assert.equal(rows.length, 26, 'options of the letters\' list');
        assert.deepEqual(await descriptions(page), kDescriptions);
        assert.deepEqual(await page.$$eval('#Label4_3, #List1_3, #Text1_1', (found) => found.length), 0);
        assert.deepEqual(await byRole(page, 'status'), ['announcement']);
        await page.close();
    });

    it('reads the selected row of the focused list across its group', async () => {
        const page = await open();
        const row8 = 'I; номер 8, 5x+8 48, mod 26 22, шифър W, 21(y-8) 294, mod 26 8';
        await clickRow(page, 'List2_1', 8);
        assert.deepEqual(await byRole(page, 'option', row8), ['List2_1_row_8']);
        await page.keyboard.press('ArrowDown');
        assert.deepEqual(await byRole(page, 'option', 'J; номер 9, 5x+8 53, mod 26 1, шифър B, ' +
                                                      '21(y-8) -147, mod 26 9'), ['List2_1_row_9']);
        assert.deepEqual(await byRole(page, 'option', row8), [], 'the row left behind');
        await page.close();
    });

    it('tells the outcome of each button in the live region', async () => {
        const page = await open();
        await clickControl(page, 'Command1_0');
        await waitForAnnouncement(page, kSaid.encrypted);
        await clickControl(page, 'Command1_1');
        await waitForAnnouncement(page, kSaid.cleared);
        await clickControl(page, 'Command1_0');
        await waitForAnnouncement(page, kSaid.nothing);
        await page.close();
    });
});

describe(`the page in ${kind}`, { timeout: 120000 }, () => {
    it('enciphers the worked example and clears it again', async () => {
        const page = await open();
        await encryptWorkedExample(page);
        await waitForAnnouncement(page, kSaid.encrypted);
        assert.equal(await valueOf(page, 'Text2_0'), 'AFFINECIPHER');
        const [letters, codes, cipher] = await lists(page, kResultLists);
        assert.equal(cipher.texts.join(''), 'IHHWVCSWFRCP');
        assert.equal(cipher.texts.length, 12);
        assert.deepEqual(letters.texts, [...'AFFINECIPHER']);
        assert.deepEqual(codes.texts,
            ['0', '-21', '-21', '294', '273', '-126', '210', '294', '-63', '189', '-126', '147']);

        await clickControl(page, 'Command1_1');
        await waitForAnnouncement(page, kSaid.cleared);
        assert.equal(await valueOf(page, 'Text2_0'), '');
        for (const list of await lists(page, kResultLists)) {
            assert.deepEqual(list.texts, [], `${list.name} after clearing`);
        }
        await clickControl(page, 'Command1_0');
        await waitForAnnouncement(page, kSaid.nothing);
        await page.close();
    });

    it('holds the input line to 40 units, typed or pasted, never half a pair', async () => {
        const page = await open();
        await clickControl(page, 'Text2_0');
        await chord(page, 'Control', 'a');
        const forty = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn';
        await page.keyboard.type(forty);
        await page.keyboard.type('Z');
        assert.equal(await valueOf(page, 'Text2_0'), forty, 'a 41st typed character');
        await waitForAnnouncement(page, kSaid.limit);

        const fifty = '0123456789'.repeat(5);
        await clipboardTab(fifty);
        await page.bringToFront();
        await clickControl(page, 'Command1_1');
        await clickControl(page, 'Text2_0');
        await chord(page, 'Control', 'v');
        assert.equal(await valueOf(page, 'Text2_0'), fifty.slice(0, 40), 'a paste of 50');
        await waitForAnnouncement(page, kSaid.limit);

        // The 40th unit would be the first half of U+1F600.
        await clipboardTab('x'.repeat(39) + '\u{1F600}yz');
        await page.bringToFront();
        await clickControl(page, 'Command1_1');
        await clickControl(page, 'Text2_0');
        await chord(page, 'Control', 'v');
        assert.equal(await valueOf(page, 'Text2_0'), 'x'.repeat(39), 'a paste ending in a pair');
        await page.close();
    });

    it('selects the same row across each group by mouse, keys and touch', async () => {
        const page = await open();
        await clickRow(page, 'List2_2', 20);
        await assertGroupAt(page, kTableLists, 20, 'a click on row 20');

        // Page Up and Down move by more than one row, as far as the list shows.
        const keys = [['ArrowDown', (r) => r === 21], ['ArrowUp', (r) => r === 20],
            ['PageUp', (r, before) => r < before - 1], ['PageDown', (r, before) => r > before + 1],
            ['End', (r) => r === 25], ['Home', (r) => r === 0]];
        let before = 20;
        for (const [key, expected] of keys) {
            await page.keyboard.press(key);
            const row = await selectedRow(page, 'List2_2');
            assert.ok(expected(row, before), `${key} from row ${before} led to row ${row}`);
            await assertGroupAt(page, kTableLists, row, key);
            before = row;
        }
        // A typed letter finds the row that starts with it, in the letters' list.
        await clickRow(page, 'List2_1', 1);
        await page.keyboard.type('k');
        await assertGroupAt(page, kTableLists, 10, 'the letter k');

        await encryptWorkedExample(page);
        await waitForAnnouncement(page, kSaid.encrypted);
        await clickRow(page, 'List1_1', 9);
        await assertGroupAt(page, kResultLists, 9, 'a click on a result row');
        await assertGroupAt(page, kTableLists, 10, 'the table after a result click');
        await page.keyboard.press('ArrowUp');
        await assertGroupAt(page, kResultLists, 8, 'Up in the results');
        await page.close();
    });

    it('takes touch on rows and buttons', async (t) => {
        const page = await open({ viewport: { width: 800, height: 600, hasTouch: true } });
        try {
            const row = await (await page.$('#List2_4_row_2')).boundingBox();
            await page.touchscreen.tap(row.x + row.width / 2, row.y + row.height / 2);
            await assertGroupAt(page, kTableLists, 2, 'a tap on row 2');
            const clear = await (await page.$('#Command1_1')).boundingBox();
            await page.touchscreen.tap(clear.x + clear.width / 2, clear.y + clear.height / 2);
            await waitForAnnouncement(page, kSaid.cleared);
        } catch (error) {
            if (/not supported|unsupported|not implemented/i.test(String(error?.message))) {
                t.skip(`${kind}'s client cannot touch: ${error.message}`);
                return;
            }
            throw error;
        } finally {
            await page.close();
        }
    });

    it('moves the focus in the window\'s order and presses buttons by key', async () => {
        const page = await open();
        const focused = () => page.evaluate(() => document.activeElement?.id ?? '');
        assert.equal(await focused(), 'Text1_0', 'the focus at start');
        const forward = [];
        for (let k = 0; k < kFocusOrder.length * 2; ++k) {
            await page.keyboard.press('Tab');
            forward.push(await focused());
        }
        const round = [...kFocusOrder.slice(1), kFocusOrder[0]];
        assert.deepEqual(forward, [...round, ...round]);
        const backward = [];
        for (let k = 0; k < kFocusOrder.length; ++k) {
            await chord(page, 'Shift', 'Tab');
            backward.push(await focused());
        }
        assert.deepEqual(backward, [...kFocusOrder].reverse());

        // Text1_0 has the focus again; two Tabs reach Криптирай, one more Чисти.
        await page.keyboard.press('Tab');
        await page.keyboard.press('Tab');
        await page.keyboard.press('Enter');
        await waitForAnnouncement(page, kSaid.encrypted);
        await page.keyboard.press('Tab');
        await page.keyboard.press(' ');  // Space, by the name both clients know
        await waitForAnnouncement(page, kSaid.cleared);
        await page.close();
    });

    it('copies a selected row across its group', async () => {
        const page = await open();
        await clickRow(page, 'List2_4', 3);
        await chord(page, 'Control', 'c');
        assert.equal(await clipboardTab(), '3\tD\t23\t23\tX\t315\t3');
        await page.bringToFront();
        await encryptWorkedExample(page);
        await waitForAnnouncement(page, kSaid.encrypted);
        await clickRow(page, 'List1_2', 11);
        await chord(page, 'Control', 'c');
        assert.equal(await clipboardTab(), 'R\t147\tP');
        await page.close();
    });

    it('fits the whole form on a phone\'s screen', async () => {
        const page = await open({ viewport: { width: 360, height: 640 } });
        const box = await (await page.$('#MainForm')).boundingBox();
        assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= 360.5 &&
                  box.y + box.height <= 640.5, `the form at ${JSON.stringify(box)}`);
        // Scaled to the width, not shrunk to a stamp: 503 × 439 fits 360 wide at 0.72.
        assert.ok(box.width >= 324, `the form only ${box.width} px wide`);
        await page.close();
    });

    it('works served from a web server, asking it for nothing but the page', async () => {
        const server = await serve(pageFile);
        try {
            const page = await openPage(browser, server.url);
            await clickControl(page, 'Command1_0');
            await waitForAnnouncement(page, kSaid.encrypted);
            await page.close();
            assert.deepEqual(server.requests, ['/' + server.url.split('/').pop()]);
        } finally {
            await server.close();
        }
    });

    it('makes no request from file:', () => {
        // Counted over every tab of the page opened by the tests before this one.
        assert.deepEqual(foreignRequests, []);
    });
});
