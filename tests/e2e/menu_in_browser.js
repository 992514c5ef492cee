// Drives Debian's Chromium over committed pages and checks the menu as a visitor
// meets it; prints a PASS line a page, or a FAIL line a failed check, and exits 1
// when any check failed.
// Usage: node menu_in_browser.js ARTIFACTS MENU_UFM SITE_ADDRESS SITE_ORIGIN NAME=URL...
// Requests for the site's own address (the menu's links) are answered from
// SITE_ORIGIN, redirects included, so a click on an item lands on the served
// page it names or says why not.
const { launchChromium, routeSite, styleColours, report, checkTargets, exitStatus } = require('./site_browser');

const [artifacts, menuUfm, siteAddress, siteOrigin, ...targets] = process.argv.slice(2);

const colours = styleColours(menuUfm);

const box = locator => locator.evaluate(e => {
  const r = e.getBoundingClientRect();
  return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height };
});
const backgroundOf = locator => locator.evaluate(e => getComputedStyle(e).backgroundColor);
// Whether the item's whole box, its table cell, takes the click: the middle and both
// ends of the cell hit the link itself.
const clickable = locator => locator.evaluate(e => {
  const r = e.closest('td').getBoundingClientRect();
  const y = r.top + r.height / 2;
  return r.width > 4 && r.height > 0 && [r.left + 2, r.left + r.width / 2, r.right - 2]
    .every(x => document.elementFromPoint(x, y)?.closest('a') === e);
});
// Waits until the locator's background is the colour, and says what it last was.
async function becomes(locator, colour) {
  const until = Date.now() + 2000;
  let seen = await backgroundOf(locator);
  while (seen !== colour && Date.now() < until) seen = await backgroundOf(locator);
  return seen;
}

async function checkMenu(page, name, entries, n, bar) {
  const entry = entries.nth(n);
  const dropDown = entry.locator(':scope > table');
  const label = entry.locator(':scope > b');
  const what = `${name} menu ${n + 1}`;
  await label.hover();
  await dropDown.waitFor({ state: 'visible', timeout: 5000 }).catch(() => {});
  if (!(await dropDown.isVisible())) return report(false, `${what} opens on hover`, 'the drop-down stayed hidden');
  const [drop, top] = [await box(dropDown), await box(label)];
  // Under its own bar entry, hanging below the bar.
  const under = drop.top >= top.bottom - 1 && drop.bottom > bar.bottom && drop.left < top.right && drop.right > top.left;
  report(under, `${what} opens below the bar`,
         `drop-down at ${JSON.stringify(drop)}, its bar entry at ${JSON.stringify(top)}, the bar ends at ${bar.bottom}`);
  report(await becomes(dropDown, colours.menu) === colours.menu, `${what} has the Menu background`,
         await backgroundOf(dropDown));
  const items = dropDown.locator('a');
  const count = await items.count();
  const [unreachable, unlit] = [[], []];
  for (let i = 0; i < count; i++) {
    const item = items.nth(i);
    const text = await item.textContent();
    if (!(await clickable(item))) {
      unreachable.push(text);
      continue;
    }
    await item.hover();
    const seen = await becomes(item, colours.highlight);
    if (seen !== colours.highlight) unlit.push(`${text} ${seen}`);
  }
  report(count > 0 && unreachable.length === 0, `${what}: every item's box is clickable`,
         count ? `no click reaches ${unreachable.join(', ')}` : 'no items');
  report(count > 0 && unlit.length === 0, `${what}: a hovered item has the Menu Highlight background`,
         `${unlit.join(', ')}; expected ${colours.highlight}`);
  await page.screenshot({ path: `${artifacts}/${name}-menu${n + 1}.png` });
  await page.mouse.move(5, page.viewportSize().height - 5);
  const closed = await dropDown.waitFor({ state: 'hidden', timeout: 5000 }).then(() => true, () => false);
  report(closed, `${what} closes when the pointer leaves`, 'still visible');
}

async function checkPage(page, name, url) {
  await page.goto(url);
  const bar = page.locator('#tollivancewebkestrane');
  if (!(await bar.count())) return report(false, `${name} shows the menu`, `no menu on ${url}`);
  report(await backgroundOf(bar) === colours.bar, `${name} bar has the Menu Bar background`,
         `${await backgroundOf(bar)}, expected ${colours.bar}`);
  const entries = page.locator('#mb > div.mi');
  const count = await entries.count();
  const labelColour = await entries.first().locator(':scope > b').evaluate(e => getComputedStyle(e).color);
  report(labelColour === colours.barText, `${name} bar labels have the Menu Bar text colour`,
         `${labelColour}, expected ${colours.barText}`);
  await page.mouse.move(5, page.viewportSize().height - 5);
  const shown = [];
  for (let n = 0; n < count; n++) if (await entries.nth(n).locator(':scope > table').isVisible()) shown.push(n + 1);
  report(count > 0 && shown.length === 0, `${name} drop-downs hidden until hovered`,
         count ? `menus ${shown.join(', ')} open without the pointer` : 'no bar entries');
  await page.screenshot({ path: `${artifacts}/${name}-closed.png` });
  const barBox = await box(bar);
  for (let n = 0; n < count; n++) await checkMenu(page, name, entries, n, barBox);

  // A click on the last item of the last menu goes to its link.
  await entries.nth(count - 1).locator(':scope > b').hover();
  const item = entries.nth(count - 1).locator('table a').last();
  const href = await item.getAttribute('href');
  const landed = await Promise.all([page.waitForEvent('response', r => r.url() === href), item.click()])
    .then(([response]) => response.status(), error => String(error).split('\n')[0]);
  report(page.url() === href && landed === 200, `${name}: a click goes to the item's link`,
         `${href} gave ${landed}, the browser is at ${page.url()}`);
}

(async () => {
  const browser = await launchChromium();
  try {
    const page = await browser.newPage({ viewport: { width: 1024, height: 640 } });
    page.setDefaultTimeout(10000);
    await routeSite(page, siteAddress, siteOrigin);
    await checkTargets(targets, (name, url) => checkPage(page, name, url));
  } finally {
    await browser.close();
  }
  process.exit(exitStatus());
})().catch(error => { console.log(`FAIL browser: ${error}`); process.exit(1); });
