#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <QByteArray>
#include <QString>
#include <type_traits>

/// Reads the values of one fuzz input in turn. Past the end every read gives
/// zeros, so that a short input still decodes to a complete case.
class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool atEnd() const { return m_position >= m_size; }
    std::size_t remaining() const { return atEnd() ? 0 : m_size - m_position; }

    uint8_t byte() { return atEnd() ? 0 : m_data[m_position++]; }
    bool boolean() { return byte() & 1; }

    /// Little endian, from as many bytes as the type has.
    template <class T> T integer()
    {
        static_assert(std::is_integral<T>::value, "integers only");
        using Unsigned = std::make_unsigned_t<T>;
        Unsigned value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            value |= static_cast<Unsigned>(static_cast<Unsigned>(byte()) << (8 * i));
        return static_cast<T>(value);
    }

    /// Up to `count` bytes, never null (a null array would be bound as NULL).
    QByteArray bytes(std::size_t count)
    {
        const std::size_t taken = count < remaining() ? count : remaining();
        QByteArray result(taken ? reinterpret_cast<const char*>(m_data + m_position) : "", int(taken));
        m_position += taken;
        return result;
    }

    QByteArray rest() { return bytes(remaining()); }

    /// A length byte, then the text: its low six bits count the characters;
    /// with the high bit set each character is a UTF-16 unit of two bytes
    /// (unpaired surrogates and noncharacters included), otherwise a Latin-1
    /// byte (quotes, semicolons and NUL are easy to reach that way). Never
    /// null: the empty text is "".
    QString text()
    {
        const uint8_t header = byte();
        const int count = header & 0x3f;
        QString result(QLatin1String(""));
        result.reserve(count);
        for (int i = 0; i < count && !atEnd(); ++i)
            result += (header & 0x80) ? QChar(integer<uint16_t>()) : QChar(QLatin1Char(char(byte())));
        return result;
    }

private:
    const uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};

/// A broken invariant: says which, then aborts so that the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
