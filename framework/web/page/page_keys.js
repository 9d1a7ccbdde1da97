// Every key of the page goes to the innermost box, wherever the focus is: the notice, an open
// window menu, or the dialog manager of the innermost window.
import { postKey, takesStroke } from './key_strokes.js';
import { noticeIsOpen, noticeKey } from './notice.js';
import { menuKey } from './window_menu.js';
import { windows } from './windows.js';

document.addEventListener('keydown', (e) => {
  if (noticeIsOpen()) {
    noticeKey(e);
    return;
  }
  const win = windows.innermost();
  if (!win) return;
  if (!win.menu.hidden && menuKey(win, e)) return;
  // The dialog manager published which keys it takes with the focus on each control of the
  // window, and with the focus elsewhere (on the window itself).
  let holder = e.target.closest ? e.target.closest('[data-dialog-keys]') : null;
  if (!holder || !win.root.contains(holder)) holder = win.root;
  if (!takesStroke(holder, e)) return;
  e.preventDefault();
  e.stopPropagation();
  postKey(win.id, e);
}, true);
