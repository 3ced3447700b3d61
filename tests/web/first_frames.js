// first_frames.js -- the game in headless Chromium: the page loads and runs without
// an error, its first frames are the logo fading in, a key leads to the start screen,
// a click on its Options button opens the options, and a drag moves their knob.
// Usage: node first_frames.js URL DATA_DIR SHOT_DIR
const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [url, dataDir, shotDir] = process.argv.slice(2);
const started = Date.now();

// How far a screenshot of the canvas lies from an image of the data tree drawn
// at the canvas's size, or from another screenshot: the mean difference of a
// channel, 0 to 255, each channel by itself so that red and blue traded places count.
async function distance(page, shot, file) {
  const other = Buffer.isBuffer(file) ? file : fs.readFileSync(path.join(dataDir, file));
  return page.evaluate(async (shotB64, artB64) => {
    const load = (b64) => new Promise((ok, fail) => {
      const img = new Image();
      img.onload = () => ok(img);
      img.onerror = fail;
      img.src = 'data:image/png;base64,' + b64;
    });
    const [a, b] = await Promise.all([load(shotB64), load(artB64)]);
    const pixels = (img) => {
      const c = document.createElement('canvas');
      c.width = a.width;
      c.height = a.height;
      const ctx = c.getContext('2d');
      ctx.fillStyle = '#000';
      ctx.fillRect(0, 0, c.width, c.height);
      ctx.drawImage(img, 0, 0, c.width, c.height);
      return ctx.getImageData(0, 0, c.width, c.height).data;
    };
    const p = pixels(a), q = pixels(b);
    let sum = 0;
    for (let i = 0; i < p.length; i += 4)
      sum += Math.abs(p[i] - q[i]) + Math.abs(p[i + 1] - q[i + 1]) + Math.abs(p[i + 2] - q[i + 2]);
    return sum / (p.length / 4 * 3);
  }, shot.toString('base64'), other.toString('base64'));
}

// Screenshots of the canvas until one lies within `near` of the image, or the time is out.
async function waitFor(page, canvas, file, near, ms, name) {
  let best = Infinity;
  for (const end = Date.now() + ms; Date.now() < end;) {
    const shot = await canvas.screenshot({type: 'png'});
    const d = await distance(page, shot, file);
    best = Math.min(best, d);
    if (d < near) {
      fs.writeFileSync(path.join(shotDir, name + '.png'), shot);
      return Date.now() - started;
    }
    await new Promise((r) => setTimeout(r, 100));
  }
  throw new Error(`no frame like ${file} within ${ms} ms (nearest: ${best.toFixed(1)})`);
}

(async () => {
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium-headless-shell',
    args: ['--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader', '--use-angle=swiftshader',
      '--disable-background-networking', '--disable-component-update', '--no-first-run'],
  });
  const problems = [];
  try {
    const page = await browser.newPage();
    await page.setViewport({width: 800, height: 600});
    page.on('console', (m) => {
      if (m.type() === 'error') problems.push('console: ' + m.text());
      else console.log('page: ' + m.text());
    });
    page.on('pageerror', (e) => problems.push('page error: ' + e.message));
    page.on('requestfailed', (r) => problems.push('request failed: ' + r.url()));
    await page.goto(url);
    const canvas = await page.$('#canvas');
    // The logo fades in from black and holds for three seconds: its held
    // frame is the logo's art, dimmed by the fade's last step at most.
    const firstFrame = await waitFor(page, canvas, 'base/BrassOwl.png', 8, 30000, 'logo');
    console.log(`the logo stands ${firstFrame} ms after the page was asked for`);
    await page.keyboard.press('Space');
    // The key fades the logo out; the start screen follows.
    const start = await waitFor(page, canvas, 'base/StartScreen.png', 12, 10000, 'start');
    console.log(`the start screen stands ${start} ms after the page was asked for`);
    // A click on its Options button opens the options over it: the frame leaves
    // the start screen's art, and the options' own art shows in the panel.
    const box = await canvas.boundingBox();
    await page.mouse.click(box.x + 337, box.y + 319);
    let away = 0;
    for (const end = Date.now() + 5000; away <= 25 && Date.now() < end;)
      away = await distance(page, await canvas.screenshot({type: 'png'}), 'base/StartScreen.png');
    if (away <= 25) throw new Error('a click on Options left the start screen as it was');
    // The music's knob dragged to the left moves: a press is told from a
    // release, as a drag needs.
    const options = await canvas.screenshot({type: 'png'});
    fs.writeFileSync(path.join(shotDir, 'options.png'), options);
    await page.mouse.move(box.x + 430, box.y + 268);
    await page.mouse.down();
    await page.mouse.move(box.x + 290, box.y + 268, {steps: 10});
    await page.mouse.up();
    let moved = 0;
    for (const end = Date.now() + 3000; moved <= 0.2 && Date.now() < end;)
      moved = await distance(page, await canvas.screenshot({type: 'png'}), options);
    console.log(`the drag changed the frame by ${moved.toFixed(2)}`);
    if (moved <= 0.2) throw new Error('dragging the music knob left the options as they were');
    if (problems.length) throw new Error(problems.join('\n'));
  } finally {
    await browser.close();
  }
})().catch((e) => {
  console.error(String(e.stack || e));
  process.exit(1);
});
