// The task panel: the core's view of the network's task, set as text only; "Aufgabe prüfen" and
// a click on a check are calls of the core. The panel opens when a task arrives, closes when the
// network has none, and the tool-bar button "Aufgabe" closes and reopens it in between.

import { beschaeftigt } from './dialoge.js';
import type { Aufgabenansicht, Seite } from './typen.js';

const $ = (id: string) => document.getElementById(id)!;
const SVG = 'http://www.w3.org/2000/svg';

// The mark of a line as the desktop draws it: a circle not checked, a tick met, a cross not met.
const MARKEN: Record<number, [string, string]> = {
  [-1]: ['nicht geprüft', '<circle cx="8" cy="8" r="5"/>'],
  0: ['nicht erfüllt', '<path d="M4 4L12 12M12 4L4 12"/>'],
  1: ['erfüllt', '<path d="M3 8.5L6.5 12L13 4"/>'],
};
function marke(erfuellt: number) {
  const [name, form] = MARKEN[erfuellt] ?? MARKEN[-1];
  const svg = document.createElementNS(SVG, 'svg');
  svg.setAttribute('viewBox', '0 0 16 16');
  svg.setAttribute('role', 'img');
  svg.setAttribute('aria-label', name);
  svg.classList.add('marke', `e${erfuellt}`);
  svg.innerHTML = form; // our own fixed shapes, never a text from a file
  return svg;
}

// zeige: draws the picture anew and brings the view to the core's new place.
export function bindeAufgabe(ed: Seite, zeige: () => void) {
  const tafel = $('aufgabe'), knopf = $('aufgabeknopf'), liste = $('pruefliste');
  let hatte = false, gezeigt = '', gewaehlt = -1;

  function oeffne(an: boolean) {
    tafel.hidden = !an;
    knopf.setAttribute('aria-pressed', String(an));
    if (an) fuelle(ed.aufgabe());
  }

  // Rebuilt only when something differs, so a chosen line and the scroll position stay.
  function fuelle(a: Aufgabenansicht) {
    const kennung = JSON.stringify(a);
    if (kennung === gezeigt) return;
    gezeigt = kennung;
    $('aufgabentext').textContent = a.text;
    $('punkte').textContent = a.punkte;
    if (gewaehlt >= a.zeilen.length) gewaehlt = -1;
    liste.replaceChildren(...a.zeilen.map((z, i) => {
      const zeile = document.createElement('button');
      zeile.type = 'button';
      zeile.classList.toggle('gewaehlt', i === gewaehlt);
      zeile.classList.toggle('nicht', z.erfuellt === 0);
      const text = document.createElement('span');
      text.textContent = z.text;
      zeile.append(marke(z.erfuellt), text);
      if (z.grund) {
        const grund = document.createElement('span');
        grund.className = 'grund';
        grund.textContent = `→ ${z.grund}`;
        zeile.append(grund);
      }
      zeile.addEventListener('click', () => {
        if (beschaeftigt()) return;
        liste.querySelector('.gewaehlt')?.classList.remove('gewaehlt');
        zeile.classList.add('gewaehlt');
        gewaehlt = i;
        // A panel floating over the view hides its right part: the device goes to the rest.
        const frei = Math.min($('ansicht').clientWidth,
          Math.floor(tafel.getBoundingClientRect().left - $('anzeige').getBoundingClientRect().left));
        if (ed.zeigePruefpunkt(i, frei)) zeige();
      });
      const punkt = document.createElement('li');
      punkt.append(zeile);
      return punkt;
    }));
  }

  // After every change of the network; neu: a file was just opened, whose task opens the panel
  // even if the last one was closed.
  function aktualisiere(neu = false) {
    const a = ed.aufgabe();
    if (neu) { gewaehlt = -1; gezeigt = ''; }
    knopf.hidden = !a.vorhanden;
    if (a.vorhanden && (!hatte || neu)) oeffne(true);
    else if (!a.vorhanden && !tafel.hidden) oeffne(false);
    else if (!tafel.hidden) fuelle(a);
    hatte = a.vorhanden;
  }

  knopf.addEventListener('click', () => oeffne(tafel.hidden));
  $('aufgabezu').addEventListener('click', () => oeffne(false));
  $('aufgabepruefen').addEventListener('click', () => {
    if (beschaeftigt()) return;
    ed.pruefeAufgabe();
    fuelle(ed.aufgabe());
  });
  aktualisiere();
  return aktualisiere;
}
