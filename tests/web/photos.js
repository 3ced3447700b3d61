// photos.js -- the player's own photos in the page: "Your pictures" offers the
// browser's file picker, two JPEG photos (which only the browser decodes in
// the page) are chosen: one red, one blue above green as the camera held it,
// stored on its side with an EXIF turn. Their clue image shows the second
// upright, and the board their tiles in their own colours.
const path = require('path');
const t = require('./lib.js');

t.run(async (browser, pages) => {
  const page = await t.openGame(browser);
  pages.push(page);
  await t.waitFor(page, 'base/BrassOwl.png', 20, 30000, 'photos-logo');
  await t.toStart(page, 'photos-start');
  await t.click(page, 338, 281);
  await t.sleep(800);
  const empty = await t.shot(page);
  const [chooser] = await Promise.all([page.waitForFileChooser(), t.click(page, 266, 400)]);
  await chooser.accept(['red.jpg', 'blue-over-green.jpg'].map((f) => path.resolve(t.shotDir, '..', 'photos', f)));
  await t.leaves(page, empty, 0.3, 10000, 'the panel counting the photos chosen');
  await t.sleep(500);
  await t.click(page, 266, 400);
  await t.sleep(1500);
  const clue = await t.colours(page, await t.shot(page));
  console.log('the clue image:', JSON.stringify(clue));
  if (!(clue.blue[0] > 1000 && clue.green[0] > 1000 && clue.blue[2] < clue.green[1]))
    throw new Error('the turned photo does not stand upright, blue above green, on its clue image');
  await t.toBoard(page, null);
  const board = await t.shot(page);
  require('fs').writeFileSync(path.join(t.shotDir, 'photos-board.png'), board);
  const n = await t.colours(page, board);
  console.log('the board:', JSON.stringify(n));
  if (!(n.red[0] > 1.5 * n.blue[0] && n.blue[0] > 1000 && n.green[0] > 1000))
    throw new Error('the photos chosen are not on the board in their colours');
});
