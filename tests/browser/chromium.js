'use strict';
// Headless Chromium driven over its DevTools protocol. The connection is the pipe
// pair Chromium opens on descriptors 3 and 4 (--remote-debugging-pipe): messages are
// JSON texts each ended by a NUL byte. No port, no WebSocket, nothing to install.
const { spawn } = require('child_process');

const executable = process.env.CHROMIUM || '/usr/bin/chromium';

// Flags for a quiet, self-contained browser that also works as root in a container.
// Background tabs must not be throttled: the check runs several pages at once.
const flags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-extensions', '--disable-default-apps', '--no-default-browser-check',
  '--disable-dev-shm-usage', '--mute-audio', '--hide-scrollbars', '--window-size=1024,768',
  '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
  '--disable-backgrounding-occluded-windows', '--remote-debugging-pipe',
];

const commandTimeoutMs = 15000;

class Browser {
  static launch(profileDir) {
    return new Browser(spawn(executable, [...flags, `--user-data-dir=${profileDir}`, 'about:blank'], {
      stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'],
    }));
  }

  constructor(proc) {
    this.proc = proc;
    this.nextId = 0;
    this.pending = new Map();
    this.sessions = new Map();
    this.stderr = '';
    this.exited = false;
    let buffer = Buffer.alloc(0);
    proc.stderr.on('data', (data) => { this.stderr = (this.stderr + data).slice(-4000); });
    proc.stdio[4].on('data', (data) => {
      buffer = Buffer.concat([buffer, data]);
      for (let end; (end = buffer.indexOf(0)) >= 0; buffer = buffer.subarray(end + 1))
        this.receive(JSON.parse(buffer.subarray(0, end).toString('utf8')));
    });
    proc.on('error', (error) => this.fail(`cannot start ${executable}: ${error.message}`));
    proc.on('exit', (code, signal) => {
      this.exited = true;
      this.fail(`${executable} ended (${signal || code})\n${this.stderr}`);
    });
    proc.stdio[3].on('error', () => {});
  }

  fail(message) {
    for (const { reject } of this.pending.values()) reject(new Error(message));
    this.pending.clear();
    this.failure = this.failure || message;
  }

  receive(message) {
    if (message.id !== undefined) {
      const call = this.pending.get(message.id);
      if (!call) return;
      this.pending.delete(message.id);
      clearTimeout(call.timer);
      if (message.error) call.reject(new Error(`${call.method}: ${message.error.message}`));
      else call.resolve(message.result);
      return;
    }
    const listener = this.sessions.get(message.sessionId);
    if (listener) listener(message.method, message.params);
  }

  // Sends a command, to the browser or (with sessionId) to one attached page.
  send(method, params = {}, sessionId = undefined) {
    if (this.failure) return Promise.reject(new Error(this.failure));
    const id = ++this.nextId;
    return new Promise((resolve, reject) => {
      const timer = setTimeout(() => {
        this.pending.delete(id);
        reject(new Error(`${method}: no answer within ${commandTimeoutMs} ms`));
      }, commandTimeoutMs);
      this.pending.set(id, { resolve, reject, method, timer });
      this.proc.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + '\0');
    });
  }

  // A new page, attached; `listener(method, params)` gets its events. Each page has
  // a window of its own: tabs behind the front one would be hidden and stall.
  async openPage(listener) {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank', newWindow: true });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    this.sessions.set(sessionId, listener);
    const send = (method, params) => this.send(method, params, sessionId);
    const close = async () => {
      this.sessions.delete(sessionId);
      await this.send('Target.closeTarget', { targetId }).catch(() => {});
    };
    return { send, close };
  }

  async close() {
    if (this.exited) return;
    const ended = new Promise((resolve) => this.proc.once('exit', resolve));
    await this.send('Browser.close').catch(() => {});
    const timer = setTimeout(() => this.proc.kill('SIGKILL'), 5000);
    await ended;
    clearTimeout(timer);
  }
}

module.exports = { Browser };
