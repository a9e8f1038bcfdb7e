#pragma once
// The second base of the elements that issue commands (buttons and menu items): the window procedure
// calls commandHandler with the element when its command arrives.

namespace Kestrum {

class GUIElement;

using CommandHandler = void (*)(GUIElement* sender);

class CommandElement {
public:
    CommandHandler commandHandler = nullptr;
};

}  // namespace Kestrum
