// Runs one expression in a page Chromium shows, over its DevTools endpoint, as a user's hand would
// act on it, and prints the value it gives (a promise is waited for). The page is the first one
// whose address contains PART. Exit code 1 when there is no such page within 20 s, or the
// expression throws (its message on stderr).
// usage: node devtools.js http://127.0.0.1:PORT PART EXPRESSION
// Needs the ws package of server/node_modules (npm ci in server/).
'use strict';
const http = require('http');
const path = require('path');
const WebSocket = require(path.join(__dirname, '..', '..', 'server', 'node_modules', 'ws'));

const [devtools, part, expression] = process.argv.slice(2);

function list() {
    return new Promise((resolve) => {
        http.get(devtools + '/json/list', (res) => {
            let body = '';
            res.on('data', (d) => (body += d));
            res.on('end', () => {
                try {
                    resolve(JSON.parse(body));
                } catch (e) {
                    resolve([]);
                }
            });
        }).on('error', () => resolve([]));
    });
}

async function main() {
    let target;
    for (const end = Date.now() + 20000; !target && Date.now() < end;) {
        target = (await list()).find((t) => t.type === 'page' && t.url.includes(part));
        if (!target) await new Promise((r) => setTimeout(r, 200));
    }
    if (!target) throw new Error('no page at an address with ' + part);
    const ws = new WebSocket(target.webSocketDebuggerUrl, { perMessageDeflate: false });
    await new Promise((resolve, reject) => ws.once('open', resolve).once('error', reject));
    const answer = await new Promise((resolve) => {
        ws.on('message', (data) => {
            const msg = JSON.parse(data);
            if (msg.id === 1) resolve(msg);
        });
        ws.send(JSON.stringify({ id: 1, method: 'Runtime.evaluate',
                                 params: { expression, awaitPromise: true, returnByValue: true } }));
    });
    ws.close();
    const r = answer.result || {};
    if (answer.error || r.exceptionDetails)
        throw new Error(JSON.stringify(answer.error || r.exceptionDetails.exception || r.exceptionDetails));
    const value = r.result.value;
    console.log(typeof value === 'string' ? value : JSON.stringify(value));
}

main().then(() => process.exit(0), (e) => {
    console.error('devtools.js: ' + e.message);
    process.exit(1);
});
