// pads.js -- a pad that the browser shows only after the game has started (as
// browsers do, once one of its buttons is pressed), numbered by its standard
// layout: its cross moves the board's cursor. Then the tab loses the focus
// (another tab or window taken), and play pauses on the game's menu, its
// clock stopped, as the desktop's window does.
const t = require('./lib.js');

// The browser's pads, stubbed: none until padArrives(); padPress(button, down).
function stubPads(page) {
  return page.evaluateOnNewDocument(() => {
    const pad = {id: 'Test pad', index: 0, connected: true, mapping: 'standard', timestamp: 1, axes: [0, 0, 0, 0],
      buttons: Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0}))};
    let shown = false;
    navigator.getGamepads = () => [shown ? pad : null, null, null, null];
    window.padArrives = () => { shown = true; };
    window.padPress = (button, down) => {
      pad.buttons[button] = {pressed: down, touched: down, value: down ? 1 : 0};
      pad.timestamp++;
    };
  });
}

t.run(async (browser, pages) => {
  const page = await t.openGame(browser, '?seed=7', {prepare: stubPads});
  pages.push(page);
  await t.waitFor(page, 'base/BrassOwl.png', 20, 30000, 'pads-logo');
  await t.toStart(page, 'pads-start');
  await t.toBoard(page, 'owlet');
  await page.evaluate(() => window.padArrives());
  await t.sleep(600);
  // The cross's right (15): the first press shows the cursor, the next moves it.
  for (const what of ['shows', 'moves']) {
    const before = await t.shot(page);
    await page.evaluate(() => window.padPress(15, true));
    await t.sleep(100);
    await page.evaluate(() => window.padPress(15, false));
    await t.leaves(page, before, 0.3, 3000, `the pad's right ${what} the board's cursor`, [63, 88, 297, 297]);
  }
  const board = await t.shot(page);
  await page.evaluate(() => window.dispatchEvent(new Event('blur')));
  await t.leaves(page, board, 8, 3000, 'the focus lost pausing play on the menu');
});
