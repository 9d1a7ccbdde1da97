// The windows follow the page: after a resize, a rotation, a zoom or a change of the reader's
// text spacing, a window whose layout no longer suits the page is rebuilt by the program from
// its other layout (the innermost window's loop takes the event and rebuilds every open
// window); the others are sized again at once.
import { fitBox, measureBaseUnits, unitsProbe, wantsNarrow } from './dialog_units.js';
import { events } from './event_queue.js';
import { windows } from './windows.js';

function followPage() {
  measureBaseUnits();
  const relayout = windows.list.some((win) => win.desktop.hasNarrow &&
    wantsNarrow(win.desktop.cx, win.desktop.smallestCy) !== win.root.classList.contains('narrow'));
  if (relayout) {
    events.post({ window: windows.innermost().id, type: 'layout' });
  } else {
    windows.list.forEach((win) => fitBox(win.root));
  }
}
window.addEventListener('resize', followPage);
new ResizeObserver(followPage).observe(unitsProbe);
