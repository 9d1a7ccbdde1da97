// The focus indicator of each element matched by the selector given, focused in turn: its
// outline's contrast with what it is drawn against (the element's own ground for an outline
// inside it, the ground around it for one outside), or 0 where there is no outline.
/* global ratio */
const ground = (e) => {
  for (; e; e = e.parentElement) {
    const colour = getComputedStyle(e).backgroundColor;
    if (!/^rgba\(.*, 0\)$/.test(colour) && colour !== 'transparent') return colour;
  }
  return getComputedStyle(document.body).backgroundColor;
};
return [...document.querySelectorAll(arguments[0])].map((e) => {
  e.focus();
  const s = getComputedStyle(e);
  const name = e.id || e.getAttribute('aria-label') || e.textContent;
  if (s.outlineStyle === 'none' || parseFloat(s.outlineWidth) < 2) return [name, 0];
  const against = parseFloat(s.outlineOffset) < 0 ? ground(e) : ground(e.parentElement);
  return [name, ratio(s.outlineColor, against)];
});
