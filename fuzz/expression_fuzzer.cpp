// Expression entry on any text: a finite value or the evaluator's message, in any locale, and every
// value shown in either form.
#include <QLocale>
#include <QString>
#include <cmath>

#include "app/controls/expression.h"
#include "app/controls/usererror.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torve::app;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)};
    for (const QLocale& locale : locales) {
        try {
            const Extended v = evaluateExpression(text, locale);
            if (!std::isfinite(v)) torve::fuzz::broken("a value that is not finite");
            formatEntry(v, false, locale);
            formatEntry(v, true, locale);
        } catch (const UserError&) {
        }
    }
    return 0;
}
