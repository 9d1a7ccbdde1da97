// Back and Forward: the page as it was when the browser brings it back from its back-forward
// cache.
//
// Safari's engine empties the boxes that say autocomplete="off" (which the boxes do, so that
// phones offer no autofill) when it brings a page back from its back-forward cache, in a task
// of its own after the page shows. While the page is hidden the boxes say nothing about
// autocompletion, and they say "off" again when it shows; their text is also kept and put
// back, for an engine that empties them all the same.
window.addEventListener('pagehide', () => {
  for (const box of document.querySelectorAll('.dialog input')) {
    box.dataset.kept = box.value;
    box.removeAttribute('autocomplete');
  }
});
window.addEventListener('pageshow', (e) => {
  for (const box of document.querySelectorAll('.dialog input')) {
    box.setAttribute('autocomplete', 'off');
    if (e.persisted && box.dataset.kept !== undefined) box.value = box.dataset.kept;
  }
});
