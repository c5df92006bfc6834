// The Engines panel: the keys of online translation services and the directions sent to each,
// for the one user of the service Parlevo started. It builds itself into #engines the first time
// the Engines button opens it. ES5 with XMLHttpRequest, like the page's own script.
// A saved key never comes back from the service: the panel shows whether one is set and its last
// four characters, and its key fields are always empty.
(function () {
    'use strict';

    var toggle = document.getElementById('engines-toggle');
    var box = document.getElementById('engines');
    if (!toggle || !box) {
        return;
    }
    var loaded = false;
    var FIELDS = {
        region: { label: 'Region', hint: 'The region of a resource that has one, such as westeurope; empty for a global one.' },
        folder: { label: 'Folder ID', hint: 'The Yandex Cloud folder, needed with a user\'s key.' },
        url: { label: 'Address of the server', hint: 'Such as http://127.0.0.1:5000.' }
    };

    function setText(el, s) {
        if ('textContent' in el) {
            el.textContent = s;
        } else {
            el.innerText = s;
        }
    }

    function make(tag, attrs, text) {
        var el = document.createElement(tag);
        for (var name in attrs) {
            if (attrs.hasOwnProperty(name)) {
                el.setAttribute(name, attrs[name]);
            }
        }
        if (text) {
            setText(el, text);
        }
        return el;
    }

    // body: an object sent as JSON (POST), or null (GET). done(status, answer) with the answer
    // parsed, or null when it is not JSON.
    function request(path, body, done) {
        var xhr = new XMLHttpRequest();
        xhr.open(body ? 'POST' : 'GET', path, true);
        if (body) {
            xhr.setRequestHeader('Content-Type', 'application/json');
        }
        xhr.onreadystatechange = function () {
            if (xhr.readyState !== 4) {
                return;
            }
            var answer = null;
            try {
                answer = JSON.parse(xhr.responseText);
            } catch (e) {
                answer = null;
            }
            done(xhr.status, answer);
        };
        xhr.send(body ? JSON.stringify(body) : null);
    }

    function errorText(status, answer) {
        if (answer && typeof answer.error === 'string') {
            return answer.error;
        }
        return status ? 'The service answered HTTP ' + status + '.' : 'The service did not answer.';
    }

    function fileName(path) {
        return path.substring(Math.max(path.lastIndexOf('/'), path.lastIndexOf('\\')) + 1);
    }

    function describeKey(s, view) {
        if (!s.key_set) {
            return s.id === 'libretranslate' ? 'No key set (a server that asks for none needs none).' : 'No key set.';
        }
        var end = s.key_end ? 'A key ending in \u2026' + s.key_end : 'A key';
        if (s.key_from === 'panel') {
            return end + ' is saved in ' + fileName(view.keys_file) + '.';
        }
        return end + ' is set in ' + fileName(view.settings_file) +
            '. Saving a key here moves it to ' + fileName(view.keys_file) + ' and removes the plain copy from ' +
            fileName(view.settings_file) + '.';
    }

    function show(el, text, good) {
        setText(el, text);
        el.className = 'plv-eng-message ' + (good ? 'plv-eng-ok' : 'plv-eng-bad');
    }

    function buildService(s, view) {
        var id = 'engine-' + s.id;
        var refs = { service: s };
        var form = make('form', { id: id, novalidate: 'novalidate' });
        var set = make('fieldset', { 'class': 'plv-eng-service' });
        form.appendChild(set);
        set.appendChild(make('legend', {}, s.name));
        refs.state = make('p', { id: id + '-state' }, describeKey(s, view));
        set.appendChild(refs.state);

        function field(name, label, type, hint) {
            set.appendChild(make('label', { 'for': id + '-' + name }, label));
            var input = make('input', { type: type, id: id + '-' + name, name: name, autocomplete: 'off',
                                        spellcheck: 'false', autocapitalize: 'off' });
            set.appendChild(input);
            if (hint) {
                input.setAttribute('aria-describedby', id + '-' + name + '-hint');
                set.appendChild(make('p', { id: id + '-' + name + '-hint', 'class': 'plv-eng-hint' }, hint));
            }
            return input;
        }

        refs.key = field('key', s.name + ' key' + (s.id === 'libretranslate' ? ' (if the server asks for one)' : ''),
                         'password', 'Empty keeps the key that is set. A saved key is never shown again.');
        refs.inputs = {};
        for (var i = 0; i < s.fields.length; i++) {
            var f = s.fields[i];
            refs.inputs[f] = field(f, s.name + ': ' + FIELDS[f].label, 'text', FIELDS[f].hint);
            refs.inputs[f].value = s[f] || '';
        }
        refs.routes = field('routes', 'Directions sent to ' + s.name, 'text',
                            'Such as en-de, de-en; auto-de sends text in any language to German. ' +
                            'Separated by commas; empty sends none.');
        refs.routes.value = s.routes.join(', ');

        var buttons = make('div', { 'class': 'plv-eng-buttons' });
        refs.check = make('button', { type: 'button', id: id + '-check' }, 'Check');
        refs.save = make('button', { type: 'submit', id: id + '-save' }, 'Save');
        refs.remove = make('button', { type: 'button', id: id + '-remove' }, 'Remove key');
        buttons.appendChild(refs.check);
        buttons.appendChild(refs.save);
        buttons.appendChild(refs.remove);
        set.appendChild(buttons);
        refs.message = make('p', { id: id + '-message', 'class': 'plv-eng-message', role: 'status',
                                   'aria-live': 'polite' });
        set.appendChild(refs.message);

        refs.remove.disabled = !s.key_set;
        form.onsubmit = function (e) {
            if (e && e.preventDefault) {
                e.preventDefault();
            }
            send(refs, 'settings', false);
            return false;
        };
        refs.check.onclick = function () {
            send(refs, 'settings/check', false);
        };
        refs.remove.onclick = function () {
            send(refs, 'settings', true);
        };
        return { form: form, refs: refs };
    }

    function edit(refs, removeKey) {
        var body = { service: refs.service.id, key: refs.key.value, routes: refs.routes.value, remove_key: removeKey };
        for (var name in refs.inputs) {
            if (refs.inputs.hasOwnProperty(name)) {
                body[name] = refs.inputs[name].value;
            }
        }
        return body;
    }

    function busy(refs, on) {
        refs.check.disabled = on;
        refs.save.disabled = on;
        refs.remove.disabled = on || !refs.service.key_set;
        refs.message.setAttribute('aria-busy', on ? 'true' : 'false');
    }

    // The service's state after a save: the new key state and fields; the key field emptied.
    function refresh(refs, view) {
        for (var i = 0; i < view.services.length; i++) {
            var s = view.services[i];
            if (s.id !== refs.service.id) {
                continue;
            }
            refs.service = s;
            setText(refs.state, describeKey(s, view));
            refs.routes.value = s.routes.join(', ');
            for (var name in refs.inputs) {
                if (refs.inputs.hasOwnProperty(name)) {
                    refs.inputs[name].value = s[name] || '';
                }
            }
        }
        refs.key.value = '';
    }

    var all = [];

    function send(refs, path, removeKey) {
        busy(refs, true);
        show(refs.message, path === 'settings' ? 'Saving\u2026' : 'Asking ' + refs.service.name + '\u2026', true);
        request(path, edit(refs, removeKey), function (status, answer) {
            busy(refs, false);
            if (status !== 200 || !answer) {
                show(refs.message, errorText(status, answer), false);
                return;
            }
            if (path !== 'settings') {
                show(refs.message, answer.message, answer.result === 'accepted');
                return;
            }
            // A direction taken from another service shows there too.
            for (var i = 0; i < all.length; i++) {
                refresh(all[i], answer.settings);
            }
            busy(refs, false);
            show(refs.message, answer.notes.join(' '), true);
        });
    }

    function render(view) {
        while (box.firstChild) {
            box.removeChild(box.firstChild);
        }
        box.appendChild(make('p', {}, 'Online translation services you hold a key for, and the directions each ' +
            'one translates; every other direction stays offline. Keys are saved in ' + view.keys_file + ', ' +
            view.protection + '; the rest in ' + view.settings_file + '. Saving takes effect at once.'));
        if (view.problem) {
            box.appendChild(make('p', { role: 'alert', 'class': 'plv-eng-bad', id: 'engines-problem' }, view.problem));
        }
        all = [];
        for (var i = 0; i < view.services.length; i++) {
            var built = buildService(view.services[i], view);
            all.push(built.refs);
            box.appendChild(built.form);
        }
    }

    function load() {
        setText(box, 'Loading\u2026');
        request('settings', null, function (status, answer) {
            if (status !== 200 || !answer) {
                setText(box, '');
                box.appendChild(make('p', { role: 'alert', 'class': 'plv-eng-bad' }, errorText(status, answer)));
                return;
            }
            loaded = true;
            render(answer);
        });
    }

    toggle.onclick = function () {
        var open = toggle.getAttribute('aria-expanded') !== 'true';
        toggle.setAttribute('aria-expanded', open ? 'true' : 'false');
        box.style.display = open ? 'block' : 'none';
        if (open && !loaded) {
            load();
        }
    };
}());
