#pragma once
// Counts the GDI objects that the process can still create before the handle table is full. Wine's
// GetGuiResources always reports 0, but the table's size is fixed, so this room changes by exactly one
// for every object that is leaked: compare it before and after the code under test.

namespace TestSupport {

int GdiObjectRoom();

}  // namespace TestSupport
