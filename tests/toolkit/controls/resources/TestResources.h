// Resource ids of the control tests' executables, shared by their resource script and the tests.
#pragma once

// Bitmaps
#define IDB_TEST_PICTURE 4201
