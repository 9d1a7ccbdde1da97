// WCAG's relative luminance of a CSS colour, and the contrast ratio of two: the start of the
// scripts that measure contrast.
const luminance = (colour) => {
  const [r, g, b] = colour.match(/[\d.]+/g).slice(0, 3).map((c) => {
    c = c / 255;
    return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
  });
  return 0.2126 * r + 0.7152 * g + 0.0722 * b;
};
// eslint-disable-next-line no-unused-vars -- used by the script joined after this one
const ratio = (a, b) => {
  const [x, y] = [luminance(a), luminance(b)].sort((p, q) => q - p);
  return (x + 0.05) / (y + 0.05);
};
