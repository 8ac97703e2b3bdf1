// A tokenizer over a whole text file: lines split into blank-separated words, read one by one.
#include "app/graph/wordreader.h"

#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "app/controls/filereading.h"
#include "app/graph/texts.h"

namespace torve::app {
namespace {

// A word as a "."-decimal number. Besides the ordinary forms it takes the engine's own layout of
// an exponent beyond two digits, which drops the E ("0.123-100" is 0.123E-100), so every number
// the engine can write reads back.
bool toDouble(QByteArrayView word, double& out) {
    if (word.isEmpty() || word.size() >= 64) return false;
    const char* first = word.data();
    const char* const last = first + word.size();
    if (*first == '+') ++first;  // from_chars takes no plus sign
    if (first == last || *first == '+') return false;
    // from_chars would take "inf" and "nan", which are not numbers of these files.
    for (const char* p = first; p < last; ++p)
        if (*p == 'i' || *p == 'I' || *p == 'n' || *p == 'N' || static_cast<unsigned char>(*p) > 127)
            return false;
    auto r = std::from_chars(first, last, out);
    if (r.ec == std::errc() && r.ptr == last) return std::isfinite(out);
    if (r.ec == std::errc() && (*r.ptr == '-' || *r.ptr == '+') && r.ptr > first &&
        std::string_view(first, r.ptr).find_first_of("eE") == std::string_view::npos) {
        int exponent = 0;
        const char* e = r.ptr + (*r.ptr == '+' ? 1 : 0);
        const auto re = std::from_chars(e, last, exponent);
        if (re.ec != std::errc() || re.ptr != last) return false;
        // Read with the E put back, so that the value is the nearest to the decimal written, as for
        // every other form (a product with a power of ten would be off in the last place, or 0 for a
        // subnormal).
        char text[80];
        const std::size_t mantissa = static_cast<std::size_t>(r.ptr - first);
        std::memcpy(text, first, mantissa);
        text[mantissa] = 'e';
        const std::size_t rest = static_cast<std::size_t>(last - r.ptr);
        std::memcpy(text + mantissa + 1, r.ptr, rest);
        const auto exact = std::from_chars(text, text + mantissa + 1 + rest, out);
        if (exact.ec == std::errc::result_out_of_range) return false;
        return exact.ec == std::errc() && std::isfinite(out);
    }
    return false;
}

bool isAscii(const QByteArray& bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) > 127) return false;
    return true;
}

}  // namespace

WordReader::WordReader(const QString& fileName) : fileName_(fileName) {
    load(readFileWhole(fileName, texts::kCannotOpen));
}

WordReader WordReader::fromText(const QByteArray& text) {
    WordReader r;
    r.load(text);
    return r;
}

void WordReader::load(const QByteArray& bytes) {
    // Words and line breaks are found in the bytes: blanks, tabs, other control characters and line
    // breaks are below 0x80, where UTF-8 and Latin-1 agree. Only lines read as text are decoded.
    // Positions are kept in 32 bits, which halves the reader's memory; no file of the program comes
    // near 4 GB, so one that large is no such file.
    if (bytes.size() >= std::numeric_limits<Index>::max())
        throw UserError(texts::kFileIncomplete, FileLocation{fileName_, 0, 0});
    bytes_ = bytes;
    Index start = 0;
    if (!isAscii(bytes_)) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(bytes_);  // only to learn whether the bytes are UTF-8
        utf8_ = !utf8.hasError();
        if (utf8_ && bytes_.startsWith("\xEF\xBB\xBF")) start = 3;  // a byte-order mark is no text
    }
    const char* const data = bytes_.constData();
    const auto n = static_cast<Index>(bytes_.size());
    while (start < n) {
        const void* nl = std::memchr(data + start, '\n', n - start);
        const Index end = nl ? static_cast<Index>(static_cast<const char*>(nl) - data) : n;
        LineWords line;
        Index rawEnd = end;
        if (rawEnd > start && data[rawEnd - 1] == '\r') --rawEnd;
        line.raw = {start, rawEnd - start};
        line.firstWord = static_cast<Index>(words_.size());
        Index i = start;
        while (i < rawEnd) {
            while (i < rawEnd && static_cast<unsigned char>(data[i]) <= ' ') ++i;
            const Index w = i;
            while (i<rawEnd&& static_cast<unsigned char>(data[i])> ' ') ++i;
            if (i > w) {
                words_.push_back({w, i - w});
                ++line.wordCount;
            }
        }
        lines_.push_back(line);
        start = end + 1;
    }
}

QByteArrayView WordReader::nextWord() {
    // A used-up line, and any empty lines after it, are passed over.
    while (line_ < lines_.size() && word_ >= lines_[line_].wordCount) {
        ++line_;
        word_ = 0;
    }
    if (line_ >= lines_.size()) failIncomplete();
    const LineWords& l = lines_[line_];
    const Span s = words_[static_cast<std::size_t>(l.firstWord + word_)];
    lastLine_ = static_cast<int>(line_) + 1;
    lastItem_ = ++word_;
    return QByteArrayView(bytes_.constData() + s.start, s.length);
}

QString WordReader::decode(Span s) const {
    const QByteArrayView b(bytes_.constData() + s.start, s.length);
    return utf8_ ? QString::fromUtf8(b) : QString::fromLatin1(b);
}

QString WordReader::readWord() {
    const QByteArrayView w = nextWord();
    return utf8_ ? QString::fromUtf8(w) : QString::fromLatin1(w);
}

void WordReader::fail(const QString& expected) const {
    throw UserError(QString(texts::kErrorOnLine).arg(lastLine_).arg(lastItem_) + expected,
                    FileLocation{fileName_, lastLine_, lastItem_});
}

void WordReader::failIncomplete() const {
    throw UserError(texts::kFileIncomplete, FileLocation{fileName_, static_cast<int>(lines_.size()), 0});
}

void WordReader::skipRestOfLine() {
    if (line_ < lines_.size()) {
        ++line_;
        word_ = 0;
    }
}

double WordReader::readDouble() {
    double v = 0;
    const QByteArrayView w = nextWord();
    if (!toDouble(w, v)) fail(texts::kFloatExpected);
    return v;
}

int WordReader::readInt() {
    const QByteArrayView w = nextWord();
    double v = 0;
    if (!toDouble(w, v) || v != std::trunc(v) || v < -2147483648.0 || v > 2147483647.0)
        fail(texts::kIntegerExpected);
    return static_cast<int>(v);
}

QString WordReader::readLine() {
    if (line_ >= lines_.size()) failIncomplete();
    const Span s = lines_[line_].raw;
    ++line_;
    word_ = 0;
    return decode(s);
}

bool WordReader::atEnd() const {
    return line_ >= lines_.size();
}

int WordReader::wordCount() const {
    return atEnd() ? 0 : lines_[line_].wordCount;
}

int WordReader::wordsLeftOnLine() const {
    return atEnd() ? 0 : lines_[line_].wordCount - word_;
}

qsizetype WordReader::wordsRemaining() const {
    if (atEnd()) return 0;
    return static_cast<qsizetype>(words_.size()) - lines_[line_].firstWord - word_;
}

}  // namespace torve::app
