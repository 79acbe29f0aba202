// The keyboard as the program knows it: the names the engine knows keys by (the render tool's
// names), the virtual-key codes of the accelerator table, and the lock keys' states.

// The engine's name of the key of a browser key event, or null for a key that means nothing to
// the demonstrations (it is not passed on). A keypad digit is one only while Num Lock is on: with
// it off the key is a cursor key, as on the desktop (its arrows are arrows).
export function keyName(event) {
  const code = event.code;
  if (/^Digit[0-9]$/.test(code)) return code.slice(5);
  if (/^Numpad[0-9]$/.test(code)) {
    if (/^[0-9]$/.test(event.key)) return `num${code.slice(6)}`;
    return { ArrowLeft: 'left', ArrowRight: 'right', ArrowUp: 'up', ArrowDown: 'down' }[event.key] ?? null;
  }
  if (/^Key[A-Z]$/.test(code)) return code.slice(3).toLowerCase();
  switch (code) {
    case 'Escape': return 'esc';
    case 'Pause': return 'pause';
    case 'NumLock': return 'numlock';
    case 'F1': return 'f1';
    case 'Space': return 'space';
    case 'Enter':
    case 'NumpadEnter': return 'enter';
    // The arrows move Regression's cross.
    case 'ArrowLeft': return 'left';
    case 'ArrowRight': return 'right';
    case 'ArrowUp': return 'up';
    case 'ArrowDown': return 'down';
    default: return null;
  }
}

// The virtual-key code of the key, as the accelerator table spells keys; 0 for one it never names.
export function virtualKey(event) {
  const code = event.code;
  if (/^Key[A-Z]$/.test(code)) return code.charCodeAt(3);
  if (/^Digit[0-9]$/.test(code)) return code.charCodeAt(5);
  const f = /^F([0-9]{1,2})$/.exec(code);
  if (f) return 0x6f + Number(f[1]);  // VK_F1 is 0x70
  switch (code) {
    case 'Backspace': return 0x08;
    case 'Tab': return 0x09;
    case 'Insert': return 0x2d;
    case 'Delete': return 0x2e;
    case 'Numpad0': return event.key === 'Insert' ? 0x2d : 0;
    case 'NumpadDecimal': return event.key === 'Delete' ? 0x2e : 0;
    // The zoom keys, which only the accelerator table names.
    case 'Equal': return 0xbb;
    case 'Minus': return 0xbd;
    case 'NumpadAdd': return 0x6b;
    case 'NumpadSubtract': return 0x6d;
    default: return 0;
  }
}

// The entry of the accelerator table ([{vk, ctrl, shift, alt, command}]) the key event presses.
export function acceleratorOf(event, table) {
  const vk = virtualKey(event);
  if (!vk) return null;
  return table.find((a) => a.vk === vk && a.ctrl === event.ctrlKey && a.shift === event.shiftKey &&
    a.alt === event.altKey && !event.metaKey) ?? null;
}

// Caps Lock, Num Lock and Scroll Lock as the last key or mouse event saw them; null before any.
export function lockStates(event) {
  if (typeof event.getModifierState !== 'function') return null;
  return {
    caps: event.getModifierState('CapsLock'),
    num: event.getModifierState('NumLock'),
    scroll: event.getModifierState('ScrollLock'),
  };
}
