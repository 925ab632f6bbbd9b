#!/usr/bin/python3
"""Opens a page in headless Chromium, offline, and works it as a user would.

    page_driver.py PAGE.html WIDTH HEIGHT STEPS.json [SECONDS]

Chromium is driven through its DevTools protocol over a pipe (no port, no
network): the network is emulated offline and every request the page makes
is reported. STEPS is a list of actions. On standard output, a line each:
"load MS" (from navigating to the page being ready and painted), "request
URL" for each request it made, and "result JSON" for each step:

    {"do": "screenshot", "file": PATH}        -> null
    {"do": "eval", "js": EXPRESSION}          -> its value
    {"do": "click", "selector": CSS}          -> the element's centre, clicked
    {"do": "clickAt", "x": X, "y": Y}         -> null
    {"do": "move", "x": X, "y": Y}            -> null
    {"do": "key", "key": KEY}                 -> null
    {"do": "wheel", "x": X, "y": Y, "dy": DY} -> null
    {"do": "paint"}                           -> milliseconds until drawn anew
"""
import base64
import json
import os
import pathlib
import select
import shutil
import subprocess
import sys
import tempfile
import time

KEY_CODES = {'ArrowLeft': 37, 'ArrowUp': 38, 'ArrowRight': 39, 'ArrowDown': 40, 'Home': 36, '+': 187, '-': 189}


class Browser:
    def __init__(self, seconds):
        self.seconds = seconds
        self.profile = tempfile.mkdtemp(prefix='zcad_page_')
        to_browser_r, self.to_browser = os.pipe()
        self.from_browser, from_browser_w = os.pipe()
        binary = '/usr/lib/chromium/chromium'
        if not os.path.exists(binary):
            binary = shutil.which('chromium') or 'chromium'
        flags = ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--no-default-browser-check',
                 '--hide-scrollbars', '--force-device-scale-factor=1', '--disable-extensions', '--mute-audio',
                 '--disable-background-networking', '--disable-component-update', '--disable-sync',
                 '--proxy-server=http://127.0.0.1:9', '--host-resolver-rules=MAP * ~NOTFOUND',
                 '--user-data-dir=' + self.profile, '--remote-debugging-pipe', 'about:blank']
        # The protocol's pipe is the browser's descriptors 3 (in) and 4 (out).
        command = 'exec "$0" "$@" 3<&%d 4>&%d' % (to_browser_r, from_browser_w)
        self.process = subprocess.Popen(['/bin/sh', '-c', command, binary] + flags,
                                        pass_fds=(to_browser_r, from_browser_w),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.buffer = b''
        self.next_id = 0
        self.events = []
        self.session = None

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)

    def _read(self, deadline):
        while b'\0' not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0:
                raise TimeoutError('the browser did not answer in time')
            ready, _, _ = select.select([self.from_browser], [], [], left)
            if ready:
                chunk = os.read(self.from_browser, 1 << 20)
                if not chunk:
                    raise EOFError('the browser closed its pipe')
                self.buffer += chunk
        message, self.buffer = self.buffer.split(b'\0', 1)
        return json.loads(message)

    def send(self, method, params=None, session=True):
        self.next_id += 1
        message = {'id': self.next_id, 'method': method, 'params': params or {}}
        if session and self.session:
            message['sessionId'] = self.session
        os.write(self.to_browser, json.dumps(message).encode() + b'\0')
        deadline = time.monotonic() + self.seconds
        while True:
            answer = self._read(deadline)
            if answer.get('id') == self.next_id:
                if 'error' in answer:
                    raise RuntimeError('%s: %s' % (method, answer['error']))
                return answer.get('result', {})
            self.events.append(answer)

    def wait_for(self, method):
        deadline = time.monotonic() + self.seconds
        for i, event in enumerate(self.events):
            if event.get('method') == method:
                return self.events.pop(i)
        while True:
            event = self._read(deadline)
            if event.get('method') == method:
                return event
            self.events.append(event)

    def evaluate(self, expression):
        answer = self.send('Runtime.evaluate', {'expression': expression, 'returnByValue': True, 'awaitPromise': True})
        if 'exceptionDetails' in answer:
            raise RuntimeError('%s: %s' % (expression, answer['exceptionDetails']))
        return answer['result'].get('value')

    def mouse(self, kind, x, y, **more):
        self.send('Input.dispatchMouseEvent', dict(type=kind, x=x, y=y, **more))

    def painted(self):
        # Two frames: the change has been laid out and drawn.
        self.evaluate('new Promise(r => requestAnimationFrame(() => requestAnimationFrame(() => r(1))))')


def open_page(browser, page, width, height):
    target = browser.send('Target.createTarget', {'url': 'about:blank'}, session=False)
    attached = browser.send('Target.attachToTarget', {'targetId': target['targetId'], 'flatten': True}, session=False)
    browser.session = attached['sessionId']
    browser.send('Network.enable')
    browser.send('Network.emulateNetworkConditions',
                 {'offline': True, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1})
    browser.send('Page.enable')
    browser.send('Emulation.setDeviceMetricsOverride',
                 {'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': False})
    started = time.monotonic()
    browser.send('Page.navigate', {'url': pathlib.Path(page).resolve().as_uri()})
    browser.wait_for('Page.loadEventFired')
    # A page of ours says it is ready; anything else (an SVG) is once loaded.
    if browser.evaluate("document.documentElement.localName === 'html'"
                        " ? document.documentElement.getAttribute('data-ready') : '1'") != '1':
        raise RuntimeError('the page did not get ready: its script failed')
    browser.send('Page.captureScreenshot', {'format': 'png'})
    return (time.monotonic() - started) * 1000


def run_step(browser, step):
    kind = step['do']
    if kind == 'screenshot':
        browser.painted()
        shot = browser.send('Page.captureScreenshot', {'format': 'png'})
        pathlib.Path(step['file']).write_bytes(base64.b64decode(shot['data']))
        return None
    if kind == 'eval':
        return browser.evaluate(step['js'])
    if kind == 'paint':
        started = time.monotonic()
        browser.painted()
        return round((time.monotonic() - started) * 1000)
    if kind in ('click', 'clickAt'):
        if kind == 'click':
            box = browser.evaluate('(() => { const r = document.querySelector(%s).getBoundingClientRect();'
                                   ' return [r.left + r.width / 2, r.top + r.height / 2]; })()'
                                   % json.dumps(step['selector']))
            x, y = box
        else:
            x, y = step['x'], step['y']
        browser.mouse('mouseMoved', x, y)
        browser.mouse('mousePressed', x, y, button='left', clickCount=1)
        browser.mouse('mouseReleased', x, y, button='left', clickCount=1)
        browser.painted()
        return [x, y]
    if kind == 'move':
        browser.mouse('mouseMoved', step['x'], step['y'])
        return None
    if kind == 'key':
        key = step['key']
        code = KEY_CODES.get(key, 0)
        text = key if len(key) == 1 else ''
        browser.send('Input.dispatchKeyEvent', {'type': 'keyDown', 'key': key, 'text': text,
                                                'windowsVirtualKeyCode': code})
        browser.send('Input.dispatchKeyEvent', {'type': 'keyUp', 'key': key, 'windowsVirtualKeyCode': code})
        return None
    if kind == 'wheel':
        browser.mouse('mouseWheel', step['x'], step['y'], deltaX=0, deltaY=step['dy'])
        browser.painted()
        return None
    raise ValueError('no such step: ' + kind)


def main():
    if len(sys.argv) not in (5, 6):
        sys.exit(__doc__)
    page, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    steps = json.loads(pathlib.Path(sys.argv[4]).read_text())
    seconds = float(sys.argv[5]) if len(sys.argv) == 6 else 60
    browser = Browser(seconds)
    try:
        load = open_page(browser, page, width, height)
        results = [run_step(browser, step) for step in steps]
        requests = [e['params']['request']['url'] for e in browser.events
                    if e.get('method') == 'Network.requestWillBeSent']
        print('load', round(load))
        for url in requests:
            print('request', url)
        for result in results:
            print('result', json.dumps(result))
    finally:
        browser.close()


if __name__ == '__main__':
    main()
