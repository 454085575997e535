// Export macro of the shared platform library (kivfw.dll), which plays the application's class
// framework and libraries: the module and the host both link one copy of it.
#pragma once

#ifdef KIVFW_BUILD
#define KIVFW_API __declspec(dllexport)
#else
#define KIVFW_API __declspec(dllimport)
#endif

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
