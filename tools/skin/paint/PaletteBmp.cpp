#include "PaletteBmp.h"

#include <algorithm>
#include <map>
#include <set>

#include "ui/Exception.h"

namespace {

struct TWeighted {
  TRgb Colour;
  std::uint64_t Count;
};

int Channel(TRgb c, int i) { return static_cast<int>((c >> (16 - 8 * i)) & 0xFF); }

int Spread(const std::vector<TWeighted>& box, int channel) {
  int lo = 255, hi = 0;
  for (const TWeighted& w : box) lo = std::min(lo, Channel(w.Colour, channel)), hi = std::max(hi, Channel(w.Colour, channel));
  return hi - lo;
}

TRgb Mean(const std::vector<TWeighted>& box) {
  double sum[3] = {0, 0, 0}, n = 0;
  for (const TWeighted& w : box) {
    for (int i = 0; i < 3; ++i) sum[i] += double(Channel(w.Colour, i)) * double(w.Count);
    n += double(w.Count);
  }
  return Rgb(int(sum[0] / n + 0.5), int(sum[1] / n + 0.5), int(sum[2] / n + 0.5));
}

// Splits the colours into at most `count` boxes, each time the box of the widest
// channel at its weighted median, and gives each box's mean.
std::vector<TRgb> MedianCut(std::vector<TWeighted> colours, size_t count) {
  std::vector<std::vector<TWeighted>> boxes;
  if (!colours.empty() && count > 0) boxes.push_back(std::move(colours));
  while (boxes.size() < count) {
    size_t best = 0;
    int bestSpread = -1, bestChannel = 0;
    for (size_t b = 0; b < boxes.size(); ++b)
      for (int ch = 0; ch < 3; ++ch)
        if (boxes[b].size() > 1 && Spread(boxes[b], ch) > bestSpread)
          best = b, bestSpread = Spread(boxes[b], ch), bestChannel = ch;
    if (bestSpread <= 0) break;
    std::vector<TWeighted>& box = boxes[best];
    std::sort(box.begin(), box.end(), [&](const TWeighted& a, const TWeighted& b) {
      return Channel(a.Colour, bestChannel) < Channel(b.Colour, bestChannel);
    });
    std::uint64_t total = 0, half = 0;
    for (const TWeighted& w : box) total += w.Count;
    size_t cut = 1;
    for (; cut < box.size() - 1; ++cut) {
      half += box[cut - 1].Count;
      if (half * 2 >= total) break;
    }
    boxes.emplace_back(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
    boxes[best].resize(cut);
  }
  std::vector<TRgb> palette;
  for (const auto& box : boxes) palette.push_back(Mean(box));
  return palette;
}

int Distance(TRgb a, TRgb b) {
  int d = 0;
  for (int i = 0; i < 3; ++i) d += (Channel(a, i) - Channel(b, i)) * (Channel(a, i) - Channel(b, i));
  return d;
}

void Put(std::vector<std::uint8_t>& out, size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

TPaletteBmp EncodeBmp8(const TBmpImage& image, int entries, const std::vector<TRgb>& keep) {
  std::map<TRgb, std::uint64_t> counts;
  for (std::uint32_t p : image.Pixels) ++counts[p & 0xFFFFFF];
  TPaletteBmp result;
  result.Colours = static_cast<int>(counts.size());
  result.Exact = result.Colours <= entries;
  std::vector<TRgb> palette;
  if (result.Exact) {
    for (const auto& [colour, n] : counts) palette.push_back(colour);
  } else {
    std::set<TRgb> kept(keep.begin(), keep.end());
    if (kept.size() >= static_cast<size_t>(entries)) throw Exception("too many colours to keep");
    std::vector<TWeighted> rest;
    for (const auto& [colour, n] : counts)
      if (!kept.count(colour)) rest.push_back({colour, n});
    palette.assign(kept.begin(), kept.end());
    for (TRgb c : MedianCut(std::move(rest), static_cast<size_t>(entries) - kept.size())) palette.push_back(c);
  }
  std::map<TRgb, std::uint8_t> index;
  for (const auto& [colour, n] : counts) {
    size_t best = 0;
    for (size_t i = 1; i < palette.size(); ++i)
      if (Distance(palette[i], colour) < Distance(palette[best], colour)) best = i;
    index[colour] = static_cast<std::uint8_t>(best);
  }

  const size_t stride = (static_cast<size_t>(image.Width) + 3) & ~size_t{3};
  const size_t offset = 14 + 40 + 4 * static_cast<size_t>(entries);
  std::vector<std::uint8_t>& out = result.File;
  out.assign(offset + stride * static_cast<size_t>(image.Height), 0);
  out[0] = 'B', out[1] = 'M';
  Put(out, 2, static_cast<std::uint32_t>(out.size()), 4);
  Put(out, 10, static_cast<std::uint32_t>(offset), 4);
  Put(out, 14, 40, 4);
  Put(out, 18, static_cast<std::uint32_t>(image.Width), 4);
  Put(out, 22, static_cast<std::uint32_t>(image.Height), 4);
  Put(out, 26, 1, 2);
  Put(out, 28, 8, 2);
  Put(out, 34, static_cast<std::uint32_t>(stride * static_cast<size_t>(image.Height)), 4);
  Put(out, 38, 2835, 4);
  Put(out, 42, 2835, 4);
  Put(out, 46, static_cast<std::uint32_t>(entries), 4);
  for (size_t i = 0; i < palette.size(); ++i) Put(out, 54 + 4 * i, palette[i], 4);
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x)
      out[offset + static_cast<size_t>(image.Height - 1 - y) * stride + static_cast<size_t>(x)] =
          index[image.At(x, y) & 0xFFFFFF];
  return result;
}
