// Resource ids of the executable, shared by the resource script and the code that loads them.
#pragma once

// Icons
#define IDI_GAME 1005

// Bitmaps
#define IDB_ABOUT_BANNER 1006
#define IDB_BANNER 1007
#define IDB_HANGMAN_STRIP 1009

// Data
#define IDR_WORD_LIST 1008
