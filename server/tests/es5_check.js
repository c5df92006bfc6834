// Proves the page's script parses as ES5 and uses none of the newer APIs older embedded engines
// lack. Arguments: .js files and .html files (whose inline scripts are checked too).
'use strict';
const fs = require('fs');
const path = require('path');

let acorn;
try {
    acorn = require(path.join(__dirname, '..', 'node_modules', 'acorn'));
} catch (e) {
    console.error('acorn is missing: run `npm ci` in server/ first');
    process.exit(1);
}

const FORBIDDEN = new Set(['fetch', 'Promise', 'Symbol', 'Map', 'Set', 'WeakMap', 'Proxy', 'Reflect']);

function check(source, where) {
    const problems = [];
    try {
        for (const tok of acorn.tokenizer(source, { ecmaVersion: 5 })) {
            if (tok.type.label === 'name' && FORBIDDEN.has(tok.value)) {
                problems.push(`${where}: uses ${tok.value}, which older engines lack`);
            }
        }
        acorn.parse(source, { ecmaVersion: 5, sourceType: 'script' });
    } catch (e) {
        problems.push(`${where}: not ES5: ${e.message}`);
    }
    return problems;
}

// The checker must itself be able to fail, or a pass means nothing.
const selfTest = ['let x = 1;', 'var f = () => 1;', 'var s = `t`;', 'fetch("/x");', 'const y = 2;', 'class A {}',
                  'new Promise(function () {});'];
for (const snippet of selfTest) {
    if (check(snippet, 'self-test').length === 0) {
        console.error('checker accepted non-ES5 code: ' + snippet);
        process.exit(1);
    }
}
if (check('var a = [1, 2]; a.forEach(function (v) { return JSON.stringify(v); });', 'self-test').length !== 0) {
    console.error('checker rejected plain ES5 code');
    process.exit(1);
}

let problems = [];
let scripts = 0;
for (const file of process.argv.slice(2)) {
    const text = fs.readFileSync(file, 'utf8');
    if (file.endsWith('.html')) {
        if (!/<meta http-equiv="X-UA-Compatible" content="IE=edge">/.test(text)) {
            problems.push(`${file}: no X-UA-Compatible IE=edge meta tag`);
        }
        const re = /<script\b([^>]*)>([\s\S]*?)<\/script>/gi;
        let m;
        while ((m = re.exec(text)) !== null) {
            if (/\bsrc=/.test(m[1])) continue;
            scripts++;
            problems = problems.concat(check(m[2], `${file} (inline script)`));
        }
    } else {
        scripts++;
        problems = problems.concat(check(text, file));
    }
}
if (scripts === 0) problems.push('no script was checked');
if (problems.length) {
    problems.forEach((p) => console.error(p));
    console.log(`0 passed, ${problems.length} failed`);
    process.exit(1);
}
console.log(`${scripts} passed, 0 failed`);
