// Key strokes as the program publishes the ones a window or the notice takes: "Ctrl+", "Alt+"
// and "Shift+" in that order before the browser's name of the key ("Shift+Tab", "Alt+F4").
import { events } from './event_queue.js';

// Whether `holder` (a window, a control or the notice) takes the stroke of key event `e`.
export function takesStroke(holder, e) {
  const stroke = (e.ctrlKey ? 'Ctrl+' : '') + (e.altKey ? 'Alt+' : '') +
    (e.shiftKey ? 'Shift+' : '') + e.key;
  return holder.dataset.dialogKeys.split('\t').includes(stroke);
}

// Hands key event `e` to window `id`'s loop.
export function postKey(id, e) {
  events.post({ window: id, type: 'key', key: e.key, shift: e.shiftKey, alt: e.altKey,
                ctrl: e.ctrlKey });
}
