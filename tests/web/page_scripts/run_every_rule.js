// Runs axe-core, loaded into the page before, with every rule on; answers its violations.
/* global axe */
const done = arguments[arguments.length - 1];
const rules = Object.fromEntries(axe.getRules().map((rule) => [rule.ruleId, { enabled: true }]));
axe.run(document, { rules, resultTypes: ['violations'] })
  .then((result) => done(result.violations.map((v) => ({
      rule: v.id, impact: v.impact,
      nodes: v.nodes.map((n) => n.target.join(' ') + ': ' + n.failureSummary) }))))
  .catch((error) => done([{ rule: 'axe failed', impact: 'critical', nodes: [String(error)] }]));
