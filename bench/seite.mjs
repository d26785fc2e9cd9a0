// The page's figures in headless chromium (a benchmark, not a test; `make bench-web`):
//   load from 127.0.0.1 to the first picture of examples/2-zwei-netze.nz (fresh profile each time),
//   a full redraw of 500 devices, 700 cables and 20 subnets (the core collects the picture, the
//   page replays it onto the canvas, the canvas is rasterised),
//   everything the page transfers on a first visit, gzip-compressed.
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { browser, oeffne, server } from '../web/test/seite.mjs';

const ORDNER = process.env.VERBUNDO_SEITE ?? new URL('../build-web', import.meta.url).pathname;
const median = z => [...z].sort((a, b) => a - b)[Math.floor(z.length / 2)];
const f5 = (n, w = 5) => String(n).padStart(w);

// 50 switches (every tenth a router) and 450 computers and printers spread over the surface,
// each end device cabled to its nearest switch, 250 cables between near switches, 20 subnets.
function grossnetz() {
  let saat = 1;
  const w = n => { saat = (saat * 1103515245 + 12345) % 2147483648; return saat % n; };
  const z = [], kabel = [], sw = [];
  for (let i = 0; i < 50; i++) {
    const x = w(3000), y = w(3000);
    sw.push([x, y]);
    z.push(i % 10 === 9 ? `Rout.,${f5(x)},${f5(y)},10.${i}.0.1,172.16.${i}.1` : `Swit.,${f5(x)},${f5(y)},0.0.0.0`);
  }
  const naechster = (x, y) => sw.reduce((b, s, i) => (s[0] - x) ** 2 + (s[1] - y) ** 2 < (sw[b][0] - x) ** 2 + (sw[b][1] - y) ** 2 ? i : b, 0);
  for (let i = 50; i < 500; i++) {
    const x = w(3000), y = w(3000);
    z.push(`${i % 5 ? 'Comp.' : 'Druck'},${f5(x)},${f5(y)},192.168.${i >> 8}.${(i & 255) + 1}`);
    kabel.push(`Kabel,${f5(i)},${f5(naechster(x, y))}`);
  }
  while (kabel.length < 700) {
    const a = w(50), b = w(50);
    if (a !== b) kabel.push(`Kabel,${f5(a)},${f5(b)}`);
  }
  const netze = [];
  for (let i = 0; i < 20; i++) {
    const l = (i % 5) * 600, o = Math.floor(i / 5) * 750;
    netze.push(`Netz ,${f5(l)},${f5(o)},${f5(l + 580)},${f5(o + 730)},192.168.${i}.0,255.255.255.0`);
  }
  const ports = sw.map((_, i) => i % 10 === 9 ? '' : `#port,${f5(i)},   24`).filter(Boolean);
  return [...z, ...kabel, ...netze, ...ports].map(l => l + '\r\n').join('');
}

const s = await server();

const laden = [];
for (let i = 0; i < 5; i++) {
  const k = await browser();
  const seite = await oeffne(k, s, '?datei=beispiele/2-zwei-netze.nz');
  laden.push(await seite.evaluate(() => performance.getEntriesByName('erstes-bild')[0].startTime));
  await k.weg();
}

const k = await browser({ viewport: { width: 1280, height: 900 } });
const seite = await oeffne(k, s);
await seite.evaluate(text => {
  const d = new DataTransfer();
  d.items.add(new File([text], 'gross.nz'));
  document.getElementById('anzeige').dispatchEvent(new DragEvent('drop', { dataTransfer: d, bubbles: true }));
}, grossnetz());
await seite.waitForFunction(() => document.title.startsWith('gross.nz'));
// A click on empty canvas with "Verschieben": the press and the release each redraw everything.
await seite.getByRole('button', { name: 'Verschieben' }).click();
const miss = zoom => seite.evaluate(zoom => {
  const regler = document.getElementById('zoom');
  regler.value = String(zoom);
  regler.dispatchEvent(new Event('input'));
  const c = document.getElementById('anzeige'), r = c.getBoundingClientRect();
  const z = [];
  for (let i = 0; i < 60; i++) {
    const e = { pointerId: 1, pointerType: 'mouse', button: 0, clientX: r.left + 2, clientY: r.top + 2, bubbles: true };
    const t = performance.now();
    c.dispatchEvent(new PointerEvent('pointerdown', e));
    c.dispatchEvent(new PointerEvent('pointerup', e));
    c.getContext('2d').getImageData(0, 0, 1, 1);
    z.push((performance.now() - t) / 2);
  }
  return z.slice(10);
}, zoom);
const neu = await miss(100), ganz = await miss(350);
await k.weg();
s.close();

const dateien = [];
const gehe = o => readdirSync(o).forEach(n => statSync(join(o, n)).isDirectory() ? gehe(join(o, n)) : dateien.push(join(o, n)));
gehe(ORDNER);
const gesendet = dateien.filter(d => !d.includes('/beispiele/') || d.endsWith('2-zwei-netze.nz'));
const gz = gesendet.map(d => [d.slice(ORDNER.length + 1), gzipSync(readFileSync(d), { level: 9 }).length]);
const summe = gz.reduce((a, [, n]) => a + n, 0);

console.log(`load to first picture (2-zwei-netze.nz), 5 fresh profiles: median ${median(laden).toFixed(0)} ms, max ${Math.max(...laden).toFixed(0)} ms`);
for (const [z, zeiten] of [[100, neu], [350, ganz]])
  console.log(`full redraw 500 devices / 700 cables / 20 subnets, view 1280x900 at zoom ${z}: median ${median(zeiten).toFixed(1)} ms, max ${Math.max(...zeiten).toFixed(1)} ms (50 runs)`);
console.log(`first visit, gzip -9 of every file: ${(summe / 1024).toFixed(0)} KiB in ${gz.length} files; largest:`);
for (const [n, b] of gz.sort((a, b) => b[1] - a[1]).slice(0, 5)) console.log(`  ${n}: ${(b / 1024).toFixed(1)} KiB`);
