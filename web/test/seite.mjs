// For the browser tests: the built page served from a port of its own and Debian's chromium,
// each test in a fresh profile. Everything waits on conditions, never on the clock.
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import { chromium } from 'playwright-core';

const ORDNER = process.env.VERBUNDO_SEITE ?? new URL('../../build-web', import.meta.url).pathname;
const ARTEN = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml', '.png': 'image/png', '.bmp': 'image/bmp', '.webmanifest': 'application/manifest+json' };

export function server() {
  const s = createServer((anfrage, antwort) => {
    let pfad = normalize(decodeURIComponent(new URL(anfrage.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
    if (pfad.endsWith('/')) pfad += 'index.html';
    try {
      const datei = join(ORDNER, pfad);
      if (!statSync(datei).isFile()) throw new Error();
      antwort.writeHead(200, { 'content-type': ARTEN[extname(datei)] ?? 'application/octet-stream' });
      antwort.end(readFileSync(datei));
    } catch { antwort.writeHead(404).end(); }
  });
  return new Promise(fertig => s.listen(0, '127.0.0.1', () => fertig(s)));
}

export async function browser(optionen = {}) {
  const profil = mkdtempSync(join(tmpdir(), 'verbundo-chromium-'));
  const kontext = await chromium.launchPersistentContext(profil, {
    executablePath: process.env.VERBUNDO_CHROMIUM ?? '/usr/bin/chromium',
    headless: true, acceptDownloads: true, viewport: { width: 1000, height: 700 }, ...optionen,
    ignoreDefaultArgs: ['--hide-scrollbars'],
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  kontext.weg = async () => { await kontext.close(); rmSync(profil, { recursive: true, force: true }); };
  return kontext;
}

// Opens the page and waits until its first picture is drawn.
export async function oeffne(kontext, s, suche = '') {
  const seite = await kontext.newPage();
  seite.on('pageerror', f => { throw f; });
  await seite.goto(`http://127.0.0.1:${s.address().port}/${suche}`);
  await seite.waitForSelector('body[data-bereit]');
  return seite;
}

// Canvas pixel (x, y) as [r, g, b].
export const pixel = (seite, x, y) => seite.evaluate(([x, y]) => [...document.getElementById('anzeige')
  .getContext('2d').getImageData(x * devicePixelRatio, y * devicePixelRatio, 1, 1).data.slice(0, 3)], [x, y]);

// The mouse at canvas pixel (x, y).
export async function maus(seite) {
  const b = await seite.locator('#anzeige').boundingBox();
  const m = seite.mouse;
  return {
    klick: async (x, y, button = 'left') => { await m.move(b.x + x, b.y + y); await m.down({ button }); await m.up({ button }); },
    ziehe: async (x1, y1, x2, y2) => {
      await m.move(b.x + x1, b.y + y1); await m.down();
      await m.move(b.x + (x1 + x2) / 2, b.y + (y1 + y2) / 2); await m.move(b.x + x2, b.y + y2); await m.up();
    },
  };
}

// Answers the open box: its text, after typing into its field if asked, by the button named.
export async function antworte(seite, knopf, text) {
  const box = seite.locator('dialog[open]');
  await box.waitFor();
  const inhalt = await box.locator('p').textContent();
  if (text !== undefined) await box.locator('input').fill(text);
  await box.getByRole('button', { name: knopf, exact: true }).click();
  await seite.locator('dialog[open]').waitFor({ state: 'detached' }).catch(() => {});
  return inhalt;
}

// The command of the context menu at canvas pixel (x, y).
export async function menue(seite, x, y, punkt) {
  await (await maus(seite)).klick(x, y, 'right');
  await seite.getByRole('menuitem', { name: punkt, exact: true }).click();
}

// Opens a file through "Öffnen" and its file chooser, after "Verwerfen" in the save question
// when verwerfen is set.
export async function waehle(seite, name, buffer, verwerfen = false) {
  const wahl = seite.waitForEvent('filechooser');
  await seite.getByRole('button', { name: 'Öffnen', exact: true }).click();
  if (verwerfen) await antworte(seite, 'Verwerfen');
  await (await wahl).setFiles({ name, mimeType: 'application/octet-stream', buffer });
}

// Canvas pixels in the orange that marks what a finding or a check names.
export const orange = seite => seite.evaluate(() => {
  const c = document.getElementById('anzeige');
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  let n = 0;
  for (let i = 0; i < d.length; i += 4) n += d[i] === 255 && d[i + 1] === 140 && d[i + 2] === 0 ? 1 : 0;
  return n;
});
