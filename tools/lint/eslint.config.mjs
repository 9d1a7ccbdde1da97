// The rules for the web page's own scripts: ESLint's recommended set. The page's script runs
// before Emscripten's code in the same scope (--pre-js), beside the Module it fills; the worker
// runs in a service worker's scope; the tests' Firefox bridge is a module for Node.js.
import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  {
    files: ['framework/web/dialog_page.js'],
    languageOptions: {
      ecmaVersion: 2017,
      sourceType: 'script',
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
    files: ['tests/web/firefox_bridge.mjs'],
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: 'module',
      globals: { ...globals.node },
    },
  },
];
