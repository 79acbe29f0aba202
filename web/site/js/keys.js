// The names the engine knows keys by (the render tool's names), from the browser's key events.
// Keys without a name mean nothing to the demonstrations and are not passed on.

export function keyName(event) {
  const code = event.code;
  if (/^Digit[0-9]$/.test(code)) return code.slice(5);
  if (/^Numpad[0-9]$/.test(code)) return `num${code.slice(6)}`;
  if (/^Key[A-Z]$/.test(code)) return code.slice(3).toLowerCase();
  switch (code) {
    case 'Escape': return 'esc';
    case 'Pause': return 'pause';
    case 'NumLock': return 'numlock';
    case 'F1': return 'f1';
    case 'Space': return 'space';
    case 'Enter':
    case 'NumpadEnter': return 'enter';
    default: return null;
  }
}
