// Resource numbers of the setup windows' pictures (res/setup.rc). Plain defines: the resource
// compiler reads this file too.
#pragma once

// The program's icon as a picture (splash window).
#define IDB_APP_PICTURE 500
// The banner of the first-launch window.
#define IDB_FIRST_BANNER 501
// The about box's two buttons: the web page and the mail.
#define IDB_ABOUT_WEB 502
#define IDB_ABOUT_MAIL 503
