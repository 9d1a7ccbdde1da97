// The page's side of Vardolin's web window system: it puts dialog windows into the page, makes
// boxes over them modal, keeps the keyboard with the innermost one wherever the focus is, and
// turns the browser's events into one queue that the program's modal loop waits on. This is
// what the program calls (Module.vardolin); each piece is a module of its own.
import { fitChangedText, textChanged } from './box_text.js';
import { fitBox, wantsNarrow } from './dialog_units.js';
import { events } from './event_queue.js';
import { focusOn } from './focus.js';
import './follow_page.js';
import './navigation.js';
import { closeNotice, openNotice } from './notice.js';
import './page_keys.js';
import { openMenuOnLongPress } from './touch.js';
import { appendMenuItem, appendMenuSeparator, closeMenu, closeMenuElement, createMenu, openMenu, setIcon } from './window_menu.js';
import { windows } from './windows.js';

Module['vardolin'] = {
  wantsNarrow,
  fit: fitBox,
  textChanged,
  take: (id) => events.take(id),
  nextEvent() {
    fitChangedText();
    return events.next();
  },
  idle: () => events.idle(),

  onClick(element, id, type, controlId) {
    element.addEventListener('click', () => events.post({ window: id, type, id: controlId }));
  },

  // Opens a window, over its owner's when it has one. `desktop` tells its desktop layout: its
  // width `cx` and its lowest target `smallestCy` in dialog units, and whether it has a narrow
  // layout.
  openWindow(root, id, menu, owner, desktop) {
    if (owner) closeMenu(windows.withRoot(owner));
    root.addEventListener('contextmenu', (e) => {
      if (e.target.tagName === 'INPUT') return;  // the box's own edit menu
      e.preventDefault();
      events.post({ window: id, type: 'menu' });
    });
    openMenuOnLongPress(root, id);
    windows.open(root, id, menu, owner, desktop);
  },

  closeWindow: (root, owner) => windows.close(root, owner),
  lastFocus: (root) => windows.lastFocus(root),
  keepFocus: (root, control) => windows.keepFocus(root, control),

  ready() {
    // The wait that follows would fit the new values anyway; fitted first, they count in the
    // time to ready that the start-up benchmark reads.
    fitChangedText();
    if (window.vardolinReadyAt === undefined) {
      window.vardolinReadyAt = performance.now();
      document.body.dataset.state = 'ready';
    }
  },

  createMenu,
  appendMenuItem,
  appendMenuSeparator,
  openMenu,
  closeMenu: closeMenuElement,
  openNotice,
  closeNotice,
  setIcon,

  ended() {
    document.body.dataset.state = 'ended';
    document.getElementById('ended').hidden = false;
    focusOn(document.getElementById('restart'));
  },
};
