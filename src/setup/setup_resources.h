// Resource numbers of the setup windows' pictures (res/setup.rc). Plain defines: the resource
// compiler reads this file too.
#pragma once

// The program's icon as a picture (splash window).
#define IDB_APP_PICTURE 500
