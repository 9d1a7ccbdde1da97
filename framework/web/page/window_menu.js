// The window menu of the page's windows, what the system menu is on Windows: built with the
// items the program gives, opened by the program, moved through and chosen from with the
// keyboard, closed by a press outside it; and the window's icon in its title bar, which opens it.
import { events } from './event_queue.js';
import { focusOn } from './focus.js';
import { windows } from './windows.js';

function menuItems(menu) { return Array.from(menu.querySelectorAll('[role=menuitem]')); }

// A window's menu, closed, at the end of its root.
export function createMenu(root) {
  const menu = document.createElement('div');
  menu.className = 'window-menu';
  menu.setAttribute('role', 'menu');
  menu.hidden = true;
  root.appendChild(menu);
  return menu;
}

// Appends an item that sends the system command `command` to window `id` when chosen.
export function appendMenuItem(menu, id, command, text) {
  const item = document.createElement('button');
  item.className = 'menu-item';
  item.setAttribute('role', 'menuitem');
  item.tabIndex = -1;
  item.textContent = text;
  item.addEventListener('click', () => events.post({ window: id, type: 'syscommand', id: command }));
  menu.appendChild(item);
}

export function appendMenuSeparator(menu) {
  const separator = document.createElement('hr');
  separator.className = 'separator';
  separator.setAttribute('role', 'separator');
  menu.appendChild(separator);
}

// Closes the window's menu, if open, and gives the focus back to the window.
export function closeMenu(win) {
  if (!win || win.menu.hidden) return false;
  win.menu.hidden = true;
  windows.refocus(win);
  return true;
}

// Opens the innermost window's menu on its first item.
export function openMenu(menu) {
  const win = windows.innermost();
  if (!win || win.menu !== menu) return;
  windows.rememberFocus(win);
  menu.hidden = false;
  const items = menuItems(menu);
  if (items.length) focusOn(items[0]);
}

// Closes the menu `menu` wherever it is.
export function closeMenuElement(menu) {
  windows.list.filter((win) => win.menu === menu).forEach(closeMenu);
}

// The keys of an open window menu, as the program published them on it ("ArrowDown=next"):
// they move the highlight, choose the item or close the menu. Any other key closes it first and
// then goes to the window. True when the menu took the key.
export function menuKey(win, e) {
  const answers = new Map(win.menu.dataset.menuKeys.split('\t').map((entry) => entry.split('=')));
  const items = menuItems(win.menu);
  const at = items.indexOf(document.activeElement);
  let next;
  switch (answers.get(e.key)) {
    case 'next': next = (at + 1) % items.length; break;
    case 'previous': next = (at + items.length - 1) % items.length; break;
    case 'first': next = 0; break;
    case 'last': next = items.length - 1; break;
    case 'choose':
      // The item is chosen here rather than by the browser's own activation of a focused
      // button, which Firefox gives only to a window with the system's focus.
      if (at < 0) return false;
      e.preventDefault();
      items[at].click();
      return true;
    case 'close': e.preventDefault(); closeMenu(win); return true;
    default: closeMenu(win); return false;
  }
  e.preventDefault();
  if (items.length) focusOn(items[next]);
  return true;
}

// A press outside an open menu closes it; a press on the window's icon while its menu is open
// only closes the menu, as on Windows.
let iconClosedMenu = false;
document.addEventListener('mousedown', (e) => {
  const win = windows.innermost();
  iconClosedMenu = false;
  if (win && !win.menu.hidden && !win.menu.contains(e.target)) {
    closeMenu(win);
    iconClosedMenu = e.target.closest('.window-icon') !== null;
  }
}, true);

// The window's icon in its title bar: a tap or click on it opens the window menu, as the
// system-menu icon does on Windows.
export function setIcon(root, id, canvas) {
  const button = document.createElement('button');
  button.className = 'window-icon';
  // Named as the window's controls are, so that the focus can come back to it when the menu it
  // opened closes, in a browser that reports no focus changes (Firefox without the system's
  // focus).
  button.id = `vardolin-${id}-icon`;
  button.tabIndex = -1;
  button.setAttribute('aria-label', 'Window menu');
  button.setAttribute('aria-haspopup', 'menu');
  button.appendChild(canvas);
  button.addEventListener('click', () => {
    if (!iconClosedMenu) events.post({ window: id, type: 'menu' });
    iconClosedMenu = false;
  });
  const title = root.querySelector('.titlebar');
  title.insertBefore(button, title.firstChild);
}
