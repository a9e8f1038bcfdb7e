#pragma once
// What the forms' forwarders share. A callback carries only its sender, so a forwarder finds its form
// from the sender: the sender itself, the container of a child, or the first ancestor of the form's
// class. The forwarders that name a form class live with that form.

#include "toolkit/core/GUIElement.h"

namespace Kestrum {

// The parent of a Child sender; null for any other sender (a form has no container).
GUIElement* ContainerOf(GUIElement* sender);

// The container of a Child sender as the given form class; null when it is none or of another class.
template <class TargetForm>
TargetForm* ContainerAs(GUIElement* sender)
{
    return dynamic_cast<TargetForm*>(ContainerOf(sender));
}

// Starts at the sender's parent, or at the fallback when the sender has no parent, and walks up the
// parents to the first element of the given class; when the chain holds none, the fallback (which may
// be null). Menu items reach their form this way: item, menu, bar, form.
template <class TargetForm>
TargetForm* FindAncestor(GUIElement* sender, TargetForm* fallback)
{
    GUIElement* current = (sender != nullptr && sender->parent != nullptr) ? sender->parent : fallback;
    while (current != nullptr) {
        if (auto* found = dynamic_cast<TargetForm*>(current))
            return found;
        current = current->parent;
    }
    return fallback;
}

}  // namespace Kestrum
