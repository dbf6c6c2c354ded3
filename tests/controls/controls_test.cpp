#include "controls_test.h"
#include <cstdio>
#include <intrin.h>

namespace ctltest {
namespace {
uint32_t crc(const std::vector<uint8_t>& d, size_t from) {
  uint32_t c = 0xFFFFFFFF;
  for (size_t i = from; i < d.size(); ++i) {
    c ^= d[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
  }
  return ~c;
}
void be32(std::vector<uint8_t>& d, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) d.push_back((uint8_t)(v >> s));
}
void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& body) {
  be32(out, (uint32_t)body.size());
  std::vector<uint8_t> c(type, type + 4);
  c.insert(c.end(), body.begin(), body.end());
  out.insert(out.end(), c.begin(), c.end());
  be32(out, crc(c, 0));
}
}  // namespace

Canvas::Canvas(int w, int h) : m_w(w), m_h(h) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  m_dc = ::CreateCompatibleDC(nullptr);
  m_bmp = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
  m_old = ::SelectObject(m_dc, m_bmp);
}
Canvas::~Canvas() {
  ::SelectObject(m_dc, m_old);
  ::DeleteObject(m_bmp);
  ::DeleteDC(m_dc);
}
COLORREF Canvas::at(int x, int y) const {
  ::GdiFlush();
  const uint32_t p = m_bits[y * m_w + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}
void Canvas::fill(COLORREF c) {
  RECT r{0, 0, m_w, m_h};
  HBRUSH b = ::CreateSolidBrush(c);
  ::FillRect(m_dc, &r, b);
  ::DeleteObject(b);
}
void Canvas::savePng() const {
  ::GdiFlush();
  // Stored (uncompressed) deflate blocks: one row per block.
  std::vector<uint8_t> raw, z{0x78, 0x01};
  uint32_t a = 1, b = 0;
  for (int y = 0; y < m_h; ++y) {
    std::vector<uint8_t> row{0};
    for (int x = 0; x < m_w; ++x) {
      const COLORREF c = at(x, y);
      row.insert(row.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
    }
    for (uint8_t v : row) a = (a + v) % 65521, b = (b + a) % 65521;
    const uint16_t n = (uint16_t)row.size();
    z.insert(z.end(), {(uint8_t)(y == m_h - 1), (uint8_t)n, (uint8_t)(n >> 8), (uint8_t)~n,
                       (uint8_t)(~n >> 8)});
    z.insert(z.end(), row.begin(), row.end());
  }
  be32(z, (b << 16) | a);
  std::vector<uint8_t> out{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, ihdr;
  be32(ihdr, (uint32_t)m_w);
  be32(ihdr, (uint32_t)m_h);
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
  chunk(out, "IHDR", ihdr);
  chunk(out, "IDAT", z);
  chunk(out, "IEND", {});
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "canvas";
  if (FILE* f = std::fopen((name + ".png").c_str(), "wb")) {
    std::fwrite(out.data(), 1, out.size(), f);
    std::fclose(f);
  }
}

DWORD GdiCount() {
  if (DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)) return n;
  struct Entry {
    UINT64 object;
    ULONG owner;  // process id in the low 24 bits
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 user;
  };
  // PEB (x64): the GDI shared handle table pointer stands at offset 0xF8.
  auto* peb = reinterpret_cast<BYTE*>(__readgsqword(0x60));
  auto* table = *reinterpret_cast<const Entry**>(peb + 0xF8);
  if (!table) return 0;
  // Wine's table is the process's own and leaves the owner 0.
  const DWORD pid = ::GetCurrentProcessId() & 0xFFFFFF;
  DWORD n = 0;
  for (int i = 0; i < 0x10000; ++i) {
    const DWORD owner = table[i].owner & 0xFFFFFF;
    if (table[i].type != 0 && (owner == pid || owner == 0)) ++n;
  }
  return n;
}

COLORREF Stored(COLORREF c) {
  Canvas one(1, 1);
  ::SetPixel(one.dc(), 0, 0, c);
  return one.at(0, 0);
}

::testing::AssertionResult Pixel(const Canvas& c, int x, int y, COLORREF expected) {
  const COLORREF got = c.at(x, y), want = Stored(expected);
  if (got == want) return ::testing::AssertionSuccess();
  c.savePng();
  char buf[96];
  std::snprintf(buf, sizeof buf, "pixel (%d, %d) is %06lX, not %06lX", x, y, (unsigned long)got,
                (unsigned long)want);
  return ::testing::AssertionFailure() << buf;
}

MenuOwner::MenuOwner() {
  HWND h = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (!h || !SubclassWindow(h)) std::printf("owner window: error %lu\n", ::GetLastError());
}
MenuOwner::~MenuOwner() { DestroyWindow(); }

void MenuOwner::Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

LRESULT MenuOwner::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE && wParam == MSGF_MENU && !keys.empty()) {
    for (UINT key : keys) ::PostMessageA(reinterpret_cast<HWND>(lParam), WM_KEYDOWN, key, 0);
    keys.clear();
    return 0;
  }
  if (message == WM_COMMAND) commands.push_back(LOWORD(wParam));
  const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
  if (message == WM_MEASUREITEM) {
    ++measured;
    lastItemHeight = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight;
  }
  if (message == WM_DRAWITEM) ++drawn;
  return r;
}

}  // namespace ctltest
