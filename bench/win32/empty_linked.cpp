// The floor under the logon check: a program that imports what tarnix2.exe imports and
// carries its resources (manifest, icons, pictures), shows nothing and ends at once.
#include <windows.h>

#include <objbase.h>
#include <oleauto.h>
#include <shlwapi.h>
#include <uxtheme.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  // Referenced, never called: the imports stay in the program as in tarnix2.exe.
  static void* const imported[] = {
      reinterpret_cast<void*>(&OpenThemeData), reinterpret_cast<void*>(&CreateFontIndirectW),
      reinterpret_cast<void*>(&RegOpenKeyExW), reinterpret_cast<void*>(&MessageBoxW),
      reinterpret_cast<void*>(&CoCreateInstance), reinterpret_cast<void*>(&SysAllocString),
      reinterpret_cast<void*>(&SHCreateStreamOnFileEx)};
  return imported[static_cast<unsigned>(show) % 7] == nullptr ? 1 : 0;
}
