// What nearly every test unit includes, parsed once into a precompiled header that every test
// executable reuses (wd_add_gtest). Each unit still includes what it uses itself: a build with
// -DWD_PCH=OFF checks that. Only headers whose meaning no target's own definitions change.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <afxwin.h>
#include <afxcmn.h>
#include <afxdlgs.h>
#include <afxscript.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>
