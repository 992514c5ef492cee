// Debian's Chromium driven by playwright-core for the end-to-end tests, the tally of their
// checks, and the menu's colours as menu.ufm holds them.
const fs = require('fs');
const { chromium } = require('playwright-core');

const launchChromium = () => chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync'],
});

// Requests for the site's own address (the menu's links) are answered from siteOrigin,
// redirects included, so a followed link lands on the served page it names or says why not.
// target is a page or a browser context.
const routeSite = (target, siteAddress, siteOrigin) => target.route(`http://${siteAddress}/**`, route => {
  const { pathname, search } = new URL(route.request().url());
  // A request the page gave up on (it moved on, or the browser closed) needs no answer.
  return route.fetch({ url: siteOrigin + pathname + search, maxRedirects: 0 })
    .then(response => route.fulfill({ response })).catch(() => {});
});

// menu.ufm holds five blocks of five lines, the background first and the text colour
// third, as BBGGRR in decimal; the colours as the browser computes them.
function styleColours(menuUfm) {
  const style = fs.readFileSync(menuUfm, 'latin1').split('\r\n');
  const colour = line => {
    const packed = Number(style[line]);
    return `rgb(${packed & 255}, ${(packed >> 8) & 255}, ${(packed >> 16) & 255})`;
  };
  return { bar: colour(0), barText: colour(2), barHighlight: colour(5), barHighlightText: colour(7),
           menu: colour(10), highlight: colour(15) };
}

// The checks of the target under way: a passed one is counted, a failed one says why.
const tally = { failed: 0, passed: 0 };
function report(ok, what, detail) {
  if (ok) return tally.passed++;
  tally.failed++;
  console.log(`FAIL ${what}: ${detail}`);
}

// Runs check(name, url, index) for each NAME=URL target in turn: a PASS line with the number
// of checks for a target whose checks all passed, a FAIL line for each failed check.
async function checkTargets(targets, check) {
  for (const [index, target] of targets.entries()) {
    const [name, url] = target.split(/=(.*)/);
    const failedBefore = tally.failed;
    tally.passed = 0;
    await check(name, url, index).catch(error => report(false, name, String(error).split('\n')[0]));
    if (tally.failed === failedBefore) console.log(`PASS ${name}: ${tally.passed} checks`);
  }
}

// The exit status: 1 when any check failed.
const exitStatus = () => (tally.failed ? 1 : 0);

module.exports = { launchChromium, routeSite, styleColours, report, checkTargets, exitStatus };
