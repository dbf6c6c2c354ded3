// Export marker of the library's public classes, functions and data.
#pragma once
#ifdef WIDGETDECK_BUILD
#define WIDGETDECK_API __declspec(dllexport)
#else
#define WIDGETDECK_API __declspec(dllimport)
#endif
