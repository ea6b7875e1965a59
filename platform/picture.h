#pragma once
// Display pictures: the one formatter behind every value shown on screen or
// paper, and the reader of text typed into a field that carries a picture.
//
// Picture tokens (the letter's case carries no meaning: "n3" is "N3"):
//   N[-][0]<width>[.[<decimals>]][B]   numbers
//       width      total characters: sign, digits, group separators and point
//       decimals   places shown, rounded half away from zero ("N5." = none)
//       -          negatives expected; a negative value under a picture without
//                  "-" still shows its minus sign, since hiding it would show a
//                  wrong number, but typed input refuses a minus there
//       0          zero-padded to the width, no group separators ("N02B": 5 -> "05")
//       B          blank when the value, rounded to the picture, is zero
//     Thousands are grouped with "," (the point is always ".") when the grouped
//     text fits the width, so "N10.2" shows 12,345.67 while "N4B" shows 1035.
//     A value wider than its picture is shown in full, never cut.
//   P<pattern>P[B]   a whole number laid into a pattern: "#" a digit, "<" a digit
//       left blank while only leading zeros have been met, anything else
//       literal ("P#.###P": 1050 -> "1.050"; "pPage <<<#p": 7 -> "Page    7").
//       Digits beyond the pattern go in front of the first digit position.
//   D<n>[B]   a date (day number): D18 the system's long form, any other n the
//       short form with two-digit day and month; no date is always blank.
//   S<n>      text of up to n characters, cut there ("s45").
// The plain number text without a picture is Decimal::toPlainText().

#include "platform/decimal.h"

#include <QString>
#include <optional>

class Picture
{
public:
    enum class Kind { Invalid, Number, Pattern, Date, Text };

    Picture() = default;
    explicit Picture(const QString &token);

    bool isValid() const { return m_kind != Kind::Invalid; }
    Kind kind() const { return m_kind; }
    QString token() const { return m_token; }
    // Characters the picture takes (numbers, text) or the length of a pattern;
    // an entry field uses it as its maximum length.
    int width() const { return m_width; }
    int decimals() const { return m_decimals; }
    bool blankWhenZero() const { return m_blank; }
    bool allowsNegative() const { return m_negative; }

    // A value under a picture of another kind is shown as its plain text (a
    // number) or unchanged (a text), so a wrong picture never hides data.
    QString text(const Decimal &value) const;
    QString text(long long value) const;
    QString text(int value) const { return text(static_cast<long long>(value)); }
    QString text(double value) const;
    QString text(const QString &value) const;

    // Reads typed input for a number, pattern or date picture: group separators
    // are accepted in numbers, blank input reads as 0, decimals beyond the
    // picture are rounded away, a date comes back as its day number. Text that
    // is not a value, a minus where the picture allows none, or a value too wide
    // for the picture gives nullopt; so does any text picture.
    std::optional<Decimal> parse(const QString &typed) const;

private:
    QString number(const Decimal &value) const;
    QString pattern(long long value) const;

    Kind m_kind = Kind::Invalid;
    QString m_token;
    QString m_pattern; // between the delimiters of a pattern picture
    int m_width = 0;
    int m_decimals = 0;
    int m_dateForm = 0;
    bool m_blank = false;
    bool m_negative = false;
    bool m_zeroPad = false;
};

// One-shot forms for a picture used once.
namespace picture
{
template <typename Value> QString format(const QString &token, const Value &value)
{
    return Picture(token).text(value);
}
inline std::optional<Decimal> parse(const QString &token, const QString &typed) { return Picture(token).parse(typed); }
} // namespace picture
