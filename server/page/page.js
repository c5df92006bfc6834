// Service page logic. Kept to ES5 with XMLHttpRequest so that older embedded engines run it.
// The program drives it: writes #text's value, clicks #btn, then polls #translation until it
// holds text. So #translation is cleared at the click and written once, with the whole result;
// failures go to #error and never into #translation.
(function () {
    'use strict';

    var textEl = document.getElementById('text');
    var btn = document.getElementById('btn');
    var out = document.getElementById('translation');
    var errEl = document.getElementById('error');
    var busy = document.getElementById('busy');
    var dirEl = document.getElementById('dir');
    var dirs = document.getElementById('dirs');
    var fromto = document.getElementById('fromto');
    var credit = document.getElementById('attribution');
    var pending = null; // the request in flight; an older answer must never land after a newer click

    function setText(el, s) {
        if ('textContent' in el) {
            el.textContent = s;
        } else {
            el.innerText = s;
        }
    }

    // The credit names the engine that translates: the chosen direction's, then the one that
    // answered. It is set before the translation, so whoever reads the translation finds its
    // credit already in place.
    function setCredit(text, link) {
        setText(credit, text || '');
        if (link) {
            credit.setAttribute('href', link);
        } else {
            credit.removeAttribute('href');
        }
    }

    function encode(name, value) {
        return encodeURIComponent(name) + '=' + encodeURIComponent(value);
    }

    function errorOf(xhr) {
        try {
            var body = JSON.parse(xhr.responseText);
            if (body && typeof body.error === 'string') {
                return body.error;
            }
        } catch (e) {
            // not JSON: fall through to the status line
        }
        return xhr.status ? 'HTTP ' + xhr.status : 'The translation service did not answer.';
    }

    function translate() {
        var dir = dirEl.value;
        var dash = dir.indexOf('-');
        setText(out, '');
        setText(errEl, '');
        if (pending) {
            pending.onreadystatechange = null;
            pending.abort();
            pending = null;
        }
        if (dash < 1) {
            setText(errEl, 'No translation direction is available.');
            return;
        }
        var xhr = new XMLHttpRequest();
        pending = xhr;
        setText(busy, 'Translating\u2026');
        xhr.open('POST', 'translate', true);
        xhr.setRequestHeader('Content-Type', 'application/x-www-form-urlencoded; charset=UTF-8');
        xhr.onreadystatechange = function () {
            if (xhr.readyState !== 4 || pending !== xhr) {
                return;
            }
            pending = null;
            setText(busy, '');
            var answer = null;
            var result = null;
            if (xhr.status === 200) {
                try {
                    answer = JSON.parse(xhr.responseText);
                    result = answer.translatedText;
                } catch (e) {
                    result = null;
                }
            }
            if (typeof result === 'string') {
                if (typeof answer.credit === 'string') {
                    setCredit(answer.credit, answer.link);
                }
                setText(out, result);
            } else {
                setText(errEl, errorOf(xhr));
            }
        };
        xhr.send([encode('q', textEl.value), encode('source', dir.substring(0, dash)),
                  encode('target', dir.substring(dash + 1)), encode('format', 'text')].join('&'));
    }

    function chooseDirection() {
        var opt = dirs.options[dirs.selectedIndex];
        if (!opt) {
            return;
        }
        dirEl.value = opt.value;
        // A direction through another language says so in its text; fromto names the direction alone.
        setText(fromto, opt.getAttribute('data-fromto') || opt.text);
        setCredit(opt.getAttribute('data-engine'), opt.getAttribute('data-link'));
        setText(errEl, '');
        // Keep the address in step so a reload stays on the chosen direction.
        if (window.history && window.history.replaceState) {
            window.history.replaceState(null, '', '?dir=' + encodeURIComponent(opt.value));
        }
    }

    btn.onclick = translate;
    dirs.onchange = chooseDirection;
}());
