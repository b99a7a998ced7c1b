// Reading and writing the numbers a pilot types and reads, independently of the process locale.
//
// Every field of every dialog is read with these readers and written with these formatters, so a
// German or French locale never turns "1.5" into 1 or writes "1,5". The readers follow the
// classic run-time rules the program was designed around:
//
//  * readReal: the longest leading decimal number of at most the first maxChars characters
//    (14 in most dialogs, 9 where a dialog says so), after leading white space: optional sign,
//    digits, optional decimal mark ('.' or ',', in every locale) and digits, optional exponent.
//    No number gives 0. Hexadecimal,
//    "inf" and "nan" are not numbers here. A number too large for a double gives +/-infinity,
//    which every caller turns into "----" rather than a stored value.
//  * readInt: leading spaces, an optional sign ('+' or '-', as readReal takes it) and decimal
//    digits, up to the first other character. No digits, or a number that does not fit in 32
//    bits, gives 0.
//
// formatC is printf with the "C" locale whatever the process locale is: '.' is always the
// decimal point. Texts are UTF-8 (the degree sign is U+00B0).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

inline constexpr std::size_t kFieldChars = 14;    // characters read from a field
inline constexpr const char* kNoResult = "----";  // the whole text of a field without a result

double readReal(std::string_view text, std::size_t maxChars = kFieldChars);
std::int32_t readInt(std::string_view text);

// A text that is one decimal number and nothing else (leading white space and a sign allowed),
// read as readReal reads it but with a point only; nothing when anything else is in it. For the
// script driver's numbers, which must mean the same under every process locale.
std::optional<double> readWholeReal(std::string_view text);

// printf in the "C" locale.
std::string formatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// One real in a printf format, or "----" when the value is not a finite number.
std::string formatReal(const char* format, double value);

// The platform's signed integer writing: "%d".
std::string formatInt(std::int32_t value);

// A real truncated toward zero to a signed 32-bit integer, or nothing when it is not finite or
// does not fit (so that a shared record keeps its previous value instead of taking garbage).
std::optional<std::int32_t> truncToInt32(double value);

// Stores value into field when it is a finite number; otherwise the field keeps its value.
// Returns whether it stored.
bool storeFinite(double& field, double value);

}  // namespace orvane
