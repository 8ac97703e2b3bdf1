// Texts shown by the numeric fields, the expression evaluator and the typed entry of tables.
#pragma once

#include <QLatin1StringView>

namespace torve::app::texts {

// Evaluator messages: the heading, a carriage return, then one detail.
inline constexpr QLatin1StringView kNotEvaluated{"Entry could not be evaluated:\r"};
inline constexpr QLatin1StringView kBlankEntry{"entry cannot be blank"};
inline constexpr QLatin1StringView kParenthesesMismatch{"() (parentheses) do not match"};
inline constexpr QLatin1StringView kInvalidExpression{"invalid expression"};
inline constexpr QLatin1StringView kInvalidCharacters{"invalid character(s) in expression"};
inline constexpr QLatin1StringView kInvalidHex{"invalid use of $ (hex function)"};
inline constexpr QLatin1StringView kFactorialOfFraction{"! (factoral) applicable to integers only"};
inline constexpr QLatin1StringView kTooDeeplyNested{"expression too deeply nested"};
// Arithmetic faults, reported like the other details so that no infinity or NaN reaches a value.
inline constexpr QLatin1StringView kDivisionByZero{"division by zero"};
inline constexpr QLatin1StringView kInvalidOperation{"invalid operation"};
inline constexpr QLatin1StringView kOverflow{"overflow"};

// Exit check of a numeric field.
inline constexpr QLatin1StringView kNotAValidInteger{"Entry must be a valid integer."};
inline constexpr QLatin1StringView kNotAnInteger{"Entry must be an integer."};
inline constexpr QLatin1StringView kBelowMinimum{"Entry must be greater than or equal to "};
inline constexpr QLatin1StringView kAboveMaximum{"Entry must be less than or equal to "};

}  // namespace torve::app::texts
