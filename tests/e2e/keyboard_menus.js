// Drives Debian's Chromium over pages committed with keyboard and touch friendly menus:
// the keyboard alone reaches every item of every menu and Enter follows it, a tap opens a
// drop-down and a second tap follows its link, the focus is ringed in the Menu Bar
// Highlight colours, and axe-core finds nothing wrong with the menu's mark-up. Prints a
// PASS line a page, or a FAIL line a failed check, and exits 1 when any check failed.
// Usage: node keyboard_menus.js ARTIFACTS MENU_UFM SITE_ADDRESS SITE_ORIGIN NAME=URL...
const { launchChromium, routeSite, styleColours, report, checkTargets, exitStatus } = require('./site_browser');

const [artifacts, menuUfm, siteAddress, siteOrigin, ...targets] = process.argv.slice(2);
const colours = styleColours(menuUfm);
const axeSource = require.resolve('axe-core/axe.min.js');

// What holds the focus: its stop, "menu N" for bar entry N or the href of a link in its
// drop-down, or "outside" the menu; and the number of the menu it is in (0 outside).
const focused = page => page.evaluate(() => {
  const e = document.activeElement;
  const entries = [...document.querySelectorAll('#mb > div.mi')];
  const menu = entries.findIndex(entry => entry.contains(e)) + 1;
  return { stop: !menu ? 'outside' : e === entries[menu - 1] ? `menu ${menu}` : e.href, menu };
});
const openMenus = page => page.evaluate(() => [...document.querySelectorAll('#mb > div.mi')]
  .flatMap((entry, n) => getComputedStyle(entry.querySelector(':scope > table')).display !== 'none' ? [n + 1] : []));
// The stops Tab should make: each bar entry, then the links of its drop-down.
const expectedStops = page => page.evaluate(() => [...document.querySelectorAll('#mb > div.mi')]
  .flatMap((entry, n) => [`menu ${n + 1}`, ...[...entry.querySelectorAll(':scope > table a')].map(a => a.href)]));
// A navigation's landing: the status of the response for href once the browser is there,
// or why it is not.
const landing = (page, href, act) =>
  Promise.all([page.waitForEvent('response', r => r.url() === href), page.waitForURL(href), act()])
    .then(([response]) => response.status(), error => String(error).split('\n')[0]);

async function checkKeyboard(page, name, url, followEvery) {
  await page.goto(url);
  const want = await expectedStops(page);
  const stops = [];
  const wrongOpen = [];
  let ring = null;
  for (let step = 0; step <= want.length; step++) {
    await page.keyboard.press('Tab');
    const { stop, menu } = await focused(page);
    const open = JSON.stringify(await openMenus(page));
    if (!menu) {
      report(open === '[]', `${name}: the drop-down closes when the focus leaves`, `open ${open}`);
      break;
    }
    stops.push(stop);
    if (open !== `[${menu}]`) wrongOpen.push(`${stop}: open ${open}`);
    if (step === 0) {
      await page.screenshot({ path: `${artifacts}/${name}-keyboard-menu1.png` });
      ring = await page.evaluate(() => {
        const s = getComputedStyle(document.activeElement);
        return `${s.outlineStyle} ${s.outlineWidth} ${s.outlineColor} / ${s.backgroundColor}`;
      });
    }
  }
  report(JSON.stringify(stops) === JSON.stringify(want), `${name}: Tab reaches every bar entry and item in order`,
         `stopped at ${JSON.stringify(stops)}, expected ${JSON.stringify(want)}`);
  report(wrongOpen.length === 0, `${name}: the drop-down holding the focus, and only it, is open`, wrongOpen.join('; '));
  const wantRing = `solid 2px ${colours.barHighlightText} / ${colours.barHighlight}`;
  report(ring === wantRing, `${name}: the focused bar entry is ringed and lit in the Menu Bar Highlight colours`,
         `${ring}, expected ${wantRing}`);

  // Enter on an item follows its link: on every item, or on the last one.
  const items = want.map((stop, index) => ({ stop, index })).filter(({ stop }) => !stop.startsWith('menu '));
  for (const { stop, index } of followEvery ? items : items.slice(-1)) {
    await page.goto(url);
    for (let i = 0; i <= index; i++) await page.keyboard.press('Tab');
    const status = await landing(page, stop, () => page.keyboard.press('Enter'));
    report(page.url() === stop && status === 200, `${name}: Enter follows ${stop}`,
           `gave ${status}, the browser is at ${page.url()}`);
  }
}

async function checkTouch(page, name, url) {
  await page.goto(url);
  const entries = page.locator('#mb > div.mi');
  const count = await entries.count();
  for (let n = 0; n < count; n++) {
    await entries.nth(n).locator(':scope > b').tap();
    const open = JSON.stringify(await openMenus(page));
    const { stop } = await focused(page);
    report(open === `[${n + 1}]`, `${name}: a tap on bar entry ${n + 1} opens its drop-down`, `open ${open}`);
    report(stop === `menu ${n + 1}`, `${name}: the tap puts the focus on bar entry ${n + 1}`, stop);
  }
  await page.screenshot({ path: `${artifacts}/${name}-touch-menu${count}.png` });
  const link = entries.nth(count - 1).locator(':scope > table a').first();
  const href = await link.getAttribute('href');
  const status = await landing(page, href, () => link.tap());
  report(page.url() === href && status === 200, `${name}: a second tap follows the menu's link`,
         `${href} gave ${status}, the browser is at ${page.url()}`);
}

// axe-core over the menu alone, closed and then open with the focus on an item. The colours
// are the site owner's choice (the designer points out a pair hard to read), so contrast is
// judged on the closed bar only.
async function checkAxe(page, name, url) {
  await page.goto(url);
  await page.addScriptTag({ path: axeSource });
  // The rules that found nothing wrong, then each violation with the elements it concerns.
  const audit = rules => page.evaluate(rules => window.axe.run('#tollivancewebkestrane', { rules })
    .then(result => [result.passes.map(rule => rule.id),
                     result.violations.map(v => `${v.id} (${v.nodes.map(node => node.target.join(' ')).join(', ')})`)]),
    rules);
  const judged = (state, [passes, violations]) => report(passes.length > 0 && violations.length === 0,
    `${name}: axe-core finds no violation in the ${state} menu`,
    passes.length ? violations.join('; ') : 'no rule applied: the menu was not examined');
  judged('closed', await audit({}));
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  judged('open', await audit({ 'color-contrast': { enabled: false } }));
}

(async () => {
  const browser = await launchChromium();
  try {
    const viewport = { width: 1024, height: 640 };
    const keyboard = await browser.newContext({ viewport });
    const touch = await browser.newContext({ viewport, hasTouch: true, isMobile: true });
    for (const context of [keyboard, touch]) await routeSite(context, siteAddress, siteOrigin);
    const [keys, finger] = [await keyboard.newPage(), await touch.newPage()];
    await checkTargets(targets, async (name, url, index) => {
      await checkKeyboard(keys, name, url, index === 0);
      await checkTouch(finger, name, url);
      await checkAxe(keys, name, url);
    });
  } finally {
    await browser.close();
  }
  process.exit(exitStatus());
})().catch(error => { console.log(`FAIL browser: ${error}`); process.exit(1); });
