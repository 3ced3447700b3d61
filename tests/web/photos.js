// photos.js -- the player's own photos in the page: "Your pictures" offers the
// browser's file picker, two JPEG photos (which only the browser decodes in
// the page) are chosen: one red, one blue above green as the camera held it,
// stored on its side with an EXIF turn. Their clue image shows the second
// upright, and the board their tiles in their own colours.
const path = require('path');
const t = require('./lib.js');

// Strongly red, green and blue pixels of a frame: how many, and the rows
// their first and last lie on.
const colours = (page, png) => page.evaluate(async (b64) => {
  const img = new Image();
  img.src = 'data:image/png;base64,' + b64;
  await img.decode();
  const c = document.createElement('canvas');
  [c.width, c.height] = [640, 480];
  const ctx = c.getContext('2d');
  ctx.drawImage(img, 0, 0, 640, 480);
  const d = ctx.getImageData(0, 0, 640, 480).data;
  const n = {red: [0, 480, 0], green: [0, 480, 0], blue: [0, 480, 0]};
  for (let i = 0; i < d.length; i += 4) {
    const [r, g, b] = [d[i], d[i + 1], d[i + 2]], y = Math.floor(i / 4 / 640);
    const hue = r > 180 && g < 80 && b < 80 ? 'red' : g > 150 && r < 80 && b < 80 ? 'green' :
      b > 180 && r < 80 && g < 80 ? 'blue' : null;
    if (hue) n[hue] = [n[hue][0] + 1, Math.min(n[hue][1], y), Math.max(n[hue][2], y)];
  }
  return n;
}, png.toString('base64'));

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
  const clue = await colours(page, await t.shot(page));
  console.log('the clue image:', JSON.stringify(clue));
  if (!(clue.blue[0] > 1000 && clue.green[0] > 1000 && clue.blue[2] < clue.green[1]))
    throw new Error('the turned photo does not stand upright, blue above green, on its clue image');
  await t.toBoard(page, null);
  const board = await t.shot(page);
  require('fs').writeFileSync(path.join(t.shotDir, 'photos-board.png'), board);
  const n = await colours(page, board);
  console.log('the board:', JSON.stringify(n));
  if (!(n.red[0] > 1.5 * n.blue[0] && n.blue[0] > 1000 && n.green[0] > 1000))
    throw new Error('the photos chosen are not on the board in their colours');
});
