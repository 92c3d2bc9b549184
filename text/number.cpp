#include "text/number.h"

#include <cstddef>
#include <limits>

namespace {

constexpr int MaxSignificantDigits = 18; // below 10^18, so exact in 64 bits
constexpr int MaxExponent = 9999;
constexpr int DecimalLimit = 4933; // 10^4932 is the largest power the 80-bit format holds
constexpr Number TooLarge = 0x1p127L;
constexpr Number TwoTo62 = 0x1p62L;
constexpr Number TwoTo63 = 0x1p63L;
constexpr Number TwoTo64 = 0x1p64L;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// 10^exponent for 0 <= exponent <= 4932; exact up to 10^27.
Number PowerOfTen(int exponent) {
    Number result = 1;
    Number square = 10;
    for (; exponent > 0; exponent >>= 1) {
        if (exponent & 1)
            result *= square;
        square *= square;
    }
    return result;
}

// mantissa * 10^exponent without overflowing an intermediate power of ten.
Number ScaleByPowerOfTen(std::uint64_t mantissa, int exponent) {
    Number value = static_cast<Number>(mantissa);
    if (exponent >= 0)
        return value * PowerOfTen(exponent);
    for (int left = -exponent; left > 0;) {
        const int step = left > DecimalLimit - 1 ? DecimalLimit - 1 : left;
        value /= PowerOfTen(step);
        left -= step;
    }
    return value;
}

Number ParseDecimal(const std::string& text, std::size_t i) {
    const std::size_t end = text.size();
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    std::uint64_t mantissa = 0;
    int kept = 0;       // significant digits held in mantissa
    int pointPlace = 0; // the value is 0.(significant digits) * 10^pointPlace
    bool anyDigit = false;
    bool significant = false;
    bool seenPoint = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!IsDigit(c))
            break;
        anyDigit = true;
        if (c == '0' && !significant) {
            if (seenPoint)
                --pointPlace;
            continue;
        }
        significant = true;
        if (!seenPoint)
            ++pointPlace;
        if (kept < MaxSignificantDigits) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            ++kept;
        }
    }
    if (!anyDigit)
        return 0;

    int exponent = 0;
    if (i < end && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        for (; i < end && IsDigit(text[i]); ++i) {
            exponent = exponent * 10 + (text[i] - '0');
            if (exponent > MaxExponent)
                exponent = MaxExponent;
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    if (mantissa == 0)
        return 0;
    Number value;
    if (pointPlace + exponent >= DecimalLimit)
        value = TooLarge;
    else if (pointPlace + exponent <= -DecimalLimit)
        value = 0;
    else
        value = ScaleByPowerOfTen(mantissa, pointPlace + exponent - kept);
    return negative ? -value : value;
}

int DigitValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    return 36;
}

enum class RadixSuffix { None, Percent, Ampersand, DoubleAmpersand, Question };

RadixSuffix ReadRadixSuffix(const std::string& text, std::size_t i) {
    if (i >= text.size())
        return RadixSuffix::None;
    switch (text[i]) {
    case '%':
        return RadixSuffix::Percent;
    case '&':
        return i + 1 < text.size() && text[i + 1] == '&' ? RadixSuffix::DoubleAmpersand
                                                         : RadixSuffix::Ampersand;
    case '?':
        return RadixSuffix::Question;
    default:
        return RadixSuffix::None;
    }
}

// Reads what follows an "&".
Number ParseRadix(const std::string& text, std::size_t i) {
    int bitsPerDigit = 3;
    if (i < text.size()) {
        switch (text[i]) {
        case 'H':
        case 'h':
            bitsPerDigit = 4;
            ++i;
            break;
        case 'B':
        case 'b':
            bitsPerDigit = 1;
            ++i;
            break;
        case 'O':
        case 'o':
        case 'Q':
        case 'q':
            ++i;
            break;
        default: // octal, and the character is a digit or ends the number
            break;
        }
    }
    const int base = 1 << bitsPerDigit;

    std::uint64_t value = 0;
    bool overflow = false;
    bool firstDigitZero = false;
    for (std::size_t first = i; i < text.size() && DigitValue(text[i]) < base; ++i) {
        if (i == first)
            firstDigitZero = text[i] == '0';
        if (value >> (64 - bitsPerDigit))
            overflow = true;
        value = (value << bitsPerDigit) | static_cast<std::uint64_t>(DigitValue(text[i]));
    }
    if (overflow || value == 0)
        return 0;

    const RadixSuffix suffix = ReadRadixSuffix(text, i);
    if (firstDigitZero)
        return static_cast<Number>(value);
    if (suffix == RadixSuffix::Question)
        return value >> 63 ? 0 : static_cast<Number>(value);
    const bool keepSixteenBits = suffix == RadixSuffix::Ampersand || suffix == RadixSuffix::DoubleAmpersand;
    if (value < 0x10000 && (value & 0x8000) && !keepSixteenBits)
        return static_cast<Number>(value) - 0x10000;
    if (value < 0x100000000 && (value & 0x80000000) && suffix != RadixSuffix::DoubleAmpersand)
        return static_cast<Number>(value) - static_cast<Number>(0x100000000);
    return static_cast<Number>(value);
}

// Nearest integer, ties to even. Values of 2^62 and more are integral already
// (or out of every range the callers accept) and come back unchanged.
Number RoundHalfToEven(Number value) {
    if (!(value < TwoTo62 && value > -TwoTo62))
        return value;
    std::int64_t whole = static_cast<std::int64_t>(value); // toward zero
    const Number fraction = value - static_cast<Number>(whole);
    if (fraction > 0.5L || (fraction == 0.5L && (whole & 1)))
        ++whole;
    else if (fraction < -0.5L || (fraction == -0.5L && (whole & 1)))
        --whole;
    return static_cast<Number>(whole);
}

std::string DecimalDigits(std::uint64_t value) {
    char digits[20];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    std::string text;
    while (count > 0)
        text += digits[--count];
    return text;
}

// Up to 15 significant digits, with a point or an exponent as the value needs.
std::string FormatFraction(Number magnitude) {
    int exponent = 0; // magnitude = d.ddd * 10^exponent
    while (magnitude >= 10) {
        magnitude /= 10;
        ++exponent;
    }
    while (magnitude < 1) {
        magnitude *= 10;
        --exponent;
    }
    std::uint64_t scaled = static_cast<std::uint64_t>(RoundHalfToEven(magnitude * PowerOfTen(14)));
    if (scaled >= 1000000000000000) {
        scaled /= 10;
        ++exponent;
    }
    std::string digits = DecimalDigits(scaled);
    digits.erase(digits.find_last_not_of('0') + 1);

    if (exponent >= 15 || exponent < -5) {
        std::string text = digits.substr(0, 1);
        if (digits.size() > 1)
            text += "." + digits.substr(1);
        return text + (exponent < 0 ? "E-" : "E+") +
               DecimalDigits(static_cast<std::uint64_t>(exponent < 0 ? -exponent : exponent));
    }
    if (exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const std::size_t wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits)
        return digits + std::string(wholeDigits - digits.size(), '0');
    return digits.substr(0, wholeDigits) + "." + digits.substr(wholeDigits);
}

} // namespace

Number ParseNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n'))
        ++i;
    if (i < text.size() && text[i] == '&')
        return ParseRadix(text, i + 1);
    return ParseDecimal(text, i);
}

std::string FormatNumber(Number value) {
    const bool negative = value < 0;
    const Number magnitude = negative ? -value : value;
    if (magnitude != magnitude)
        return "NaN";
    if (magnitude > std::numeric_limits<Number>::max())
        return negative ? "-Inf" : "Inf";
    std::string text;
    if (magnitude < TwoTo64 && static_cast<Number>(static_cast<std::uint64_t>(magnitude)) == magnitude)
        text = DecimalDigits(static_cast<std::uint64_t>(magnitude));
    else
        text = FormatFraction(magnitude);
    return negative && text != "0" ? "-" + text : text;
}

std::int32_t ToInt32(Number value) {
    const Number rounded = RoundHalfToEven(value);
    if (!(rounded >= -2147483648.0L && rounded <= 2147483647.0L))
        return INT32_MIN;
    return static_cast<std::int32_t>(rounded);
}

std::uint32_t ToHandle(Number value) {
    const Number rounded = RoundHalfToEven(value);
    if (!(rounded >= -TwoTo63 && rounded < TwoTo63))
        return 0; // like the processor's "integer indefinite", whose low 32 bits are 0
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(static_cast<std::int64_t>(rounded)));
}
