#pragma once

/// The platform's global decimal separator, the only way the user's locale
/// reaches the components. It starts as the C library's numeric locale has it
/// when the program starts; programs that adopt the user's locale call
/// InitDecimalSeparatorFromLocale after setlocale.
char DecimalSeparator();

/// Sets the global decimal separator (tests and the command line use it).
void SetDecimalSeparator(char separator);

/// Takes the decimal separator from the current LC_NUMERIC locale. A
/// separator of more than one byte cannot be represented and gives ".".
void InitDecimalSeparatorFromLocale();
