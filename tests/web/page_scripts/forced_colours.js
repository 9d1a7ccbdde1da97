// Under forced colours (a desktop's contrast theme) the browser paints boxes and buttons in the
// system's colours: the pressed toggle must still stand out from the released one by 3:1, a
// read-only box must still look unlike one to type into, and the focus must still show.
/* global ratio */
// Two boxes look alike when their grounds are near the same and their edges drawn alike.
const alike = (a, b) => {
  const [s, t] = [getComputedStyle(a), getComputedStyle(b)];
  return ratio(s.backgroundColor, t.backgroundColor) < 1.5 && s.borderTopStyle === t.borderTopStyle;
};
const pressed = document.querySelector('.toggle[aria-pressed="true"]');
const released = document.querySelector('.toggle[aria-pressed="false"]');
const readOnly = document.querySelector('.edit[readonly]');
const editable = document.querySelector('.edit:not([readonly])');
editable.focus();
const focused = getComputedStyle(editable);
return {
  toggles: ratio(getComputedStyle(pressed).backgroundColor,
                 getComputedStyle(released).backgroundColor),
  boxesDiffer: !alike(readOnly, editable),
  focusRing: focused.outlineStyle !== 'none' && parseFloat(focused.outlineWidth) >= 2,
};
