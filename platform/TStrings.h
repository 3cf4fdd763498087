#pragma once

#include "platform/Exception.h"

#include <string>
#include <vector>

/// Raised for a line index outside a string list.
class EStringListError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EStringListError"; }
};

/// A list of text lines, as list boxes and components hand them around.
class TStrings {
public:
    virtual ~TStrings() = default;

    virtual int Count() const = 0;
    /// Line index; raises EStringListError "List index out of bounds (%d)".
    virtual std::string Strings(int index) const = 0;
    virtual void Put(int index, const std::string& line) = 0;
    virtual void Insert(int index, const std::string& line) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    /// Appends a line and returns its index.
    int Add(const std::string& line);
    /// Replaces the lines by those of another list.
    void Assign(const TStrings& source);
    /// The lines as a vector, and setting all of them at once.
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    /// The lines joined, each followed by a line break.
    std::string Text() const;

protected:
    [[noreturn]] static void IndexError(int index);
};

/// The string list that owns its lines.
class TStringList : public TStrings {
public:
    TStringList() = default;
    explicit TStringList(std::vector<std::string> lines) : FLines(std::move(lines)) {}

    int Count() const override { return static_cast<int>(FLines.size()); }
    std::string Strings(int index) const override;
    void Put(int index, const std::string& line) override;
    void Insert(int index, const std::string& line) override;
    void Delete(int index) override;
    void Clear() override { FLines.clear(); }

private:
    std::vector<std::string> FLines;
};
