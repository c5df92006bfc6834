// Pictures of the service page as Parlevo's main window shows it, for the README: a window of
// 520 x 640 CSS pixels at 100 % and 150 %, light and dark, with a translation on show and two
// entries in its history. Not a test; run it after changing the page's look.
// Usage: node page_screenshots.js PATH/TO/plv-service [OUTPUT_DIR (default: docs/images)]
'use strict';
const fs = require('fs');
const path = require('path');
const { run, startService, startChromium, Cdp, pollUntil, translateLikeTheProgram } = require('./page_test.js');

const outDir = process.argv[3] || path.join(__dirname, '..', '..', 'docs', 'images');

run(async () => {
    const base = await startService();
    const cdp = new Cdp(await startChromium());
    await cdp.open();
    await cdp.send('Page.enable');
    for (const scale of [1, 1.5]) {
        for (const scheme of ['light', 'dark']) {
            await cdp.send('Emulation.setDeviceMetricsOverride',
                           { width: 520, height: 640, deviceScaleFactor: scale, mobile: false });
            await cdp.send('Emulation.setEmulatedMedia', { features: [{ name: 'prefers-color-scheme', value: scheme }] });
            await cdp.send('Page.navigate', { url: base + '/?dir=en-es' });
            await pollUntil('the page', () => cdp.eval("document.readyState === 'complete'"), 10000);
            await cdp.eval("localStorage.clear(); document.getElementById('clear-history').click()");
            await translateLikeTheProgram(cdp, 'Where is the train station?');
            await translateLikeTheProgram(cdp, 'The weather is nice today. We are going to the beach with ' +
                                               'our friends, and we will have lunch by the sea.');
            // No caret blinking in the picture, nothing focused.
            await cdp.eval('document.activeElement && document.activeElement.blur()');
            const shot = await cdp.send('Page.captureScreenshot', { format: 'png' });
            const file = path.join(outDir, `page-${scale * 100}-${scheme}.png`);
            fs.writeFileSync(file, Buffer.from(shot.data, 'base64'));
            console.log('wrote ' + file);
        }
    }
    await cdp.send('Browser.close').catch(() => {});
});
