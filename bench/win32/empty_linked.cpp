// The floor under the logon check: a program that imports what tarnix2.exe imports and
// carries its resources (manifest, icons, pictures), shows nothing and ends at once.
#include <windows.h>

#include <uxtheme.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  // Referenced, never called: the imports stay in the program as in tarnix2.exe.
  static void* const imported[] = {
      reinterpret_cast<void*>(&OpenThemeData), reinterpret_cast<void*>(&CreateFontIndirectW),
      reinterpret_cast<void*>(&RegOpenKeyExW), reinterpret_cast<void*>(&MessageBoxW)};
  return imported[static_cast<unsigned>(show) % 4] == nullptr ? 1 : 0;
}
