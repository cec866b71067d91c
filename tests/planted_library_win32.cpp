// A DLL with nothing in it, planted by the tests where a program may or may not look for a DLL
// asked for by name. Windows has no copy of its own under any name the tests give it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
