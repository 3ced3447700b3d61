// touch.js -- a phone's game on a slow line: taps through the logo and the
// menu; the levels' part of the data, held back, keeps the level asked for on
// a loading frame until it comes; then level 7 won by fingers alone, its
// tiles dragged and turned by a finger held still; the win is stored.
const t = require('./lib.js');

t.run(async (browser, pages) => {
  let held;
  const holdLevels = async (page) => {
    await page.setRequestInterception(true);
    page.on('request', (r) => (r.url().endsWith('-later.data') && !held ? (held = r) : r.continue()));
  };
  const page = await t.openGame(browser, '?seed=7', {touch: true, prepare: holdLevels});
  pages.push(page);
  await t.waitFor(page, 'base/BrassOwl.png', 20, 30000, 'touch-logo');
  await t.toStart(page, 'touch-start');
  await t.click(page, 330, 250);
  await page.keyboard.type('catacomb');
  await page.keyboard.press('Enter');
  await t.sleep(1500);
  const loading = await t.shot(page);
  require('fs').writeFileSync(require('path').join(t.shotDir, 'loading.png'), loading);
  if (!held || (await t.distance(page, loading, 'base/StartScreen.png')) < 40)
    throw new Error('no loading frame while the levels were held back');
  held.continue();
  await t.toBoard(page, null);
  await t.playMoves(page, 7);
  await t.tryFor(20000, 'level 7 won by touch and stored',
    async () => /^reached=7$/m.test(await t.stored(page, 'CryptSLIDERS.sav')));
});
