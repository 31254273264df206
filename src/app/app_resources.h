// Resource numbers of the program's own pictures (res/app.rc). Plain defines: the resource
// compiler reads this file too.
#pragma once

#define IDI_TARNIX2 1

// ImageList1, 20 by 20: the small toolbars.
#define IDB_TOOL_DELETE 200
#define IDB_TOOL_EDIT 201
#define IDB_TOOL_ADD 202
#define IDB_TOOL_UNDO 203
#define IDB_TOOL_EXPORT 204
#define IDB_TOOL_UNDO_OLD 205
#define IDB_TOOL_DISABLE 206
#define IDB_TOOL_ENABLE 207

// ImageList2, 40 by 40: the right-hand toolbar.
#define IDB_BIG_CHECK 210
#define IDB_BIG_SAVE 211
#define IDB_BIG_FIND 212
#define IDB_BIG_REFRESH 213
#define IDB_BIG_HELP 214
#define IDB_BIG_EXIT 215

// sem, 12 by 12: service states.
#define IDB_SEM_RUNNING 220
#define IDB_SEM_OTHER 221
