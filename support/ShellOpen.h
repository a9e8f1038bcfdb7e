#pragma once
// Hands a web address or a "mailto:" address to whatever program the system opens it with.

#include <string>

namespace Kestrum {

// True when the shell accepted the request; the target is passed as it is, widened byte for byte.
bool OpenDocument(const std::string& target);

}  // namespace Kestrum
