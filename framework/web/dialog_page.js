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

  function screen() { return document.getElementById('screen'); }

  // The dialog base units of the page's font, in em: the average width of the 52 letters and
  // the height of a line, as Windows measures a dialog's font. Every length of a dialog is a
  // number of dialog units times the CSS variables --dlu-x and --dlu-y, so that a change of the
  // units moves and sizes every control at once. The probe stays in the page: when the reader's
  // own style spaces letters, words or lines more widely (as WCAG's text-spacing test does),
  // the units grow with the text, and the windows with them.
  var baseUnits = { width: 0, height: 0 };
  // (The probe is wider than a phone; it stands in a holder of no size, which the page does not
  // grow to show.)
  var probe = document.createElement('span');
  probe.className = 'dialog';
  probe.style.cssText = 'position:absolute;visibility:hidden;white-space:pre;font-size:100px;' +
    'line-height:normal;border:0;padding:0;left:0;top:0';
  probe.textContent = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
  var probeHolder = document.createElement('div');
  probeHolder.setAttribute('aria-hidden', 'true');
  probeHolder.style.cssText = 'position:absolute;left:0;top:0;width:0;height:0;overflow:hidden';
  probeHolder.appendChild(probe);
  document.body.appendChild(probeHolder);

  function measureBaseUnits() {
    var box = probe.getBoundingClientRect();
    baseUnits.width = (box.width / 26 + 1) / 2 / 100;
    baseUnits.height = box.height / 100;
    document.documentElement.style.setProperty('--dlu-x', baseUnits.width / 4 + 'em');
    document.documentElement.style.setProperty('--dlu-y', baseUnits.height / 8 + 'em');
  }
  measureBaseUnits();

  var DESKTOP_FONT = 17;  // px: the desktop layout's 10-unit toggles 24 px high
  var MARGIN = 8;         // px around a box

  // What a target and the text need at the least: 44 CSS px and 16 px where the pointer is a
  // finger, 24 px and 12 px with a mouse (WCAG's target sizes; the text as phones and desktops
  // set it).
  function least() {
    return matchMedia('(pointer: coarse)').matches ? { target: 44, text: 16 }
                                                   : { target: 24, text: 12 };
  }

  // The width the page has for a box, without a vertical scroll bar.
  function roomWidth() { return document.documentElement.clientWidth - 2 * MARGIN; }
  function roomHeight() { return window.innerHeight - 2 * MARGIN; }

  // Whether a dialog whose desktop layout is `cx` dialog units wide, with no target lower than
  // `smallestCy` units, must take its narrow layout: the desktop layout does not fit the
  // page's width with its targets and text at their least.
  function wantsNarrow(cx, smallestCy) {
    var need = least();
    var font = Math.max(need.text, need.target / (smallestCy * baseUnits.height / 8));
    return cx * baseUnits.width / 4 * font + 2 > roomWidth();
  }

  // The least font size at which every target of the box is large enough and its text readable,
  // measured at its font size now.
  function leastFont(box, font) {
    var smallest = Infinity;
    box.querySelectorAll('.client > button, .client > input, .client > select').forEach(
      function (control) {
        if (control.style.visibility !== 'hidden') {
          smallest = Math.min(smallest, control.offsetHeight, control.offsetWidth);
        }
      });
    // (Half a pixel more, since a box's border does not grow with the font.)
    var need = least();
    return Math.max(need.text, smallest === Infinity ? 0 : font * (need.target + 0.5) / smallest);
  }

  // Sizes a window through its font size, never below what its targets and text need: the
  // desktop layout at the desktop's size, smaller only to fit the page while it stays above
  // that; the narrow layout as large as fits the page's width, and its height down to the
  // desktop's size. A window that is still too high scrolls with the page. A second and third
  // step correct for the parts whose size does not follow the font (borders, the title bar's
  // least target size). (The notice wraps its text to fit instead.)
  function fitBox(box) {
    for (var step = 0; step < 3; step++) {
      var font = parseFloat(getComputedStyle(box).fontSize);
      var byWidth = roomWidth() * font / box.offsetWidth;
      var byHeight = roomHeight() * font / box.offsetHeight;
      var wanted = box.classList.contains('narrow')
        ? Math.min(byWidth, Math.max(byHeight, DESKTOP_FONT))
        : Math.min(DESKTOP_FONT, byWidth, byHeight);
      box.style.fontSize = Math.max(leastFont(box, font), wanted) + 'px';
    }
  }

  // A window whose layout no longer suits the page (after a resize, a rotation or a zoom) is
  // rebuilt by the program from its other layout; the innermost window's loop takes the event
  // and rebuilds every open window. The others are sized again at once.
  function followPage() {
    measureBaseUnits();
    var relayout = windows.some(function (win) {
      return win.desktop.hasNarrow &&
        wantsNarrow(win.desktop.cx, win.desktop.smallestCy) !== win.root.classList.contains('narrow');
    });
    if (relayout) {
      post({ window: innermost().id, type: 'layout' });
    } else {
      windows.forEach(function (win) { fitBox(win.root); });
    }
  }
  window.addEventListener('resize', followPage);
  new ResizeObserver(followPage).observe(probe);

  // Safari's engine empties the boxes that say autocomplete="off" (which the boxes do, so that
  // phones offer no autofill) when it brings a page back from its back-forward cache, in a task
  // of its own after the page shows. While the page is hidden the boxes say nothing about
  // autocompletion, and they say "off" again when it shows; their text is also kept and put
  // back, for an engine that empties them all the same.
  window.addEventListener('pagehide', function () {
    document.querySelectorAll('.dialog input').forEach(function (box) {
      box.dataset.kept = box.value;
      box.removeAttribute('autocomplete');
    });
  });
  window.addEventListener('pageshow', function (e) {
    document.querySelectorAll('.dialog input').forEach(function (box) {
      box.setAttribute('autocomplete', 'off');
      if (e.persisted && box.dataset.kept !== undefined) box.value = box.dataset.kept;
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

  // Focuses an element that has just become focusable (shown, or out of an inert window).
  // Firefox refuses the focus until it has worked out the element's style again, which asking
  // for the element's size makes it do.
  function focus(element) {
    element.getBoundingClientRect();
    element.focus();
  }

  // Remembers which control of a window has the focus as a box or menu opens over it, for a
  // browser that sends no focus events to a window without the system's focus (a headless one).
  function rememberFocus(win) {
    var active = document.activeElement;
    if (win && active && active.id && active.id.indexOf('vardolin-') === 0 &&
        win.root.contains(active)) {
      win.lastFocus = active;
    }
  }

  // Gives the focus back to the control of a window that had it last.
  function refocus(win) {
    if (win && win.lastFocus && win.lastFocus.isConnected) focus(win.lastFocus);
  }

  function menuItems(menu) { return Array.prototype.slice.call(menu.querySelectorAll('[role=menuitem]')); }

  function closeMenu(win) {
    if (!win || win.menu.hidden) return false;
    win.menu.hidden = true;
    refocus(win);
    return true;
  }

  // The keys of an open window menu: arrows, Home and End move, Enter and Space choose,
  // Escape closes it. Any other key closes it first and then goes to
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
      case 'Enter': case ' ':
        // The item is chosen here rather than by the browser's own activation of a focused
        // button, which Firefox gives only to a window with the system's focus.
        if (at < 0) return false;
        e.preventDefault();
        items[at].click();
        return true;
      case 'Escape': e.preventDefault(); closeMenu(win); return true;
      default: closeMenu(win); return false;
    }
    e.preventDefault();
    if (items.length) focus(items[next]);
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
    wantsNarrow: wantsNarrow,
    fit: fitBox,

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

    // Opens a window. `desktop` tells its desktop layout: its width `cx` and its lowest target
    // `smallestCy` in dialog units, and whether it has a narrow layout.
    openWindow: function (root, id, menu, owner, desktop) {
      var win = { root: root, id: id, menu: menu, lastFocus: null, desktop: desktop };
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
        rememberFocus(ownerWindow);
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

    // The control of a window that had the focus last (the focus itself, or where it goes back
    // when the box over the window closes), or null.
    lastFocus: function (root) {
      var win = windowWithRoot(root);
      rememberFocus(win);
      return win && win.lastFocus ? win.lastFocus : null;
    },

    // Makes `control` the window's control with the focus: focused now if the window has the
    // keyboard, else when the box or the window menu over it closes (an open menu keeps its
    // item focused, so that Enter still chooses it).
    keepFocus: function (root, control) {
      var win = windowWithRoot(root);
      if (!win) return;
      win.lastFocus = control;
      if (win === innermost() && !notice && win.menu.hidden) focus(control);
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
      rememberFocus(win);
      menu.hidden = false;
      var items = menuItems(menu);
      if (items.length) focus(items[0]);
    },

    closeMenu: function (menu) {
      for (var i = 0; i < windows.length; i++) if (windows[i].menu === menu) closeMenu(windows[i]);
    },

    openNotice: function (root, id, text) {
      rememberFocus(windowWithRoot(root));
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
      focus(ok);
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
      focus(document.getElementById('restart'));
    },
  };
})();
