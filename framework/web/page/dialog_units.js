// The size of the page's windows: dialog units of the page's font, and each window's font
// fitted to the page.

// The dialog base units of the page's font, in em: the average width of the 52 letters and
// the height of a line, as Windows measures a dialog's font. Every length of a dialog is a
// number of dialog units times the CSS variables --dlu-x and --dlu-y, so that a change of the
// units moves and sizes every control at once. The probe stays in the page: when the reader's
// own style spaces letters, words or lines more widely (as WCAG's text-spacing test does),
// the units grow with the text, and the windows with them.
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
  document.documentElement.style.setProperty('--dlu-x', baseUnits.width / 4 + 'em');
  document.documentElement.style.setProperty('--dlu-y', baseUnits.height / 8 + 'em');
}
measureBaseUnits();

const DESKTOP_FONT = 17;  // px: the desktop layout's 10-unit toggles 24 px high
const MARGIN = 8;         // px around a box

// What a target and the text need at the least: 44 CSS px and 16 px where the pointer is a
// finger, 24 px and 12 px with a mouse (WCAG's target sizes; the text as phones and desktops
// set it).
function least() {
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
  const need = least();
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
  const need = least();
  return Math.max(need.text, smallest === Infinity ? 0 : font * (need.target + 0.5) / smallest);
}

// Sizes a window through its font size, never below what its targets and text need: the
// desktop layout at the desktop's size, smaller only to fit the page while it stays above
// that; the narrow layout as large as fits the page's width, and its height down to the
// desktop's size. A window that is still too high scrolls with the page. A second and third
// step correct for the parts whose size does not follow the font (borders, the title bar's
// least target size). (The notice wraps its text to fit instead.)
export function fitBox(box) {
  for (let step = 0; step < 3; step++) {
    const font = parseFloat(getComputedStyle(box).fontSize);
    const byWidth = roomWidth() * font / box.offsetWidth;
    const byHeight = roomHeight() * font / box.offsetHeight;
    const wanted = box.classList.contains('narrow')
      ? Math.min(byWidth, Math.max(byHeight, DESKTOP_FONT))
      : Math.min(DESKTOP_FONT, byWidth, byHeight);
    box.style.fontSize = Math.max(leastFont(box, font), wanted) + 'px';
  }
}
