// Export macro of the module's dialog classes (KIVD04.dll).
#pragma once

#ifdef KIVD04_BUILD
#define KIVD04_API __declspec(dllexport)
#else
#define KIVD04_API __declspec(dllimport)
#endif
