// Editing with real mouse events and keys: devices, a cable, a subnet, addresses through the
// context menu, a message and its notice, the test, saving, undo and redo.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { antworte, browser, maus, menue, oeffne, server } from './seite.mjs';

let s, k, seite;
before(async () => { s = await server(); k = await browser(); seite = await oeffne(k, s); });
after(async () => { await k?.weg(); s?.close(); });

// Canvas pixels in the square of radius r around (x, y) that are not white.
const farbig = (x, y, r) => seite.evaluate(([x, y, r]) => {
  const d = document.getElementById('anzeige').getContext('2d').getImageData(x - r, y - r, 2 * r, 2 * r).data;
  let n = 0;
  for (let i = 0; i < d.length; i += 4) n += d[i] + d[i + 1] + d[i + 2] < 3 * 250 ? 1 : 0;
  return n;
}, [x, y, r]);

// The bytes the desktop saves after the same gestures: the transcript tests/faelle/seite.txt.
function desktopBytes() {
  const zeilen = readFileSync(new URL('../../tests/faelle/seite.txt', import.meta.url), 'utf8').split('\n');
  const ab = zeilen.indexOf('> netz') + 1;
  const ende = zeilen.findIndex((z, i) => i >= ab && (z.startsWith('> ') || z.startsWith('# ') || z === '#' || z === ''));
  return Buffer.from(zeilen.slice(ab, ende).map(z => z + '\r\n').join(''));
}

test('a network drawn, addressed, tested and saved gives the desktop\'s bytes', async () => {
  const m = await maus(seite);
  await seite.getByRole('button', { name: 'Computer' }).click();
  await m.klick(100, 150);
  await m.klick(300, 150);
  await seite.getByRole('button', { name: 'Netzwerkkabel' }).click();
  await m.ziehe(100, 150, 300, 150);
  await seite.getByRole('button', { name: 'Subnetz' }).click();
  await m.ziehe(40, 100, 400, 250);
  await menue(seite, 100, 150, 'IP Adresse festlegen');
  assert.equal(await antworte(seite, 'OK', '10.0.0.1'), 'IP-Adresse:');
  await menue(seite, 300, 150, 'IP Adresse festlegen');
  await antworte(seite, 'OK', '10.0.0.2');
  await menue(seite, 60, 110, 'Netz ID festlegen');
  await antworte(seite, 'OK', '10.0.0.0');
  await menue(seite, 60, 110, 'Subnetmask festlegen');
  await antworte(seite, 'OK', '255.255.255.0');
  await menue(seite, 300, 150, 'Mailserver starten');
  assert.match(await seite.title(), /^Unbenannt\.nz\* – Verbundo$/);

  // The menu offers what fits: a cable only "Löschen" and the routing display.
  await m.klick(200, 151, 'right');
  assert.deepEqual(await seite.getByRole('menuitem').filter({ visible: true }).allTextContents(),
    ['Löschen', 'Routingtabelle anzeigen']);
  await seite.keyboard.press('Escape');

  await menue(seite, 100, 150, 'Nachricht senden');
  assert.equal(await antworte(seite, 'OK', '10.0.0.2'), 'an IP-Adresse:');
  // The notice comes from the tick; the green cable shows the message meanwhile.
  assert.equal(await antworte(seite, 'OK'), 'Nachricht auf Server gespeichert.');

  await seite.getByRole('button', { name: 'Konfiguration Testen' }).click();
  assert.equal(await antworte(seite, 'OK'), 'Alle Ip-Adressen sind korrekt eingestellt.');

  await menue(seite, 100, 150, 'Routingtabelle anzeigen');
  assert.deepEqual(await seite.locator('#listbox1 div').allTextContents(), ['10.0.0.2 : direkte Verbindung']);

  const [download] = await Promise.all([seite.waitForEvent('download'),
    seite.getByRole('button', { name: 'Speichern' }).click()]);
  assert.equal(download.suggestedFilename(), 'Unbenannt.nz');
  assert.deepEqual(readFileSync(await download.path()), desktopBytes());
  assert.equal(await seite.title(), 'Unbenannt.nz – Verbundo');
});

test('undo and redo by their keys take back a placed printer and bring it again', async () => {
  const m = await maus(seite);
  await seite.getByRole('button', { name: 'Drucker' }).click();
  assert.equal(await farbig(600, 400, 16), 0);
  await m.klick(600, 400);
  assert.ok(await farbig(600, 400, 16) > 100);
  await seite.keyboard.press('Control+z');
  await seite.waitForFunction(() => !document.title.includes('*'));
  assert.equal(await farbig(600, 400, 16), 0);
  assert.ok(await seite.getByRole('button', { name: 'Rückgängig' }).isEnabled());
  await seite.keyboard.press('Control+y');
  await seite.waitForFunction(() => document.title.includes('*'));
  assert.ok(await farbig(600, 400, 16) > 100);
  assert.ok(await seite.getByRole('button', { name: 'Wiederholen' }).isDisabled());
});
