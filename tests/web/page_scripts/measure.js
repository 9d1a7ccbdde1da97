// The smallest target and the smallest text of the open windows, whether the page scrolls down
// or sideways, and the layout of each window.
const shown = e => e.offsetParent !== null && getComputedStyle(e).visibility !== 'hidden';
const targets = [...document.querySelectorAll(
    '.dialog button, .dialog input, .dialog select, .notice button')].filter(shown);
const texts = [...document.querySelectorAll(
    '.dialog .label, .dialog input, .dialog button, .dialog select, .dialog .title')].filter(shown);
const root = document.scrollingElement;
const overlay = document.querySelector('.overlay');
return {
  target: Math.min(...targets.map(e => {
    const r = e.getBoundingClientRect(); return Math.min(r.width, r.height); })),
  text: Math.min(...texts.map(e => parseFloat(getComputedStyle(e).fontSize))),
  down: root.scrollHeight > root.clientHeight + 1 ||
        (overlay !== null && overlay.scrollHeight > overlay.clientHeight + 1),
  sideways: root.scrollWidth > root.clientWidth + 1 ||
            (overlay !== null && overlay.scrollWidth > overlay.clientWidth + 1),
  layouts: [...document.querySelectorAll('.dialog[role=dialog]')].map(
      d => d.classList.contains('narrow') ? 'narrow' : 'desktop'),
};
