// The platform header without the macros that would rename the store's methods of the same
// names (DeleteFile, GetFileAttributes, SetFileAttributes, WriteProfileString). Windows code
// that uses the store includes this instead of <windows.h> and calls the W functions by
// their full names.
#pragma once

#include <windows.h>

#undef DeleteFile
#undef GetFileAttributes
#undef SetFileAttributes
#undef WriteProfileString
