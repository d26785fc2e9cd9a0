// The task panel: a task file shows its text and checks, "Aufgabe prüfen" marks them as
// verbundo-cli bewerten grades the same files, a check shows its devices, a given device is not
// deleted, a change drops the marks, and a network without a task has no panel.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { antworte, browser, maus, menue, oeffne, orange, server, waehle } from './seite.mjs';

let s, k, seite;
before(async () => { s = await server(); k = await browser(); seite = await oeffne(k, s, '?datei=beispiele/6-aufgabe-buero.nz'); });
after(async () => { await k?.weg(); s?.close(); });

// The grades of the examples as the native run of tests/faelle/aufgabe-cli.txt records them.
const cli = readFileSync(new URL('../../tests/faelle/aufgabe-cli.txt', import.meta.url), 'utf8').split('\n');
const spalten = anfang => cli.find(z => z.startsWith(anfang)).split(';').slice(1, -2);
const [pruefpunkte, falsch] = [spalten('Datei;'), spalten('../../examples/6-aufgabe-buero-falsch.nz;')];
const note = datei => cli.find(z => z.startsWith(`../../examples/${datei}: `)).split(': ')[1];

const tafel = () => seite.getByRole('region', { name: 'Aufgabe' });
const marken = () => tafel().getByRole('img').evaluateAll(m => m.map(e => e.getAttribute('aria-label')));
const geprueft = async () => {
  await tafel().getByRole('button', { name: 'Aufgabe prüfen' }).click();
  return (await tafel().locator('output').textContent()).replace(/^(\d+) von (\d+) Punkten$/, '$1/$2');
};
async function oeffneBeispiel(name, verwerfen) {
  await waehle(seite, name, readFileSync(new URL(`../../examples/${name}`, import.meta.url)), verwerfen);
  await seite.waitForFunction(n => document.title === `${n} – Verbundo`, name);
}

test('a task is checked on the page as the desktop grades it', async () => {
  assert.match(await tafel().locator('p').textContent(), /^Im Büro stehen zwei Computer und ein Drucker\./);
  const texte = await tafel().getByRole('listitem').allTextContents();
  assert.deepEqual(texte.map((t, i) => t.startsWith(pruefpunkte[i] + ' (')), pruefpunkte.map(() => true));
  assert.deepEqual(new Set(await marken()), new Set(['nicht geprüft']));

  await oeffneBeispiel('6-aufgabe-buero-falsch.nz');
  assert.equal(await geprueft(), note('6-aufgabe-buero-falsch.nz'));
  assert.deepEqual(await marken(), falsch.map(e => e === '1' ? 'erfüllt' : 'nicht erfüllt'));
  assert.equal(await tafel().locator('.grund').count(), falsch.filter(e => e === '0').length);
  await tafel().getByRole('listitem').nth(1).click();
  assert.ok(await orange(seite) > 50);
  await menue(seite, 150, 300, 'Löschen');
  assert.match(await antworte(seite, 'OK'), /^Computer B ist von der Aufgabe vorgegeben und kann nicht gelöscht werden\./);
  assert.equal(await seite.title(), '6-aufgabe-buero-falsch.nz – Verbundo');

  await oeffneBeispiel('6-aufgabe-buero-loesung.nz');
  assert.equal(await geprueft(), note('6-aufgabe-buero-loesung.nz'));
  assert.deepEqual(new Set(await marken()), new Set(['erfüllt']));
  await (await maus(seite)).ziehe(150, 300, 170, 330);
  assert.deepEqual(new Set(await marken()), new Set(['nicht geprüft']));
  // Where the panel floats over the view, a check's device is brought out from under it.
  await seite.setViewportSize({ width: 780, height: 700 });
  await tafel().getByRole('listitem').nth(2).click();
  assert.ok(await seite.evaluate(() => document.getElementById('ansicht').scrollLeft) > 0);

  // Closed and reopened by its button; a network without a task has neither.
  const knopf = seite.getByRole('button', { name: 'Aufgabe', exact: true });
  await knopf.click();
  assert.equal(await tafel().count(), 0);
  await knopf.click();
  await oeffneBeispiel('1-buero.nz', true);
  assert.equal(await tafel().count() + await knopf.count(), 0);
});
