#include "calc/common/calculationdescription.h"
#include "calc/registry/tables.h"
#include "report/calculationrecord.h"
#include "tests/common/uitest.h"

#include <QRegularExpression>
#include <QtTest>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// Reads the numbers and the formulas of a record as a reader does: "1,3·10⁻⁶", "0,0147²",
// "lg 4810", "^−0,226", "π", "·" and "/" before "+" and "−".
class Expression {
public:
    explicit Expression(const QString& text) : text(text) {}

    std::optional<double> value()
    {
        const std::optional<double> result = sum();
        skipBlanks();
        if (!result || at < text.size())
            return std::nullopt;
        return result;
    }

    // The number a text starts with, and the unit of its last digit: "2,07 > 2" gives 2,07 and 0,01.
    static std::optional<std::pair<double, double>> leadingNumber(const QString& text)
    {
        Expression reader(text);
        const std::optional<std::pair<double, int>> mantissa = reader.number();
        if (!mantissa)
            return std::nullopt;
        double value = mantissa->first;
        double unit = std::pow(10.0, -mantissa->second);
        if (reader.text.mid(reader.at).startsWith(QStringLiteral("·10"))) {
            reader.at += 3;
            const std::optional<int> exponent = reader.superscript();
            if (!exponent)
                return std::nullopt;
            value *= std::pow(10.0, *exponent);
            unit *= std::pow(10.0, *exponent);
        }
        return std::pair{value, unit};
    }

private:
    void skipBlanks()
    {
        while (at < text.size() && (text.at(at) == u' ' || text.at(at) == QChar(0x00A0)))
            ++at;
    }
    bool take(const QString& token)
    {
        skipBlanks();
        if (!text.mid(at).startsWith(token))
            return false;
        at += token.size();
        return true;
    }
    std::optional<std::pair<double, int>> number()
    {
        skipBlanks();
        const qsizetype start = at;
        while (at < text.size() && text.at(at).isDigit())
            ++at;
        int decimals = 0;
        if (at < text.size() && text.at(at) == u',' && at + 1 < text.size() && text.at(at + 1).isDigit()) {
            ++at;
            while (at < text.size() && text.at(at).isDigit()) {
                ++at;
                ++decimals;
            }
        }
        if (at == start)
            return std::nullopt;
        return std::pair{text.mid(start, at - start).replace(u',', u'.').toDouble(), decimals};
    }
    std::optional<int> superscript()
    {
        static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
        const bool negative = at < text.size() && text.at(at) == QChar(0x207B);
        if (negative)
            ++at;
        int value = 0;
        const qsizetype start = at;
        while (at < text.size() && digits.contains(text.at(at)))
            value = value * 10 + int(digits.indexOf(text.at(at++)));
        if (at == start)
            return std::nullopt;
        return negative ? -value : value;
    }
    std::optional<double> sum()
    {
        std::optional<double> left = product();
        while (left) {
            if (take(QStringLiteral("+")))
                left = add(left, product(), 1);
            else if (take(QStringLiteral("−")) || take(QStringLiteral("-")))
                left = add(left, product(), -1);
            else
                break;
        }
        return left;
    }
    static std::optional<double> add(std::optional<double> left, std::optional<double> right, int sign)
    {
        if (!right)
            return std::nullopt;
        return *left + sign * *right;
    }
    std::optional<double> product()
    {
        std::optional<double> left = unary();
        while (left) {
            if (take(QStringLiteral("·"))) {
                const std::optional<double> right = unary();
                left = right ? std::optional(*left * *right) : std::nullopt;
            } else if (take(QStringLiteral("/"))) {
                const std::optional<double> right = unary();
                left = right ? std::optional(*left / *right) : std::nullopt;
            } else {
                break;
            }
        }
        return left;
    }
    std::optional<double> unary()
    {
        if (take(QStringLiteral("−")) || take(QStringLiteral("-"))) {
            const std::optional<double> operand = unary();
            return operand ? std::optional(-*operand) : std::nullopt;
        }
        if (take(QStringLiteral("lg"))) {
            const std::optional<double> operand = unary();
            return operand ? std::optional(std::log10(*operand)) : std::nullopt;
        }
        return power();
    }
    std::optional<double> power()
    {
        std::optional<double> base = primary();
        while (base) {
            if (take(QStringLiteral("^"))) {
                const std::optional<double> exponent = unary();
                base = exponent ? std::optional(std::pow(*base, *exponent)) : std::nullopt;
            } else if (at < text.size() && QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹⁻").contains(text.at(at))) {
                const std::optional<int> exponent = superscript();
                base = exponent ? std::optional(std::pow(*base, *exponent)) : std::nullopt;
            } else {
                break;
            }
        }
        return base;
    }
    std::optional<double> primary()
    {
        if (take(QStringLiteral("("))) {
            const std::optional<double> inner = sum();
            return inner && take(QStringLiteral(")")) ? inner : std::nullopt;
        }
        if (take(QStringLiteral("π")))
            return 3.14159265358979323846;
        const std::optional<std::pair<double, int>> read = number();
        return read ? std::optional(read->first) : std::nullopt;
    }

    QString text;
    qsizetype at = 0;
};

struct Substitution {
    QString numbers;  // the formula with its numbers put in
    double result;
    double unit;      // of the result's last digit
};

// The last "numbers = result" of a line: a part that reads whole as numbers, and the number the
// next part starts with.
std::optional<Substitution> substitution(const QString& line)
{
    const QStringList parts = line.split(QStringLiteral(" = "));
    for (qsizetype k = parts.size() - 1; k >= 1; --k) {
        const std::optional<std::pair<double, double>> result = Expression::leadingNumber(parts.at(k));
        if (result && Expression(parts.at(k - 1)).value())
            return Substitution{parts.at(k - 1), result->first, result->second};
    }
    return std::nullopt;
}

// Every combination of a table's condition choices.
QList<calc::ConditionChoices> everyChoice(const calc::TableRecord& record)
{
    QList<calc::ConditionChoices> all{{}};
    for (const calc::TableCondition& condition : record.conditions) {
        QList<calc::ConditionChoices> longer;
        for (const calc::ConditionChoices& earlier : all) {
            const qsizetype count = condition.choices(earlier).size();
            for (int choice = 0; choice < count; ++choice)
                longer.append(earlier + calc::ConditionChoices{choice});
            if (count == 0)
                longer.append(earlier + calc::ConditionChoices{-1});
        }
        all = longer;
    }
    return all;
}

// Requests over a table's conditions, a few of its sizes and a typed diameter, small and large
// flows, with a section and its local losses.
QList<calc::CalculationRequest> requestsOf(const calc::TableRecord& record)
{
    QList<calc::CalculationRequest> requests;
    for (const calc::ConditionChoices& chosen : everyChoice(record)) {
        QList<calc::CatalogSize> sizes = record.sizes(chosen);
        QList<calc::CatalogSize> some;
        for (qsizetype k = 0; k < sizes.size(); k += std::max<qsizetype>(1, sizes.size() / 3))
            some.append(sizes.at(k));
        some.append({QString(), 37.5});
        for (const calc::CatalogSize& size : some)
            for (const double flow : {0.00005, 0.004, 0.27, 3.3, 47.0}) {
                calc::CalculationRequest request;
                request.table = record.number;
                request.conditions.chosen = chosen;
                request.conditions.flow = {flow, calc::FlowUnit::LitresPerSecond};
                request.conditions.carrierDensity = 1062;
                request.conditions.carrierViscosityE6 = 3.9;
                request.size = size.designation;
                request.diameterMm = size.calculationDiameterMm;
                request.length = 25;
                request.localLosses.counted = true;
                if (!record.fittings.isEmpty()) {
                    request.localLosses.fittingCounts = QList<double>(record.fittings.size(), 0);
                    request.localLosses.fittingCounts[0] = 3;
                    request.localLosses.fittingCounts[2] = 1;
                    request.localLosses.otherResistance = 2.2;
                }
                requests.append(request);
            }
    }
    return requests;
}

}  // namespace

// Every record re-read by a reader: each formula line gives its result, to the digits printed,
// from the numbers it prints.
class RecordFormulasTest : public QObject {
    Q_OBJECT
private slots:
    void readerReadsNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("sum and product") << "21,3 − 2·2,8 − 1" << 14.7;
        QTest::newRow("scientific") << "1,768/(1,3·10⁻⁶)" << 1.768 / 1.3e-6;
        QTest::newRow("square and pi") << "4·0,0003/(π·0,0147²)" << 4 * 0.0003 / (M_PI * 0.0147 * 0.0147);
        QTest::newRow("logarithms") << "1 + lg 47780/lg 650000" << 1 + std::log10(47780.0) / std::log10(650000.0);
        QTest::newRow("negative power") << "0,0146 · (0,6366 · 0,2)^−0,226" << 0.0146 * std::pow(0.6366 * 0.2, -0.226);
    }
    void readerReadsNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const std::optional<double> read = Expression(text).value();
        QVERIFY(read);
        QCOMPARE(*read, value);
    }

    void significantDigits_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("text");
        QTest::newRow("Re") << 47776.0 << 4 << "4,778·10⁴";
        QTest::newRow("Re to five digits") << 47776.0 << 5 << "47776";
        QTest::newRow("Re кв") << 6575000.0 << 4 << "6,575·10⁶";
        QTest::newRow("A") << 48655.0 << 4 << "4,866·10⁴";
        QTest::newRow("A, plain at four digits") << 4810.0 << 4 << "4810";
        QTest::newRow("small slope") << 0.00037781 << 4 << "0,0003778";
        QTest::newRow("tiny slope") << 0.0000123456 << 4 << "1,235·10⁻⁵";
        QTest::newRow("trailing zeros dropped") << 0.60000001 << 4 << "0,6";
        QTest::newRow("rounds up a decade") << 99996.0 << 4 << "1·10⁵";
        QTest::newRow("negative") << -0.0123456 << 3 << "-0,0123";
        QTest::newRow("huge") << 6.0221e23 << 4 << "6,022·10²³";
        QTest::newRow("smaller than a scale can hold") << 1.23456e-307 << 4 << "1,235·10⁻³⁰⁷";
        QTest::newRow("the smallest double") << std::numeric_limits<double>::denorm_min() << 4 << "4,941·10⁻³²⁴";
    }
    void significantDigits()
    {
        QFETCH(double, value);
        QFETCH(int, digits);
        QFETCH(QString, text);
        QCOMPARE(calc::description::significantText(value, digits), text);
    }

    void everyFormulaLineReproduces_data()
    {
        QTest::addColumn<int>("number");
        for (int number = 1; number <= calc::tableCount; ++number)
            QTest::addRow("II-%d", number) << number;
    }
    void everyFormulaLineReproduces()
    {
        QFETCH(int, number);
        const calc::TableRecord& record = calc::table(number);
        int records = 0;
        int checked = 0;
        QSet<QString> formulas;
        // Every line of a formula puts its numbers in.
        static const QRegularExpression formulaLine(
            QStringLiteral("^(v = 4·|i = |λ = |Re = |Re\u00A0кв = |b = |A = |R = |H = |h = |Z = |ΔP = |1000i = |v/ν = )"));
        for (const calc::CalculationRequest& request : requestsOf(record)) {
            const calc::CalculationOutcome outcome = record.calculate(request);
            if (outcome.failed)
                continue;
            ++records;
            for (const QString& line : report::recordLines(record, request, outcome)) {
                // The advice is copied as the calculator words it; the record's own numbers have no exponent.
                static const QRegularExpression exponent(QStringLiteral("\\de[-+]?\\d"));
                QVERIFY2(line == outcome.advice || !line.contains(exponent), qPrintable(line));
                // No blank of any kind ends a line: a no-break space shows as one in a copied text.
                QVERIFY2(line.isEmpty() || !line.back().isSpace(), qPrintable(line));
                const std::optional<Substitution> formula = substitution(line);
                QVERIFY2(formula || !formulaLine.match(line).hasMatch(), qPrintable(line));
                if (!formula)
                    continue;
                const double evaluated = *Expression(formula->numbers).value();
                const double error = std::abs(evaluated - formula->result);
                QVERIFY2(error <= 0.5 * formula->unit * (1 + 1e-9) + 1e-12 * std::abs(formula->result),
                         qPrintable(QStringLiteral("%1\ngives %2").arg(line).arg(evaluated, 0, 'g', 12)));
                ++checked;
                formulas.insert(line.section(QStringLiteral(" = "), 0, 0));
            }
        }
        qInfo("II-%d: %d records, %d formula lines", number, records, checked);
        // v, i (or R), 1000i or R, the section: at least four formulas in every record.
        QVERIFY(records >= 10);
        QVERIFY(checked >= 4 * records);
        QVERIFY(formulas.contains(QStringLiteral("v")));
    }
};

UITEST_MAIN(RecordFormulasTest)
#include "tst_recordformulas.moc"
