// The rules for the web page's own scripts: ESLint's recommended set, and const or let, never
// var. The page's modules are joined into the script that runs before Emscripten's code in the
// same scope (--pre-js), beside the Module they fill; the worker runs in a service worker's
// scope; the tests' Firefox bridge is a module for Node.js; the tests' page scripts are bodies of
// functions that WebDriver runs in the page, with their arguments.
import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  {
    rules: { 'no-var': 'error', 'prefer-const': 'error' },
  },
  {
    files: ['framework/web/page/*.js'],
    languageOptions: {
      // What Emscripten's own tools read in the script they are given.
      ecmaVersion: 2020,
      sourceType: 'module',
      globals: { ...globals.browser, Module: 'writable' },
    },
  },
  {
    files: ['app/web/service-worker.js'],
    languageOptions: {
      ecmaVersion: 2017,
      sourceType: 'script',
      globals: { ...globals.serviceworker },
    },
  },
  {
    files: ['tests/web/page_scripts/*.js'],
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: 'script',
      parserOptions: { ecmaFeatures: { globalReturn: true } },
      globals: { ...globals.browser },
    },
  },
  {
    files: ['tests/web/firefox_bridge.mjs'],
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: 'module',
      globals: { ...globals.node },
    },
  },
];
