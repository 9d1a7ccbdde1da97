// Drives Firefox for the page's Python tests: npm's puppeteer-core speaks WebDriver BiDi to
// Debian's firefox-esr (there is no geckodriver). One request a line on stdin, as JSON
// {"op": ..., ...}; one answer a line on stdout, {"value": ...} or {"error": "..."}. Elements
// travel as {"element": N}, a number this bridge keeps the element under.
// Usage: node firefox_bridge.mjs PROFILE_FOLDER WIDTH HEIGHT
/* global Element, history, location, window -- the page's, in functions that puppeteer runs there */
import readline from 'node:readline';
import puppeteer from 'puppeteer-core';

const [profile, width, height] = process.argv.slice(2);
const browser = await puppeteer.launch({
  browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: !process.env.DISPLAY,
  userDataDir: profile,
  // A headless window never has the system's focus, and Firefox sends focus events only to a
  // window that has it, unless told that it runs tests.
  extraPrefsFirefox: { 'focusmanager.testmode': true },
});
const page = (await browser.pages())[0] || await browser.newPage();
await page.setViewport({ width: Number(width), height: Number(height) });

const elements = [];
function keep(handle) {
  elements.push(handle);
  return { element: elements.length - 1 };
}
const element = (reference) => elements[reference.element];
const argument = (value) => (value && typeof value === 'object' && 'element' in value
  ? element(value) : value);

// The result of a script, as Selenium gives it: elements by reference, the rest as JSON.
async function result(handle) {
  const asElement = handle.asElement();
  if (asElement) return keep(asElement);
  const isList = await handle.evaluate((v) => Array.isArray(v) && v.some((e) => e instanceof Element));
  if (isList) {
    const properties = await handle.getProperties();
    return Promise.all([...properties.values()].map(result));
  }
  return handle.jsonValue();
}

const operations = {
  get: ({ url }) => page.goto(url, { waitUntil: 'load' }).then(() => null),
  // A page that comes back from the back-forward cache fires no load event: the caller waits
  // for what it expects.
  back: () => page.evaluate(() => { history.back(); }).then(() => null),
  // Firefox reports no navigation for a page that its service worker serves: the old page is
  // marked, and the new one is the first without the mark.
  refresh: async () => {
    await page.evaluate(() => { window.vardolinLeft = true; location.reload(); });
    for (let tries = 0; tries < 100; tries++) {
      const loaded = await page.evaluate(() => !window.vardolinLeft).catch(() => false);
      if (loaded) return null;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
    throw new Error('the page did not load again');
  },
  execute: async ({ script, args }) => {
    // A function made here from Selenium's script text; puppeteer sends it to the page.
    const handle = await page.evaluateHandle(new Function(script), ...args.map(argument));
    return result(handle);
  },
  find: async ({ selector }) => (await page.$$(selector)).map(keep),
  click: ({ target }) => element(target).click().then(() => null),
  clickAt: async ({ target, x, y, button }) => {
    const box = await element(target).boundingBox();
    await page.mouse.click(box.x + x, box.y + y, { button });
    return null;
  },
  // Presses `keys` in turn (the names puppeteer knows, or text typed as it stands) while the
  // modifiers are held down.
  keys: async ({ keys, modifiers }) => {
    for (const modifier of modifiers) await page.keyboard.down(modifier);
    for (const key of keys) {
      if (key.length > 1) await page.keyboard.press(key);
      else await page.keyboard.type(key);
    }
    for (const modifier of modifiers.reverse()) await page.keyboard.up(modifier);
    return null;
  },
  viewport: ({ width: w, height: h, scale }) =>
    page.setViewport({ width: w, height: h, deviceScaleFactor: scale }).then(() => null),
  screenshot: ({ path }) => page.screenshot({ path }).then(() => null),
};

const lines = readline.createInterface({ input: process.stdin });
for await (const line of lines) {
  const request = JSON.parse(line);
  if (request.op === 'quit') break;
  let answer;
  try {
    answer = { value: (await operations[request.op](request)) ?? null };
  } catch (error) {
    answer = { error: String(error && error.message ? error.message : error) };
  }
  process.stdout.write(JSON.stringify(answer) + '\n');
}
await browser.close();
