#include "platform/TStrings.h"

int TStrings::Add(const std::string& line)
{
    const int index = Count();
    Insert(index, line);
    return index;
}

void TStrings::Assign(const TStrings& source)
{
    if (&source == this)
        return;
    SetLines(source.Lines());
}

std::vector<std::string> TStrings::Lines() const
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        lines.push_back(Strings(i));
    return lines;
}

void TStrings::SetLines(const std::vector<std::string>& lines)
{
    Clear();
    for (const std::string& line : lines)
        Add(line);
}

std::string TStrings::Text() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i)
        text += Strings(i) + "\n";
    return text;
}

void TStrings::IndexError(int index)
{
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TStringList::Strings(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return FLines[static_cast<std::size_t>(index)];
}

void TStringList::Put(int index, const std::string& line)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    FLines[static_cast<std::size_t>(index)] = line;
}

void TStringList::Insert(int index, const std::string& line)
{
    if (index < 0 || index > Count())
        IndexError(index);
    FLines.insert(FLines.begin() + index, line);
}

void TStringList::Delete(int index)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    FLines.erase(FLines.begin() + index);
}
