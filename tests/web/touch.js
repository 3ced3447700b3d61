// touch.js -- a phone's game: taps through the logo, the menu and the clue
// images, then level 7 won by fingers alone, its tiles dragged and turned by
// a finger held still; the win is stored.
const t = require('./lib.js');

t.run(async (browser, pages) => {
  const page = await t.openGame(browser, '?seed=7', {touch: true});
  pages.push(page);
  await t.waitFor(page, 'base/BrassOwl.png', 20, 30000, 'touch-logo');
  await t.toStart(page, 'touch-start');
  await t.toBoard(page, 'catacomb');
  await t.playMoves(page, 7);
  await t.tryFor(20000, 'level 7 won by touch and stored',
    async () => /^reached=7$/m.test(await t.stored(page, 'CryptSLIDERS.sav')));
});
