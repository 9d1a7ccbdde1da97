// Whole values in the boxes: a value the program writes (six significant digits with a sign and
// an exponent, as -1.23457e+06 or 0.000123456) can be wider than its box in the desktop
// layout. Its text then gets smaller, down to the least text size, rather than cut off.
import { leastSizes } from './dialog_units.js';

export function fitText(box) {
  box.style.fontSize = '';
  if (box.scrollWidth <= box.clientWidth) return;
  const font = parseFloat(getComputedStyle(box).fontSize);
  // The text's width follows its size; the padding does not, hence a little more than the
  // ratio alone. In em, so that the text keeps its share of the box as the window is fitted.
  const fits = (box.clientWidth - 4) / (box.scrollWidth - 4) - 0.02;
  const share = Math.max(leastSizes().text / font, fits);
  box.style.fontSize = share + 'em';
}
