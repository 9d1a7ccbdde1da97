// Counts the timers the page starts once the calculator is ready (evaluated before the page's
// own scripts): an idle page should start none.
window.vardolinTimers = 0;
for (const name of ['setTimeout', 'setInterval', 'requestAnimationFrame']) {
  const original = window[name];
  window[name] = function () {
    if (document.body && document.body.dataset.state === 'ready') window.vardolinTimers++;
    return original.apply(this, arguments);
  };
}
