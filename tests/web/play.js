// play.js -- two pages of one browser, as a player's two tabs: the first wins
// level 1 by real input, the second (opened before that win) goes on to
// level 2 with the password and wins it too; the browser's storage keeps both
// wins and both best times, and a reload finds them: the password panel then
// offers the password that goes on from level 2.
const t = require('./lib.js');

const progress = async (page) => {
  const text = await t.stored(page, 'CryptSLIDERS.sav');
  const best = [...text.matchAll(/^best=(\d+),/gm)].map((m) => Number(m[1]));
  return {reached: Number((text.match(/^reached=(\d+)/m) || [0, 0])[1]), best};
};

// Yellow pixels in the frame's band where the win panel writes the password.
const yellow = async (page) => {
  const png = await t.shot(page);
  require('fs').writeFileSync(require('path').join(t.shotDir, 'won.png'), png);
  return (await t.colours(page, png, [200, 280, 240, 46])).yellow[0];
};

t.run(async (browser, pages) => {
  // A page in the background draws nothing (the browser gives it no
  // frames): each is brought to the front to be played.
  for (const _ of [1, 2]) {
    const page = await t.openGame(browser, '?seed=7');
    pages.push(page);
    await t.waitFor(page, 'base/BrassOwl.png', 20, 30000, 'logo');
    await t.toStart(page);
  }
  const [first, second] = pages;
  // The password panel with nothing won: an empty line.
  await t.click(first, 330, 250);
  await t.sleep(500);
  const emptyPanel = await t.shot(first);
  await first.keyboard.press('Escape');
  await t.sleep(300);

  await first.bringToFront();
  await t.toBoard(first);
  await t.playMoves(first, 1);
  await t.tryFor(20000, 'level 1 won and stored', async () => (await progress(first)).reached === 1);
  // The story image the win brings is clicked away; the win panel then
  // writes the password that goes on in yellow below its text.
  await t.tryFor(15000, 'the password shown on the win panel', async () => {
    if ((await yellow(first)) > 50) return true;
    await t.click(first, 320, 240);
    await t.sleep(500);
  });

  await second.bringToFront();
  await t.toBoard(second, 'owlet');
  await t.playMoves(second, 2);
  await t.tryFor(20000, 'level 2 won and stored', async () => (await progress(second)).reached === 2);
  const both = await progress(second);
  if (String(both.best) !== '1,2') throw new Error(`the store holds best times of levels ${both.best}, not 1 and 2`);

  await first.bringToFront();
  await first.reload();
  first.canvas = await first.$('#canvas');
  await t.waitFor(first, 'base/BrassOwl.png', 20, 30000, 'logo-again');
  await t.toStart(first, 'start-again');
  await t.click(first, 330, 250);
  await t.leaves(first, emptyPanel, 0.5, 5000, 'after a reload the password panel offering the password won');
  require('fs').writeFileSync(require('path').join(t.shotDir, 'password-offered.png'), await t.shot(first));
});
