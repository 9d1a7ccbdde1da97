// Every text of the open windows and the notice that is cut or covered, as sentences.
const problems = [];
const rect = e => e.getBoundingClientRect();
const textRect = e => { const r = document.createRange(); r.selectNodeContents(e);
                        return r.getBoundingClientRect(); };
const inside = (r, box) => r.left >= box.left - 0.5 && r.right <= box.right + 0.5 &&
                           r.top >= box.top - 0.5 && r.bottom <= box.bottom + 0.5;
const overlap = (a, b) => Math.min(a.right, b.right) - Math.max(a.left, b.left) > 0.5 &&
                          Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > 0.5;
const shown = e => getComputedStyle(e).visibility !== 'hidden' && e.textContent.trim() !== '';
for (const dialog of document.querySelectorAll('.dialog[role=dialog], .notice')) {
  const box = rect(dialog);
  const texts = [...dialog.querySelectorAll('.title, .client > .label, .client > button, p, ' +
                                            '.notice > button')].filter(shown);
  const controls = [...dialog.querySelectorAll('.client > input, .client > select, ' +
                                               '.client > button, .client > canvas, ' +
                                               '.notice > button')];
  for (const text of texts) {
    const r = textRect(text);
    const name = JSON.stringify(text.textContent.trim());
    if (!inside(r, box)) problems.push(`${name} leaves its window`);
    if (text.tagName === 'BUTTON' && !inside(r, rect(text))) problems.push(`${name} leaves its button`);
    for (const other of controls) {
      if (other !== text && overlap(r, rect(other))) problems.push(`${name} is covered by a control`);
    }
    for (const other of texts) {
      if (other !== text && !other.contains(text) && !text.contains(other) &&
          overlap(r, textRect(other))) problems.push(`${name} overlaps ${JSON.stringify(other.textContent.trim())}`);
    }
  }
}
return problems;
