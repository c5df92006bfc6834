// The Engines panel in headless Chromium, on a service started for one user (--api-key-stdin)
// with a DeepL stand-in: bad input refused, a refused and an accepted key checked, a key and a
// direction saved, the key never coming back, the direction translated by the stand-in at once
// by the same process, a refused key's message pointing to the panel; and a team server, which
// has neither the panel nor its endpoints. Usage: node engines_test.js PATH/TO/plv-service
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const http = require('http');
// The page test's way of running Chromium, speaking DevTools and ending what it started.
const { run, startChromium, Cdp, pollUntil, children } = require('./page_test');

const SERVICE = process.argv[2];
const KEY = 'panel-key-0123456789:fx';
const PATH_KEY = 'parent-key-1';
const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'plv-engines-'));
process.on('exit', () => fs.rmSync(dir, { recursive: true, force: true, maxRetries: 5 }));

// DeepL as its API answers: the translation for the right key, 403 for any other.
let deeplRequests = 0;
function startDeepl() {
    const server = http.createServer((req, res) => {
        let body = '';
        req.on('data', (d) => (body += d));
        req.on('end', () => {
            deeplRequests++;
            const q = JSON.parse(body);
            const ok = req.url === '/v2/translate' && req.headers.authorization === 'DeepL-Auth-Key ' + KEY;
            res.writeHead(ok ? 200 : 403, { 'Content-Type': 'application/json' });
            res.end(JSON.stringify(ok ? { translations: [{ text: q.target_lang + ':' + q.text[0] }] }
                                      : { message: 'Authorization failure, check auth_key' }));
        });
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// stdinKey: the key written to its standard input, kept open (--api-key-stdin), or null.
function startService(args, stdinKey) {
    return new Promise((resolve, reject) => {
        const p = spawn(SERVICE, ['--port', '0'].concat(args), { stdio: ['pipe', 'pipe', 'inherit'] });
        children.push(p);
        if (stdinKey) p.stdin.write(stdinKey + '\n');
        let out = '';
        const timer = setTimeout(() => reject(new Error('plv-service did not start: ' + out)), 10000);
        p.stdout.on('data', (d) => {
            out += d;
            const m = /listening on (http:\/\/[^\s]+)/.exec(out);
            if (m) {
                clearTimeout(timer);
                resolve({ url: m[1], process: p });
            }
        });
        p.on('exit', (code) => reject(new Error('plv-service exited with ' + code)));
    });
}

function get(url) {
    return new Promise((resolve, reject) => {
        http.get(url, (res) => {
            let body = '';
            res.on('data', (d) => (body += d));
            res.on('end', () => resolve({ status: res.statusCode, body }));
        }).on('error', reject);
    });
}

const results = [];
async function check(name, fn) {
    try {
        await fn();
        results.push(true);
        console.log('ok   ' + name);
    } catch (e) {
        results.push(false);
        console.log('FAIL ' + name + ': ' + e.message);
    }
}
function expect(cond, msg) {
    if (!cond) throw new Error(msg);
}

async function main() {
    const deepl = await startDeepl();
    const conf = path.join(dir, 'plv-service.conf');
    const confText = '# the user\'s own\ndeepl_url = http://127.0.0.1:' + deepl.address().port + '\n';
    fs.writeFileSync(conf, confText);
    const keysFile = path.join(dir, 'plv-service.keys');
    const one = await startService(['--api-key-stdin', '--config', conf], PATH_KEY);
    const base = one.url + '/key/' + PATH_KEY + '/';
    const page = new Cdp(await startChromium());
    await page.open();
    const load = async (query) => {
        await page.send('Page.navigate', { url: base + query });
        await pollUntil('the page', () => page.eval("document.readyState === 'complete' && !!document.getElementById('text')"), 10000);
    };
    const $ = (id) => `document.getElementById(${JSON.stringify(id)})`;
    // Types into the DeepL form (null leaves a field as it is), presses a button, waits for its message.
    const act = async (fields, button) => {
        for (const [name, value] of Object.entries(fields))
            await page.eval(`${$('engine-deepl-' + name)}.value = ${JSON.stringify(value)}`);
        await page.eval(`${$('engine-deepl-message')}.textContent = ''; ${$('engine-deepl-' + button)}.click()`);
        return pollUntil('the message', () => page.eval(
            `(function (m) { return /\u2026$/.test(m.textContent) ? '' : m.className + ' ' + m.textContent; })(${$('engine-deepl-message')})`), 15000);
    };

    await load('?dir=en-es');
    await check('the panel opens from its button, every field labelled', async () => {
        await page.eval(`${$('engines-toggle')}.click()`);
        await pollUntil('the DeepL form', () => page.eval(`!!${$('engine-deepl-key')}`), 10000);
        expect(await page.eval(`${$('engines-toggle')}.getAttribute('aria-expanded')`) === 'true', 'aria-expanded');
        const unlabelled = await page.eval("Array.prototype.filter.call(document.querySelectorAll('#engines input'), " +
                                           "function (i) { return !document.querySelector('label[for=\"' + i.id + '\"]'); }).length");
        expect(unlabelled === 0, unlabelled + ' inputs without a label');
        await page.eval(fs.readFileSync(path.join(__dirname, '..', 'node_modules', 'axe-core', 'axe.min.js'), 'utf8'));
        for (const scheme of ['light', 'dark']) {
            await page.send('Emulation.setEmulatedMedia', { features: [{ name: 'prefers-color-scheme', value: scheme }] });
            const found = await page.eval("axe.run(document).then(function (r) { return r.violations.filter(function (v) {" +
                " return v.impact === 'serious' || v.impact === 'critical'; }).map(function (v) { return v.id + ' at ' +" +
                " v.nodes.map(function (n) { return n.target.join(' '); }).join(', '); }); })", true);
            expect(found.length === 0, 'axe, ' + scheme + ': ' + found.join('; '));
        }
        await page.send('Emulation.setEmulatedMedia', { features: [] });
    });

    await check('bad input: a clear message, nothing written', async () => {
        for (const [routes, says] of [['en-xx', "does not take the language 'xx'"], ['ende', 'is not a direction']]) {
            const m = await act({ key: KEY, routes }, 'save');
            expect(m.includes('plv-eng-bad') && m.includes(says), 'message: ' + m);
        }
        expect(fs.readFileSync(conf, 'utf8') === confText, 'the configuration file changed');
        expect(!fs.existsSync(keysFile), 'a keys file was written');
    });

    await check('check: a refused key, then an accepted one', async () => {
        let m = await act({ key: 'wrong-key-000000', routes: '' }, 'check');
        expect(m.includes('plv-eng-bad') && m.includes('DeepL refused the key') && m.includes('Authorization failure'),
               'refused: ' + m);
        m = await act({ key: KEY }, 'check');
        expect(m.includes('plv-eng-ok') && m.includes('accepted') && m.includes('DE:Hello'), 'accepted: ' + m);
    });

    await check('save: the key to its own file, never back to the page', async () => {
        const m = await act({ key: KEY, routes: 'en-de' }, 'save');
        expect(m.includes('plv-eng-ok') && m.includes('Saved'), 'message: ' + m);
        expect(await page.eval(`${$('engine-deepl-key')}.value`) === '', 'the key field still holds the key');
        const state = await page.eval(`${$('engine-deepl-state')}.textContent`);
        expect(state.includes('\u2026' + KEY.slice(-4)) && !state.includes(KEY), 'state: ' + state);
        expect(!(await page.eval('document.documentElement.outerHTML')).includes(KEY), 'the key is in the page');
        const answer = await get(base + 'settings');
        expect(answer.status === 200 && !answer.body.includes(KEY) && answer.body.includes(KEY.slice(-4)), answer.body);
        expect(fs.statSync(keysFile).mode % 512 === 0o600, 'keys file mode ' + fs.statSync(keysFile).mode.toString(8));
        expect(/^route\.en-de = deepl$/m.test(fs.readFileSync(conf, 'utf8')), 'no route in the file');
    });

    await check('the routed direction goes to the stand-in at once, in the same process', async () => {
        await load('?dir=en-de');
        const before = deeplRequests;
        await page.eval(`${$('text')}.value = 'Hello world'; ${$('btn')}.click()`);
        const result = await pollUntil('the translation', () => page.eval(`${$('translation')}.textContent`), 15000);
        expect(result === 'DE:Hello world' && deeplRequests === before + 1, 'translation: ' + result);
        expect(await page.eval(`${$('attribution')}.textContent`) === 'Powered by DeepL', 'credit');
        expect(one.process.exitCode === null, 'the service restarted');
    });

    await check("a refused key's error points to the panel", async () => {
        await page.eval(`${$('engines-toggle')}.click()`);
        await pollUntil('the DeepL form', () => page.eval(`!!${$('engine-deepl-key')}`), 10000);
        await act({ key: 'revoked-key-00000' }, 'save');
        await page.eval(`${$('text')}.value = 'Hello again'; ${$('btn')}.click()`);
        const error = await pollUntil('the error', () => page.eval(`${$('error')}.textContent`), 15000);
        expect(error.startsWith("DeepL refused the key (check it in Parlevo's Engines panel).") &&
               !error.includes('revoked-key'), 'error: ' + error);
    });

    await check('a team server has no panel and no settings', async () => {
        const team = await startService(['--api-key', 'team-key', '--config', conf], null);
        const pageHtml = await get(team.url + '/key/team-key/?dir=en-es');
        expect(pageHtml.status === 200 && !pageHtml.body.includes('engines-toggle'), 'the page has the panel');
        for (const p of ['/key/team-key/settings', '/settings'])
            expect((await get(team.url + p)).status === 404, p + ' answers');
    });

    // For a look at the panel: light, and dark at 200 % zoom (a 1280-pixel window's half).
    if (process.env.PLV_ENGINES_SCREENSHOT) {
        await load('?dir=en-de');
        await page.eval(`${$('engines-toggle')}.click()`);
        await pollUntil('the DeepL form', () => page.eval(`!!${$('engine-deepl-key')}`), 10000);
        await page.eval(`${$('engine-deepl-key')}.focus()`);
        for (const [name, scheme, scale] of [['light', 'light', 1], ['dark-200', 'dark', 2]]) {
            await page.send('Emulation.setEmulatedMedia', { features: [{ name: 'prefers-color-scheme', value: scheme }] });
            await page.send('Emulation.setDeviceMetricsOverride',
                            { width: 1280 / scale, height: 900, deviceScaleFactor: scale, mobile: false });
            const shot = await page.send('Page.captureScreenshot', { format: 'png', captureBeyondViewport: true });
            fs.writeFileSync(process.env.PLV_ENGINES_SCREENSHOT + '-' + name + '.png',
                             Buffer.from(shot.data, 'base64'));
        }
    }
    await page.send('Browser.close').catch(() => {});
    deepl.close();
    const failed = results.filter((r) => !r).length;
    console.log(`${results.length - failed} passed, ${failed} failed`);
    process.exitCode = failed ? 1 : 0;
}

run(main);
