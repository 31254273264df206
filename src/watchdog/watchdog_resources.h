// Resource numbers of the watchdog's pictures (res/watchdog.rc). Plain defines: the resource
// compiler reads this file too.
#pragma once

// ImageList1 of the change report, 16 by 16, in mark order: added, deleted, unchanged.
#define IDB_MARK_ADDED 400
#define IDB_MARK_DELETED 401
#define IDB_MARK_UNCHANGED 402

// Pictures on the change report's buttons.
#define IDB_BTN_DELETE_LINE 410
#define IDB_BTN_SAVE_LIST 411
#define IDB_BTN_CONFIRM 412
#define IDB_BTN_CHANGE_BACK 413
#define IDB_BTN_CLOSE 414
