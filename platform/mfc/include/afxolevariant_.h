// COleVariant: a VARIANT that owns its contents. Strings are made from and read back into the
// ANSI code page.
#pragma once
#include "afx.h"
#include <oleauto.h>

class AFX_API COleVariant : public tagVARIANT {
public:
  COleVariant() { ::VariantInit(this); }
  COleVariant(const COleVariant& src);
  // A string (VT_BSTR).
  COleVariant(LPCSTR lpszSrc);
  // VT_I2 or, with vtSrc VT_BOOL, a boolean (any non-zero value is VARIANT_TRUE).
  COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);
  COleVariant(long lSrc, VARTYPE vtSrc = VT_I4);
  ~COleVariant() { ::VariantClear(this); }
  COleVariant& operator=(const COleVariant& src);
  // Same type and same value.
  bool operator==(const COleVariant& other) const;
  void Clear() { ::VariantClear(this); }
  // A string variant's text in the ANSI code page; "" for any other type.
  CString GetString() const;
};
