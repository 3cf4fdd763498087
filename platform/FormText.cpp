#include "platform/FormText.h"

#include "platform/Exception.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::string FloatText(long double v)
{
    char buffer[64];
    auto res = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, res.ptr);
}

std::string ValueText(const TPropertyInfo& p, const TPropertyValue& v, const std::string& indent)
{
    switch (p.Type) {
    case TPropertyType::Integer: {
        const std::int64_t n = std::get<std::int64_t>(v);
        for (const auto& [ident, value] : p.Idents)
            if (value == n)
                return ident;
        return std::to_string(n);
    }
    case TPropertyType::Boolean:
        return std::get<bool>(v) ? "True" : "False";
    case TPropertyType::String:
        return QuoteFormString(std::get<std::string>(v));
    case TPropertyType::Float:
        return FloatText(std::get<long double>(v));
    case TPropertyType::Strings: {
        std::string out = "(";
        for (const std::string& line : std::get<std::vector<std::string>>(v))
            out += "\n" + indent + "  " + QuoteFormString(line);
        return out + ")";
    }
    }
    return {};
}

// A reader over the text that counts lines for its messages.
class TFormReader {
public:
    explicit TFormReader(const std::string& text) : FText(text) {}

    std::unique_ptr<TComponent> ReadObject()
    {
        SkipBlank();
        if (!SameText(Identifier(), "object"))
            Fail("'object' expected");
        const int objectLine = FLine;
        std::string first = Identifier();
        if (first.empty())
            Fail("Class name expected");
        std::string name, className = first;
        SkipSpaces();
        if (Peek() == ':') {
            ++FPos;
            name = first;
            className = Identifier();
            if (className.empty())
                Fail("Class name expected");
        }
        const TComponentClass* cls = FindComponentClass(className);
        if (!cls)
            FailAt(objectLine, "Class " + className + " not found");
        std::unique_ptr<TComponent> component = cls->Create();
        component->SetName(name);
        ExpectLineEnd();

        while (true) {
            SkipBlank();
            if (AtEnd())
                Fail("'end' expected");
            const int line = FLine;
            std::string ident = Identifier();
            if (ident.empty())
                Fail("Property name expected");
            if (SameText(ident, "end")) {
                ExpectLineEnd();
                break;
            }
            if (SameText(ident, "object"))
                Fail("Nested objects are not supported");
            std::string property = ident;
            bool listSuffix = false;
            if (Peek() == '.') {
                ++FPos;
                std::string sub = Identifier();
                if (!SameText(sub, "Strings"))
                    Fail("Property " + ident + "." + sub + " does not exist");
                listSuffix = true;
            }
            SkipSpaces();
            if (Peek() != '=')
                Fail("'=' expected");
            ++FPos;
            const TPropertyInfo* info = FindProperty(*component, property);
            if (!info || !info->Set || (info->Type == TPropertyType::Strings) != listSuffix)
                FailAt(line, "Property " + property + (listSuffix ? ".Strings" : "") + " does not exist");
            TPropertyValue value = ReadValue(*info);
            try {
                info->Set(*component, value);
            } catch (const Exception& e) {
                FailAt(line, "Invalid property value for " + property + ": " + e.Message());
            }
            ExpectLineEnd();
        }
        SkipBlank();
        if (!AtEnd())
            Fail("End of text expected");
        return component;
    }

private:
    const std::string& FText;
    std::size_t FPos = 0;
    int FLine = 1;

    [[noreturn]] void Fail(const std::string& what) const { FailAt(FLine, what); }
    [[noreturn]] static void FailAt(int line, const std::string& what)
    {
        throw EReadError("Line " + std::to_string(line) + ": " + what);
    }

    bool AtEnd() const { return FPos >= FText.size(); }
    char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }

    void SkipSpaces()
    {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\r'))
            ++FPos;
    }

    // Spaces and line breaks.
    void SkipBlank()
    {
        while (!AtEnd()) {
            SkipSpaces();
            if (Peek() != '\n')
                return;
            ++FPos;
            ++FLine;
        }
    }

    void ExpectLineEnd()
    {
        SkipSpaces();
        if (AtEnd())
            return;
        if (Peek() != '\n')
            Fail("Line break expected");
    }

    std::string Identifier()
    {
        SkipSpaces();
        std::size_t start = FPos;
        while (!AtEnd() && (std::isalnum(static_cast<unsigned char>(Peek())) || Peek() == '_'))
            ++FPos;
        if (start < FPos && std::isdigit(static_cast<unsigned char>(FText[start])))
            Fail("Identifier expected");
        return FText.substr(start, FPos - start);
    }

    static const TPropertyInfo* FindProperty(const TComponent& c, const std::string& name)
    {
        for (const TPropertyInfo& p : c.Properties())
            if (SameText(p.Name, name))
                return &p;
        return nullptr;
    }

    std::string ReadString()
    {
        std::string out;
        bool any = false;
        while (true) {
            SkipSpaces();
            if (Peek() == '\'') {
                ++FPos;
                while (true) {
                    if (AtEnd() || Peek() == '\n')
                        Fail("Unterminated string");
                    char c = FText[FPos++];
                    if (c == '\'') {
                        if (Peek() == '\'') {
                            ++FPos;
                            out += '\'';
                        } else {
                            break;
                        }
                    } else {
                        out += c;
                    }
                }
                any = true;
            } else if (Peek() == '#') {
                ++FPos;
                int code = 0;
                std::size_t start = FPos;
                while (!AtEnd() && std::isdigit(static_cast<unsigned char>(Peek())) && FPos - start < 4)
                    code = code * 10 + (FText[FPos++] - '0');
                if (start == FPos || code > 255)
                    Fail("Invalid character code");
                out += static_cast<char>(code);
                any = true;
            } else if (any && Peek() == '+') {
                // A long text continues on the next line.
                ++FPos;
                SkipBlank();
                any = false;
            } else {
                break;
            }
        }
        if (!any)
            Fail("String expected");
        return out;
    }

    std::string NumberToken()
    {
        SkipSpaces();
        std::size_t start = FPos;
        if (Peek() == '-' || Peek() == '+')
            ++FPos;
        while (!AtEnd() && (std::isalnum(static_cast<unsigned char>(Peek())) || Peek() == '.' ||
                            ((Peek() == '-' || Peek() == '+') && (FText[FPos - 1] == 'e' || FText[FPos - 1] == 'E'))))
            ++FPos;
        return FText.substr(start, FPos - start);
    }

    TPropertyValue ReadValue(const TPropertyInfo& p)
    {
        SkipSpaces();
        switch (p.Type) {
        case TPropertyType::String:
            return ReadString();
        case TPropertyType::Boolean: {
            std::string ident = Identifier();
            if (SameText(ident, "True"))
                return true;
            if (SameText(ident, "False"))
                return false;
            Fail("Invalid property value for " + p.Name);
        }
        case TPropertyType::Integer: {
            if (std::isalpha(static_cast<unsigned char>(Peek()))) {
                std::string ident = Identifier();
                for (const auto& [name, value] : p.Idents)
                    if (SameText(name, ident))
                        return value;
                Fail("Invalid property value for " + p.Name);
            }
            std::string token = NumberToken();
            std::int64_t n = 0;
            const char* b = token.data() + (token.size() > 1 && token[0] == '+' ? 1 : 0);
            auto res = std::from_chars(b, token.data() + token.size(), n);
            if (token.empty() || res.ec != std::errc() || res.ptr != token.data() + token.size())
                Fail("Invalid property value for " + p.Name);
            return n;
        }
        case TPropertyType::Float: {
            std::string token = NumberToken();
            long double v = 0;
            const char* b = token.data() + (token.size() > 1 && token[0] == '+' ? 1 : 0);
            auto res = std::from_chars(b, token.data() + token.size(), v);
            if (token.empty() || res.ec != std::errc() || res.ptr != token.data() + token.size() || !std::isfinite(v))
                Fail("Invalid property value for " + p.Name);
            return v;
        }
        case TPropertyType::Strings: {
            if (Peek() != '(')
                Fail("'(' expected");
            ++FPos;
            std::vector<std::string> lines;
            while (true) {
                SkipBlank();
                if (Peek() == ')') {
                    ++FPos;
                    return lines;
                }
                if (AtEnd())
                    Fail("')' expected");
                lines.push_back(ReadString());
            }
        }
        }
        Fail("Invalid property value");
    }
};

} // namespace

std::string QuoteFormString(const std::string& text)
{
    if (text.empty())
        return "''";
    std::string out;
    bool inQuotes = false;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) {
            if (inQuotes) {
                out += '\'';
                inQuotes = false;
            }
            out += '#' + std::to_string(u);
        } else {
            if (!inQuotes) {
                out += '\'';
                inQuotes = true;
            }
            out += c;
            if (c == '\'')
                out += '\'';
        }
    }
    if (inQuotes)
        out += '\'';
    return out;
}

std::string WriteComponentText(const TComponent& component)
{
    std::string out = "object ";
    if (!component.Name().empty())
        out += component.Name() + ": ";
    out += component.ClassName();
    out += "\n";
    for (const TPropertyInfo& p : component.Properties()) {
        if (!p.Stored || !p.Set)
            continue;
        TPropertyValue v = p.Get(component);
        if (v == p.Default)
            continue;
        out += "  " + p.Name + (p.Type == TPropertyType::Strings ? ".Strings" : "") + " = " + ValueText(p, v, "  ") + "\n";
    }
    out += "end\n";
    return out;
}

std::unique_ptr<TComponent> ReadComponentText(const std::string& text)
{
    TFormReader reader(text);
    return reader.ReadObject();
}
