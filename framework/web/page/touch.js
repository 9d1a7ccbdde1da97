// Touch: a touch held still on a window's background opens its window menu, as a long press
// does on phones.
import { events } from './event_queue.js';

// How long the touch is held; the timer runs only while the finger is down.
const LONG_PRESS = 500;  // ms

export function openMenuOnLongPress(root, id) {
  let timer = null;
  let opened = false;
  const cancel = () => {
    clearTimeout(timer);
    timer = null;
  };
  root.addEventListener('pointerdown', (e) => {
    cancel();
    opened = false;
    if (e.pointerType !== 'touch' || e.target.closest('button, input, select')) return;
    timer = setTimeout(() => {
      timer = null;
      opened = true;
      events.post({ window: id, type: 'menu' });
    }, LONG_PRESS);
  });
  for (const type of ['pointerup', 'pointercancel', 'pointerleave', 'pointermove']) {
    root.addEventListener(type, (e) => {
      if (type !== 'pointermove' || Math.abs(e.movementX) + Math.abs(e.movementY) > 8) cancel();
    });
  }
  // The finger that opened the menu makes no click when it is lifted, which would close it.
  root.addEventListener('touchend', (e) => {
    if (opened) e.preventDefault();
    opened = false;
  });
}
