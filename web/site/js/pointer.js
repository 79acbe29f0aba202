// A drag: the pointer captured by the element it went down on, each move reported with how far it
// has gone, until it is released (or the browser takes it away).
export function followPointer(target, event, onMove) {
  target.setPointerCapture(event.pointerId);
  const startX = event.clientX;
  const startY = event.clientY;
  const move = (e) => onMove(e.clientX - startX, e.clientY - startY);
  const end = () => {
    target.removeEventListener('pointermove', move);
    target.removeEventListener('pointerup', end);
    target.removeEventListener('pointercancel', end);
  };
  target.addEventListener('pointermove', move);
  target.addEventListener('pointerup', end);
  target.addEventListener('pointercancel', end);
}
