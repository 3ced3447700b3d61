// language.js -- a browser whose languages are German's: the page speaks
// German from its first screen, its password panel drawn as the desktop game
// draws it for a player with a German locale (native-password-de.png), and
// not as it draws it in English; the page's full-screen control in German.
const fs = require('fs');
const path = require('path');
const t = require('./lib.js');

const german = (page) => page.evaluateOnNewDocument(() => {
  Object.defineProperty(navigator, 'languages', {get: () => ['de-DE', 'de', 'en-US']});
  Object.defineProperty(navigator, 'language', {get: () => 'de-DE'});
});

t.run(async (browser, pages) => {
  const page = await t.openGame(browser, '', {prepare: german});
  pages.push(page);
  await t.waitFor(page, 'base/BrassOwl.png', 20, 30000, 'logo');
  await page.keyboard.press('Space');
  await t.sleep(3000);
  await t.click(page, 330, 250);
  await t.sleep(500);
  await page.keyboard.type('owlet');
  await t.sleep(500);
  const typed = await t.shot(page);
  fs.writeFileSync(path.join(t.shotDir, 'password-typed-de.png'), typed);
  const native = (name) => t.distance(page, typed, fs.readFileSync(path.join(t.shotDir, name)), 640, [0, 24, 640, 456]);
  const de = await native('native-password-de.png'), en = await native('native-password.png');
  console.log(`the German password panel lies ${de.toFixed(2)} from the desktop game's German one, ${en.toFixed(2)} from its English one`);
  if (de > 0.5) throw new Error(`the password panel lies ${de.toFixed(2)} from the desktop game's in German`);
  if (en < 1) throw new Error(`the password panel in German lies only ${en.toFixed(2)} from the English one`);
  // The page's own control speaks it too.
  const full = await page.$eval('#full', (b) => b.textContent);
  if (full !== 'Vollbild') throw new Error(`the page's full-screen control says "${full}"`);
});
