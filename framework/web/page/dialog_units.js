// The size of the page's windows: dialog units of the page's font, and each window's font
// fitted to the page.

// The dialog base units of the page's font, in em: the average width of the 52 letters and
// the height of a line, as Windows measures a dialog's font. Every length of a dialog is a
// number of dialog units times the CSS variables --unit-x and --unit-y, which each window sets
// in px from its font size, so that a change of the units moves and sizes every control at
// once, and a control that sizes its own text (a box whose value is wide) keeps its size. The
// probe stays in the page: when the reader's own style spaces letters, words or lines more
// widely (as WCAG's text-spacing test does), the units grow with the text, and the windows with
// them.
const baseUnits = { width: 0, height: 0 };
// (The probe is wider than a phone; it stands in a holder of no size, which the page does not
// grow to show.)
export const unitsProbe = document.createElement('span');
unitsProbe.className = 'dialog';
unitsProbe.style.cssText = 'position:absolute;visibility:hidden;white-space:pre;font-size:100px;' +
  'line-height:normal;border:0;padding:0;left:0;top:0';
unitsProbe.textContent = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
const probeHolder = document.createElement('div');
probeHolder.setAttribute('aria-hidden', 'true');
probeHolder.style.cssText = 'position:absolute;left:0;top:0;width:0;height:0;overflow:hidden';
probeHolder.appendChild(unitsProbe);
document.body.appendChild(probeHolder);

export function measureBaseUnits() {
  const box = unitsProbe.getBoundingClientRect();
  baseUnits.width = (box.width / 26 + 1) / 2 / 100;
  baseUnits.height = box.height / 100;
}
measureBaseUnits();

// Gives a window its font size, and its dialog units at that size.
function setFont(box, font) {
  box.style.fontSize = font + 'px';
  box.style.setProperty('--unit-x', font * baseUnits.width / 4 + 'px');
  box.style.setProperty('--unit-y', font * baseUnits.height / 8 + 'px');
}

const DESKTOP_FONT = 17;  // px: the desktop layout's 10-unit toggles 24 px high
const MARGIN = 8;         // px around a box

// What a target and the text need at the least: 44 CSS px and 16 px where the pointer is a
// finger, 24 px and 12 px with a mouse (WCAG's target sizes; the text as phones and desktops
// set it).
export function leastSizes() {
  return matchMedia('(pointer: coarse)').matches ? { target: 44, text: 16 }
                                                 : { target: 24, text: 12 };
}

// The width the page has for a box, without a vertical scroll bar.
function roomWidth() { return document.documentElement.clientWidth - 2 * MARGIN; }
function roomHeight() { return window.innerHeight - 2 * MARGIN; }

// Whether a dialog whose desktop layout is `cx` dialog units wide, with no target lower than
// `smallestCy` units, must take its narrow layout: the desktop layout does not fit the
// page's width with its targets and text at their least.
export function wantsNarrow(cx, smallestCy) {
  const need = leastSizes();
  const font = Math.max(need.text, need.target / (smallestCy * baseUnits.height / 8));
  return cx * baseUnits.width / 4 * font + 2 > roomWidth();
}

// The least font size at which every target of the box is large enough and its text readable,
// measured at its font size now.
function leastFont(box, font) {
  let smallest = Infinity;
  box.querySelectorAll('.client > button, .client > input, .client > select').forEach(
    (control) => {
      if (control.style.visibility !== 'hidden') {
        smallest = Math.min(smallest, control.offsetHeight, control.offsetWidth);
      }
    });
  // (Half a pixel more, since a box's border does not grow with the font.)
  const need = leastSizes();
  return Math.max(need.text, smallest === Infinity ? 0 : font * (need.target + 0.5) / smallest);
}

// Sizes a window through its font size, never below what its targets and text need: the
// desktop layout at the desktop's size, smaller only to fit the page while it stays above
// that; the narrow layout as large as fits the page's width, and its height down to the
// desktop's size. A window that is still too high scrolls with the page. Up to two more steps
// correct for the parts whose size does not follow the font (borders, the title bar's least
// target size); the steps end as soon as the size no longer changes, since each change costs
// the browser a new layout. A new window begins at the desktop's size, where most end. (The
// notice wraps its text to fit instead.)
export function fitBox(box) {
  setFont(box, box.style.fontSize ? parseFloat(getComputedStyle(box).fontSize) : DESKTOP_FONT);
  for (let step = 0; step < 3; step++) {
    const font = parseFloat(getComputedStyle(box).fontSize);
    const byWidth = roomWidth() * font / box.offsetWidth;
    const byHeight = roomHeight() * font / box.offsetHeight;
    const wanted = box.classList.contains('narrow')
      ? Math.min(byWidth, Math.max(byHeight, DESKTOP_FONT))
      : Math.min(DESKTOP_FONT, byWidth, byHeight);
    const fitted = Math.max(leastFont(box, font), wanted);
    if (Math.abs(fitted - font) < 0.01) return;
    setFont(box, fitted);
  }
}
