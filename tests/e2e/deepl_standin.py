# DeepL's translation API as the end-to-end scripts need it, on a free port of this machine, which
# it prints first. usage: deepl_standin.py KEY [SOURCE-TARGET]
# The request with "DeepL-Auth-Key KEY" gets "DeepL: " and the text; another key gets DeepL's 403
# and its words; with SOURCE-TARGET (EN-ES), a request for another direction gets a 400. Every
# request is one line on standard error: "request PATH AUTHORIZATION".
import http.server
import json
import sys

KEY = sys.argv[1]
DIRECTION = sys.argv[2].split('-') if len(sys.argv) > 2 else None


class Handler(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        body = json.loads(self.rfile.read(int(self.headers.get('Content-Length', 0))) or b'{}')
        auth = self.headers.get('Authorization')
        sys.stderr.write('request %s %s\n' % (self.path, auth))
        sys.stderr.flush()
        if self.path != '/v2/translate' or auth != 'DeepL-Auth-Key ' + KEY:
            status, out = 403, {'message': 'Authorization failure, check auth_key'}
        elif DIRECTION and [body.get('source_lang'), body.get('target_lang')] != DIRECTION:
            status, out = 400, {'message': 'not as documented'}
        else:
            status, out = 200, {'translations': [{'text': 'DeepL: ' + body['text'][0]}]}
        data = json.dumps(out).encode()
        self.send_response(status)
        self.send_header('Content-Type', 'application/json')
        self.send_header('Content-Length', str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def log_message(self, *args):
        pass


server = http.server.HTTPServer(('127.0.0.1', 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
