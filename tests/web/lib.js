// lib.js -- what the browser tests share: headless Chromium, the game's page
// opened with its console watched, screenshots of the canvas compared with the
// data tree's art or with each other, and input at the frame's coordinates.
const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [url, dataDir, shotDir, movesDir] = process.argv.slice(2);
const started = Date.now();
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

async function launch() {
  return puppeteer.launch({
    executablePath: '/usr/bin/chromium-headless-shell',
    args: ['--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader', '--use-angle=swiftshader',
      '--disable-background-networking', '--disable-component-update', '--no-first-run'],
  });
}

// The page at the query, its canvas 640 x 480 (times scale): the frame fills
// it. prepare(page) runs before the page's own scripts. Console errors, page
// errors and failed requests are gathered in page.problems.
async function openGame(browser, query = '', {scale = 1, prepare, touch = false} = {}) {
  const page = await browser.newPage();
  await page.setViewport({width: 640, height: 480, deviceScaleFactor: scale, hasTouch: touch});
  page.problems = [];
  page.on('console', (m) => {
    if (m.type() === 'error') page.problems.push('console: ' + m.text());
    else console.log('page: ' + m.text());
  });
  page.on('pageerror', (e) => page.problems.push('page error: ' + e.message));
  page.on('requestfailed', (r) => page.problems.push('request failed: ' + r.url()));
  page.touch = touch;
  if (prepare) await prepare(page);
  await page.goto(url + query);
  page.canvas = await page.$('#canvas');
  return page;
}

const shot = (page) => page.canvas.screenshot({type: 'png'});

// The mean difference of a channel (0 to 255) between a screenshot and an
// image of the data tree (its English words laid over it, as the game shows
// it) or another screenshot, the second drawn at the
// first's size (width pixels wide), each channel apart so that red and blue
// traded places count; crop, [x, y, w, h] of the frame, compares that part alone.
async function distance(page, png, other, width = 320, crop = [0, 0, 640, 480]) {
  const b = Buffer.isBuffer(other) ? other : fs.readFileSync(path.join(dataDir, other));
  const words = Buffer.isBuffer(other) ? '' : path.join(dataDir, 'words/en', other.replace(/\.[a-z]+$/, '.webp'));
  const w = words && fs.existsSync(words) ? fs.readFileSync(words).toString('base64') : '';
  return page.evaluate(async (aB64, bB64, wB64, width, crop) => {
    const load = (b64, type = 'png') => new Promise((ok, fail) => {
      const img = new Image();
      img.onload = () => ok(img);
      img.onerror = fail;
      img.src = `data:image/${type};base64,` + b64;
    });
    const [a, b, w] = await Promise.all([load(aB64), load(bB64), wB64 ? load(wB64, 'webp') : null]);
    const pixels = (img, over) => {
      const c = document.createElement('canvas');
      c.width = width;
      c.height = Math.round(width * crop[3] / crop[2]);
      const ctx = c.getContext('2d');
      ctx.fillStyle = '#000';
      ctx.fillRect(0, 0, c.width, c.height);
      const s = img.width / 640;
      for (const layer of over ? [img, over] : [img])
        ctx.drawImage(layer, crop[0] * s, crop[1] * s, crop[2] * s, crop[3] * s, 0, 0, c.width, c.height);
      return ctx.getImageData(0, 0, c.width, c.height).data;
    };
    const p = pixels(a), q = pixels(b, w);
    let sum = 0;
    for (let i = 0; i < p.length; i += 4)
      sum += Math.abs(p[i] - q[i]) + Math.abs(p[i + 1] - q[i + 1]) + Math.abs(p[i + 2] - q[i + 2]);
    return sum / (p.length / 4 * 3);
  }, png.toString('base64'), b.toString('base64'), w, width, crop);
}

// Strongly red, green, blue and yellow pixels of a screenshot, within crop
// ([x, y, w, h] of the frame): how many of each, and the first and last rows
// (of the frame) each lies on.
async function colours(page, png, crop = [0, 0, 640, 480]) {
  return page.evaluate(async (b64, [x, y, w, h]) => {
    const img = new Image();
    img.src = 'data:image/png;base64,' + b64;
    await img.decode();
    const c = document.createElement('canvas');
    [c.width, c.height] = [640, 480];
    const ctx = c.getContext('2d');
    ctx.drawImage(img, 0, 0, 640, 480);
    const d = ctx.getImageData(x, y, w, h).data;
    const n = {red: [0, 480, 0], green: [0, 480, 0], blue: [0, 480, 0], yellow: [0, 480, 0]};
    for (let i = 0; i < d.length; i += 4) {
      const [r, g, b] = [d[i], d[i + 1], d[i + 2]], row = y + Math.floor(i / 4 / w);
      const hue = r > 200 && g > 200 && b < 90 ? 'yellow' : r > 180 && g < 80 && b < 80 ? 'red' :
        g > 150 && r < 80 && b < 80 ? 'green' : b > 180 && r < 80 && g < 80 ? 'blue' : null;
      if (hue) n[hue] = [n[hue][0] + 1, Math.min(n[hue][1], row), Math.max(n[hue][2], row)];
    }
    return n;
  }, png.toString('base64'), crop);
}

// Calls probe until it answers true, or throws after ms.
async function tryFor(ms, what, probe) {
  for (const end = Date.now() + ms; Date.now() < end; await sleep(100))
    if (await probe()) return Date.now() - started;
  throw new Error(`${what}: not within ${ms} ms`);
}

// Screenshots until one lies within near of the image; kept as NAME.png (or
// NAME-failed.png, the nearest, when none does). Answers the time since the start.
async function waitFor(page, image, near, ms, name, width) {
  let best = Infinity, bestShot;
  try {
    return await tryFor(ms, `no frame like ${image.length > 200 ? 'that' : image}`, async () => {
      const s = await shot(page);
      const d = await distance(page, s, image, width);
      if (d < best) [best, bestShot] = [d, s];
      return d < near;
    });
  } catch (e) {
    throw new Error(`${e.message} (nearest ${best.toFixed(1)})`);
  } finally {
    fs.writeFileSync(path.join(shotDir, name + (best < near ? '.png' : '-failed.png')), bestShot || '');
  }
}

// Waits until the frame (or the crop of it) leaves the screenshot by more than far.
async function leaves(page, from, far, ms, what, crop) {
  return tryFor(ms, what, async () => (await distance(page, await shot(page), from, 320, crop)) > far);
}

// A point of the frame as the page's own pixels (the frame fills the canvas).
async function at(page, x, y) {
  const box = await page.canvas.boundingBox();
  return [box.x + (x + 0.5) * box.width / 640, box.y + (y + 0.5) * box.height / 480];
}

// On a page opened for touch a click is a tap, a drag a finger's, and the
// right button a finger held still.
async function click(page, x, y, button = 'left') {
  const [px, py] = await at(page, x, y);
  if (!page.touch) return page.mouse.click(px, py, {button});
  await page.touchscreen.touchStart(px, py);
  await sleep(button === 'right' ? 800 : 50);
  await page.touchscreen.touchEnd();
}

async function drag(page, x0, y0, x1, y1) {
  const input = page.touch ? page.touchscreen : page.mouse;
  const [down, move, up] = page.touch ? ['touchStart', 'touchMove', 'touchEnd'] : ['move', 'move', 'up'];
  const [px, py] = await at(page, x0, y0), [qx, qy] = await at(page, x1, y1);
  await input[down](px, py);
  if (!page.touch) await page.mouse.down();
  for (let i = 1; i <= 5; i++) await input[move](px + (qx - px) * i / 5, py + (qy - py) * i / 5);
  await input[up]();
}

// From the logo to the start screen by a key (or a tap), its fade-in over:
// clicks during it act on nothing.
async function toStart(page, name = 'start', width) {
  if (page.touch) await click(page, 320, 240);
  else await page.keyboard.press('Space');
  const ms = await waitFor(page, `base/StartScreen${width ? '@2x' : ''}.png`, 12, 10000, name, width);
  await sleep(1000);
  return ms;
}

// From the start screen into a level: Play, then New game or a password
// (null: the level is asked for already); then every opening image, clue
// image and the help panel clicked away (below the board, where its Close
// button lies) until a click changes nothing more: the board in play.
async function toBoard(page, password) {
  if (password !== null) await click(page, 330, 250);
  await sleep(300);
  if (password === null) {
    // asked for already
  } else if (password) {
    await page.keyboard.type(password);
    await page.keyboard.press('Enter');
  } else {
    await click(page, 320, 118);
  }
  let still = 0;
  await tryFor(60000, 'the board in play', async () => {
    const before = await shot(page);
    await click(page, 325, 405);
    await sleep(600);
    still = (await distance(page, await shot(page), before)) < 0.3 ? still + 1 : 0;
    return still >= 2;
  });
}

// Until two frames in a row are alike: a picture a move completed is shown
// zoomed, and the board takes no input until it is done.
async function settled(page) {
  let last = await shot(page);
  await tryFor(10000, 'the frame at rest', async () => {
    const now = await shot(page);
    const d = await distance(page, now, last);
    last = now;
    return d < 0.3;
  });
}

// The moves that win a level laid with the tests' seed (solve --moves).
async function playMoves(page, level) {
  for (const line of fs.readFileSync(path.join(movesDir, `level${level}.moves`), 'utf8').trim().split('\n')) {
    const [kind, ...n] = line.split(' ').map((w, i) => (i ? Number(w) : w));
    if (kind === 'turn') await click(page, n[0], n[1], 'right');
    else await drag(page, ...n);
    await settled(page);
  }
}

// The page's stored copy of a file of the game, as text ('' when none).
async function stored(page, file) {
  return page.evaluate((file) => new Promise((ok, fail) => {
    const open = indexedDB.open('CryptSLIDERS', 1);
    open.onerror = () => fail(open.error);
    open.onsuccess = () => {
      const get = open.result.transaction('files').objectStore('files').get(file);
      get.onsuccess = () => ok(get.result ? new TextDecoder().decode(get.result) : '');
      get.onerror = () => fail(get.error);
    };
  }), file);
}

// Runs the test with a browser and fails the process on any throw or on any
// problem a page gathered.
function run(test) {
  (async () => {
    const browser = await launch();
    const pages = [];
    try {
      await test(browser, pages);
      const problems = pages.flatMap((p) => p.problems);
      if (problems.length) throw new Error(problems.join('\n'));
    } catch (e) {
      // Each page's last frame, to see where it stood.
      for (const [i, page] of pages.entries())
        fs.writeFileSync(path.join(shotDir, `${path.basename(process.argv[1], '.js')}-page${i + 1}-failed.png`),
          await shot(page).catch(() => ''));
      throw e;
    } finally {
      await browser.close();
    }
  })().catch((e) => {
    console.error(String(e.stack || e));
    process.exit(1);
  });
}

module.exports = {url, dataDir, shotDir, sleep, openGame, shot, distance, colours, tryFor, waitFor, leaves,
  at, click, drag, toStart, toBoard, playMoves, stored, run};
