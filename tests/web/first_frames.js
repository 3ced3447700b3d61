// first_frames.js -- the game's first frames in headless Chromium: the logo, held
// silent until the first key (which lets the browser play sound, and the
// music begins then), the start screen, its password panel with a password
// typed drawn as the desktop game draws it (native-password.png), a click on
// Options and a drag of its knob; and on a screen of twice the pixels, the
// start screen from the 2x art.
const t = require('./lib.js');

// Chromium run headless plays sound at once; a browser before the first input
// does not: its audio starts suspended until the page resumes it. The stand-in
// counts the sounds started, and runs only once resumed.
function suspendedAudio(page) {
  return page.evaluateOnNewDocument(() => {
    const Real = window.AudioContext;
    window.soundsStarted = 0;
    window.AudioContext = window.webkitAudioContext = class extends Real {
      constructor(...a) {
        super(...a);
        this.suspend();
        window.audio = this;
        const make = this.createBufferSource.bind(this);
        this.createBufferSource = () => {
          const s = make();
          const start = s.start.bind(s);
          s.start = (...b) => { window.soundsStarted++; start(...b); };
          return s;
        };
      }
    };
  });
}

t.run(async (browser, pages) => {
  const page = await t.openGame(browser, '', {prepare: suspendedAudio});
  pages.push(page);
  const logo = await t.waitFor(page, 'base/BrassOwl.png', 20, 30000, 'logo');
  console.log(`the logo stands ${logo} ms after the page was asked for`);
  const audio = () => page.evaluate(() => [window.audio && window.audio.state, window.soundsStarted]);
  const [state] = await audio();
  if (state !== 'suspended') throw new Error(`the sound is ${state} before any input`);
  const start = await t.toStart(page);
  const [after, started] = await audio();
  if (after !== 'running' || !started) throw new Error(`after a key the sound is ${after}, ${started} sounds started`);
  console.log(`the start screen stands ${start} ms after the page was asked for`);

  // The same art and the same font as the desktop's, within a blinking
  // cursor (the page's full-screen control, over the top left, left out).
  await t.click(page, 330, 250);
  await t.sleep(500);
  await page.keyboard.type('owlet');
  await t.sleep(500);
  const typed = await t.shot(page);
  require('fs').writeFileSync(require('path').join(t.shotDir, 'password-typed.png'), typed);
  const native = await t.distance(page, typed, require('fs').readFileSync(require('path').join(t.shotDir,
    'native-password.png')), 640, [0, 24, 640, 456]);
  console.log(`the password panel lies ${native.toFixed(2)} from the desktop game's`);
  if (native > 0.5) throw new Error(`the password panel lies ${native.toFixed(2)} from the desktop game's`);
  await page.keyboard.press('Escape');
  await t.sleep(500);

  // Options opens its panel over the start screen; its music knob dragged
  // left moves (a press is told from a release, as a drag needs).
  const menu = await t.shot(page);
  await t.click(page, 337, 319);
  await t.leaves(page, menu, 20, 5000, 'a click on Options');
  await t.sleep(500);
  const options = await t.shot(page);
  await t.drag(page, 430, 268, 290, 268);
  await t.leaves(page, options, 0.2, 3000, 'the music knob dragged');

  // Twice the pixels: the start screen from the art drawn at twice the size,
  // nearer to it than to the 1x art it would otherwise be scaled from.
  const sharp = await t.openGame(browser, '', {scale: 2});
  pages.push(sharp);
  await t.waitFor(sharp, 'base/BrassOwl@2x.png', 20, 30000, 'logo@2x', 1280);
  await t.toStart(sharp, 'start@2x', 1280);
  const s = await t.shot(sharp);
  const [to2x, to1x] = [await t.distance(sharp, s, 'base/StartScreen@2x.png', 1280),
    await t.distance(sharp, s, 'base/StartScreen.png', 1280)];
  console.log(`at twice the pixels the start screen lies ${to2x.toFixed(2)} from the 2x art, ${to1x.toFixed(2)} from the 1x`);
  if (!(to2x < to1x)) throw new Error('at twice the pixels the start screen is drawn from the 1x art');
});
