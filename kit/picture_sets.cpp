// Loading the painted sets (see picture_sets.h): the PNG of the right set, from the
// module's resources or beside the 100 % file, decoded by WIC into a DIB section, and
// between two sets scaled down by an area filter that leaves a key colour exact.
#include "kit/picture_sets.h"

#include <wincodec.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "kit/picture_scales.h"
#include "kit/scaled_picture.h"

namespace kit {

namespace {

constexpr int kBaseDpi = 96;
constexpr int kWholePercent = 100;
// The painter keeps every pixel of a picture drawn over a key further than this from
// the key; a picture whose corners share a colour nothing else comes this close to has
// that colour as its key.
constexpr int kKeyClearance = 24;
// A scaled pixel stays key while less than half of it is covered by the picture.
constexpr float kKeyCoverage = 0.5f;
constexpr int kBytesPerPixel = 3;
constexpr int kConvertedBytesPerPixel = 4;

using Bytes = std::vector<std::uint8_t>;

// Releases a COM interface when it goes.
template <class T>
class ComHolder {
 public:
  ComHolder() = default;
  ~ComHolder() {
    if (p_) p_->Release();
  }
  ComHolder(const ComHolder&) = delete;
  ComHolder& operator=(const ComHolder&) = delete;
  T* operator->() const { return p_; }
  T* get() const { return p_; }
  T** out() { return &p_; }

 private:
  T* p_ = nullptr;
};

struct Bgr {
  std::uint8_t b = 0, g = 0, r = 0;
  friend bool operator==(Bgr, Bgr) = default;
};

// A decoded picture, rows from the top.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<Bgr> data;
  Bgr& at(int x, int y) { return data[static_cast<std::size_t>(y) * width + x]; }
  Bgr at(int x, int y) const { return data[static_cast<std::size_t>(y) * width + x]; }
};

// The set that serves dpi first, then the larger ones (used when a set lacks the picture).
std::vector<int> sets_for(int dpi) {
  std::vector<int> sets;
  for (int percent : kScalePercents)
    if (percent * kBaseDpi >= dpi * kWholePercent) sets.push_back(percent);
  if (sets.empty()) sets.push_back(kScalePercents[std::size(kScalePercents) - 1]);  // above the largest
  return sets;
}

bool exactly_painted(int percent, int dpi) { return percent * kBaseDpi == dpi * kWholePercent; }

std::optional<Pixels> decode_png(std::span<const std::uint8_t> bytes) {
  ComHolder<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.out()))))
    return std::nullopt;
  ComHolder<IWICStream> stream;
  ComHolder<IWICBitmapDecoder> decoder;
  ComHolder<IWICBitmapFrameDecode> frame;
  ComHolder<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  if (FAILED(factory->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) || FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0)
    return std::nullopt;
  Pixels pixels{static_cast<int>(width), static_cast<int>(height),
                std::vector<Bgr>(static_cast<std::size_t>(width) * height)};
  // Through 32 bits a pixel: palette PNGs convert to that everywhere, to 24 bits not
  // on every system.
  static_assert(sizeof(Bgr) == kBytesPerPixel);
  const UINT stride = width * kConvertedBytesPerPixel;
  std::vector<BYTE> converted(static_cast<std::size_t>(stride) * height);
  if (FAILED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(converted.size()), converted.data())))
    return std::nullopt;
  for (std::size_t i = 0; i < pixels.data.size(); ++i) {
    const BYTE* p = &converted[i * kConvertedBytesPerPixel];
    pixels.data[i] = Bgr{p[0], p[1], p[2]};
  }
  return pixels;
}

int distance(Bgr a, Bgr b) { return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}); }

std::optional<Bgr> key_of(const Pixels& p) {
  const Bgr corner = p.at(0, 0);
  if (p.at(p.width - 1, 0) != corner || p.at(0, p.height - 1) != corner || p.at(p.width - 1, p.height - 1) != corner)
    return std::nullopt;
  for (Bgr c : p.data)
    if (c != corner && distance(c, corner) <= kKeyClearance) return std::nullopt;
  return corner;
}

// Moves c just beyond the clearance from key along the channel that already differs most.
Bgr off_key(Bgr c, Bgr key) {
  const std::array<std::uint8_t*, 3> mine{&c.b, &c.g, &c.r};
  const std::array<int, 3> keys{key.b, key.g, key.r};
  int most = 0;
  for (int i = 1; i < 3; ++i)
    if (std::abs(*mine[i] - keys[i]) > std::abs(*mine[most] - keys[most])) most = i;
  const int step = kKeyClearance + 1;
  int target = *mine[most] >= keys[most] ? keys[most] + step : keys[most] - step;
  if (target > UINT8_MAX) target = keys[most] - step;
  if (target < 0) target = keys[most] + step;
  *mine[most] = static_cast<std::uint8_t>(target);
  return c;
}

// How much of each source pixel falls into each of to pixels when from pixels shrink
// or grow to to: per target pixel, (first source pixel, its weights), summing to one.
struct Span {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Span> area_spans(int from, int to) {
  std::vector<Span> spans(to);
  const double step = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    const double start = i * step, end = (i + 1) * step;
    Span& span = spans[i];
    span.first = static_cast<int>(start);
    for (int s = span.first; s < from && s < end; ++s)
      span.weights.push_back(static_cast<float>((std::min<double>(s + 1, end) - std::max<double>(s, start)) / step));
  }
  return spans;
}

// Area-filtered resize.  The key colour takes no part in the blend: its pixels weigh
// nothing, a target pixel less than half covered by the picture becomes the key, and the
// others keep clear of it, so no edge fades into the key.
Pixels resize(const Pixels& from, int width, int height) {
  const std::optional<Bgr> key = key_of(from);
  struct Sum {
    float b = 0, g = 0, r = 0, cover = 0;
    void add(const Sum& s, float w) {
      b += s.b * w, g += s.g * w, r += s.r * w, cover += s.cover * w;
    }
  };
  auto source = [&](int x, int y) {
    const Bgr c = from.at(x, y);
    if (key && c == *key) return Sum{};
    return Sum{static_cast<float>(c.b), static_cast<float>(c.g), static_cast<float>(c.r), 1};
  };
  const std::vector<Span> across = area_spans(from.width, width);
  const std::vector<Span> down = area_spans(from.height, height);
  std::vector<Sum> rows(static_cast<std::size_t>(width) * from.height);
  for (int y = 0; y < from.height; ++y)
    for (int x = 0; x < width; ++x) {
      Sum& sum = rows[static_cast<std::size_t>(y) * width + x];
      for (std::size_t i = 0; i < across[x].weights.size(); ++i)
        sum.add(source(across[x].first + static_cast<int>(i), y), across[x].weights[i]);
    }
  Pixels out{width, height, std::vector<Bgr>(static_cast<std::size_t>(width) * height)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Sum sum;
      for (std::size_t i = 0; i < down[y].weights.size(); ++i)
        sum.add(rows[static_cast<std::size_t>(down[y].first + i) * width + x], down[y].weights[i]);
      if (key && sum.cover < kKeyCoverage) {
        out.at(x, y) = *key;
        continue;
      }
      auto channel = [&](float v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v / sum.cover), 0L, 255L)); };
      const Bgr c{channel(sum.b), channel(sum.g), channel(sum.r)};
      out.at(x, y) = key && distance(c, *key) <= kKeyClearance ? off_key(c, *key) : c;
    }
  return out;
}

UniqueBitmap to_bitmap(const Pixels& p) {
  void* bits = nullptr;
  UniqueBitmap bitmap = make_top_down_dib(p.width, p.height, kBytesPerPixel * CHAR_BIT, bits);
  if (!bitmap) return {};
  const std::size_t stride = (static_cast<std::size_t>(p.width) * kBytesPerPixel + 3) / 4 * 4;
  for (int y = 0; y < p.height; ++y)
    std::memcpy(static_cast<std::uint8_t*>(bits) + y * stride, &p.data[static_cast<std::size_t>(y) * p.width],
                static_cast<std::size_t>(p.width) * kBytesPerPixel);
  GdiFlush();
  return bitmap;
}

// The set picture for dpi from the first set read_set finds it in, at the exact size
// for dpi (from the 100 % size size_100 gives) when dpi lies between sets.
template <class ReadSet, class Size100>
UniqueBitmap load(int dpi, ReadSet read_set, Size100 size_100) {
  if (dpi <= kBaseDpi) return {};
  for (int percent : sets_for(dpi)) {
    const std::optional<Bytes> png = read_set(percent);
    if (!png) continue;
    std::optional<Pixels> pixels = decode_png(*png);
    if (!pixels) return {};
    if (exactly_painted(percent, dpi)) return to_bitmap(*pixels);
    const std::optional<SIZE> base = size_100();
    if (!base) return {};
    return to_bitmap(resize(*pixels, MulDiv(base->cx, dpi, kBaseDpi), MulDiv(base->cy, dpi, kBaseDpi)));
  }
  return {};
}

std::optional<SIZE> header_size(const BITMAPINFOHEADER& header) {
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biWidth <= 0 || header.biHeight == 0) return std::nullopt;
  return SIZE{header.biWidth, std::abs(header.biHeight)};
}

std::optional<std::span<const std::uint8_t>> resource_bytes(HMODULE module, int id, const wchar_t* type) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return std::nullopt;
  return std::span(static_cast<const std::uint8_t*>(data), SizeofResource(module, found));
}

// The file's first limit bytes (all of it by default), or nothing when it cannot be read.
std::optional<Bytes> read_file(const std::filesystem::path& path, std::size_t limit = SIZE_MAX) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  Bytes bytes;
  for (std::istreambuf_iterator<char> it(in), end; it != end && bytes.size() < limit; ++it) bytes.push_back(*it);
  return bytes;
}

}  // namespace

UniqueBitmap load_set_picture(HMODULE module, int bitmap_id, int dpi) {
  return load(
      dpi,
      [&](int percent) -> std::optional<Bytes> {
        const std::string narrow = scaled_resource_type(percent);
        const std::wstring type(narrow.begin(), narrow.end());
        auto bytes = resource_bytes(module, bitmap_id, type.c_str());
        if (!bytes) return std::nullopt;
        return Bytes(bytes->begin(), bytes->end());
      },
      [&]() -> std::optional<SIZE> {
        auto bytes = resource_bytes(module, bitmap_id, RT_BITMAP);
        if (!bytes || bytes->size() < sizeof(BITMAPINFOHEADER)) return std::nullopt;
        BITMAPINFOHEADER header;
        std::memcpy(&header, bytes->data(), sizeof(header));
        return header_size(header);
      });
}

UniqueBitmap load_set_picture_file(const std::filesystem::path& file_100, int dpi) {
  return load(
      dpi,
      [&](int percent) {
        // Built on the file's own wide name, so no code page comes between.
        return read_file(file_100.parent_path() / scaled_file_name(file_100.filename().wstring(), percent));
      },
      [&]() -> std::optional<SIZE> {
        constexpr std::size_t kHeaders = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
        const std::optional<Bytes> start = read_file(file_100, kHeaders);
        if (!start || start->size() < kHeaders) return std::nullopt;
        BITMAPINFOHEADER header;
        std::memcpy(&header, start->data() + sizeof(BITMAPFILEHEADER), sizeof(header));
        return header_size(header);
      });
}

}  // namespace kit
