// The notice: a modal alert over a window, with its text and OK, that takes every key until the
// user confirms it.
import { events } from './event_queue.js';
import { focusOn } from './focus.js';
import { postKey, takesStroke } from './key_strokes.js';
import { closeMenu } from './window_menu.js';
import { WindowStack, windows } from './windows.js';

let open = null;  // the open notice: { overlay, id }

export function noticeIsOpen() { return open !== null; }

export function openNotice(root, id, text) {
  const owner = windows.withRoot(root);
  windows.rememberFocus(owner);
  closeMenu(owner);
  root.inert = true;
  const alert = document.createElement('div');
  alert.className = 'notice';
  alert.setAttribute('role', 'alertdialog');
  alert.setAttribute('aria-modal', 'true');
  const message = document.createElement('p');
  message.id = 'vardolin-notice-' + id;
  message.textContent = text;
  alert.setAttribute('aria-describedby', message.id);
  alert.setAttribute('aria-label', document.title);
  const ok = document.createElement('button');
  ok.className = 'button default';
  ok.textContent = 'OK';
  ok.addEventListener('click', () => events.post({ window: id, type: 'notice-done' }));
  alert.appendChild(message);
  alert.appendChild(ok);
  const overlay = WindowStack.showOverlay(alert);
  open = { overlay, id };
  focusOn(ok);
  return overlay;
}

export function closeNotice(overlay, root) {
  overlay.parentNode.removeChild(overlay);
  open = null;
  root.inert = false;
  windows.refocus(windows.withRoot(root));
}

// The notice takes the keys that the program published on it (those of a message box) and
// hands them to its loop; no other key reaches the page while it is open.
export function noticeKey(e) {
  e.preventDefault();
  const alert = open.overlay.firstChild;
  if (takesStroke(alert, e)) postKey(open.id, e);
}
