// Drives the real service page in headless Chromium exactly the way the Parlevo program does:
// wait for #text's outerHTML, write its value, click #btn, poll #translation every 100 ms, then
// read #fromto, #version and #download. Usage: node page_test.js PATH/TO/plv-service
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const http = require('http');

let WebSocket;
try {
    WebSocket = require(path.join(__dirname, '..', 'node_modules', 'ws'));
} catch (e) {
    console.error('ws is missing: run `npm ci` in server/ first');
    process.exit(1);
}

const SERVICE = process.argv[2];
const CHROMIUM = process.env.PLV_CHROMIUM || '/usr/bin/chromium';
const VERSION = '9.8.7-test"<&>';
const DOWNLOAD = "http://127.0.0.1/get?a=1&b='x'";
const children = [];
let userDataDir = null;

function running(c) {
    return c.exitCode === null && c.signalCode === null;
}

// Last resort when the process leaves abruptly: nothing may outlive the test.
function killAll() {
    for (const c of children) {
        if (running(c)) c.kill('SIGKILL');
    }
}

// Stops the children and waits for them, so Chromium is no longer writing into its profile
// when the profile is removed.
async function shutdown() {
    for (const c of children) {
        if (!running(c)) continue;
        const gone = new Promise((resolve) => c.once('exit', resolve));
        c.kill('SIGTERM');
        const timer = setTimeout(() => running(c) && c.kill('SIGKILL'), 5000);
        await gone;
        clearTimeout(timer);
    }
    if (userDataDir) {
        try {
            fs.rmSync(userDataDir, { recursive: true, force: true, maxRetries: 5 });
        } catch (e) {
            console.error('warning: could not remove ' + userDataDir + ': ' + e.message);
        }
    }
}
process.on('exit', killAll);

const delay = (ms) => new Promise((r) => setTimeout(r, ms));

async function pollUntil(what, fn, deadlineMs, everyMs = 100) {
    const end = Date.now() + deadlineMs;
    for (;;) {
        const v = await fn();
        if (v) return v;
        if (Date.now() > end) throw new Error('timed out waiting for ' + what);
        await delay(everyMs);
    }
}

function startService(extraArgs = []) {
    return new Promise((resolve, reject) => {
        const p = spawn(SERVICE, ['--port', '0', '--version', VERSION, '--download', DOWNLOAD].concat(extraArgs),
                        { stdio: ['ignore', 'pipe', 'inherit'] });
        children.push(p);
        let out = '';
        const timer = setTimeout(() => reject(new Error('plv-service did not start: ' + out)), 10000);
        p.stdout.on('data', (d) => {
            out += d;
            const m = /listening on (http:\/\/[^\s]+)/.exec(out);
            if (m) {
                clearTimeout(timer);
                resolve(m[1]);
            }
        });
        p.on('exit', (code) => reject(new Error('plv-service exited with ' + code)));
    });
}

function getJson(url) {
    return new Promise((resolve, reject) => {
        http.get(url, (res) => {
            let body = '';
            res.on('data', (d) => (body += d));
            res.on('end', () => {
                try {
                    resolve(JSON.parse(body));
                } catch (e) {
                    reject(e);
                }
            });
        }).on('error', reject);
    });
}

// An upstream translator that has nothing to say: every translation comes back empty.
function startSilentUpstream() {
    return new Promise((resolve) => {
        const server = http.createServer((req, res) => {
            req.resume();
            req.on('end', () => {
                res.setHeader('Content-Type', 'application/json');
                if (req.url === '/languages') {
                    res.end(JSON.stringify([{ code: 'en', name: 'English', targets: ['es'] },
                                            { code: 'es', name: 'Spanish', targets: ['en'] }]));
                } else {
                    // As another plv-service answers: with the engine that translated.
                    res.end(JSON.stringify({ translatedText: '', engine: 'DeepL' }));
                }
            });
        });
        server.listen(0, '127.0.0.1', () => resolve(server));
    });
}

async function startChromium() {
    userDataDir = fs.mkdtempSync(path.join(os.tmpdir(), 'plv-chromium-'));
    const p = spawn(CHROMIUM, [
        '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
        '--remote-debugging-address=127.0.0.1', '--remote-debugging-port=0', '--user-data-dir=' + userDataDir,
        'about:blank',
    ], { stdio: ['ignore', 'ignore', 'pipe'] });
    children.push(p);
    let err = '';
    p.stderr.on('data', (d) => (err += d));
    const portFile = path.join(userDataDir, 'DevToolsActivePort');
    const port = await pollUntil('Chromium DevTools port', () => {
        if (p.exitCode !== null) throw new Error('chromium exited: ' + err.slice(-2000));
        try {
            return fs.readFileSync(portFile, 'utf8').split('\n')[0].trim() || null;
        } catch (e) {
            return null;
        }
    }, 30000);
    const targets = await pollUntil('a page target', async () => {
        const list = await getJson(`http://127.0.0.1:${port}/json/list`);
        return list.filter((t) => t.type === 'page').length ? list : null;
    }, 10000);
    return targets.find((t) => t.type === 'page').webSocketDebuggerUrl;
}

class Cdp {
    constructor(url) {
        this.ws = new WebSocket(url, { perMessageDeflate: false });
        this.nextId = 1;
        this.pending = new Map();
        this.ws.on('message', (data) => {
            const msg = JSON.parse(data);
            if (msg.id && this.pending.has(msg.id)) {
                const { resolve, reject } = this.pending.get(msg.id);
                this.pending.delete(msg.id);
                if (msg.error) reject(new Error(JSON.stringify(msg.error)));
                else resolve(msg.result);
            }
        });
    }
    open() {
        return new Promise((resolve, reject) => {
            this.ws.once('open', resolve);
            this.ws.once('error', reject);
        });
    }
    send(method, params = {}) {
        const id = this.nextId++;
        this.ws.send(JSON.stringify({ id, method, params }));
        return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject }));
    }
    // awaitPromise: the value the expression's promise settles on; userGesture: as if from a click.
    async eval(expression, awaitPromise = false, userGesture = false) {
        const r = await this.send('Runtime.evaluate', { expression, returnByValue: true, awaitPromise, userGesture });
        if (r.exceptionDetails) throw new Error('page threw: ' + JSON.stringify(r.exceptionDetails));
        return r.result.value;
    }
}

// What the program does, step by step. Returns every value #translation showed while polling.
async function translateLikeTheProgram(cdp, text) {
    await cdp.eval(`document.getElementById('text').value = ${JSON.stringify(text)}`);
    const justAfterClick = await cdp.eval(
        "document.getElementById('btn').click(); document.getElementById('translation').innerText");
    const seen = [justAfterClick];
    const result = await pollUntil('the translation', async () => {
        const t = await cdp.eval("document.getElementById('translation').innerText");
        seen.push(t);
        return t;
    }, 15000, 100);
    return { result, seen };
}

const results = [];
async function check(name, fn) {
    try {
        await fn();
        results.push([name, null]);
        console.log('ok   ' + name);
    } catch (e) {
        results.push([name, e]);
        console.log('FAIL ' + name + ': ' + e.message);
    }
}
function expect(cond, msg) {
    if (!cond) throw new Error(msg);
}

async function main() {
    const base = await startService();
    const cdp = new Cdp(await startChromium());
    await cdp.open();
    await cdp.send('Page.enable');
    await cdp.send('Runtime.enable');
    // Every request the page sends, counted; and a focused page, which the clipboard wants.
    await cdp.send('Page.addScriptToEvaluateOnNewDocument', { source: 'window.sent = 0; (function (send) { ' +
        'XMLHttpRequest.prototype.send = function () { window.sent++; return send.apply(this, arguments); }; ' +
        '}(XMLHttpRequest.prototype.send));' });
    await cdp.send('Emulation.setFocusEmulationEnabled', { enabled: true });

    async function load(query) {
        await cdp.send('Page.navigate', { url: base + '/' + query });
        // The program's readiness test: #text's outerHTML is not empty.
        await pollUntil('the page', () => cdp.eval(
            "(document.getElementById('text') ? document.getElementById('text').outerHTML : '') + " +
            "(document.readyState === 'complete' ? '' : '') "), 10000);
        await pollUntil('the page script', () => cdp.eval("document.readyState === 'complete'"), 10000);
    }

    await check('English to Spanish like the program', async () => {
        await load('?dir=en-es');
        const { result, seen } = await translateLikeTheProgram(cdp, 'the house is big');
        expect(/casa/.test(result), 'translation was ' + JSON.stringify(result));
        expect(seen[0] === '', 'translation was not empty right after the click');
        // Written once with the full result: nothing partial was ever visible.
        expect(seen.every((s) => s === '' || s === result), 'partial text seen: ' + JSON.stringify(seen));
        expect(await cdp.eval("document.getElementById('fromto').innerText") === 'English \u00bb Spanish',
               'fromto');
        expect(await cdp.eval("document.getElementById('version').value") === VERSION, 'version');
        expect(await cdp.eval("document.getElementById('download').value") === DOWNLOAD, 'download');
    });

    await check('a second click empties the old translation at once', async () => {
        const { result, seen } = await translateLikeTheProgram(cdp, 'I have a black dog.');
        expect(seen[0] === '', 'old translation still shown right after the click: ' + JSON.stringify(seen[0]));
        expect(/perro/.test(result), 'translation was ' + JSON.stringify(result));
    });

    await check('Spanish to English by address', async () => {
        await load('?dir=es-en');
        expect(await cdp.eval("document.getElementById('fromto').innerText") === 'Spanish \u00bb English',
               'fromto');
        const { result } = await translateLikeTheProgram(cdp, 'la casa es grande');
        expect(/house/.test(result), 'translation was ' + JSON.stringify(result));
    });

    // The choosers as a user works them: each change announced as a user's change would be.
    async function choose(source, target) {
        await cdp.eval(`var s = document.getElementById('source'); s.value = '${source}'; ` +
                       "s.dispatchEvent(new Event('change'));");
        await cdp.eval(`var t = document.getElementById('target'); t.value = '${target}'; ` +
                       "t.dispatchEvent(new Event('change'));");
    }
    const options = (id) => cdp.eval(`Array.prototype.map.call(document.getElementById('${id}').options, ` +
                                     "function (o) { return (o.parentNode.label ? o.parentNode.label + ': ' : '') + " +
                                     "o.value + '=' + o.text; })");

    await check('the choosers switch direction', async () => {
        await load('');
        await choose('es', 'en');
        expect(await cdp.eval("document.getElementById('fromto').innerText") === 'Spanish \u00bb English',
               'fromto did not follow the choosers');
        expect(await cdp.eval('location.search') === '?dir=es-en', 'address not kept in step');
        const { result } = await translateLikeTheProgram(cdp, 'el perro');
        expect(/dog/.test(result), 'translation was ' + JSON.stringify(result));
    });

    await check('the choosers: detection first, sources by name, targets following the source, through apart', async () => {
        await load('?dir=en-es');
        const sources = await options('source');
        expect(sources[0] === 'auto=Detect language', 'first source: ' + sources[0]);
        // Names, never bare codes, in the order of the names, each once.
        const names = sources.slice(1).map((o) => o.split('=')[1]);
        for (const o of sources) expect(/^[a-z]+=[A-Z]/.test(o), 'source ' + o);
        expect(JSON.stringify(names) === JSON.stringify([...names].sort()), 'sources not by name: ' + names);
        expect(new Set(names).size === names.length, 'a source twice: ' + names);
        const english = await options('target');
        expect(english.includes('es=Spanish') && english.includes('Through another language: fr=French (through Spanish)'),
               'English targets: ' + english);
        const through = english.map((o) => o.startsWith('Through'));
        expect(through.lastIndexOf(false) < through.indexOf(true), 'through-directions among the direct ones: ' + english);
        await choose('es', 'en');
        const spanish = await options('target');
        expect(spanish.includes('en=English') && !spanish.includes('es=Spanish'), 'Spanish targets: ' + spanish);

        await choose('en', 'fr');
        expect(await cdp.eval("document.getElementById('fromto').innerText") === 'English \u00bb French',
               'fromto of a through-direction');
        const credit = await cdp.eval("document.getElementById('attribution').innerText");
        expect(credit === 'Powered by Apertium, through Spanish', 'credit was ' + credit);
        const { result } = await translateLikeTheProgram(cdp, 'the house is big');
        expect(/maison/.test(result), 'translation was ' + JSON.stringify(result));
    });

    await check('auto-es: French text into Spanish, Spanish text into English, the label first', async () => {
        await load('?dir=auto-es');
        // The label the program reads is the detected direction's by the time the translation shows.
        const watch = "(function () { var t = document.getElementById('translation'); " +
                      "window.labelAtTranslation = null; new MutationObserver(function () { " +
                      "if (t.innerText && window.labelAtTranslation === null) window.labelAtTranslation = " +
                      "document.getElementById('fromto').innerText; }).observe(t, {childList: true, " +
                      "characterData: true, subtree: true}); })()";
        for (const c of [{ text: 'Le chat noir dort sur la table de la cuisine.', fromto: 'French \u00bb Spanish',
                           expect: /gato/ },
                         { text: 'El perro negro duerme en la cocina de la casa.', fromto: 'Spanish \u00bb English',
                           expect: /dog/ }]) {
            await cdp.eval(watch);
            const { result } = await translateLikeTheProgram(cdp, c.text);
            expect(c.expect.test(result), 'translation was ' + JSON.stringify(result));
            const label = await cdp.eval('window.labelAtTranslation');
            expect(label === c.fromto, 'fromto when the translation appeared: ' + JSON.stringify(label));
        }
    });

    await check('special characters come back', async () => {
        await load('?dir=en-es');
        const { result } = await translateLikeTheProgram(cdp, 'the house [1] {a} <b> & @x #y *z* \\ ^ $ /');
        for (const c of '[]{}<>&@#*\\^$/') expect(result.indexOf(c) >= 0, `lost ${c}: ${result}`);
    });

    await check('a failed translation leaves #translation empty and shows the error elsewhere', async () => {
        await load('?dir=en-zz');
        await cdp.eval("document.getElementById('error').innerText = ''");
        await cdp.eval("document.getElementById('text').value = 'the house'; document.getElementById('btn').click()");
        const error = await pollUntil('the error message',
                                      () => cdp.eval("document.getElementById('error').innerText"), 10000);
        expect(/unknown direction/i.test(error), 'error was ' + JSON.stringify(error));
        expect(await cdp.eval("document.getElementById('translation').innerText") === '',
               'error text landed in #translation');
    });

    await check('an empty text is an error, not a translation', async () => {
        await load('?dir=en-es');
        await cdp.eval("document.getElementById('text').value = ''; document.getElementById('btn').click()");
        const error = await pollUntil('the error message',
                                      () => cdp.eval("document.getElementById('error').innerText"), 10000);
        expect(/empty/.test(error), 'error was ' + JSON.stringify(error));
        expect(await cdp.eval("document.getElementById('translation').innerText") === '', 'translation not empty');
    });

    await check('an engine that gives back nothing shows the text unchanged, credited to the engine that answered', async () => {
        // Otherwise #translation stays empty and the program polls until its time-out.
        const upstream = await startSilentUpstream();
        try {
            const relay = await startService(['--engine', 'relay', '--relay-url',
                                              'http://127.0.0.1:' + upstream.address().port]);
            await cdp.send('Page.navigate', { url: relay + '/?dir=en-es' });
            await pollUntil('the relay page', () => cdp.eval("document.readyState === 'complete' && " +
                                                             "!!document.getElementById('text')"), 10000);
            const credit = "document.getElementById('attribution').innerText + ' ' + " +
                           "document.getElementById('attribution').getAttribute('href')";
            const before = await cdp.eval(credit);
            expect(before === 'Powered by LibreTranslate https://libretranslate.com/', 'credit was ' + before);
            await cdp.eval("document.getElementById('text').value = 'Zzyzx Qwrty'; " +
                           "document.getElementById('btn').click()");
            const result = await pollUntil('the translation', () => cdp.eval(
                "document.getElementById('translation').innerText"), 5000);
            expect(result === 'Zzyzx Qwrty', 'translation was ' + JSON.stringify(result));
            // The credit is the answering engine's, in place by the time the translation is.
            const after = await cdp.eval(credit);
            expect(after === 'Powered by DeepL https://www.deepl.com/', 'credit was ' + after);
            expect(await cdp.eval("document.getElementById('error').innerText") === '', 'an error was shown');
        } finally {
            upstream.close();
        }
    });

    await check('a keyed server: the page at /key/KEY/ translates, its requests carrying the key', async () => {
        const keyed = await startService(['--api-key', 'team-key-1']);
        await cdp.send('Page.navigate', { url: keyed + '/key/team-key-1/?dir=en-es' });
        await pollUntil('the keyed page', () => cdp.eval("document.readyState === 'complete' && " +
                                                         "!!document.getElementById('text')"), 10000);
        const { result } = await translateLikeTheProgram(cdp, 'the house');
        expect(/casa/.test(result), 'translation was ' + JSON.stringify(result));
    });

    const value = (id) => cdp.eval(`document.getElementById('${id}').value`);
    const shown = (id) => cdp.eval(`document.getElementById('${id}').innerText`);
    const translated = (what) => pollUntil(what, () => shown('translation'), 15000);
    const key = (code, key, modifiers = 0) => Promise.all(['keyDown', 'keyUp'].map((type) => cdp.send(
        'Input.dispatchKeyEvent', { type, key, code: key, windowsVirtualKeyCode: code, modifiers })));
    const PAUSE = 500; // the page's pause after typing

    await check('a user: detection, typing, swap, Ctrl+Enter, copy, Escape', async () => {
        await load('?dir=auto-es');
        await cdp.eval("document.getElementById('text').focus()");
        await cdp.send('Input.insertText', { text: 'Le chat noir dort sur la table de la cuisine.' });
        expect(await cdp.eval('window.sent') === 0, 'asked before the pause');
        expect(/gato/.test(await translated('the typed text')), 'typed text not translated');
        expect(await shown('fromto') === 'French \u00bb Spanish', 'fromto: ' + await shown('fromto'));
        expect(await shown('count') === '45 / 10000', 'count: ' + await shown('count'));
        // The language found goes over to the target; the translation becomes the text.
        const spanish = await shown('translation');
        await cdp.eval("document.getElementById('swap').click()");
        expect(await value('dir') === 'es-fr' && await value('text') === spanish, 'swap: ' + await value('dir'));
        expect(/chat/.test(await translated('the swapped text')), 'swapped text not translated');

        await cdp.eval("var t = document.getElementById('text'); t.focus(); t.select()");
        await cdp.send('Input.insertText', { text: 'El perro duerme.' });
        const sent = await cdp.eval('window.sent');
        await key(13, 'Enter', 2);
        expect(await cdp.eval('window.sent') === sent + 1, 'Ctrl+Enter did not ask at once');
        expect(/chien/.test(await translated('the Ctrl+Enter translation')), 'Ctrl+Enter translation');
        await delay(PAUSE + 300);
        expect(await cdp.eval('window.sent') === sent + 1, 'the pause asked again for the same text');

        await cdp.send('Browser.grantPermissions', { origin: base, permissions: ['clipboardReadWrite'] });
        await cdp.eval("document.getElementById('copy').click()", false, true);
        const copied = await cdp.eval('navigator.clipboard.readText()', true, true);
        expect(copied === await shown('translation'), 'clipboard: ' + JSON.stringify(copied));
        await key(27, 'Escape');
        expect(await value('text') === '' && await shown('translation') === '', 'Escape left text behind');
    });

    await check("the program's write-then-click: one request, none from the typing logic", async () => {
        await load('?dir=en-es');
        // A user's keystroke, then, within the pause, the program's text and click.
        await cdp.eval("document.getElementById('text').focus()");
        await cdp.send('Input.insertText', { text: 'the cat' });
        const { result } = await translateLikeTheProgram(cdp, 'the house is big');
        expect(/casa/.test(result), 'translation was ' + JSON.stringify(result));
        await delay(PAUSE + 300);
        expect(await cdp.eval('window.sent') === 1, 'requests: ' + await cdp.eval('window.sent'));
        expect(await shown('translation') === result, 'translation replaced by ' + await shown('translation'));
    });

    await check('history: newest first, one click restores, no repeats, cleared, kept over a reload', async () => {
        const entries = () => cdp.eval("Array.prototype.map.call(document.querySelectorAll('#history .entry-src'), " +
                                       'function (e) { return e.innerText; }).join("|")');
        await load('?dir=en-es');
        await cdp.eval("document.getElementById('clear-history').click()");
        for (const text of ['the house', 'the dog', 'the dog']) await translateLikeTheProgram(cdp, text);
        expect(await entries() === 'the dog|the house', 'entries: ' + await entries());
        await load('?dir=es-en');
        expect(await entries() === 'the dog|the house', 'after a reload: ' + await entries());
        await cdp.eval("document.querySelectorAll('#history .entry')[1].click()");
        expect(await value('text') === 'the house' && /casa/.test(await shown('translation')) &&
               await value('dir') === 'en-es' && await value('target') === 'es', 'not restored');
        expect(await cdp.eval('window.sent') === 0, 'restoring asked the service');
        await cdp.eval("document.getElementById('clear-history').click()");
        await load('?dir=en-es');
        expect(await entries() === '', 'cleared history came back: ' + await entries());
    });

    await check('accessible in light and dark (axe), and no sideways scrolling at 200 % of 480 px', async () => {
        const axe = fs.readFileSync(path.join(__dirname, '..', 'node_modules', 'axe-core', 'axe.min.js'), 'utf8');
        for (const scheme of ['light', 'dark']) {
            await cdp.send('Emulation.setEmulatedMedia', { features: [{ name: 'prefers-color-scheme', value: scheme }] });
            await load('?dir=en-es');
            await translateLikeTheProgram(cdp, 'the house is big');
            await cdp.eval(axe);
            const found = await cdp.eval('axe.run(document).then(function (r) { return r.violations.filter(' +
                "function (v) { return v.impact === 'serious' || v.impact === 'critical'; }).map(function (v) {" +
                " return v.id + ' at ' + v.nodes.map(function (n) { return n.target.join(' '); }).join(', '); }); })",
                true);
            expect(found.length === 0, scheme + ': ' + found.join('; '));
        }
        await cdp.send('Emulation.setEmulatedMedia', { features: [] });
        await cdp.send('Emulation.setDeviceMetricsOverride', { width: 240, height: 320, deviceScaleFactor: 2, mobile: false });
        await load('?dir=en-fr');
        const wide = await cdp.eval('document.documentElement.scrollWidth - document.documentElement.clientWidth');
        await cdp.send('Emulation.clearDeviceMetricsOverride');
        expect(wide <= 0, `${wide} px wider than the window`);
    });

    await cdp.send('Browser.close').catch(() => {});
    const failed = results.filter((r) => r[1]).length;
    console.log(`${results.length - failed} passed, ${failed} failed`);
    process.exitCode = failed ? 1 : 0;
}

// Run as a test, or lend its helpers to page_screenshots.js.
function run(body) {
    body().catch((e) => {
        console.error(e.stack || String(e));
        process.exitCode = 1;
    }).finally(async () => {
        await shutdown();
        // Leftover handles (the websocket, child pipes) must not keep the test alive.
        process.exit(process.exitCode);
    });
}
module.exports = { run, startService, startChromium, Cdp, getJson, pollUntil, translateLikeTheProgram, children };
if (require.main === module) run(main);
