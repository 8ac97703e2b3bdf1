// Reading the cone penetration tests of a BRO-XML document.
#include "app/sounding/broxmlreader.h"

#include <QXmlStreamReader>
#include <optional>
#include <vector>

#include "app/sounding/soundingtext.h"
#include "app/sounding/texts.h"

namespace torve::app {
namespace {

// The value columns of a cone penetration result of the register, in the order of its record type.
constexpr const char* kRegisterColumns[] = {"penetrationLength",
                                            "depth",
                                            "elapsedTime",
                                            "coneResistance",
                                            "correctedConeResistance",
                                            "netConeResistance",
                                            "magneticFieldStrengthX",
                                            "magneticFieldStrengthY",
                                            "magneticFieldStrengthZ",
                                            "magneticFieldStrengthTotal",
                                            "electricalConductivity",
                                            "inclinationEW",
                                            "inclinationNS",
                                            "inclinationX",
                                            "inclinationY",
                                            "inclinationResultant",
                                            "magneticInclination",
                                            "magneticDeclination",
                                            "localFriction",
                                            "poreRatio",
                                            "temperature",
                                            "porePressureU1",
                                            "porePressureU2",
                                            "porePressureU3",
                                            "frictionRatio"};

// The register's mark of a missing value.
constexpr double kRegisterMissing = -999999;

// More parameters than the register knows are taken for damage.
constexpr std::size_t kMostParameters = 64;

struct Parameter {
    QString name;
    bool measured = true;
};

struct Result {
    QString values;
    int line = 0;
    QChar decimal = u'.';
    QChar token = u',';
    QChar block = u';';
};

std::optional<SoundingQuantity> quantityOf(const QString& parameter) {
    using Q = SoundingQuantity;
    if (parameter == u"penetrationLength") return Q::PenetrationLength;
    if (parameter == u"depth") return Q::Depth;
    if (parameter == u"coneResistance") return Q::Qc;
    if (parameter == u"correctedConeResistance") return Q::Qt;
    if (parameter == u"localFriction") return Q::Fs;
    if (parameter == u"porePressureU2") return Q::U2;
    return std::nullopt;
}

class BroXmlReader {
  public:
    BroXmlReader(QByteArrayView bytes, const QString& file) : xml_(bytes.toByteArray()), file_(file) {}

    Sounding read() {
        parse();
        if (results_.empty()) refuseSounding(file_, 0, texts::kBroNoValues);
        Sounding s{QStringLiteral("BRO-XML"), {}};
        for (std::size_t i = 0; i < results_.size(); ++i) s.tests.push_back(test(i));
        return s;
    }

  private:
    int line() const { return static_cast<int>(std::min<qint64>(xml_.lineNumber(), INT_MAX)); }

    void parse() {
        while (!xml_.atEnd()) {
            if (xml_.readNext() != QXmlStreamReader::StartElement) continue;
            const QStringView name = xml_.name();
            if (name == u"broId" && id_.isEmpty()) {
                id_ = xml_.readElementText().trimmed();
            } else if (name == u"TextEncoding") {
                encoding(xml_.attributes());
            } else if (name == u"values") {
                pending_.line = line();
                pending_.values = xml_.readElementText(QXmlStreamReader::SkipChildElements);
                results_.push_back(pending_);
            } else if (name == u"coneSurfaceQuotient") {
                const QString text = xml_.readElementText();
                const std::optional<double> a = soundingNumber(text.trimmed().toUtf8());
                areaRatios_.push_back(a.value_or(kSoundingMissing));
            } else if (name == u"parameters") {
                parameterList();
            }
        }
        if (xml_.hasError()) refuseSounding(file_, line(), QString(texts::kBroXml).arg(xml_.errorString()));
    }

    void encoding(const QXmlStreamAttributes& a) {
        const auto one = [&](QLatin1StringView attribute, QChar fallback) {
            if (!a.hasAttribute(attribute)) return fallback;
            const QStringView v = a.value(attribute);
            if (v.size() != 1) refuseSounding(file_, line(), texts::kBroSeparators);
            return v[0];
        };
        pending_.decimal = one(QLatin1StringView("decimalSeparator"), u'.');
        pending_.token = one(QLatin1StringView("tokenSeparator"), u',');
        pending_.block = one(QLatin1StringView("blockSeparator"), u';');
        if (pending_.decimal == pending_.token || pending_.decimal == pending_.block ||
            pending_.token == pending_.block)
            refuseSounding(file_, line(), texts::kBroSeparators);
    }

    void parameterList() {
        std::vector<Parameter> list;
        while (xml_.readNextStartElement()) {
            if (list.size() >= kMostParameters)
                refuseSounding(file_, line(), QString(texts::kBroParameters).arg(kMostParameters));
            Parameter p{xml_.name().toString(), true};
            p.measured = xml_.readElementText(QXmlStreamReader::SkipChildElements).trimmed() != u"nee";
            list.push_back(std::move(p));
        }
        parameters_.push_back(std::move(list));
    }

    // The parameters of result i: the list given in the same order in the document, or the
    // register's columns when the document lists none.
    std::vector<Parameter> parametersOf(std::size_t i) const {
        if (i < parameters_.size()) return parameters_[i];
        if (!parameters_.empty()) return parameters_.back();
        std::vector<Parameter> all;
        for (const char* n : kRegisterColumns) all.push_back({QString::fromLatin1(n), true});
        return all;
    }

    SoundingTest test(std::size_t i) const {
        const Result& r = results_[i];
        const std::vector<Parameter> parameters = parametersOf(i);
        SoundingTest t;
        t.id = results_.size() == 1 ? id_ : QStringLiteral("%1/%2").arg(id_).arg(i + 1);
        t.areaRatio = i < areaRatios_.size() ? areaRatios_[i] : kSoundingMissing;
        std::vector<std::optional<std::size_t>> target(parameters.size());
        for (std::size_t c = 0; c < parameters.size(); ++c) {
            const std::optional<SoundingQuantity> q = quantityOf(parameters[c].name);
            if (!q || !parameters[c].measured) continue;
            const auto k = static_cast<std::size_t>(*q);
            target[c] = k;
            t.columns[k] = parameters[c].name;
            t.units[k] = *q == SoundingQuantity::PenetrationLength || *q == SoundingQuantity::Depth
                             ? QStringLiteral("m")
                             : QStringLiteral("MPa");
        }
        if (!t.has(SoundingQuantity::Qc) ||
            (!t.has(SoundingQuantity::Depth) && !t.has(SoundingQuantity::PenetrationLength)))
            refuseSounding(file_, r.line, texts::kBroNoCone);
        int block = 0;
        for (QStringView b : QStringView(r.values).split(r.block)) {
            b = b.trimmed();
            if (b.isEmpty()) continue;
            ++block;
            const QList<QStringView> tokens = b.split(r.token);
            if (static_cast<std::size_t>(tokens.size()) != parameters.size())
                refuseSounding(
                    file_, r.line,
                    QString(texts::kBroValueCount).arg(parameters.size()).arg(block).arg(tokens.size()));
            SoundingRow row;
            row.line = r.line;
            for (std::size_t c = 0; c < parameters.size(); ++c) {
                if (!target[c]) continue;
                QString token = tokens[static_cast<qsizetype>(c)].toString();
                if (r.decimal != u'.') token.replace(r.decimal, u'.');
                const std::optional<double> v = soundingNumber(token.toUtf8());
                if (!v)
                    refuseSounding(
                        file_, r.line,
                        QString(texts::kBroNumber).arg(c + 1).arg(block).arg(quotedCell(token.toUtf8())));
                row.values[*target[c]] = *v == kRegisterMissing ? kSoundingMissing : *v;
            }
            t.rows.push_back(row);
        }
        dropEmptyColumns(t);
        return t;
    }

    QXmlStreamReader xml_;
    const QString& file_;
    QString id_;
    Result pending_;
    std::vector<Result> results_;
    std::vector<std::vector<Parameter>> parameters_;
    std::vector<double> areaRatios_;
};

}  // namespace

Sounding readBroXmlSounding(QByteArrayView bytes, const QString& file) {
    return BroXmlReader(bytes, file).read();
}

}  // namespace torve::app
