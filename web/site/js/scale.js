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
  const across = new Float32Array(width * sh * 3);
  for (let y = 0; y < sh; ++y) {
    const row = y * sw * 4;
    let o = y * width * 3;
    let k = 0;
    for (let x = 0; x < width; ++x, o += 3) {
      let r = 0, g = 0, b = 0;
      let p = row + wx.first[x] * 4;
      for (let n = wx.count[x]; n > 0; --n, ++k, p += 4) {
        const w = wx.weights[k];
        r += src[p] * w;
        g += src[p + 1] * w;
        b += src[p + 2] * w;
      }
      across[o] = r;
      across[o + 1] = g;
      across[o + 2] = b;
    }
  }

  // Down: the rows of `across` to `height` rows.
  const line = width * 3;
  const sum = new Float32Array(line);
  let k = 0;
  for (let y = 0; y < height; ++y) {
    sum.fill(0);
    let from = wy.first[y] * line;
    for (let n = wy.count[y]; n > 0; --n, ++k, from += line) {
      const w = wy.weights[k];
      for (let i = 0; i < line; ++i) sum[i] += across[from + i] * w;
    }
    let o = y * width * 4;
    for (let i = 0; i < line; i += 3, o += 4) {
      dst[o] = sum[i];  // the clamped array rounds to the nearest
      dst[o + 1] = sum[i + 1];
      dst[o + 2] = sum[i + 2];
      dst[o + 3] = 255;
    }
  }
  return out;
}
