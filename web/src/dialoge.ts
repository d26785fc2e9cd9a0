// The boxes and dialogs as one HTML dialog, shown one after another. Texts are set as text
// only: nothing a file brings in can become markup.

export interface Box {
  titel: string;
  text: string;
  knoepfe: string[];
  art?: 'information' | 'fehler' | 'frage';
  eingabe?: string;       // an edit field filled with this
  liste?: string[];       // details: lines the learner can choose while the box stays open
  gewaehlt?: (nr: number) => void;
}

const dialog = document.getElementById('box') as HTMLDialogElement;
let kette: Promise<unknown> = Promise.resolve();
let offen = 0;
// Whether a box is open or waiting: the canvas and the keys then belong to it.
export const beschaeftigt = () => offen > 0;

function element<K extends keyof HTMLElementTagNameMap>(tag: K, text = '', klasse = '') {
  const e = document.createElement(tag);
  e.textContent = text;
  if (klasse) e.className = klasse;
  return e;
}

// The chosen button's number (closing the box chooses the last) and the edit field's text.
export function box(b: Box): Promise<{ knopf: number; text: string }> {
  offen++;
  const ergebnis = kette.then(() => zeige(b));
  kette = ergebnis;
  return ergebnis.finally(() => offen--);
}

function zeige(b: Box): Promise<{ knopf: number; text: string }> {
  return new Promise(fertig => {
    const form = element('div');
    // Ends at once, not at the dialog's later close event: the next event already finds the
    // page free.
    const ende = (knopf: number) => {
      dialog.oncancel = null;
      dialog.close();
      fertig({ knopf, text: feld?.value ?? '' });
    };
    const kopf = element('h2', b.titel);
    const text = element('p', b.text.replace(/\r\n?/g, '\n'), `text ${b.art ?? ''}`);
    form.append(kopf, text);
    let feld: HTMLInputElement | undefined;
    if (b.eingabe !== undefined) {
      feld = element('input');
      feld.value = b.eingabe;
      feld.addEventListener('keydown', e => { if (e.key === 'Enter') { e.preventDefault(); ende(0); } });
      feld.setAttribute('aria-label', b.text);
      form.append(feld);
    }
    if (b.liste?.length) {
      const details = element('details');
      const liste = element('ol', '', 'befunde');
      b.liste.forEach((z, i) => {
        const punkt = element('li', z);
        punkt.tabIndex = 0;
        const waehle = () => {
          liste.querySelector('.gewaehlt')?.classList.remove('gewaehlt');
          punkt.classList.add('gewaehlt');
          b.gewaehlt?.(i);
        };
        punkt.addEventListener('click', waehle);
        punkt.addEventListener('keydown', e => { if (e.key === 'Enter') { e.preventDefault(); waehle(); } });
        liste.append(punkt);
      });
      details.append(element('summary', 'Details'), liste);
      form.append(details);
    }
    const reihe = element('div', '', 'knoepfe');
    b.knoepfe.forEach((k, i) => {
      const knopf = element('button', k);
      knopf.type = 'button';
      knopf.addEventListener('click', () => ende(i));
      reihe.append(knopf);
    });
    form.append(reihe);
    dialog.replaceChildren(form);
    // Escape chooses the last button.
    dialog.oncancel = e => { e.preventDefault(); ende(b.knoepfe.length - 1); };
    dialog.showModal();
    (feld ?? reihe.firstElementChild as HTMLElement)?.focus();
    feld?.select();
  });
}

export const information = (text: string) =>
  box({ titel: 'Information', text, knoepfe: ['OK'], art: 'information' });
export const fehler = (text: string) => box({ titel: 'Verbundo', text, knoepfe: ['OK'], art: 'fehler' });
export const frage = async (text: string, knoepfe: string[]) =>
  (await box({ titel: 'Verbundo', text, knoepfe, art: 'frage' })).knopf;
// The edited text, or null when cancelled.
export async function eingabe(titel: string, frage: string, vorgabe: string): Promise<string | null> {
  const r = await box({ titel, text: frage, knoepfe: ['OK', 'Abbrechen'], eingabe: vorgabe });
  return r.knopf === 0 ? r.text : null;
}
