// A real LibreTranslate client (the npm package `libretranslate`) against plv-service, as a new
// user would try it: translate, translate from auto, and what the client itself does not wrap
// (/detect, /languages) with plain requests in LibreTranslate's shape. The client looks both
// languages up in /languages before it translates, so a direction through a shared language
// works only when /languages lists its target as a language of its own.
// Usage: node libretranslate_client_test.js PATH/TO/plv-service
'use strict';
const { spawn } = require('child_process');
const path = require('path');

let translate;
try {
    ({ translate } = require(path.join(__dirname, '..', 'node_modules', 'libretranslate')));
} catch (e) {
    console.error('libretranslate is missing: run `npm ci` in server/ first');
    process.exit(1);
}

const SERVICE = process.argv[2];
let child = null;

function startService() {
    return new Promise((resolve, reject) => {
        child = spawn(SERVICE, ['--port', '0'], { stdio: ['ignore', 'pipe', 'ignore'] });
        let out = '';
        const timer = setTimeout(() => reject(new Error('plv-service did not start: ' + out)), 10000);
        child.stdout.on('data', (d) => {
            out += d;
            const m = /listening on (http:\/\/[^\s]+)/.exec(out);
            if (m) {
                clearTimeout(timer);
                resolve(m[1]);
            }
        });
        child.on('exit', (code) => reject(new Error('plv-service exited with ' + code)));
    });
}

async function post(url, body) {
    const res = await fetch(url, { method: 'POST', headers: { 'Content-Type': 'application/json' },
                                   body: JSON.stringify(body), signal: AbortSignal.timeout(30000) });
    return { status: res.status, body: await res.json() };
}

function expect(cond, msg) {
    if (!cond) throw new Error(msg);
}

async function main() {
    const apiurl = await startService();
    const french = 'Le chat noir dort sur la table de la cuisine.';
    const cases = [
        ['translates English to Spanish', async () => {
            const t = await translate({ query: 'the house is big', source: 'en', target: 'es', apiurl });
            expect(/casa/.test(t), 'translation was ' + JSON.stringify(t));
        }],
        ['detects French', async () => {
            const { status, body } = await post(apiurl + '/detect', { q: french });
            expect(status === 200 && Array.isArray(body), 'answer ' + status + ' ' + JSON.stringify(body));
            expect(body[0].language === 'fr' && body[0].confidence >= 50, 'detected ' + JSON.stringify(body));
        }],
        ['translates from auto', async () => {
            // The client's default source is auto.
            const t = await translate({ query: french, target: 'es', apiurl });
            expect(/gato/.test(t), 'translation was ' + JSON.stringify(t));
            const { body } = await post(apiurl + '/translate', { q: french, source: 'auto', target: 'es' });
            expect(body.detectedLanguage && body.detectedLanguage.language === 'fr',
                   'detectedLanguage ' + JSON.stringify(body));
        }],
        ['lists languages in LibreTranslate\'s shape', async () => {
            const res = await fetch(apiurl + '/languages', { signal: AbortSignal.timeout(30000) });
            const languages = await res.json();
            expect(Array.isArray(languages), 'not a list: ' + JSON.stringify(languages));
            for (const l of languages) {
                expect(typeof l.code === 'string' && typeof l.name === 'string' && Array.isArray(l.targets),
                       'entry ' + JSON.stringify(l));
            }
            const en = languages.find((l) => l.code === 'en');
            expect(en && en.name === 'English' && en.targets.includes('es'), 'en: ' + JSON.stringify(en));
        }],
        // Through Spanish: English-Spanish then Spanish-French, and Spanish-Asturian, whose
        // target Asturian is a target only.
        ['translates English to French through Spanish', async () => {
            const t = await translate({ query: 'the house is big', source: 'en', target: 'fr', apiurl });
            expect(/maison/.test(t), 'translation was ' + JSON.stringify(t));
        }],
        ['translates English to Asturian through Spanish', async () => {
            const t = await translate({ query: 'the house is big', source: 'en', target: 'ast', apiurl });
            expect(typeof t === 'string' && /ca/.test(t), 'translation was ' + JSON.stringify(t));
        }],
    ];
    let failed = 0;
    for (const [name, fn] of cases) {
        try {
            await fn();
            console.log('ok   ' + name);
        } catch (e) {
            failed++;
            console.log('FAIL ' + name + ': ' + e.message);
        }
    }
    console.log(`${cases.length - failed} passed, ${failed} failed`);
    process.exitCode = failed ? 1 : 0;
}

main().catch((e) => {
    console.error(e.stack || String(e));
    process.exitCode = 1;
}).finally(async () => {
    // Stopped as its unit stops it, and waited for; killed if it does not end within 5 s.
    if (child && child.exitCode === null && child.signalCode === null) {
        const gone = new Promise((resolve) => child.once('exit', resolve));
        child.kill('SIGTERM');
        const timer = setTimeout(() => child.kill('SIGKILL'), 5000);
        await gone;
        clearTimeout(timer);
    }
    process.exit(process.exitCode);
});
