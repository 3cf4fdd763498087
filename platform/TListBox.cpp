#include "platform/TListBox.h"

TListBox::TListBox(TComponent* owner) : TComponent(owner) {}

const TPropertyList& TListBox::Properties() const
{
    static const TPropertyList properties =
        Inherit(TComponent::Properties(), {Published("Items", &TListBox::ItemsLines, &TListBox::SetItems)});
    return properties;
}
