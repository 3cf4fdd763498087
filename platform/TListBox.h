#pragma once

#include "platform/Component.h"
#include "platform/TStrings.h"

#include <string>
#include <vector>

/// The list box as components see it: a component whose Items hold its
/// lines. It draws nothing; a window shows the Items its own way.
class TListBox : public TComponent {
public:
    explicit TListBox(TComponent* owner);

    const char* ClassName() const override { return "TListBox"; }
    const TPropertyList& Properties() const override;

    TStrings& Items() { return FItems; }
    const TStrings& Items() const { return FItems; }

    /// The lines of Items, for the published property "Items".
    std::vector<std::string> ItemsLines() const { return FItems.Lines(); }
    void SetItems(std::vector<std::string> lines) { FItems.SetLines(lines); }

private:
    TStringList FItems;
};
