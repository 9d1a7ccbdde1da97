// Focusing the page's controls.

// Focuses an element that has just become focusable (shown, or out of an inert window).
// Firefox refuses the focus until it has worked out the element's style again, which asking
// for the element's size makes it do.
export function focusOn(element) {
  element.getBoundingClientRect();
  element.focus();
}
