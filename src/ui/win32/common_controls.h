// The common controls (comctl32, version 6 for the visual styles) are loaded when the first
// window that needs them is made, not with the program: a logon check that finds nothing shows
// only the splash window, whose statics and own progress bar need neither, and ends sooner.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace tarnix::ui::win32 {

// Activates the version-6 manifest on this thread for the rest of its life, loads the library
// and registers its window classes; once. False when the library cannot be loaded.
bool LoadCommonControls();
// Whether LoadCommonControls has been asked for in this process.
bool CommonControlsLoaded();

// The image list calls, through the library loaded on first use; they throw when it cannot be.
HIMAGELIST CreateImageList(int width, int height, UINT flags, int initial, int grow);
int AddToImageList(HIMAGELIST list, HBITMAP image, HBITMAP mask);
void DestroyImageList(HIMAGELIST list);
void DrawFromImageList(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
int ImageListCount(HIMAGELIST list);

}  // namespace tarnix::ui::win32
