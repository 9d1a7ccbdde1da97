// The page's side of Vardolin's web window system: it puts dialog windows into the page,
// makes boxes over them modal, and turns the browser's events into one queue that the
// program's modal loop takes from, window by window.
Module['vardolin'] = (function () {
  var queue = [];
  var focusBefore = new Map();  // window root -> what had the focus when a box opened over it

  function post(event) { queue.push(event); }

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

  // Scales the windows as a whole through the font size: the desktop's size where the screen is
  // wide enough, otherwise as large as the calculator fits, which also makes its buttons big
  // enough to touch.
  function fit() {
    var first = screen().querySelector('.dialog');
    if (!first) return;
    var current = parseFloat(getComputedStyle(screen()).fontSize);
    var widthEm = first.offsetWidth / current;
    var heightEm = first.offsetHeight / current;
    var desktop = 13;
    var fitting = Math.min((window.innerWidth - 16) / widthEm, (window.innerHeight - 16) / heightEm);
    var narrow = window.innerWidth < 600 || window.matchMedia('(pointer: coarse)').matches;
    screen().style.fontSize = (narrow ? fitting : Math.min(desktop, fitting)) + 'px';
  }
  window.addEventListener('resize', fit);

  function attachKeyboard(root, id) {
    root.addEventListener('keydown', function (e) {
      var target = e.target;
      if (target.getAttribute && target.getAttribute('role') === 'menuitem' &&
          (e.key === 'Enter' || e.key === ' ')) {
        return;  // the browser clicks the item
      }
      var inText = target.tagName === 'INPUT';
      var key = e.key;
      var take = key === 'Tab' || key === 'Enter' || key === 'Escape' || key === 'F1';
      if (key === 'ContextMenu' || (key === 'F10' && e.shiftKey)) take = !inText;
      if (!take) return;
      e.preventDefault();
      e.stopPropagation();
      post({ window: id, type: 'key', key: key, shift: e.shiftKey });
    });
    root.addEventListener('contextmenu', function (e) {
      if (e.target.tagName === 'INPUT') return;  // the box's own edit menu
      e.preventDefault();
      post({ window: id, type: 'menu' });
    });
  }

  function closeMenus(except) {
    document.querySelectorAll('.window-menu').forEach(function (menu) {
      if (menu !== except) menu.hidden = true;
    });
  }
  document.addEventListener('mousedown', function (e) {
    if (!e.target.closest || !e.target.closest('.window-menu')) closeMenus(null);
  });

  return {
    baseUnits: measureBaseUnits(),

    take: function (id) {
      while (queue.length) {
        var event = queue.shift();
        if (event.window === id) return event;
      }
      return null;
    },

    onClick: function (element, id, type, controlId) {
      element.addEventListener('click', function () {
        post({ window: id, type: type, id: controlId });
      });
    },

    openWindow: function (root, id, owner) {
      attachKeyboard(root, id);
      if (owner) {
        focusBefore.set(owner, document.activeElement);
        owner.inert = true;
        var overlay = document.createElement('div');
        overlay.className = 'overlay';
        overlay.appendChild(root);
        screen().appendChild(overlay);
      } else {
        screen().appendChild(root);
        fit();
      }
    },

    ready: function () {
      if (window.vardolinReadyAt === undefined) {
        window.vardolinReadyAt = performance.now();
        document.body.dataset.state = 'ready';
      }
    },

    closeWindow: function (root, owner) {
      var holder = root.parentNode && root.parentNode.className === 'overlay' ? root.parentNode : root;
      if (holder.parentNode) holder.parentNode.removeChild(holder);
      if (owner) {
        owner.inert = false;
        var before = focusBefore.get(owner);
        if (before && before.focus) before.focus();
        focusBefore.delete(owner);
      }
    },

    openMenu: function (menu) {
      closeMenus(menu);
      menu.returnFocus = document.activeElement;
      menu.hidden = false;
      var first = menu.querySelector('[role=menuitem]');
      if (first) first.focus();
    },

    closeMenu: function (menu) {
      if (menu.hidden) return false;
      menu.hidden = true;
      if (menu.returnFocus && menu.returnFocus.focus) menu.returnFocus.focus();
      return true;
    },

    openNotice: function (root, id, text) {
      focusBefore.set(root, document.activeElement);
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
      alert.addEventListener('keydown', function (e) {
        if (e.key === 'Enter' || e.key === 'Escape' || e.key === ' ') {
          e.preventDefault();
          post({ window: id, type: 'notice-done' });
        } else if (e.key === 'F1') {
          e.preventDefault();
          post({ window: id, type: 'key', key: 'F1', shift: false });
        } else if (e.key === 'Tab') {
          e.preventDefault();  // the OK button is all the notice has
        }
      });
      alert.appendChild(message);
      alert.appendChild(ok);
      overlay.appendChild(alert);
      screen().appendChild(overlay);
      ok.focus();
      return overlay;
    },

    closeNotice: function (overlay, root) {
      overlay.parentNode.removeChild(overlay);
      root.inert = false;
      focusBefore.delete(root);
    },

    setIcon: function (root, canvas) {
      var title = root.querySelector('.titlebar');
      title.insertBefore(canvas, title.firstChild);
      var icon = document.querySelector('link[rel=icon]') || document.createElement('link');
      icon.rel = 'icon';
      icon.href = canvas.toDataURL('image/png');
      document.head.appendChild(icon);
    },

    ended: function () {
      document.body.dataset.state = 'ended';
      document.getElementById('ended').hidden = false;
      document.getElementById('restart').focus();
    },
  };
})();
