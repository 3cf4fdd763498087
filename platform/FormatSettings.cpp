#include "platform/FormatSettings.h"

#include <clocale>
#include <cstring>

namespace {

char LocaleSeparator()
{
    const std::lconv* conv = std::localeconv();
    if (conv && conv->decimal_point && std::strlen(conv->decimal_point) == 1)
        return conv->decimal_point[0];
    return '.';
}

char& Separator()
{
    static char separator = LocaleSeparator();
    return separator;
}

} // namespace

char DecimalSeparator() { return Separator(); }
void SetDecimalSeparator(char separator) { Separator() = separator; }
void InitDecimalSeparatorFromLocale() { Separator() = LocaleSeparator(); }
