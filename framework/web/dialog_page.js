// The page's side of Vardolin's web window system: it puts dialog windows into the page, makes
// boxes over them modal, keeps the keyboard with the innermost one wherever the focus is, and
// turns the browser's events into one queue that the program's modal loop waits on.
Module['vardolin'] = (function () {
  var queue = [];
  var wake = null;    // resolves the modal loop's wait for the next event
  var windows = [];   // open windows, innermost last: { root, id, menu, lastFocus }
  var notice = null;  // the open notice: { overlay, id }

  function post(event) {
    queue.push(event);
    if (wake) {
      var resume = wake;
      wake = null;
      resume();
    }
  }

  function innermost() { return windows.length ? windows[windows.length - 1] : null; }

  function windowWithRoot(root) {
    for (var i = 0; i < windows.length; i++) if (windows[i].root === root) return windows[i];
    return null;
  }

  // The dialog base units of the page's font, in em: the average width of the 52 letters and
  // the height of a line, as Windows measures a dialog's font.
  function measureBaseUnits() {
    var probe = document.createElement('span');
    probe.className = 'dialog';
    probe.style.cssText = 'position:absolute;visibility:hidden;white-space:pre;font-size:100px;' +
      'line-height:normal;border:0;padding:0';
    probe.textContent = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
    document.body.appendChild(probe);
    var box = probe.getBoundingClientRect();
    document.body.removeChild(probe);
    return { width: (box.width / 26 + 1) / 2 / 100, height: box.height / 100 };
  }

  function screen() { return document.getElementById('screen'); }

  // Below this width (phones, or a desktop browser zoomed past 200 %) dialogs take their narrow
  // layout, and every box is made as large as fits.
  var NARROW_SCREEN = 600;
  var DESKTOP_FONT = 17;  // px: the 10-unit toggles 24 px high, the least target size
  var MARGIN = 8;         // px around a box

  function isNarrowScreen() { return window.innerWidth < NARROW_SCREEN; }

  // Scales a window as a whole through its font size, so that it fits the viewport's width and
  // height at any zoom: on a wide screen at the desktop's size where that fits, on a narrow one
  // as large as fits. A second step corrects for the parts whose size does not follow the font
  // (borders, the least size of touch targets). (The notice wraps its text to fit instead.)
  function fitBox(box) {
    for (var step = 0; step < 2; step++) {
      var font = parseFloat(getComputedStyle(box).fontSize);
      var fitting = Math.min((window.innerWidth - 2 * MARGIN) * font / box.offsetWidth,
                             (window.innerHeight - 2 * MARGIN) * font / box.offsetHeight);
      box.style.fontSize = (isNarrowScreen() ? fitting : Math.min(DESKTOP_FONT, fitting)) + 'px';
    }
  }

  window.addEventListener('resize', function () {
    windows.forEach(function (win) { fitBox(win.root); });
  });

  // Safari's engine empties the boxes of a page that it restores from its back-forward cache
  // when they say autocomplete="off", which the boxes do so that phones offer no autofill. Each
  // box's text is kept as the page is hidden and put back when the page shows again from that
  // cache.
  window.addEventListener('pagehide', function () {
    document.querySelectorAll('.dialog input').forEach(function (box) {
      box.dataset.kept = box.value;
    });
  });
  window.addEventListener('pageshow', function (e) {
    if (!e.persisted) return;
    document.querySelectorAll('.dialog input').forEach(function (box) {
      if (box.dataset.kept !== undefined) box.value = box.dataset.kept;
    });
  });

  // A touch held still on a window's background for this long opens its window menu, as a long
  // press does on phones; the timer runs only while the finger is down.
  var LONG_PRESS = 500;  // ms

  function openMenuOnLongPress(root, id) {
    var timer = null;
    var opened = false;
    function cancel() {
      clearTimeout(timer);
      timer = null;
    }
    root.addEventListener('pointerdown', function (e) {
      cancel();
      opened = false;
      if (e.pointerType !== 'touch' || e.target.closest('button, input, select')) return;
      timer = setTimeout(function () {
        timer = null;
        opened = true;
        post({ window: id, type: 'menu' });
      }, LONG_PRESS);
    });
    ['pointerup', 'pointercancel', 'pointerleave', 'pointermove'].forEach(function (type) {
      root.addEventListener(type, function (e) {
        if (type !== 'pointermove' || Math.abs(e.movementX) + Math.abs(e.movementY) > 8) cancel();
      });
    });
    // The finger that opened the menu makes no click when it is lifted, which would close it.
    root.addEventListener('touchend', function (e) {
      if (opened) e.preventDefault();
      opened = false;
    });
  }

  // Gives the focus back to the control of a window that had it last.
  function refocus(win) {
    if (win && win.lastFocus && win.lastFocus.isConnected) win.lastFocus.focus();
  }

  function menuItems(menu) { return Array.prototype.slice.call(menu.querySelectorAll('[role=menuitem]')); }

  function closeMenu(win) {
    if (!win || win.menu.hidden) return false;
    win.menu.hidden = true;
    refocus(win);
    return true;
  }

  // The keys of an open window menu: arrows, Home and End move, Enter and Space choose (the
  // browser clicks the item), Escape closes it. Any other key closes it first and then goes to
  // the window. True when the menu took the key.
  function menuKey(win, e) {
    var items = menuItems(win.menu);
    var at = items.indexOf(document.activeElement);
    var next;
    switch (e.key) {
      case 'ArrowDown': next = (at + 1) % items.length; break;
      case 'ArrowUp': next = (at + items.length - 1) % items.length; break;
      case 'Home': next = 0; break;
      case 'End': next = items.length - 1; break;
      case 'Enter': case ' ': return at >= 0;
      case 'Escape': e.preventDefault(); closeMenu(win); return true;
      default: closeMenu(win); return false;
    }
    e.preventDefault();
    if (items.length) items[next].focus();
    return true;
  }

  function noticeKey(e) {
    e.preventDefault();
    if (e.key === 'Enter' || e.key === 'Escape' || e.key === ' ') {
      post({ window: notice.id, type: 'notice-done' });
    } else if (e.key === 'F1') {
      post({ window: notice.id, type: 'key', key: 'F1', shift: false, alt: false, ctrl: false });
    }
  }

  // Every key of the page goes to the innermost box, wherever the focus is: the notice, an open
  // window menu, or the dialog manager of the innermost window.
  document.addEventListener('keydown', function (e) {
    if (notice) return noticeKey(e);
    var win = innermost();
    if (!win) return;
    if (!win.menu.hidden && menuKey(win, e)) return;
    // The dialog manager published which keys it takes with the focus on each control of the
    // window, and with the focus elsewhere (on the window itself).
    var holder = e.target.closest ? e.target.closest('[data-dialog-keys]') : null;
    if (!holder || !win.root.contains(holder)) holder = win.root;
    var stroke = (e.ctrlKey ? 'Ctrl+' : '') + (e.altKey ? 'Alt+' : '') + (e.shiftKey ? 'Shift+' : '') + e.key;
    if (holder.dataset.dialogKeys.split('\t').indexOf(stroke) < 0) return;
    e.preventDefault();
    e.stopPropagation();
    post({ window: win.id, type: 'key', key: e.key, shift: e.shiftKey, alt: e.altKey, ctrl: e.ctrlKey });
  }, true);

  // A press on what takes no focus (a caption, the window's background, the area outside a modal
  // box) leaves the focus where it was, as on the desktop; a press outside an open menu closes it.
  // A press on the window's icon while its menu is open only closes the menu, as on Windows.
  var iconClosedMenu = false;
  document.addEventListener('mousedown', function (e) {
    var target = e.target;
    var win = innermost();
    iconClosedMenu = false;
    if (win && !win.menu.hidden && !win.menu.contains(target)) {
      closeMenu(win);
      iconClosedMenu = target.closest('.window-icon') !== null;
    }
    if (!target.closest('button, input, select, a, [tabindex]')) e.preventDefault();
  }, true);

  return {
    baseUnits: measureBaseUnits(),
    isNarrowScreen: isNarrowScreen,

    // The next event for window `id`; events left for windows that have closed are dropped.
    take: function (id) {
      while (queue.length) {
        var event = queue.shift();
        if (event.window === id) return event;
      }
      return null;
    },

    // A promise kept as soon as the queue holds an event.
    nextEvent: function () {
      if (queue.length) return Promise.resolve();
      return new Promise(function (resolve) { wake = resolve; });
    },

    // Whether the program has handled every event and waits for the next (for tests).
    idle: function () { return queue.length === 0 && wake !== null; },

    onClick: function (element, id, type, controlId) {
      element.addEventListener('click', function () {
        post({ window: id, type: type, id: controlId });
      });
    },

    openWindow: function (root, id, menu, owner) {
      var win = { root: root, id: id, menu: menu, lastFocus: null };
      root.addEventListener('focusin', function (e) {
        if (e.target.id && e.target.id.indexOf('vardolin-') === 0) win.lastFocus = e.target;
      });
      root.addEventListener('contextmenu', function (e) {
        if (e.target.tagName === 'INPUT') return;  // the box's own edit menu
        e.preventDefault();
        post({ window: id, type: 'menu' });
      });
      openMenuOnLongPress(root, id);
      var ownerWindow = owner ? windowWithRoot(owner) : null;
      if (ownerWindow) {
        closeMenu(ownerWindow);
        owner.inert = true;
        var overlay = document.createElement('div');
        overlay.className = 'overlay';
        overlay.appendChild(root);
        screen().appendChild(overlay);
      } else {
        screen().appendChild(root);
      }
      windows.push(win);
      fitBox(root);
    },

    ready: function () {
      if (window.vardolinReadyAt === undefined) {
        window.vardolinReadyAt = performance.now();
        document.body.dataset.state = 'ready';
      }
    },

    closeWindow: function (root, owner) {
      var win = windowWithRoot(root);
      if (win) windows.splice(windows.indexOf(win), 1);
      var holder = root.parentNode && root.parentNode.className === 'overlay' ? root.parentNode : root;
      if (holder.parentNode) holder.parentNode.removeChild(holder);
      if (owner) {
        owner.inert = false;
        refocus(windowWithRoot(owner));
      }
    },

    openMenu: function (menu) {
      var win = innermost();
      if (!win || win.menu !== menu) return;
      menu.hidden = false;
      var items = menuItems(menu);
      if (items.length) items[0].focus();
    },

    closeMenu: function (menu) {
      for (var i = 0; i < windows.length; i++) if (windows[i].menu === menu) closeMenu(windows[i]);
    },

    openNotice: function (root, id, text) {
      closeMenu(windowWithRoot(root));
      root.inert = true;
      var overlay = document.createElement('div');
      overlay.className = 'overlay';
      var alert = document.createElement('div');
      alert.className = 'notice';
      alert.setAttribute('role', 'alertdialog');
      alert.setAttribute('aria-modal', 'true');
      var message = document.createElement('p');
      message.id = 'vardolin-notice-' + id;
      message.textContent = text;
      alert.setAttribute('aria-describedby', message.id);
      alert.setAttribute('aria-label', document.title);
      var ok = document.createElement('button');
      ok.className = 'button default';
      ok.textContent = 'OK';
      ok.addEventListener('click', function () { post({ window: id, type: 'notice-done' }); });
      alert.appendChild(message);
      alert.appendChild(ok);
      overlay.appendChild(alert);
      screen().appendChild(overlay);
      notice = { overlay: overlay, id: id };
      ok.focus();
      return overlay;
    },

    closeNotice: function (overlay, root) {
      overlay.parentNode.removeChild(overlay);
      notice = null;
      root.inert = false;
      refocus(windowWithRoot(root));
    },

    // The window's icon in its title bar: a tap or click on it opens the window menu, as the
    // system-menu icon does on Windows.
    setIcon: function (root, id, canvas) {
      var button = document.createElement('button');
      button.className = 'window-icon';
      button.tabIndex = -1;
      button.setAttribute('aria-label', 'Window menu');
      button.setAttribute('aria-haspopup', 'menu');
      button.appendChild(canvas);
      button.addEventListener('click', function () {
        if (!iconClosedMenu) post({ window: id, type: 'menu' });
        iconClosedMenu = false;
      });
      var title = root.querySelector('.titlebar');
      title.insertBefore(button, title.firstChild);
    },

    ended: function () {
      document.body.dataset.state = 'ended';
      document.getElementById('ended').hidden = false;
      document.getElementById('restart').focus();
    },
  };
})();
