// Service page logic. Kept to ES5 with XMLHttpRequest so that older embedded engines run it.
// The program drives it: writes #text's value, clicks #btn, then polls #translation until it
// holds text. So #translation is cleared at the click and written once, with the whole result;
// failures go to #error and never into #translation.
// A direction from "auto" (?dir=auto-es) has the service find each text's language; a text
// already in the target language goes into the user's other language instead (the fallback).
// #fromto then names the direction taken, written before #translation: the program reads the
// label when the translation appears.
// A person using the page in the main window gets a translator of their own: it translates as
// they type, after a pause. The program writes #text without any key or input event, so what it
// writes is only ever translated by its own click, once.
(function () {
    'use strict';

    function byId(id) {
        return document.getElementById(id);
    }

    var textEl = byId('text');
    var btn = byId('btn');
    var out = byId('translation');
    var errEl = byId('error');
    var busy = byId('busy');
    var dirEl = byId('dir');
    var sourceSel = byId('source');
    var targetSel = byId('target');
    var swapBtn = byId('swap');
    var fromto = byId('fromto');
    var credit = byId('attribution');
    var countEl = byId('count');
    var copyBtn = byId('copy');
    var copiedEl = byId('copied');
    var historyList = byId('history');
    var historyNote = byId('history-note');
    var clearBtn = byId('clear-history');

    var TYPING_PAUSE = 500; // ms of no typing before the text goes out
    var LAST_DIRECTION = 'plv.lastDirection';
    var HISTORY = 'plv.history';
    var HISTORY_SIZE = 50;
    var limit = parseInt(countEl.getAttribute('data-limit'), 10) || 0;
    var pending = null; // the request in flight; an older answer must never land after a newer click
    var chosenFromto = textOf(fromto); // the chosen direction's own label
    var typingTimer = null;
    var typedText = textEl.value; // the text as the user's last keystroke left it
    var sentKey = ''; // text and direction of the last request, so a pause does not ask twice
    var detected = null; // {source, target} of the last translation from "auto", for the swap
    var copiedTimer = null;
    var targetLists = {}; // a source's targets, parsed from its option once

    function textOf(el) {
        return ('textContent' in el ? el.textContent : el.innerText) || '';
    }

    function setText(el, s) {
        if ('textContent' in el) {
            el.textContent = s;
        } else {
            el.innerText = s;
        }
    }

    // addEventListener, or attachEvent in the oldest engines; the handler gets the event either way.
    function on(el, type, handler) {
        if (el.addEventListener) {
            el.addEventListener(type, handler, false);
        } else if (el.attachEvent) {
            el.attachEvent('on' + type, function () {
                return handler(window.event);
            });
        }
    }

    function stop(e) {
        if (e.preventDefault) {
            e.preventDefault();
        } else {
            e.returnValue = false;
        }
    }

    function isBlank(s) {
        return !/\S/.test(s);
    }

    // The service limits the text in bytes of UTF-8, so that is what the count shows.
    function utf8Length(s) {
        var n = 0;
        for (var i = 0; i < s.length; i++) {
            var c = s.charCodeAt(i);
            if (c < 0x80) {
                n += 1;
            } else if (c < 0x800) {
                n += 2;
            } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.length) {
                n += 4; // a pair of UTF-16 units is one character of four bytes
                i++;
            } else {
                n += 3;
            }
        }
        return n;
    }

    function updateCount() {
        var n = utf8Length(textEl.value);
        setText(countEl, limit ? n + ' / ' + limit : String(n));
        countEl.className = limit && n > limit ? 'over' : '';
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

    // ---- History: the last translations, newest first, in this browser's storage only.

    function loadHistory() {
        var list = [];
        try {
            list = JSON.parse(window.localStorage.getItem(HISTORY) || '[]');
        } catch (e) {
            return [];
        }
        var kept = [];
        for (var i = 0; list && i < list.length && kept.length < HISTORY_SIZE; i++) {
            var h = list[i];
            // Storage is the user's to edit: take only entries of the shape written here.
            if (h && typeof h.text === 'string' && typeof h.dir === 'string' && typeof h.result === 'string') {
                kept.push(h);
            }
        }
        return kept;
    }

    // Storage full (texts run to the service's limit): the oldest entries go until it fits.
    function saveHistory(list) {
        for (;;) {
            try {
                window.localStorage.setItem(HISTORY, JSON.stringify(list));
                return;
            } catch (e) {
                if (list.length <= 1) {
                    return;
                }
                list = list.slice(0, Math.floor(list.length / 2));
            }
        }
    }

    function storageWorks() {
        try {
            window.localStorage.setItem('plv.probe', '1');
            window.localStorage.removeItem('plv.probe');
            return true;
        } catch (e) {
            return false;
        }
    }
    var historyKept = storageWorks();

    function addHistory(entry) {
        if (!historyKept) {
            return;
        }
        var list = loadHistory();
        // The same text the same way again replaces its entry instead of adding another.
        if (list.length && list[0].text === entry.text && list[0].dir === entry.dir) {
            list.shift();
        }
        list.unshift(entry);
        saveHistory(list.slice(0, HISTORY_SIZE));
        showHistory();
    }

    function shorten(s) {
        return s.length > 200 ? s.substring(0, 200) + '\u2026' : s;
    }

    function span(className, text) {
        var el = document.createElement('span');
        el.className = className;
        setText(el, text);
        return el;
    }

    function showHistory() {
        var list = historyKept ? loadHistory() : [];
        while (historyList.firstChild) {
            historyList.removeChild(historyList.firstChild);
        }
        for (var i = 0; i < list.length; i++) {
            var item = document.createElement('li');
            var b = document.createElement('button');
            b.type = 'button';
            b.className = 'entry';
            b.appendChild(span('entry-dir', list[i].fromto || list[i].dir));
            b.appendChild(span('entry-src', shorten(list[i].text)));
            b.appendChild(span('entry-res', shorten(list[i].result)));
            b.onclick = (function (h) {
                return function () {
                    restore(h);
                };
            }(list[i]));
            item.appendChild(b);
            historyList.appendChild(item);
        }
        setText(historyNote, !historyKept ? 'History is not kept: this browser gives the page no storage.'
                                          : list.length ? '' : 'No translations yet.');
        historyNote.style.display = historyNote.innerHTML ? '' : 'none';
        clearBtn.disabled = !list.length;
    }

    // ---- The direction: two choosers, the target list following the source.

    // A source's targets from its option's data-targets: [code, text, fromto, credit, link, through].
    function targetsOf(source) {
        if (!targetLists.hasOwnProperty(source)) {
            var list = [];
            for (var i = 0; i < sourceSel.options.length; i++) {
                if (sourceSel.options[i].value === source) {
                    try {
                        list = JSON.parse(sourceSel.options[i].getAttribute('data-targets') || '[]');
                    } catch (e) {
                        list = [];
                    }
                }
            }
            targetLists[source] = list;
        }
        return targetLists[source];
    }

    function findTarget(source, target) {
        var list = targetsOf(source);
        for (var i = 0; i < list.length; i++) {
            if (list[i][0] === target) {
                return list[i];
            }
        }
        return null;
    }

    function isSource(code) {
        for (var i = 0; i < sourceSel.options.length; i++) {
            if (sourceSel.options[i].value === code) {
                return true;
            }
        }
        return false;
    }

    function option(value, text) {
        var o = document.createElement('option');
        o.value = value;
        setText(o, text);
        return o;
    }

    // Refills the target chooser for the chosen source, on `keep` when that source offers it.
    function fillTargets(keep) {
        var list = targetsOf(sourceSel.value);
        var through = null;
        while (targetSel.firstChild) {
            targetSel.removeChild(targetSel.firstChild);
        }
        for (var i = 0; i < list.length; i++) {
            var o = option(list[i][0], list[i][1]);
            if (!list[i][5]) {
                targetSel.appendChild(o);
                continue;
            }
            if (!through) {
                through = document.createElement('optgroup');
                through.label = 'Through another language';
                targetSel.appendChild(through);
            }
            through.appendChild(o);
        }
        targetSel.value = keep;
        if (targetSel.selectedIndex < 0 && targetSel.options.length) {
            targetSel.selectedIndex = 0;
        }
    }

    function updateSwap() {
        var source = sourceSel.value;
        swapBtn.disabled = source === 'auto' ? !(detected && isSource(detected.target))
                                             : !isSource(targetSel.value);
    }

    // Takes the choosers' direction: fromto, credit, the address and the remembered direction.
    function applyDirection() {
        var source = sourceSel.value;
        var t = findTarget(source, targetSel.value);
        if (!t) {
            return;
        }
        var dir = source + '-' + t[0];
        dirEl.value = dir;
        chosenFromto = t[2];
        setText(fromto, chosenFromto);
        if (source !== 'auto') {
            remember(dir);
        }
        setCredit(t[3], t[4]);
        setText(errEl, '');
        detected = null;
        updateSwap();
        // Keep the address in step so a reload stays on the chosen direction.
        if (window.history && window.history.replaceState) {
            window.history.replaceState(null, '', '?dir=' + encodeURIComponent(dir));
        }
    }

    // The user chose another direction: the text there is translated that way at once.
    function chooseDirection(sourceChanged) {
        if (sourceChanged) {
            fillTargets(targetSel.value);
        }
        applyDirection();
        if (!isBlank(textEl.value)) {
            translate();
        }
    }

    // Source and target change places; the translation becomes the text to translate back.
    function swap() {
        var source = sourceSel.value;
        var target = targetSel.value;
        if (source === 'auto') {
            if (!detected) {
                return;
            }
            source = detected.source;
            target = detected.target;
        }
        if (!isSource(target)) {
            return;
        }
        var result = textOf(out);
        sourceSel.value = target;
        fillTargets(source);
        applyDirection();
        if (result) {
            textEl.value = result;
            setText(out, '');
        }
        typedText = textEl.value;
        updateCount();
        if (!isBlank(textEl.value)) {
            translate();
        }
    }

    // ---- Translating.

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

    function cancelRequest() {
        if (typingTimer) {
            clearTimeout(typingTimer);
            typingTimer = null;
        }
        if (pending) {
            pending.onreadystatechange = null;
            pending.abort();
            pending = null;
            setText(busy, '');
        }
    }

    function translate() {
        var dir = dirEl.value;
        var dash = dir.indexOf('-');
        var text = textEl.value;
        cancelRequest();
        setText(out, '');
        setText(errEl, '');
        typedText = text;
        sentKey = text + '\n' + dir;
        updateCount(); // the program writes its text without any event
        if (dash < 1) {
            setText(errEl, 'No translation direction is available.');
            return;
        }
        var source = dir.substring(0, dash);
        var target = dir.substring(dash + 1);
        var fields = [encode('q', text), encode('source', source), encode('target', target),
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
            if (typeof result !== 'string') {
                setText(errEl, errorOf(xhr));
                return;
            }
            if (typeof answer.credit === 'string') {
                setCredit(answer.credit, answer.link);
            }
            if (answer.detectedLanguage && typeof answer.directionName === 'string') {
                setText(fromto, answer.directionName);
                detected = {source: answer.detectedLanguage.language, target: answer.target || target};
                updateSwap();
            }
            setText(out, result);
            addHistory({text: text, dir: dir, fromto: textOf(fromto), result: result,
                        credit: textOf(credit), link: credit.getAttribute('href') || ''});
        };
        xhr.send(fields.join('&'));
    }

    // A key, a paste or a cut in #text: the text goes out once the user pauses. Only what the user
    // typed: when the pause ends, #text must still hold what the last keystroke left there.
    function edited() {
        typedText = textEl.value;
        updateCount();
        if (typingTimer) {
            clearTimeout(typingTimer);
        }
        typingTimer = setTimeout(translateTyped, TYPING_PAUSE);
    }

    function translateTyped() {
        typingTimer = null;
        var text = textEl.value;
        if (text !== typedText || text + '\n' + dirEl.value === sentKey) {
            return;
        }
        if (isBlank(text)) {
            // Nothing left to translate: nothing to ask, and the old translation goes.
            cancelRequest();
            sentKey = text + '\n' + dirEl.value;
            setText(out, '');
            setText(errEl, '');
            return;
        }
        if (limit && utf8Length(text) > limit) {
            return; // the count says why; a click still asks and shows the service's answer
        }
        translate();
    }

    function clearAll() {
        cancelRequest();
        textEl.value = '';
        typedText = '';
        sentKey = '';
        setText(out, '');
        setText(errEl, '');
        updateCount();
        textEl.focus();
    }

    // A history entry back on the page as it was, without asking the service again.
    function restore(h) {
        var dash = h.dir.indexOf('-');
        var source = h.dir.substring(0, dash);
        if (dash > 0 && isSource(source) && findTarget(source, h.dir.substring(dash + 1))) {
            sourceSel.value = source;
            fillTargets(h.dir.substring(dash + 1));
            applyDirection();
        }
        cancelRequest();
        textEl.value = h.text;
        typedText = h.text;
        sentKey = h.text + '\n' + dirEl.value;
        updateCount();
        setText(errEl, '');
        setText(fromto, h.fromto || chosenFromto);
        setCredit(h.credit, h.link);
        setText(out, h.result);
    }

    // ---- Copying the translation: the older engine's clipboard object, then a selected copy,
    // then the asynchronous clipboard of newer engines.

    function showCopied(message) {
        setText(copiedEl, message);
        if (copiedTimer) {
            clearTimeout(copiedTimer);
        }
        copiedTimer = setTimeout(function () {
            setText(copiedEl, '');
        }, 3000);
    }

    function copyBySelection(s) {
        var area = document.createElement('textarea');
        area.value = s;
        area.setAttribute('readonly', '');
        area.style.position = 'absolute';
        area.style.left = '-9999px';
        document.body.appendChild(area);
        area.select();
        var copied = false;
        try {
            copied = document.execCommand('copy');
        } catch (e) {
            copied = false;
        }
        document.body.removeChild(area);
        copyBtn.focus();
        return copied;
    }

    function copyTranslation() {
        var s = textOf(out);
        var failed = 'Could not copy: select the translation and press Ctrl+C.';
        if (!s) {
            showCopied('Nothing to copy yet.');
            return;
        }
        var copied = false;
        if (window.clipboardData && window.clipboardData.setData) {
            try {
                copied = window.clipboardData.setData('Text', s);
            } catch (e) {
                copied = false;
            }
        }
        if (copied || copyBySelection(s)) {
            showCopied('Copied.');
        } else if (navigator.clipboard && navigator.clipboard.writeText) {
            navigator.clipboard.writeText(s).then(function () {
                showCopied('Copied.');
            }, function () {
                showCopied(failed);
            });
        } else {
            showCopied(failed);
        }
    }

    btn.onclick = translate;
    sourceSel.onchange = function () {
        chooseDirection(true);
    };
    targetSel.onchange = function () {
        chooseDirection(false);
    };
    swapBtn.onclick = swap;
    copyBtn.onclick = copyTranslation;
    clearBtn.onclick = function () {
        try {
            window.localStorage.removeItem(HISTORY);
        } catch (e) {
            // storage refused: there is nothing kept to clear
        }
        showHistory();
        textEl.focus();
    };
    on(textEl, 'input', edited);
    on(textEl, 'keyup', function (e) {
        // The oldest engines send no input event; a key that changed nothing is no edit.
        if (textEl.value !== typedText) {
            edited(e);
        }
    });
    on(textEl, 'paste', function () {
        setTimeout(function () {
            if (textEl.value !== typedText) {
                edited();
            }
        }, 0);
    });
    on(document, 'keydown', function (e) {
        var key = e.keyCode || e.which;
        var target = e.target || e.srcElement;
        if (key === 13 && (e.ctrlKey || e.metaKey)) {
            stop(e);
            translate();
        } else if (key === 27 && !(target && target.tagName === 'SELECT')) {
            stop(e);
            clearAll();
        }
    });

    updateCount();
    updateSwap();
    showHistory();
}());
