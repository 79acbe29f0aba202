// Dulm in the browser: loads the engine and opens the main window. A link's query parameters
// (the render tool's options) open that demonstration in that state.
import { Engine } from './engine.js';
import { Shell } from './shell.js';

// The render tool's options from the query: ?demo=central&size=1000x700&time=42&dialog=...
function linkArguments(query) {
  const demo = query.get('demo');
  if (!demo) return null;
  const args = [demo, '--out', '-'];
  for (const name of ['size', 'view', 'time', 'dialog', 'answers', 'events']) {
    for (const value of query.getAll(name)) args.push(`--${name}`, value);
  }
  return args;
}

function showIsolationPage() {
  document.getElementById('dulm-app').hidden = true;
  document.getElementById('dulm-isolation').hidden = false;
}

async function start() {
  if (!window.crossOriginIsolated || typeof SharedArrayBuffer === 'undefined') {
    showIsolationPage();
    return;
  }
  const root = document.getElementById('dulm-app');
  root.hidden = false;
  const engine = await Engine.load('.');
  const resources = engine.resources();
  const shell = new Shell(engine, resources, root);
  shell.recordReferenceCanvas();

  // Tests and tools: resolves once every window's demonstration rests.
  window.dulmShell = shell;
  window.dulmRest = () => new Promise((resolve) => {
    const check = () => (shell.allResting() ? resolve() : setTimeout(check, 20));
    setTimeout(check, 20);
  });

  const query = new URLSearchParams(location.search);
  const args = linkArguments(query);
  if (args) {
    const size = (query.get('size') ?? '1000x700').split('x').map(Number);
    const view = (query.get('view') ?? '').split('x').map(Number);
    const client = view.length === 2 && view.every((n) => n > 0) ? view : size;
    shell.openLink(args, { width: client[0] || 1000, height: client[1] || 700 });
  } else {
    shell.start();
  }
}

start().catch((error) => {
  console.error(error);
  const failure = document.getElementById('dulm-failure');
  failure.textContent = `Dulm could not start: ${error.message}`;
  failure.hidden = false;
});
