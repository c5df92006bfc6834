// Runs one expression in a page Chromium shows, over its DevTools endpoint, as a user's hand would
// act on it, and prints the value it gives (a promise is waited for). The page is the first one
// whose address contains PART. Exit code 1 when there is no such page within 20 s, or the
// expression throws (its message on stderr).
// usage: node devtools.js http://127.0.0.1:PORT PART EXPRESSION
// Needs the ws package of server/node_modules (npm ci in server/).
'use strict';
const path = require('path');
// The service page test's DevTools session and waiting.
const { Cdp, getJson, pollUntil } = require(path.join(__dirname, '..', '..', 'server', 'tests', 'page_test.js'));

const [devtools, part, expression] = process.argv.slice(2);

const list = () => getJson(devtools + '/json/list').catch(() => []);

async function main() {
    const target = await pollUntil('a page at an address with ' + part,
                                   async () => (await list()).find((t) => t.type === 'page' && t.url.includes(part)),
                                   20000, 200);
    const cdp = new Cdp(target.webSocketDebuggerUrl);
    await cdp.open();
    const value = await cdp.eval(expression, true);
    cdp.ws.close();
    console.log(typeof value === 'string' ? value : JSON.stringify(value));
}

main().then(() => process.exit(0), (e) => {
    console.error('devtools.js: ' + e.message);
    process.exit(1);
});
