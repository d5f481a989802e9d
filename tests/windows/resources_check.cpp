// zorn's bitmaps, icons and sounds, compiled from zorn.rc into this program,
// loaded through the Win32 calls the program uses: LoadImageW and LoadBitmapW
// for bitmaps, LoadImageW at 16 and 32 pixels for icons, FindResourceA with
// type 100 for sounds. Nothing is played. Prints each failed check; the exit
// code is the number of failures.
#include <windows.h>
// mmsystem.h needs the types of windows.h.
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "platform/resources.h"
#include "resources/program_resources.h"

namespace {

int failures = 0;
int checked = 0;

void Check(bool ok, const std::string& what) {
  if (!ok) {
    ++failures;
    std::printf("FAILED: %s\n", what.c_str());
  }
}

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) { return U16(p) | static_cast<uint32_t>(U16(p + 2)) << 16; }
int32_t I32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }

struct TRaw {
  const uint8_t* Data = nullptr;
  DWORD Size = 0;
};

// FindResourceA, LoadResource, LockResource: the way the program reads raw bytes.
TRaw RawResource(LPCSTR name, LPCSTR type) {
  HINSTANCE self = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceA(self, name, type);
  if (!info) return {};
  HGLOBAL handle = LoadResource(self, info);
  const void* data = handle ? LockResource(handle) : nullptr;
  return {static_cast<const uint8_t*>(data), data ? SizeofResource(self, info) : 0};
}

// Pixels of a bitmap as 32-bit BGRX, top row first.
std::vector<uint32_t> Pixels(HBITMAP bitmap, int width, int height) {
  std::vector<uint32_t> out(static_cast<size_t>(width) * height);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  HDC dc = GetDC(nullptr);
  int rows = GetDIBits(dc, bitmap, 0, height, out.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  if (rows != height) out.clear();
  return out;
}

int ChannelDistance(uint32_t a, uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    worst = std::max(
        worst, std::abs(static_cast<int>(a >> shift & 255) - static_cast<int>(b >> shift & 255)));
  }
  return worst;
}

void CheckBitmap(const std::string& name, int want_width, int want_height) {
  ++checked;
  std::wstring wide = Wide(name);
  HINSTANCE self = GetModuleHandleW(nullptr);

  TRaw raw = RawResource(name.c_str(), MAKEINTRESOURCEA(2));
  Check(raw.Data && raw.Size >= 40 && U32(raw.Data) == 40,
        name + ": RT_BITMAP with a BITMAPINFOHEADER");
  if (!raw.Data || raw.Size < 40) return;
  int width = I32(raw.Data + 4);
  int height = I32(raw.Data + 8);
  int bits = U16(raw.Data + 14);
  // 24 bits carry no palette; 8 bits a palette of 1 to 256 colours.
  size_t colours = U32(raw.Data + 32);
  bool known = (bits == 24 && colours == 0) || (bits == 8 && colours >= 1 && colours <= 256);
  size_t stride = (static_cast<size_t>(width) * bits / 8 + 3) / 4 * 4;
  const uint8_t* palette = raw.Data + 40;
  const uint8_t* rows = palette + 4 * colours;
  bool whole = known && width > 0 && height > 0 && raw.Size == 40 + 4 * colours + stride * height;
  Check(whole, name + ": 24-bit, or 8-bit with a palette, bottom-up DIB of " +
                   std::to_string(raw.Size) + " bytes");
  if (want_width) {
    Check(width == want_width && height == want_height,
          name + ": " + std::to_string(width) + "x" + std::to_string(height) + ", wanted " +
              std::to_string(want_width) + "x" + std::to_string(want_height));
  }
  if (!whole) return;

  HBITMAP section =
      static_cast<HBITMAP>(LoadImageW(self, wide.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  HBITMAP device = LoadBitmapW(self, wide.c_str());
  Check(section != nullptr, name + ": LoadImageW");
  Check(device != nullptr, name + ": LoadBitmapW");
  for (HBITMAP bitmap : {section, device}) {
    if (!bitmap) continue;
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    Check(bm.bmWidth == width && bm.bmHeight == height,
          name + ": loaded as " + std::to_string(bm.bmWidth) + "x" + std::to_string(bm.bmHeight));
    // The loaded picture must be the stored one, row for row. A device bitmap
    // may take the screen's depth, hence the small tolerance there.
    std::vector<uint32_t> got = Pixels(bitmap, width, height);
    Check(!got.empty(), name + ": GetDIBits");
    if (got.empty() || bm.bmWidth != width || bm.bmHeight != height) continue;
    int tolerance = bitmap == section ? 0 : 8;
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
      const uint8_t* row = rows + stride * (height - 1 - y);
      for (int x = 0; x < width; ++x) {
        const uint8_t* p =
            bits == 8 ? palette + 4 * std::min<size_t>(row[x], colours - 1) : row + 3 * x;
        uint32_t stored = p[0] | p[1] << 8 | static_cast<uint32_t>(p[2]) << 16;
        wrong +=
            ChannelDistance(stored, got[static_cast<size_t>(y) * width + x]) > tolerance ? 1 : 0;
      }
    }
    Check(wrong == 0, name + ": " + std::to_string(wrong) +
                          " pixels differ from the resource after " +
                          (bitmap == section ? "LoadImageW" : "LoadBitmapW"));
  }
  if (section) DeleteObject(section);
  if (device) DeleteObject(device);
}

// Draws the icon over magenta and compares with its stored colours and alpha.
void CheckIconDrawing(const std::string& name, HICON icon, int size, const uint8_t* image) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = size;
  bi.bmiHeader.biHeight = -size;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP target = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!target || !bits) {
    Check(false, name + ": CreateDIBSection");
    DeleteDC(dc);
    return;
  }
  HGDIOBJ old = SelectObject(dc, target);
  const uint32_t magenta = 0xFF00FF;
  auto* px = static_cast<uint32_t*>(bits);
  for (int i = 0; i < size * size; ++i) px[i] = magenta;
  Check(DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL) != 0, name + ": DrawIconEx");
  GdiFlush();

  int wrong = 0;
  const uint8_t* colour = image + 40;  // BGRA, bottom row first
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const uint8_t* p = colour + 4 * ((size - 1 - y) * size + x);
      int a = p[3];
      uint32_t want = 0;
      for (int c = 0; c < 3; ++c) {
        int back = magenta >> (8 * c) & 255;
        want |= static_cast<uint32_t>((p[c] * a + back * (255 - a) + 127) / 255) << (8 * c);
      }
      wrong += ChannelDistance(want, px[y * size + x]) > 3 ? 1 : 0;
    }
  }
  Check(wrong == 0, name + " at " + std::to_string(size) + ": " + std::to_string(wrong) +
                        " pixels drawn unlike their stored colour and alpha");
  SelectObject(dc, old);
  DeleteObject(target);
  DeleteDC(dc);
}

void CheckIcon(const std::string& name) {
  ++checked;
  std::wstring wide = Wide(name);
  HINSTANCE self = GetModuleHandleW(nullptr);
  TRaw dir = RawResource(name.c_str(), MAKEINTRESOURCEA(14));
  Check(dir.Data && dir.Size == 6 + 14 * 2 && U16(dir.Data + 2) == 1 && U16(dir.Data + 4) == 2,
        name + ": group directory of two images");
  if (!dir.Data || dir.Size < 6) return;
  for (int size : {16, 32}) {
    std::string what = name + " at " + std::to_string(size);
    HICON icon =
        static_cast<HICON>(LoadImageW(self, wide.c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    Check(icon != nullptr, what + ": LoadImageW");
    if (!icon) continue;
    ICONINFO info{};
    Check(GetIconInfo(icon, &info) != 0, what + ": GetIconInfo");
    BITMAP bm{};
    if (info.hbmColor) GetObjectW(info.hbmColor, sizeof bm, &bm);
    Check(
        info.fIcon && bm.bmWidth == size && bm.bmHeight == size,
        what + ": colour image " + std::to_string(bm.bmWidth) + "x" + std::to_string(bm.bmHeight));
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);

    // The image the loader picked, as stored: 32 bits with alpha, then the mask.
    int id =
        LookupIconIdFromDirectoryEx(const_cast<PBYTE>(dir.Data), TRUE, size, size, LR_DEFAULTCOLOR);
    TRaw image = RawResource(MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));
    size_t want = 40 + static_cast<size_t>(size) * size * 4 + (size + 31) / 32 * 4 * size;
    bool valid = image.Data && image.Size == want && I32(image.Data + 4) == size &&
                 I32(image.Data + 8) == 2 * size && U16(image.Data + 14) == 32;
    Check(valid, what + ": RT_ICON #" + std::to_string(id) + " of " + std::to_string(image.Size) +
                     " bytes, 32-bit with its mask");
    if (valid) CheckIconDrawing(name, icon, size, image.Data);
    DestroyIcon(icon);
  }
  // The window class takes its icon this way.
  HICON standard = LoadIconW(self, wide.c_str());
  Check(standard != nullptr, name + ": LoadIconW");
}

void CheckWave(const std::string& name) {
  ++checked;
  TRaw raw = RawResource(name.c_str(), MAKEINTRESOURCEA(100));
  Check(raw.Data != nullptr && raw.Size > 44, name + ": resource of type 100");
  if (!raw.Data || raw.Size <= 44) return;
  zorn::platform::TResourceBytes viaPlatform =
      zorn::platform::FindResource(name, zorn::platform::UserResourceType);
  Check(viaPlatform.Data == raw.Data && viaPlatform.Size == raw.Size,
        name + ": platform::FindResource agrees");

  Check(std::memcmp(raw.Data, "RIFF", 4) == 0 && U32(raw.Data + 4) + 8 == raw.Size &&
            std::memcmp(raw.Data + 8, "WAVE", 4) == 0,
        name + ": RIFF WAVE header and size");

  // Windows' own RIFF reader, over the bytes in memory.
  MMIOINFO mem{};
  mem.fccIOProc = FOURCC_MEM;
  mem.pchBuffer = reinterpret_cast<HPSTR>(const_cast<uint8_t*>(raw.Data));
  mem.cchBuffer = static_cast<LONG>(raw.Size);
  HMMIO mmio = mmioOpenA(nullptr, &mem, MMIO_READ);
  Check(mmio != nullptr, name + ": mmioOpen on memory");
  if (!mmio) return;
  MMCKINFO riff{};
  riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
  MMCKINFO fmt{};
  fmt.ckid = mmioFOURCC('f', 'm', 't', ' ');
  MMCKINFO data{};
  data.ckid = mmioFOURCC('d', 'a', 't', 'a');
  PCMWAVEFORMAT format{};
  bool ok = mmioDescend(mmio, &riff, nullptr, MMIO_FINDRIFF) == 0 &&
            mmioDescend(mmio, &fmt, &riff, MMIO_FINDCHUNK) == 0 && fmt.cksize >= sizeof format &&
            mmioRead(mmio, reinterpret_cast<HPSTR>(&format), sizeof format) == sizeof format &&
            mmioAscend(mmio, &fmt, 0) == 0 && mmioDescend(mmio, &data, &riff, MMIO_FINDCHUNK) == 0;
  Check(ok, name + ": mmio finds the fmt and data chunks");
  if (ok) {
    Check(format.wf.wFormatTag == WAVE_FORMAT_PCM && format.wf.nChannels == 1 &&
              format.wBitsPerSample == 16 && format.wf.nBlockAlign == 2 &&
              format.wf.nAvgBytesPerSec == format.wf.nSamplesPerSec * 2,
          name + ": 16-bit mono PCM");
    Check(data.dwDataOffset + data.cksize == raw.Size && data.cksize % 2 == 0,
          name + ": data chunk of " + std::to_string(data.cksize) + " bytes ends the file");
    double seconds = static_cast<double>(data.cksize) /
                     (format.wf.nSamplesPerSec ? format.wf.nAvgBytesPerSec : 1);
    Check(seconds >= 0.05 && seconds <= 1.5, name + ": " + std::to_string(seconds) + " s long");
    int peak = 0;
    for (DWORD i = 0; i + 1 < data.cksize; i += 2) {
      int s = static_cast<int16_t>(U16(raw.Data + data.dwDataOffset + i));
      peak = std::max(peak, std::abs(s));
    }
    Check(peak > 4000 && peak < 32000, name + ": peak " + std::to_string(peak));
  }
  mmioClose(mmio, 0);
}

}  // namespace

int main() {
  // The Windows build carries its resources in the exe; this must not be needed.
  zorn::RegisterProgramResources();

  const int status[] = {0, 2, 3, 4, 5, 6, 7, 8};
  for (int i = 0; i < 15; ++i) {
    bool is_status = std::find(std::begin(status), std::end(status), i) != std::end(status);
    CheckBitmap("BITMAP" + std::to_string(i), is_status ? 25 : 0, is_status ? 25 : 0);
  }
  for (int i = 0; i < 8; ++i) CheckIcon("ICON" + std::to_string(i));
  CheckIcon("VORA");
  for (int i = 0; i < 3; ++i) CheckWave("WAVE" + std::to_string(i));
  Check(RawResource("BITMAP15", MAKEINTRESOURCEA(2)).Data == nullptr, "no BITMAP15");
  Check(RawResource("WAVE3", MAKEINTRESOURCEA(100)).Data == nullptr, "no WAVE3");

  std::printf("%d resources checked, %d failures\n", checked, failures);
  return failures;
}
