// Service page logic. Kept to ES5 with XMLHttpRequest so that older embedded engines run it.
// The program drives it: writes #text's value, clicks #btn, then polls #translation until it
// holds text. So #translation is cleared at the click and written once, with the whole result;
// failures go to #error and never into #translation.
// A direction from "auto" (?dir=auto-es) has the service find each text's language; a text
// already in the target language goes into the user's other language instead (the fallback).
// #fromto then names the direction taken, written before #translation: the program reads the
// label when the translation appears.
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
    var chosenFromto = fromto.innerText || fromto.textContent || ''; // the chosen direction's own label
    var LAST_DIRECTION = 'plv.lastDirection';

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

    // Kept in localStorage and in a cookie: Parlevo starts its bundled service on a port of the
    // user's own, but on another one when a program holds that, and localStorage is kept per
    // port, a cookie per host. Either may be missing or refused (an embedded engine, a private
    // window): then English is the other language.
    function remember(dir) {
        if (!/^[A-Za-z_]+-[A-Za-z_]+$/.test(dir)) {
            return;
        }
        try {
            window.localStorage.setItem(LAST_DIRECTION, dir);
        } catch (e) {
            // nothing to do: the cookie may still keep it
        }
        var year = new Date(new Date().getTime() + 365 * 24 * 3600 * 1000);
        // A direction is letters and a dash: nothing in it needs escaping in a cookie.
        document.cookie = LAST_DIRECTION + '=' + dir + '; expires=' + year.toUTCString() + '; path=/';
    }

    function lastDirection() {
        var cookies = document.cookie.split(/;\s*/);
        for (var i = 0; i < cookies.length; i++) {
            if (cookies[i].indexOf(LAST_DIRECTION + '=') === 0) {
                return cookies[i].substring(LAST_DIRECTION.length + 1);
            }
        }
        try {
            return window.localStorage.getItem(LAST_DIRECTION) || '';
        } catch (e) {
            return '';
        }
    }

    // The user's other language for a text already in `target`: from the last direct direction
    // chosen, its language that is not the target; else English.
    function otherLanguage(target) {
        var last = lastDirection();
        var dash = last.indexOf('-');
        if (dash > 0) {
            if (last.substring(0, dash) !== target) {
                return last.substring(0, dash);
            }
            if (last.substring(dash + 1) !== target) {
                return last.substring(dash + 1);
            }
        }
        return target === 'en' ? '' : 'en';
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
        var source = dir.substring(0, dash);
        var target = dir.substring(dash + 1);
        var fields = [encode('q', textEl.value), encode('source', source), encode('target', target),
                      encode('format', 'text')];
        if (source === 'auto') {
            setText(fromto, chosenFromto);
            var other = otherLanguage(target);
            if (other) {
                fields.push(encode('fallback', other));
            }
        } else {
            remember(dir);
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
                if (answer.detectedLanguage && typeof answer.directionName === 'string') {
                    setText(fromto, answer.directionName);
                }
                setText(out, result);
            } else {
                setText(errEl, errorOf(xhr));
            }
        };
        xhr.send(fields.join('&'));
    }

    function chooseDirection() {
        var opt = dirs.options[dirs.selectedIndex];
        if (!opt) {
            return;
        }
        dirEl.value = opt.value;
        // A direction through another language says so in its text; fromto names the direction alone.
        chosenFromto = opt.getAttribute('data-fromto') || opt.text;
        setText(fromto, chosenFromto);
        if (opt.value.indexOf('auto-') !== 0) {
            remember(opt.value);
        }
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
