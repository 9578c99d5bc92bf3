#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace calc {

// One row of a material's economic range table: the flows for which the nominal size is the
// economical one.
struct EconomicBand {
    int size;      // mm
    double lower;  // l/s
    double upper;  // l/s; infinity for a band open at the top
};

// Which bounds belong to a band.
enum class BoundRule {
    LowerIncluded,             // lower ≤ Ql < upper
    UpperIncluded,             // lower < Ql ≤ upper
    UpperIncludedFirstClosed,  // lower < Ql ≤ upper, and the first band lower ≤ Ql ≤ upper
};

// A material's economic range table and which bounds its bands hold.
struct EconomicTable {
    std::span<const EconomicBand> bands;
    BoundRule rule;
};

// Palette indices of the advice colours.
inline constexpr int justifiedColour = 2;     // green
inline constexpr int recommendedColour = 12;  // light red

// How a screen words its advice.
struct AdviceWording {
    std::function<QString(int size)> leadIn;           // "Применение трубы с условным проходом 80мм при расходе "
    std::function<QString(int size)> justifiedEnding;  // "экономически обосновано."
    QString separator;                                 // between the m³/h figure and a recommendation
    std::function<QString(int size)> recommendation;   // "рекомендуется использовать трубу ... 80мм"
};

// The sizes that get the size rules: `from` and every larger size of the table. The screen
// words the justified case of `recommendationOnly` itself.
struct SizeRuleSizes {
    int from = 0;
    int recommendationOnly = 0;
};

// What one advice step writes on the advice label. Only the last write of each kind shows;
// what is not written keeps what the label showed before.
struct AdviceLabelWrites {
    std::optional<QString> text;
    std::optional<int> colour;
};

// The economic diameter advice of one calculation: band flags of the flow, the size rules and
// the texts. A screen runs its own rules around the size rules, in its own order, and then shows
// writes() on its advice label.
class EconomicAdvice {
public:
    // flow in m³/s
    EconomicAdvice(double flow, std::span<const EconomicBand> table, BoundRule rule);
    EconomicAdvice(double flow, const EconomicTable& table) : EconomicAdvice(flow, table.bands, table.rule) {}

    double litresPerSecond() const { return litres; }
    bool inBand(int size) const;
    bool inAnyBand() const;

    // For every band from sizes.from on that holds the flow: the justified text in green when its
    // size is the compared size, else the recommendation of its size in red. No compared size
    // matches no band.
    void applySizeRules(std::optional<double> comparedSize, const AdviceWording& wording, SizeRuleSizes sizes = {});

    // lead-in, "10л/сек =36м куб/ч ", ending
    QString justifiedText(int size, const AdviceWording& wording) const;
    // "При расходе 10л/сек =36", separator, recommendation
    QString recommendationText(const QString& separator, const QString& recommendation) const;

    void justify(const QString& text);
    void recommend(const QString& text);
    void setText(const QString& text);
    void setColour(int paletteIndex);
    void empty() { setText(QString()); }

    const AdviceLabelWrites& writes() const { return written; }

private:
    QString flowFigures() const;

    double litres;
    double cubicMetresPerHour;
    std::span<const EconomicBand> bands;
    std::vector<bool> flags;
    AdviceLabelWrites written;
};

}  // namespace calc
