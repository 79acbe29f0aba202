// A picture resampled to another size, as the desktop shows a window that is not its canvas's
// size: made smaller, each screen pixel is the average of the canvas pixels it covers (so that a
// line one pixel wide stays visible, only lighter); made larger, each is interpolated between the
// two nearest canvas pixels on each axis. Rows and columns are done one after the other.

// For each of `to` pixels along an axis: the first of the `from` pixels it takes, how many, and
// their weights (summing to one).
function axisWeights(from, to) {
  const first = new Int32Array(to);
  const count = new Int32Array(to);
  const weights = [];
  if (to < from) {
    const span = from / to;
    for (let i = 0; i < to; ++i) {
      const a = i * span;
      const b = Math.min(from, a + span);
      const start = Math.floor(a);
      const end = Math.min(from, Math.ceil(b - 1e-9));
      first[i] = start;
      count[i] = end - start;
      for (let s = start; s < end; ++s) weights.push((Math.min(b, s + 1) - Math.max(a, s)) / span);
    }
  } else {
    const step = from / to;
    for (let i = 0; i < to; ++i) {
      const x = Math.min(Math.max((i + 0.5) * step - 0.5, 0), from - 1);
      const s = Math.floor(x);
      const f = x - s;
      first[i] = s;
      if (f > 0 && s + 1 < from) {
        count[i] = 2;
        weights.push(1 - f, f);
      } else {
        count[i] = 1;
        weights.push(1);
      }
    }
  }
  return { first, count, weights: Float32Array.from(weights) };
}

// The rows resampled across, kept from one picture to the next.
let kept = new Float32Array(0);
function buffer(length) {
  if (kept.length < length) kept = new Float32Array(length);
  return kept;
}

const cache = new Map();
function cachedWeights(from, to) {
  const key = `${from}:${to}`;
  let w = cache.get(key);
  if (!w) {
    if (cache.size > 64) cache.clear();
    w = axisWeights(from, to);
    cache.set(key, w);
  }
  return w;
}

// `image` (ImageData, opaque) resampled to width x height, written into `out` (ImageData of that
// size) when given.
export function resample(image, width, height, out = new ImageData(width, height)) {
  const sw = image.width;
  const sh = image.height;
  const src = image.data;
  const dst = out.data;
  const wx = cachedWeights(sw, width);
  const wy = cachedWeights(sh, height);

  // Across: every source row to `width` pixels (three channels; the pictures are opaque).
  const across = buffer(width * sh * 3);
  const { first, count, weights } = wx;
  let o = 0;
  for (let y = 0; y < sh; ++y) {
    const row = y * sw * 4;
    let k = 0;
    for (let x = 0; x < width; ++x, o += 3) {
      const n = count[x];
      let p = row + first[x] * 4;
      if (n === 1) {
        across[o] = src[p];
        across[o + 1] = src[p + 1];
        across[o + 2] = src[p + 2];
        ++k;
      } else if (n === 2) {
        const w0 = weights[k];
        const w1 = weights[k + 1];
        across[o] = src[p] * w0 + src[p + 4] * w1;
        across[o + 1] = src[p + 1] * w0 + src[p + 5] * w1;
        across[o + 2] = src[p + 2] * w0 + src[p + 6] * w1;
        k += 2;
      } else {
        let r = 0, g = 0, b = 0;
        for (let t = 0; t < n; ++t, ++k, p += 4) {
          const w = weights[k];
          r += src[p] * w;
          g += src[p + 1] * w;
          b += src[p + 2] * w;
        }
        across[o] = r;
        across[o + 1] = g;
        across[o + 2] = b;
      }
    }
  }

  // Down: the rows of `across` to `height` rows, written as whole pixels (the weights sum to one,
  // so no value leaves 0..255; the pixels are little-endian RGBA, as on every browser's machine).
  const line = width * 3;
  const pixels = new Uint32Array(dst.buffer, dst.byteOffset, width * height);
  let k = 0;
  o = 0;
  for (let y = 0; y < height; ++y) {
    const n = wy.count[y];
    const from = wy.first[y] * line;
    if (n === 1) {
      for (let i = from, end = from + line; i < end; i += 3, ++o)
        pixels[o] = 0xff000000 | ((across[i + 2] + 0.5) << 16) | ((across[i + 1] + 0.5) << 8) | (across[i] + 0.5);
    } else if (n === 2) {
      const w0 = wy.weights[k];
      const w1 = wy.weights[k + 1];
      for (let i = from, end = from + line; i < end; i += 3, ++o) {
        const j = i + line;
        const r = across[i] * w0 + across[j] * w1 + 0.5;
        const g = across[i + 1] * w0 + across[j + 1] * w1 + 0.5;
        const b = across[i + 2] * w0 + across[j + 2] * w1 + 0.5;
        pixels[o] = 0xff000000 | (b << 16) | (g << 8) | r;
      }
    } else {
      for (let i = from, end = from + line; i < end; i += 3, ++o) {
        let r = 0.5, g = 0.5, b = 0.5;
        for (let t = 0, j = i; t < n; ++t, j += line) {
          const w = wy.weights[k + t];
          r += across[j] * w;
          g += across[j + 1] * w;
          b += across[j + 2] * w;
        }
        pixels[o] = 0xff000000 | (b << 16) | (g << 8) | r;
      }
    }
    k += n;
  }
  return out;
}
