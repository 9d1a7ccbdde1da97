// The page's open windows, innermost last, and where each one's focus is: the control that
// had it last, to give it back when a box or a menu over the window closes.
import { fitBox } from './dialog_units.js';
import { focusOn } from './focus.js';

function screen() { return document.getElementById('screen'); }

export class WindowStack {
  constructor() {
    this.list = [];  // { root, id, menu, lastFocus, desktop }
  }

  innermost() { return this.list.length ? this.list[this.list.length - 1] : null; }

  withRoot(root) { return this.list.find((win) => win.root === root) || null; }

  // Puts a window into the page, over its owner's window (which turns inert) when it has one,
  // and sizes it. `desktop` tells its desktop layout: its width `cx` and its lowest target
  // `smallestCy` in dialog units, and whether it has a narrow layout.
  open(root, id, menu, owner, desktop) {
    const win = { root, id, menu, lastFocus: null, desktop };
    root.addEventListener('focusin', (e) => {
      if (e.target.id && e.target.id.startsWith('vardolin-')) win.lastFocus = e.target;
    });
    const ownerWindow = owner ? this.withRoot(owner) : null;
    if (ownerWindow) {
      this.rememberFocus(ownerWindow);
      owner.inert = true;
      WindowStack.showOverlay(root);
    } else {
      screen().appendChild(root);
    }
    this.list.push(win);
    fitBox(root);
    return win;
  }

  // Takes a window out of the page and gives its owner the keyboard again.
  close(root, owner) {
    const win = this.withRoot(root);
    if (win) this.list.splice(this.list.indexOf(win), 1);
    const parent = root.parentNode;
    const holder = parent && parent.className === 'overlay' ? parent : root;
    if (holder.parentNode) holder.parentNode.removeChild(holder);
    if (owner) {
      owner.inert = false;
      this.refocus(this.withRoot(owner));
    }
  }

  // Puts a notice or another box over the page, in an overlay of its own.
  static showOverlay(content) {
    const overlay = document.createElement('div');
    overlay.className = 'overlay';
    overlay.appendChild(content);
    screen().appendChild(overlay);
    return overlay;
  }

  // Remembers which control of a window has the focus as a box or menu opens over it, for a
  // browser that sends no focus events to a window without the system's focus (a headless one).
  rememberFocus(win) {
    const active = document.activeElement;
    if (win && active && active.id && active.id.startsWith('vardolin-') &&
        win.root.contains(active)) {
      win.lastFocus = active;
    }
  }

  // Gives the focus back to the control of a window that had it last.
  refocus(win) {
    if (win && win.lastFocus && win.lastFocus.isConnected) focusOn(win.lastFocus);
  }

  // The control of a window that had the focus last (the focus itself, or where it goes back
  // when the box over the window closes), or null.
  lastFocus(root) {
    const win = this.withRoot(root);
    this.rememberFocus(win);
    return win && win.lastFocus ? win.lastFocus : null;
  }

  // Makes `control` the window's control with the focus: focused now if the window has the
  // keyboard, else when the box, notice or window menu over it closes (an open menu keeps its
  // item focused, so that Enter still chooses it).
  keepFocus(root, control) {
    const win = this.withRoot(root);
    if (!win) return;
    win.lastFocus = control;
    if (win === this.innermost() && !win.root.inert && win.menu.hidden) focusOn(control);
  }
}

export const windows = new WindowStack();

// A press on what takes no focus (a caption, the window's background, the area outside a modal
// box) leaves the focus where it was, as on the desktop.
document.addEventListener('mousedown', (e) => {
  if (!e.target.closest('button, input, select, a, [tabindex]')) e.preventDefault();
}, true);
