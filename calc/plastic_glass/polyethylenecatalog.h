#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Polyethylene pressure pipes, ГОСТ 18599-2001: materials, SDR series, sizes and walls.
namespace calc::plastic_glass::polyethylene {

enum class Material { PE32, PE63, PE80, PE100 };
inline constexpr Material materials[] = {Material::PE32, Material::PE63, Material::PE80, Material::PE100};

// In the order of the series options, thinnest wall first.
enum class Series { SDR41, SDR26, SDR21, SDR17_6, SDR17, SDR13_6, SDR11, SDR9, SDR6 };
inline constexpr Series allSeries[] = {Series::SDR41,   Series::SDR26, Series::SDR21, Series::SDR17_6, Series::SDR17,
                                       Series::SDR13_6, Series::SDR11, Series::SDR9,  Series::SDR6};

QString caption(Material material);
QString caption(Series series);

QList<Series> enabledSeries(Material material);
Series defaultSeries(Material material);

// Outer diameters offered in a material and series, ascending, as whole-number texts;
// empty when the material does not offer the series.
QStringList sizes(Material material, Series series);

// Wall thickness in mm; 0 when the series has no pipe of this outer diameter.
double wall(Series series, double outerDiameter);

// Inner diameter D − 2e of the list item (an outer diameter as text); 0 when there is no wall.
double innerDiameter(Series series, const QString& outerDiameterItem);

}  // namespace calc::plastic_glass::polyethylene
