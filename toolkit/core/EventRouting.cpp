#include "toolkit/core/EventRouting.h"

#include "toolkit/core/Child.h"

namespace Kestrum {

GUIElement* ContainerOf(GUIElement* sender)
{
    return dynamic_cast<Child*>(sender) != nullptr ? sender->parent : nullptr;
}

}  // namespace Kestrum
