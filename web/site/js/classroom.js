// The classroom commands in the page: the picture and its texts to the clipboard, the picture and
// the data as downloads, the window's run again, and the window's state as a link. The engine
// gives the picture, the texts, the CSV and the link; the page only hands them to the browser.

// The engine's ids of these commands (res/Resources.h), and the page's own Copy Link.
export const CLASSROOM = Object.freeze({
  SAVE_PICTURE: 0x8100, EXPORT_DATA: 0x8101, RUN_AGAIN: 0x8102, RUN_AGAIN_SAME_SEED: 0x8103,
  FIRST_RECENT_FILE: 0x8104, RECENT_FILES: 4, COPY_LINK: 0x8108,
});

export function isClassroomCommand(id) {
  return id >= CLASSROOM.SAVE_PICTURE && id <= CLASSROOM.COPY_LINK && !isRecentFile(id);
}

// The page keeps no files: the Demo menu lists no recent ones.
export function isRecentFile(id) {
  return id >= CLASSROOM.FIRST_RECENT_FILE && id < CLASSROOM.FIRST_RECENT_FILE + CLASSROOM.RECENT_FILES;
}

// The Demo menu's items in the page: no recent files, Copy Link after Export Data, no separator
// twice in a row or at the end.
export function classroomItems(items) {
  const out = [];
  for (const item of items) {
    if (isRecentFile(item.id)) continue;
    if (item.text === '' && (out.length === 0 || out[out.length - 1].text === '')) continue;
    out.push(item);
    if (item.id === CLASSROOM.EXPORT_DATA) out.push({ text: 'Copy &Link', id: CLASSROOM.COPY_LINK });
  }
  while (out.length && out[out.length - 1].text === '') out.pop();
  return out;
}

// A file name from the window's title: "Central Limit1.png".
function fileName(title, extension) {
  return `${String(title).replace(/[\\/:*?"<>|\n\r\t]/g, ' ').trim() || 'Dulm'}${extension}`;
}

function download(blob, name) {
  const url = URL.createObjectURL(blob);
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  a.hidden = true;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// The window's picture as PNG, the canvas's own pixels (not the page's scaled copy).
export function pictureBlob(engine, window) {
  const frame = engine.frame(window);
  if (!frame) return Promise.resolve(null);
  const canvas = document.createElement('canvas');
  canvas.width = frame.width;
  canvas.height = frame.height;
  canvas.getContext('2d').putImageData(frame, 0, 0);
  return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
}

// Copy Picture: the image and its texts in one clipboard item where the browser allows it; where
// it takes text only (or no image from a page), the texts; 'picture', 'texts' or throws.
export async function copyPicture(engine, window) {
  const texts = engine.texts(window);
  const png = await pictureBlob(engine, window);
  if (png && typeof ClipboardItem !== 'undefined' && navigator.clipboard?.write) {
    try {
      await navigator.clipboard.write([new ClipboardItem({
        'image/png': png, 'text/plain': new Blob([texts], { type: 'text/plain' }),
      })]);
      return 'picture';
    } catch {
      // Refused (no permission, or no image from a page): the texts alone, below.
    }
  }
  await navigator.clipboard.writeText(texts);
  return 'texts';
}

export async function savePicture(engine, window, title) {
  const png = await pictureBlob(engine, window);
  if (!png) return false;
  download(png, fileName(title, '.png'));
  return true;
}

// Export Data: the view gives its data while it rests in a wait; a run that never pauses is asked
// again for a few seconds. The CSV, or '' when it did not rest.
export async function exportData(engine, window, title, patienceMs = 3000) {
  const start = performance.now();
  for (;;) {
    const csv = engine.csv(window);
    if (csv) {
      download(new Blob([csv], { type: 'text/csv;charset=utf-8' }), fileName(title, '.csv'));
      return csv;
    }
    if (performance.now() - start > patienceMs) return '';
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// The query of a link that opens the window's run again: the demonstration, the reference canvas,
// its seed as the time, and its dialogs' answers; a new seed (the time now) unless sameSeed.
export function linkQuery(engine, window, canvas, sameSeed = true) {
  const link = engine.link(window);
  if (!link) return null;
  const query = new URLSearchParams({ demo: link.demo, size: link.size ?? `${canvas.width}x${canvas.height}` });
  const time = sameSeed ? link.time : Math.floor(Date.now() / 1000);
  if (time !== undefined) query.set('time', String(time));
  if (link.dialog.length) query.set('dialog', link.dialog.join(';'));
  return query;
}

export function linkUrl(query) {
  return `${location.origin}${location.pathname}?${query.toString()}`;
}
