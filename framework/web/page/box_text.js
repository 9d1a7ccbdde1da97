// Whole values in the boxes: a value the program writes (six significant digits with a sign and
// an exponent, as -1.23457e+06 or 0.000123456) can be wider than its box in the desktop
// layout. Its text then gets smaller, down to the least text size, rather than cut off.
import { leastSizes } from './dialog_units.js';

// The boxes whose text the program has set since it last waited for an event. They are fitted
// together when it waits, before the browser draws: measured one by one as each value was set,
// a window full of new values cost the browser a layout per box.
const changedBoxes = new Set();

export function textChanged(box) {
  changedBoxes.add(box);
}

export function fitChangedText() {
  const boxes = [...changedBoxes].filter((box) => box.isConnected);
  changedBoxes.clear();
  boxes.forEach((box) => { box.style.fontSize = ''; });
  const least = leastSizes().text;
  const sizes = boxes.map((box) => {
    if (box.scrollWidth <= box.clientWidth) return '';
    const font = parseFloat(getComputedStyle(box).fontSize);
    // The text's width follows its size; the padding does not, hence a little more than the
    // ratio alone. In em, so that the text keeps its share of the box as the window is
    // fitted.
    const fits = (box.clientWidth - 4) / (box.scrollWidth - 4) - 0.02;
    return Math.max(least / font, fits) + 'em';
  });
  boxes.forEach((box, i) => { box.style.fontSize = sizes[i]; });
}
