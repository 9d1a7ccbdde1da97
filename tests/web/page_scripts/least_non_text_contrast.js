// axe checks the contrast of text; this checks what tells a control from its ground (WCAG's
// non-text contrast, 3:1): each box's, list's and button's border against the window's face, and
// the pressed toggle's fill.
/* global ratio */
const face = getComputedStyle(document.querySelector('.dialog')).backgroundColor;
const found = [];
for (const e of document.querySelectorAll('.client > .edit, .client > .list, .client > .button')) {
  const style = getComputedStyle(e);
  found.push([e.id + ' border', ratio(style.borderTopColor, face)]);
  if (e.getAttribute('aria-pressed') === 'true')
    found.push([e.id + ' pressed', ratio(style.backgroundColor, face)]);
}
return found.sort((a, b) => a[1] - b[1])[0];
