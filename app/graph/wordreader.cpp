// A tokenizer over a whole text file: lines split into blank-separated words, read one by one.
#include "app/graph/wordreader.h"

#include <QFile>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <string>

#include "app/graph/einouterror.h"

namespace torve::app {
namespace {

// A word as a "."-decimal number. Besides the ordinary forms it takes the engine's own layout of
// an exponent beyond two digits, which drops the E ("0.123-100" is 0.123E-100), so every number
// the engine can write reads back.
bool toDouble(QStringView word, double& out) {
    char buf[64] = {};
    if (word.size() >= static_cast<qsizetype>(sizeof buf) || word.isEmpty()) return false;
    std::size_t n = 0;
    for (const QChar c : word) {
        const char16_t u = c.unicode();
        if (u > 127) return false;
        buf[n++] = static_cast<char>(u);
    }
    const char* first = buf;
    if (*first == '+') ++first;  // from_chars takes no plus sign
    if (first == buf + n || *first == '+') return false;
    // from_chars would take "inf" and "nan", which are not numbers of these files.
    for (const char* p = first; p < buf + n; ++p)
        if (*p == 'i' || *p == 'I' || *p == 'n' || *p == 'N') return false;
    auto r = std::from_chars(first, buf + n, out);
    if (r.ec == std::errc() && r.ptr == buf + n) return std::isfinite(out);
    if (r.ec == std::errc() && (*r.ptr == '-' || *r.ptr == '+') && r.ptr > first &&
        std::string_view(first, r.ptr).find_first_of("eE") == std::string_view::npos) {
        int exponent = 0;
        const char* e = r.ptr + (*r.ptr == '+' ? 1 : 0);
        const auto re = std::from_chars(e, buf + n, exponent);
        if (re.ec != std::errc() || re.ptr != buf + n) return false;
        out *= std::pow(10.0, exponent);
        return std::isfinite(out);
    }
    return false;
}

}  // namespace

TWordReader::TWordReader(const QString& fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("File %1 cannot be opened: %2").arg(fileName, f.errorString()));
    load(f.readAll());
}

TWordReader TWordReader::fromText(const QByteArray& text) {
    TWordReader r;
    r.load(text);
    return r;
}

void TWordReader::load(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    text_ = utf8(bytes);
    if (utf8.hasError()) text_ = QString::fromLatin1(bytes);
    const qsizetype n = text_.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = text_.indexOf(u'\n', start);
        if (end < 0) end = n;
        LineWords line;
        qsizetype rawEnd = end;
        if (rawEnd > start && text_[rawEnd - 1] == u'\r') --rawEnd;
        line.raw = {start, rawEnd - start};
        line.firstWord = static_cast<qsizetype>(words_.size());
        // Blanks, tabs and other control characters all separate words.
        qsizetype i = start;
        while (i < rawEnd) {
            while (i < rawEnd && text_[i].unicode() <= u' ') ++i;
            const qsizetype w = i;
            while (i < rawEnd && text_[i].unicode() > u' ') ++i;
            if (i > w) {
                words_.push_back({w, i - w});
                ++line.wordCount;
            }
        }
        lines_.push_back(line);
        start = end + 1;
    }
}

QStringView TWordReader::ReadWord() {
    // A used-up line, and any empty lines after it, are passed over.
    while (line_ < lines_.size() && word_ >= lines_[line_].wordCount) {
        ++line_;
        word_ = 0;
    }
    if (line_ >= lines_.size()) throw EInOutError(QStringLiteral("This file either invalid or incomplete."));
    const LineWords& l = lines_[line_];
    const Span s = words_[static_cast<std::size_t>(l.firstWord + word_)];
    lastLine_ = static_cast<int>(line_) + 1;
    lastItem_ = ++word_;
    return QStringView(text_).mid(s.start, s.length);
}

void TWordReader::Fail(const QString& expected) const {
    throw EInOutError(QStringLiteral("Error on Line %1 Item %2\r").arg(lastLine_).arg(lastItem_) + expected);
}

void TWordReader::SkipRestOfLine() {
    if (line_ < lines_.size()) {
        ++line_;
        word_ = 0;
    }
}

double TWordReader::ReadFloat() {
    double v = 0;
    if (!toDouble(ReadWord(), v)) Fail(QStringLiteral("A floating point number was expected but not found."));
    return v;
}

int TWordReader::ReadInteger() {
    double v = 0;
    if (!toDouble(ReadWord(), v) || v != std::trunc(v) || v < -2147483648.0 || v > 2147483647.0)
        Fail(QStringLiteral("An integer was expected but not found."));
    return static_cast<int>(v);
}

QString TWordReader::ReadLine() {
    if (line_ >= lines_.size()) throw EInOutError(QStringLiteral("This file either invalid or incomplete."));
    const Span s = lines_[line_].raw;
    ++line_;
    word_ = 0;
    return text_.mid(s.start, s.length);
}

bool TWordReader::AtEnd() const {
    return line_ >= lines_.size();
}

int TWordReader::WordCount() const {
    return AtEnd() ? 0 : lines_[line_].wordCount;
}

int TWordReader::WordsLeftOnLine() const {
    return AtEnd() ? 0 : lines_[line_].wordCount - word_;
}

qsizetype TWordReader::WordsRemaining() const {
    if (AtEnd()) return 0;
    return static_cast<qsizetype>(words_.size()) - lines_[line_].firstWord - word_;
}

}  // namespace torve::app
