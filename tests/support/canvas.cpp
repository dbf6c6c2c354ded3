#include "canvas.h"
#include <afxscript.h>
#include <cstdio>
#include <intrin.h>

namespace wdtest {

Canvas::Canvas(int w, int h) : m_w(w), m_h(h) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  m_dc = ::CreateCompatibleDC(nullptr);
  m_bmp = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
  m_old = ::SelectObject(m_dc, m_bmp);
}
Canvas::~Canvas() {
  if (m_differs && ::testing::Test::HasFailure()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "canvas";
    AfxScript::SavePng(name + ".png", m_w, m_h, [this](int x, int y) { return at(x, y); });
  }
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
  c.differs();
  char buf[96];
  std::snprintf(buf, sizeof buf, "pixel (%d, %d) is %06lX, not %06lX", x, y, (unsigned long)got,
                (unsigned long)want);
  return ::testing::AssertionFailure() << buf;
}

}  // namespace wdtest
