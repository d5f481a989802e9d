// The program's bitmaps, icons and sounds as the native build carries them:
// every name present, every header consistent with its bytes, each status
// picture in the colours its state is known by.
#include "platform/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "resources/program_resources.h"
#include "runtime/paths.h"

namespace zorn {
namespace {

using platform::FindResource;
using platform::TResourceBytes;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) { return U16(p) | static_cast<uint32_t>(U16(p + 2)) << 16; }
int32_t I32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }

std::vector<std::string> Names(const std::string& prefix, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(prefix + std::to_string(i));
  return names;
}

std::vector<std::string> IconNames() {
  std::vector<std::string> names = Names("ICON", 8);
  names.push_back("VORA");
  return names;
}

struct TRgb {
  int R, G, B;
};

// An uncompressed DIB, 24 bits or 8 bits with a palette, read back top row
// first as colours, after its header has been checked.
struct TPicture {
  int Width = 0;
  int Height = 0;
  std::vector<TRgb> Pixels;
  int Count(const std::function<bool(const TRgb&)>& is) const {
    int n = 0;
    for (const TRgb& p : Pixels) n += is(p) ? 1 : 0;
    return n;
  }
};

TPicture ReadBitmap(const std::string& name) {
  TPicture pic;
  TResourceBytes res = FindResource(name, BitmapResourceType);
  EXPECT_TRUE(res.Found()) << name;
  if (!res.Found() || res.Size < 40) {
    ADD_FAILURE() << name << " is too short for a BITMAPINFOHEADER";
    return pic;
  }
  const uint8_t* h = res.Data;
  EXPECT_EQ(U32(h), 40u) << name << " header size";
  int32_t width = I32(h + 4);
  int32_t height = I32(h + 8);
  int bits = U16(h + 14);
  EXPECT_EQ(U16(h + 12), 1) << name << " planes";
  EXPECT_TRUE(bits == 24 || bits == 8) << name << " bits per pixel: " << bits;
  EXPECT_EQ(U32(h + 16), 0u) << name << " compression";
  // Bottom-up rows: a positive height. Both sizes stay within a window.
  EXPECT_GT(width, 0) << name;
  EXPECT_GT(height, 0) << name;
  EXPECT_LE(width, 1024) << name;
  EXPECT_LE(height, 768) << name;
  if ((bits != 24 && bits != 8) || width <= 0 || height <= 0 || width > 1024 || height > 768) {
    return pic;
  }
  // 24 bits carry no palette; 8 bits a palette of at most 256 colours, each
  // blue, green, red and a zero byte.
  size_t colours = U32(h + 32);
  if (bits == 24) EXPECT_EQ(colours, 0u) << name << " palette entries";
  if (bits == 8) EXPECT_TRUE(colours >= 1 && colours <= 256) << name << " palette entries";
  if (bits == 8 && (colours < 1 || colours > 256)) return pic;
  size_t stride = (static_cast<size_t>(width) * bits / 8 + 3) / 4 * 4;
  const uint8_t* palette = h + 40;
  const uint8_t* rows = palette + 4 * colours;
  EXPECT_EQ(res.Size, 40 + 4 * colours + stride * height) << name << " size of the pixel rows";
  uint32_t image_size = U32(h + 20);
  EXPECT_TRUE(image_size == 0 || image_size == stride * height) << name << " biSizeImage";
  if (res.Size < 40 + 4 * colours + stride * height) return pic;
  pic.Width = width;
  pic.Height = height;
  for (int y = height - 1; y >= 0; --y) {
    const uint8_t* row = rows + stride * y;
    for (int x = 0; x < width; ++x) {
      const uint8_t* p = row + 3 * x;
      if (bits == 8) {
        EXPECT_LT(row[x], colours) << name << " pixel " << x << "," << y << " outside the palette";
        p = palette + 4 * std::min<size_t>(row[x], colours - 1);
      }
      pic.Pixels.push_back({p[2], p[1], p[0]});
    }
  }
  return pic;
}

class ProgramResources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterProgramResources(); }
};

TEST_F(ProgramResources, EveryBitmapIsAnUncompressedDibWithAPicture) {
  for (const std::string& name : Names("BITMAP", 15)) {
    TPicture pic = ReadBitmap(name);
    ASSERT_GT(pic.Width, 0) << name;
    std::set<int> colours;
    for (const TRgb& p : pic.Pixels) colours.insert(p.R << 16 | p.G << 8 | p.B);
    EXPECT_GE(colours.size(), 3u) << name << " is all but blank";
  }
}

TEST_F(ProgramResources, StatusPicturesAre25By25) {
  for (const char* name :
       {"BITMAP0", "BITMAP2", "BITMAP3", "BITMAP4", "BITMAP5", "BITMAP6", "BITMAP7", "BITMAP8"}) {
    TPicture pic = ReadBitmap(name);
    EXPECT_EQ(pic.Width, 25) << name;
    EXPECT_EQ(pic.Height, 25) << name;
  }
}

TEST_F(ProgramResources, StatePicturesFitTheirPanels) {
  // Indicator panels show a 115 x 17 picture; list rows are 21 high.
  for (const char* name : {"BITMAP11", "BITMAP12"}) {
    TPicture pic = ReadBitmap(name);
    EXPECT_EQ(pic.Width, 115) << name;
    EXPECT_EQ(pic.Height, 17) << name;
  }
  for (const char* name : {"BITMAP13", "BITMAP14"}) {
    EXPECT_EQ(ReadBitmap(name).Height, 21) << name;
  }
}

bool Yellow(const TRgb& p) { return p.R > 200 && p.G > 160 && p.B < 90; }
bool Green(const TRgb& p) { return p.G > 140 && p.G > p.R + 60 && p.G > p.B + 60; }
bool Blue(const TRgb& p) { return p.B > 200 && p.B > p.R + 100; }
bool White(const TRgb& p) { return p.R >= 253 && p.G >= 253 && p.B >= 253; }
bool Saturated(const TRgb& p) { return std::max({p.R, p.G, p.B}) - std::min({p.R, p.G, p.B}) > 60; }

TEST_F(ProgramResources, StatusPicturesShowTheirStatesColours) {
  // Grey bars: nothing coloured, nothing pure white.
  for (const char* name : {"BITMAP0", "BITMAP6"}) {
    TPicture pic = ReadBitmap(name);
    EXPECT_EQ(pic.Count(Saturated), 0) << name;
    EXPECT_EQ(pic.Count(White), 0) << name;
  }
  TPicture white = ReadBitmap("BITMAP7");
  EXPECT_GT(white.Count(White), 40);
  EXPECT_EQ(white.Count(Saturated), 0);

  struct TCase {
    const char* Name;
    bool (*Colour)(const TRgb&);
  };
  for (TCase c : {TCase{"BITMAP4", Yellow}, TCase{"BITMAP3", Green}, TCase{"BITMAP2", Blue},
                  TCase{"BITMAP5", Yellow}, TCase{"BITMAP8", Green}}) {
    TPicture pic = ReadBitmap(c.Name);
    EXPECT_GT(pic.Count(c.Colour), 60) << c.Name;
    for (auto other : {Yellow, Green, Blue}) {
      if (other != c.Colour) {
        EXPECT_LT(pic.Count(other), 5) << c.Name;
      }
    }
  }
}

TEST_F(ProgramResources, EachStatusHasItsOwnPicture) {
  // Only the two grey pictures (before any status, and not connected) may agree.
  const std::vector<std::string> distinct = {"BITMAP6", "BITMAP7", "BITMAP4", "BITMAP3",
                                             "BITMAP2", "BITMAP5", "BITMAP8"};
  for (size_t i = 0; i < distinct.size(); ++i) {
    for (size_t j = i + 1; j < distinct.size(); ++j) {
      TResourceBytes a = FindResource(distinct[i], BitmapResourceType);
      TResourceBytes b = FindResource(distinct[j], BitmapResourceType);
      ASSERT_TRUE(a.Found() && b.Found());
      EXPECT_FALSE(a.Size == b.Size && std::memcmp(a.Data, b.Data, a.Size) == 0)
          << distinct[i] << " and " << distinct[j] << " are the same picture";
    }
  }
}

TEST_F(ProgramResources, InactiveAndActiveStatePicturesDiffer) {
  for (auto [off, on] : {std::pair{"BITMAP11", "BITMAP12"}, std::pair{"BITMAP13", "BITMAP14"}}) {
    TPicture a = ReadBitmap(off);
    TPicture b = ReadBitmap(on);
    ASSERT_EQ(a.Pixels.size(), b.Pixels.size()) << off;
    int differing = 0;
    for (size_t i = 0; i < a.Pixels.size(); ++i) {
      const TRgb& p = a.Pixels[i];
      const TRgb& q = b.Pixels[i];
      differing += (p.R != q.R || p.G != q.G || p.B != q.B) ? 1 : 0;
    }
    EXPECT_GT(differing, static_cast<int>(a.Pixels.size()) / 10) << off << " and " << on;
  }
}

// One image of an icon, checked against its entry in the group directory.
void CheckIconImage(const std::string& icon, int size, uint16_t id, uint32_t bytes) {
  SCOPED_TRACE(icon + " at " + std::to_string(size));
  TResourceBytes res = FindResource("#" + std::to_string(id), IconResourceType);
  ASSERT_TRUE(res.Found()) << "image #" << id;
  ASSERT_EQ(res.Size, bytes);
  size_t mask_stride = (static_cast<size_t>(size) + 31) / 32 * 4;
  size_t colour_bytes = static_cast<size_t>(size) * size * 4;
  ASSERT_EQ(res.Size, 40 + colour_bytes + mask_stride * size);
  const uint8_t* h = res.Data;
  EXPECT_EQ(U32(h), 40u);
  EXPECT_EQ(I32(h + 4), size);
  EXPECT_EQ(I32(h + 8), 2 * size) << "an icon's height counts the mask";
  EXPECT_EQ(U16(h + 14), 32);
  EXPECT_EQ(U32(h + 16), 0u);

  int transparent = 0;
  int opaque = 0;
  const uint8_t* colour = h + 40;
  const uint8_t* mask = colour + colour_bytes;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const uint8_t* p = colour + 4 * (y * size + x);
      bool masked = (mask[y * mask_stride + x / 8] & (0x80 >> (x % 8))) != 0;
      if (p[3] == 0) {
        ++transparent;
        EXPECT_TRUE(masked) << "transparent pixel " << x << "," << y << " outside the mask";
        EXPECT_EQ(p[0] | p[1] | p[2], 0) << "transparent pixel " << x << "," << y << " not black";
      } else {
        EXPECT_FALSE(masked) << "visible pixel " << x << "," << y << " in the mask";
      }
      opaque += p[3] == 255 ? 1 : 0;
    }
  }
  EXPECT_GT(transparent, size) << "no transparent background";
  EXPECT_GT(opaque, size * size / 4) << "too little of the picture is solid";
}

TEST_F(ProgramResources, EveryIconHas16And32PixelImagesWithAlphaAndMask) {
  std::set<uint16_t> ids;
  for (const std::string& name : IconNames()) {
    SCOPED_TRACE(name);
    TResourceBytes dir = FindResource(name, IconGroupResourceType);
    ASSERT_TRUE(dir.Found());
    ASSERT_GE(dir.Size, 6u);
    EXPECT_EQ(U16(dir.Data), 0);
    EXPECT_EQ(U16(dir.Data + 2), 1) << "type 1 is an icon";
    uint16_t count = U16(dir.Data + 4);
    ASSERT_EQ(count, 2);
    ASSERT_EQ(dir.Size, 6u + 14u * count);
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
      const uint8_t* e = dir.Data + 6 + 14 * i;
      int size = e[0];
      sizes.insert(size);
      EXPECT_EQ(e[1], size) << "square";
      EXPECT_EQ(U16(e + 4), 1) << "planes";
      EXPECT_EQ(U16(e + 6), 32) << "bits per pixel";
      uint16_t id = U16(e + 12);
      EXPECT_TRUE(ids.insert(id).second) << "image #" << id << " used twice";
      CheckIconImage(name, size, id, U32(e + 8));
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));
  }
}

TEST_F(ProgramResources, IconsDifferFromEachOther) {
  std::set<std::string> seen;
  for (const std::string& name : IconNames()) {
    TResourceBytes dir = FindResource(name, IconGroupResourceType);
    ASSERT_TRUE(dir.Found()) << name;
    for (int i = 0; i < U16(dir.Data + 4); ++i) {
      TResourceBytes image =
          FindResource("#" + std::to_string(U16(dir.Data + 6 + 14 * i + 12)), IconResourceType);
      ASSERT_TRUE(image.Found()) << name;
      std::string bytes(reinterpret_cast<const char*>(image.Data), image.Size);
      EXPECT_TRUE(seen.insert(bytes).second) << name << " repeats another icon's image";
    }
  }
}

struct TWave {
  uint16_t Format = 0, Channels = 0, Bits = 0, Align = 0;
  uint32_t Rate = 0, ByteRate = 0;
  std::vector<int16_t> Samples;
  bool HasFmt = false, HasData = false;
};

// Walks the RIFF chunks of a complete WAVE file.
TWave ReadWave(const std::string& name, const TResourceBytes& res) {
  TWave w;
  [&] {
    ASSERT_GE(res.Size, 12u);
    ASSERT_EQ(std::memcmp(res.Data, "RIFF", 4), 0);
    ASSERT_EQ(U32(res.Data + 4) + 8, res.Size) << "RIFF size";
    ASSERT_EQ(std::memcmp(res.Data + 8, "WAVE", 4), 0);
    size_t pos = 12;
    while (pos + 8 <= res.Size) {
      const uint8_t* chunk = res.Data + pos;
      uint32_t size = U32(chunk + 4);
      ASSERT_LE(pos + 8 + size, res.Size) << "chunk runs past the end";
      if (std::memcmp(chunk, "fmt ", 4) == 0) {
        ASSERT_GE(size, 16u);
        w.HasFmt = true;
        w.Format = U16(chunk + 8);
        w.Channels = U16(chunk + 10);
        w.Rate = U32(chunk + 12);
        w.ByteRate = U32(chunk + 16);
        w.Align = U16(chunk + 20);
        w.Bits = U16(chunk + 22);
      } else if (std::memcmp(chunk, "data", 4) == 0) {
        ASSERT_TRUE(w.HasFmt) << "data before fmt";
        ASSERT_EQ(size % 2, 0u);
        w.HasData = true;
        for (uint32_t i = 0; i < size; i += 2) {
          w.Samples.push_back(static_cast<int16_t>(U16(chunk + 8 + i)));
        }
      }
      pos += 8 + size + (size & 1);
    }
    EXPECT_EQ(pos, res.Size) << name << ": bytes after the last chunk";
  }();
  return w;
}

TEST_F(ProgramResources, EverySoundIsAShortCompletePcmWave) {
  for (const std::string& name : Names("WAVE", 3)) {
    SCOPED_TRACE(name);
    // The sound element finds its sounds through LoadUserResource (type 100).
    TResourceBytes res = LoadUserResource(name);
    ASSERT_TRUE(res.Found());
    TWave w = ReadWave(name, res);
    ASSERT_TRUE(w.HasFmt && w.HasData);
    EXPECT_EQ(w.Format, 1) << "PCM";
    EXPECT_EQ(w.Channels, 1);
    EXPECT_EQ(w.Bits, 16);
    EXPECT_EQ(w.Align, 2);
    EXPECT_GE(w.Rate, 8000u);
    EXPECT_EQ(w.ByteRate, w.Rate * 2);
    double seconds = static_cast<double>(w.Samples.size()) / w.Rate;
    EXPECT_GE(seconds, 0.05);
    EXPECT_LE(seconds, 1.5) << "an alarm or notice stays short";
    int peak = 0;
    for (int16_t s : w.Samples) peak = std::max(peak, s < 0 ? -s : static_cast<int>(s));
    EXPECT_GT(peak, 4000) << "too quiet to hear";
    EXPECT_LT(peak, 32000) << "clipped";
    // Starting and ending near zero keeps the speaker from clicking.
    ASSERT_FALSE(w.Samples.empty());
    EXPECT_LT(std::abs(w.Samples.front()), 500);
    EXPECT_LT(std::abs(w.Samples.back()), 500);
  }
}

TEST_F(ProgramResources, TheAlarmBeepsSeveralTimes) {
  // The link alarm is a run of beeps: several separate bursts of sound.
  TWave w = ReadWave("WAVE0", LoadUserResource("WAVE0"));
  ASSERT_TRUE(w.HasData);
  size_t window = w.Rate / 100;  // 10 ms
  int bursts = 0;
  bool loud = false;
  for (size_t start = 0; start + window <= w.Samples.size(); start += window) {
    int peak = 0;
    for (size_t i = start; i < start + window; ++i) peak = std::max(peak, std::abs(w.Samples[i]));
    if (!loud && peak > 2000) {
      ++bursts;
      loud = true;
    } else if (loud && peak < 200) {
      loud = false;
    }
  }
  EXPECT_GE(bursts, 3);
}

TEST_F(ProgramResources, TypesKeepPicturesAndSoundsApart) {
  EXPECT_FALSE(LoadUserResource("BITMAP0").Found());
  EXPECT_FALSE(LoadUserResource("ICON0").Found());
  EXPECT_FALSE(FindResource("WAVE0", BitmapResourceType).Found());
  EXPECT_FALSE(FindResource("BITMAP15", BitmapResourceType).Found());
  EXPECT_FALSE(FindResource("ICON8", IconGroupResourceType).Found());
  EXPECT_FALSE(LoadUserResource("WAVE3").Found());
}

}  // namespace
}  // namespace zorn
